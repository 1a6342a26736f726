// INI files: lookups ignoring case, values read with fallbacks, and edits that rewrite only what
// they touch.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "platform/inifiles.h"
#include "tests/support/scratch_dir.h"

namespace {

constexpr const char* kSettings =
    "; Viewer settings\n"
    "[Window]\n"
    "Left = 10\n"
    "Top=20\n"
    "  ; a comment inside\n"
    "Maximized=yes please\n"
    "Flags=$1F\n"
    "\n"
    "[Packages]\n"
    "first=extra.so\n"
    "no equals sign\n"
    "\n";

std::vector<std::string> LinesOf(const TStrings& list) {
  std::vector<std::string> lines;
  for (int i = 0; i < list.Count(); ++i) lines.push_back(list.Get(i));
  return lines;
}

class IniFile : public ::testing::Test {
 protected:
  void SetUp() override { WriteTextFile(FileName, kSettings); }
  ScratchDir Dir;
  std::string FileName = Dir.File("Oxlane.ini");
  TIniFile Ini{FileName};
};

}  // namespace

TEST_F(IniFile, SectionsAndKeysIgnoreLetterCase) {
  EXPECT_EQ(Ini.ReadString("WINDOW", "left", "?"), "10");
  EXPECT_EQ(Ini.ReadString("window", "TOP", "?"), "20");
  EXPECT_EQ(Ini.ReadString("Window", "Width", "fallback"), "fallback");
  EXPECT_EQ(Ini.ReadString("Other", "Top", "fallback"), "fallback");
  EXPECT_TRUE(Ini.SectionExists("packages"));
  EXPECT_TRUE(Ini.ValueExists("PACKAGES", "FIRST"));
  EXPECT_FALSE(Ini.ValueExists("Window", "first"));
}

TEST_F(IniFile, NumbersAndFlagsFallBackOnNonsense) {
  EXPECT_EQ(Ini.ReadInteger("Window", "Left", -1), 10);
  EXPECT_EQ(Ini.ReadInteger("Window", "Flags", -1), 31);
  EXPECT_EQ(Ini.ReadInteger("Window", "Maximized", -1), -1);
  EXPECT_EQ(Ini.ReadInteger("Window", "Missing", 7), 7);
  EXPECT_TRUE(Ini.ReadBool("Window", "Left", false));
  EXPECT_TRUE(Ini.ReadBool("Window", "Maximized", true));
  EXPECT_FALSE(Ini.ReadBool("Window", "Maximized", false));
  Ini.WriteBool("Window", "Left", false);
  EXPECT_FALSE(Ini.ReadBool("Window", "Left", true));
  Ini.WriteInteger("Window", "Top", -5);
  EXPECT_EQ(Ini.ReadInteger("Window", "Top", 0), -5);
}

TEST_F(IniFile, SectionListingsKeepFileOrder) {
  TStringList lines;
  lines.Add("stale");
  Ini.ReadSectionValues("Packages", lines);
  EXPECT_EQ(LinesOf(lines), (std::vector<std::string>{"first=extra.so", "no equals sign"}));
  Ini.ReadSectionValues("Window", lines);
  EXPECT_EQ(LinesOf(lines),
            (std::vector<std::string>{"Left = 10", "Top=20", "Maximized=yes please", "Flags=$1F"}));
  TStringList keys;
  Ini.ReadSection("Window", keys);
  EXPECT_EQ(LinesOf(keys), (std::vector<std::string>{"Left", "Top", "Maximized", "Flags"}));
  Ini.ReadSections(keys);
  EXPECT_EQ(LinesOf(keys), (std::vector<std::string>{"Window", "Packages"}));
}

TEST_F(IniFile, ReplacingAValueKeepsEveryOtherLine) {
  Ini.WriteString("window", "LEFT", "300");
  Ini.WriteString("WINDOW", "top", "40");
  std::string expected = kSettings;
  expected.replace(expected.find("Left = 10"), 9, "Left = 300");
  expected.replace(expected.find("Top=20"), 6, "Top=40");
  EXPECT_EQ(ReadTextFile(FileName), expected);
}

TEST_F(IniFile, NewKeysAndSectionsGoAtTheEnd) {
  Ini.WriteString("Window", "Width", "640");
  Ini.WriteString("Find", "Text", "button");
  EXPECT_EQ(ReadTextFile(FileName),
            "; Viewer settings\n[Window]\nLeft = 10\nTop=20\n  ; a comment inside\n"
            "Maximized=yes please\nFlags=$1F\nWidth=640\n\n[Packages]\nfirst=extra.so\n"
            "no equals sign\n\n[Find]\nText=button\n");
}

TEST_F(IniFile, ErasingSectionsAndKeys) {
  Ini.DeleteKey("window", "maximized");
  Ini.EraseSection("PACKAGES");
  Ini.EraseSection("Absent");
  EXPECT_EQ(ReadTextFile(FileName),
            "; Viewer settings\n[Window]\nLeft = 10\nTop=20\n  ; a comment inside\n"
            "Flags=$1F\n\n");
}

TEST(IniFileEdges, MissingFileReadsEmptyAndWritingCreatesIt) {
  ScratchDir dir;
  TIniFile ini(dir.File("TrcBook.ini"));
  TStringList lines;
  ini.ReadSectionValues("Packages", lines);
  EXPECT_EQ(lines.Count(), 0);
  EXPECT_EQ(ini.ReadString("Packages", "x", "none"), "none");
  EXPECT_FALSE(ini.SectionExists("Packages"));
  ini.EraseSection("Packages");
  EXPECT_FALSE(FileExists(dir.File("TrcBook.ini")));
  ini.WriteString("Packages", "p1", " spaced ");
  EXPECT_EQ(ReadTextFile(dir.File("TrcBook.ini")), "[Packages]\np1= spaced \n");
  EXPECT_EQ(ini.ReadString("packages", "P1", ""), "spaced");
}

TEST(IniFileEdges, WindowsLineBreaksStayWindowsLineBreaks) {
  ScratchDir dir;
  WriteTextFile(dir.File("DELPHI.INI"), "[transfer]\r\nCount=0\r\n");
  TIniFile ini(dir.File("DELPHI.INI"));
  EXPECT_EQ(ini.ReadInteger("Transfer", "count", -1), 0);
  ini.WriteInteger("Transfer", "Count", 1);
  ini.WriteString("Transfer", "Title0", "Oxlane");
  EXPECT_EQ(ReadTextFile(dir.File("DELPHI.INI")), "[transfer]\r\nCount=1\r\nTitle0=Oxlane\r\n");
}

TEST(IniFileEdges, FailedWritesRaiseAndLeaveTheFileAlone) {
  ScratchDir dir;
  TIniFile nowhere(dir.File("no/folder/Oxlane.ini"));
  EXPECT_THROW(nowhere.WriteString("A", "b", "c"), EIniFileException);

  WriteTextFile(dir.File("Oxlane.ini"), "[A]\nb=c\n");
  TIniFile ini(dir.File("Oxlane.ini"));
  EXPECT_THROW(ini.WriteString("A", "b", "two\n[Injected]\nx=1"), EConvertError);
  EXPECT_EQ(ReadTextFile(dir.File("Oxlane.ini")), "[A]\nb=c\n");

  ::chmod(dir.File("Oxlane.ini").c_str(), 0640);
  ini.WriteString("A", "b", "d");
  struct stat info {};
  ASSERT_EQ(::stat(dir.File("Oxlane.ini").c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0640u);  // the rewrite keeps the file's permissions
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);  // no leftovers
}
