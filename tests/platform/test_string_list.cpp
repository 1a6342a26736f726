// String lists: objects per line, lookups ignoring case, sorting with duplicates, "Name=Value"
// lines, and the text, comma-separated and file forms.

#include <gtest/gtest.h>

#include "platform/classes.h"
#include "tests/support/scratch_dir.h"

namespace {

std::vector<std::string> LinesOf(const TStrings& list) {
  std::vector<std::string> lines;
  for (int i = 0; i < list.Count(); ++i) lines.push_back(list.Get(i));
  return lines;
}

}  // namespace

TEST(StringList, ObjectsFollowTheirLines) {
  int one = 1, two = 2, three = 3;
  TStringList list;
  list.AddObject("one", &one);
  list.AddObject("three", &three);
  list.InsertObject(1, "two", &two);
  list.Add("none");
  EXPECT_EQ(list.GetObject(1), &two);
  EXPECT_EQ(list.GetObject(3), nullptr);
  list.Move(0, 2);
  list.Exchange(0, 3);
  EXPECT_EQ(LinesOf(list), (std::vector<std::string>{"none", "three", "one", "two"}));
  EXPECT_EQ(list.GetObject(0), nullptr);
  EXPECT_EQ(list.GetObject(1), &three);
  EXPECT_EQ(list.GetObject(2), &one);
  EXPECT_EQ(list.IndexOfObject(&two), 3);
  list.Delete(1);
  EXPECT_EQ(list.GetObject(1), &one);

  TStringList copy;
  copy.Assign(list);
  EXPECT_EQ(copy.GetObject(2), &two);
  copy.AddStrings(copy);
  EXPECT_EQ(copy.Count(), 6);
}

TEST(StringList, LookupsIgnoreLetterCaseAndFindTheFirstMatch) {
  TStringList list;
  list.Add("TButtonEvent");
  list.Add("TEditEvent");
  list.Add("tbuttonevent");
  EXPECT_EQ(list.IndexOf("TBUTTONEVENT"), 0);
  EXPECT_EQ(list.IndexOf("teditevent"), 1);
  EXPECT_EQ(list.IndexOf("TButton"), -1);
  list.SetCaseSensitive(true);
  EXPECT_EQ(list.IndexOf("tbuttonevent"), 2);
  EXPECT_EQ(list.IndexOf("TEDITEVENT"), -1);
}

TEST(StringList, SortedListsKeepOrderAndApplyTheDuplicatesRule) {
  TStringList list;
  list.Add("pear");
  list.Add("Apple");
  list.Add("fig");
  list.SetSorted(true);
  EXPECT_EQ(LinesOf(list), (std::vector<std::string>{"Apple", "fig", "pear"}));
  EXPECT_EQ(list.Add("banana"), 1);

  int index = -1;
  EXPECT_TRUE(list.Find("FIG", index));
  EXPECT_EQ(index, 2);
  EXPECT_FALSE(list.Find("grape", index));
  EXPECT_EQ(index, 3);
  EXPECT_EQ(list.IndexOf("PEAR"), 3);

  EXPECT_EQ(list.Add("APPLE"), 0);  // ignored: already there
  EXPECT_EQ(list.Count(), 4);
  list.SetDuplicates(TDuplicates::dupError);
  EXPECT_THROW(list.Add("apple"), EStringListError);
  list.SetDuplicates(TDuplicates::dupAccept);
  list.Add("apple");
  EXPECT_EQ(list.Count(), 5);
  EXPECT_TRUE(list.Find("Apple", index));
  EXPECT_EQ(index, 0);

  EXPECT_THROW(list.Insert(0, "zzz"), EStringListError);
  EXPECT_THROW(list.Put(0, "zzz"), EStringListError);
}

TEST(StringList, SortingIsStableAndFollowsTheCaseRule) {
  TStringList list;
  int first = 0, second = 0;
  list.AddObject("b", &first);
  list.Add("A");
  list.AddObject("B", &second);
  list.Add("a");
  list.Sort();
  EXPECT_EQ(LinesOf(list), (std::vector<std::string>{"A", "a", "b", "B"}));
  EXPECT_EQ(list.GetObject(2), &first);
  list.SetSorted(true);
  list.SetCaseSensitive(true);
  EXPECT_EQ(LinesOf(list), (std::vector<std::string>{"A", "B", "a", "b"}));
}

TEST(StringList, NamesAndValuesSplitAtTheFirstEqualsSign) {
  TStringList list;
  list.SetText("TButtonEvent=1\nplain line\nPath=a=b\n=empty name\n");
  EXPECT_EQ(list.Names(0), "TButtonEvent");
  EXPECT_EQ(list.Names(1), "");
  EXPECT_EQ(list.ValueFromIndex(1), "");
  EXPECT_EQ(list.Values("path"), "a=b");
  EXPECT_EQ(list.IndexOfName("tbuttonevent"), 0);
  EXPECT_EQ(list.IndexOfName("plain line"), -1);
  EXPECT_EQ(list.Values("missing"), "");

  list.SetValue("PATH", "c");
  EXPECT_EQ(list.Get(2), "PATH=c");
  list.SetValue("New", "x");
  EXPECT_EQ(list.Get(4), "New=x");
  list.SetValue("TButtonEvent", "");
  EXPECT_EQ(list.IndexOfName("TButtonEvent"), -1);
  EXPECT_EQ(list.Count(), 4);
}

TEST(StringList, TextSplitsAtLineBreaksAndJoinsWithThem) {
  TStringList list;
  list.SetText("one\r\ntwo\n\nlast");
  EXPECT_EQ(LinesOf(list), (std::vector<std::string>{"one", "two", "", "last"}));
  EXPECT_EQ(list.Text(), "one\ntwo\n\nlast\n");
  list.SetText("");
  EXPECT_EQ(list.Count(), 0);
}

TEST(StringList, CommaTextQuotesWhatWouldNotReadBack) {
  TStringList list;
  list.SetText("plain\nwith space\nsay \"hi\"\na,b\n\n");
  const std::string text = list.CommaText();
  EXPECT_EQ(text, "plain,\"with space\",\"say \"\"hi\"\"\",\"a,b\",");
  TStringList back;
  back.SetCommaText(text);
  EXPECT_EQ(LinesOf(back), LinesOf(list));

  back.SetCommaText(" one two , \"three\"");
  EXPECT_EQ(LinesOf(back), (std::vector<std::string>{"one", "two", "three"}));

  TStringList single;
  single.Add("");
  EXPECT_EQ(single.CommaText(), "\"\"");
  back.SetCommaText(single.CommaText());
  EXPECT_EQ(back.Count(), 1);
}

TEST(StringList, FilesRoundTripAndMissingFilesRaise) {
  ScratchDir dir;
  TStringList list;
  list.SetText("alpha\nbeta=2\n");
  list.SaveToFile(dir.File("list.txt"));
  EXPECT_EQ(ReadTextFile(dir.File("list.txt")), "alpha\nbeta=2\n");
  TStringList back;
  back.LoadFromFile(dir.File("list.txt"));
  EXPECT_EQ(LinesOf(back), LinesOf(list));
  EXPECT_THROW(back.LoadFromFile(dir.File("missing.txt")), EFOpenError);
  EXPECT_THROW(list.SaveToFile(dir.File("no/such/folder.txt")), EFCreateError);
}
