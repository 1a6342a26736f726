// Follow mode: records appended to the log shown are read on from where the last reading stopped
// and shown below the rows, which keep their collapsed groups and the selection.

#include <cstdio>

#include "log/tracebook_error.h"
#include "platform/classes.h"
#include "tests/viewer_core/viewer_fixture.h"
#include "viewer/core/log_loader.h"

namespace {

struct InsertObserver : TEventViewObserver {
  void RowsAboutToBeInserted(int first, int last) override {
    Calls.push_back("insert " + std::to_string(first) + ".." + std::to_string(last));
  }
  void ViewAboutToBeReset() override { Calls.push_back("reset"); }
  void RowsAboutToBeRemoved(int, int) override { Calls.push_back("remove"); }
  std::vector<std::string> Calls;
};

class Following : public ViewerFixture {
 protected:
  // start, a, enter s, b, leave s, stop, --- (rows 0..6)
  void WriteSession() {
    LogWriter(LogFile).At(1000).Start().Message("a").Enter("s").Message("b").Leave("s").Stop();
  }
};

TEST_F(Following, AppendedRecordsJoinTheRowsAndGroupsAndSelectionStay) {
  WriteSession();
  Viewer().Load(LogFile);
  ASSERT_EQ(Viewer().Collapse(2), TGroupEdit::ceChanged);  // the section
  ASSERT_EQ(Viewer().Collapse(0), TGroupEdit::ceChanged);  // the whole session, which has ended
  Viewer().Select(1);                                      // its separator
  InsertObserver observer;
  Viewer().AddObserver(&observer);

  {
    // A host appends a session and is still at work in it.
    LogWriter host(LogFile);
    host.At(5000).Start().Message("c").Enter("t");
    EXPECT_EQ(Viewer().ReadAppended(), std::nullopt);
    EXPECT_EQ(Rows(), (::Rows{"0:start", "-1:---", "0:start", "1:c", "1:enter t"}));
    host.Message("d").Leave("t").Stop();
    EXPECT_EQ(Viewer().ReadAppended(), std::nullopt);
  }
  EXPECT_EQ(Rows(), (::Rows{"0:start", "-1:---", "0:start", "1:c", "1:enter t", "2:d", "1:leave t",
                            "0:stop", "-1:---"}));
  EXPECT_EQ(observer.Calls, (std::vector<std::string>{"insert 2..4", "insert 5..8"}));
  EXPECT_EQ(Viewer().Selected(), 1);
  EXPECT_EQ(Viewer().Sessions().Count(), 2);
  EXPECT_EQ(Viewer().SessionOf(Viewer().View()[3]), 1);
  EXPECT_EQ(Viewer().TimeOf(Viewer().View()[3]), Viewer().Sessions()[1].BeginTime);
  // The appended groups collapse and expand like groups read whole.
  EXPECT_EQ(Viewer().Collapse(4), TGroupEdit::ceChanged);
  EXPECT_EQ(Viewer().Expand(0), TGroupEdit::ceChanged);
  EXPECT_EQ(Viewer().RowCount(), 10);
  EXPECT_FALSE(Viewer().CurrentFileChanged());
  Viewer().RemoveObserver(&observer);
}

TEST_F(Following, ANewLogIsFollowedFromItsFirstSession) {
  LogWriter host(LogFile);  // creates the log and goes on writing its first session
  host.At(1000).Start().Message("a");
  EXPECT_EQ(Viewer().Load(LogFile).Outcome, TLoadOutcome::loLoaded);
  host.Message("b");
  EXPECT_EQ(Viewer().ReadAppended(), std::nullopt);
  EXPECT_EQ(Rows(), (::Rows{"0:start", "1:a", "1:b"}));
}

TEST_F(Following, AppendedRecordsPassTheFilterOfTheRows) {
  WriteSession();
  FixedFilter filter;
  filter.HiddenClass = "TUserMessageEvent";
  Viewer().SetFilterWindow(&filter);
  Viewer().Load(LogFile);
  LogWriter(LogFile).At(5000).Start().Message("c").Separator().Stop();
  EXPECT_EQ(Viewer().ReadAppended(), std::nullopt);
  EXPECT_EQ(Rows(), (::Rows{"0:start", "1:enter s", "1:leave s", "0:stop", "-1:---", "0:start",
                            "1:-", "0:stop", "-1:---"}));
  Viewer().SetFilterWindow(nullptr);
}

TEST_F(Following, ARecordHalfWrittenWhenReadIsShownOnceItIsWhole) {
  LogWriter(LogFile).At(1000).Start().Message("a").Message("being written");
  const std::string whole = ReadTextFile(LogFile);
  WriteTextFile(LogFile, whole.substr(0, whole.size() - 3));
  TFileStream host(LogFile, fmOpenReadWrite | fmShareDenyWrite);
  Viewer().Load(LogFile);
  EXPECT_EQ(Rows(), (::Rows{"0:start", "1:a"}));

  EXPECT_EQ(Viewer().ReadAppended(), std::nullopt);  // nothing new yet
  host.Seek(0, TSeekOrigin::soEnd);
  host.WriteBuffer(whole.data() + whole.size() - 3, 3);
  EXPECT_EQ(Viewer().ReadAppended(), std::nullopt);
  EXPECT_EQ(Rows(), (::Rows{"0:start", "1:a", "1:being written"}));
}

TEST_F(Following, ALogThatShrankOrWasReplacedIsLoadedAgainWhole) {
  WriteSession();
  Viewer().Load(LogFile);
  Viewer().Collapse(2);
  const std::string longer = ReadTextFile(LogFile);

  // Cut back to its first two records, as by another program: read again whole.
  LogWriter(Dir.File("short.evt")).At(1000).Start().Message("a");
  WriteTextFile(LogFile, ReadTextFile(Dir.File("short.evt")));
  std::optional<TLoadResult> result = Viewer().ReadAppended();
  ASSERT_TRUE(result.has_value());
  EXPECT_EQ(result->Outcome, TLoadOutcome::loLoaded);
  EXPECT_EQ(Rows(), (::Rows{"0:start", "1:a"}));

  // Another file moved over its name, longer than the one read: read again whole too.
  const std::string other = Dir.File("other.evt");
  WriteTextFile(other, longer);
  LogWriter(other).At(6000).Start().Message("e");
  ASSERT_EQ(std::rename(other.c_str(), LogFile.c_str()), 0);
  result = Viewer().ReadAppended();
  ASSERT_TRUE(result.has_value());
  // The same log by its first tick: the earlier session collapses, as on every reload.
  EXPECT_EQ(Rows(), (::Rows{"0:start", "-1:---", "0:start", "1:e"}));
}

TEST_F(Following, ALogThatIsGoneKeepsItsRows) {
  WriteSession();
  Viewer().Load(LogFile);
  ASSERT_EQ(std::remove(LogFile.c_str()), 0);
  EXPECT_EQ(Viewer().ReadAppended(), std::nullopt);
  EXPECT_EQ(Viewer().RowCount(), 7);
  EXPECT_EQ(Rows()[1], "1:a");  // read again through the file still open
}

TEST_F(Following, DamageAppendedShowsTheRowsBeforeItAndEndsTheWatch) {
  WriteSession();
  Viewer().Load(LogFile);
  LogWriter(LogFile).At(5000).Start().Message("c");
  // A begin token naming a class by a pool index that was never added.
  WriteTextFile(LogFile, ReadTextFile(LogFile) + std::string("\x00\x51\x56\xFE\x7F\x7F", 6));
  const std::optional<TLoadResult> result = Viewer().ReadAppended();
  ASSERT_TRUE(result.has_value());
  EXPECT_EQ(result->Outcome, TLoadOutcome::loDamaged);
  EXPECT_EQ(result->Message, DamagedMessage(ETracebookError(19003).what(), 8));
  EXPECT_EQ(Rows().size(), 9u);
  EXPECT_EQ(Rows().back(), "1:c");
  EXPECT_TRUE(Viewer().FileStamp().IsZero());
  LogWriter(LogFile).At(6000).Start();
  EXPECT_EQ(Viewer().ReadAppended(), std::nullopt);  // no longer watched
  EXPECT_EQ(Rows().size(), 9u);
}

TEST_F(Following, NothingIsReadWithoutAWatchedLog) {
  EXPECT_EQ(Viewer().ReadAppended(), std::nullopt);
  EXPECT_EQ(Viewer().RowCount(), 0);
}

}  // namespace
