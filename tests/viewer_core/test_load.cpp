// Loading, reloading and restoring a log, and what the window remembers on closing.

#include <filesystem>

#include "log/tracebook_error.h"
#include "platform/classes.h"
#include "tests/viewer_core/viewer_fixture.h"
#include "viewer/core/log_loader.h"

namespace {

class Loading : public ViewerFixture {
 protected:
  // Two sessions: start, a, enter s, b, leave s, stop, --- (0..6), then start, c, stop, ---.
  void WriteTwoSessions() {
    LogWriter(LogFile)
        .At(1000)
        .Start()
        .Message("a")
        .Enter("s")
        .Message("b")
        .Leave("s")
        .Stop()
        .At(2000)
        .Start()
        .Message("c")
        .Stop();
  }
  void AppendSession(const std::string& text) {
    LogWriter(LogFile).At(3000).Start().Message(text).Stop();
  }
};

TEST_F(Loading, AMissingFileEmptiesTheWindow) {
  WriteTwoSessions();
  Viewer().Load(LogFile);
  const TLoadResult result = Viewer().Load(Dir.File("gone.evt"));
  EXPECT_EQ(result.Outcome, TLoadOutcome::loMissing);
  EXPECT_FALSE(result.FileExists);
  EXPECT_EQ(Viewer().CurrentFile(), "");
  EXPECT_EQ(Viewer().Caption(), "Oxlane");
  EXPECT_EQ(Viewer().RowCount(), 0);
  EXPECT_EQ(Viewer().Records().size(), 0u);
  EXPECT_EQ(Viewer().Sessions().Count(), 0);
}

TEST_F(Loading, AFileThatIsNotALogIsReportedAndNotShown) {
  const std::string name = Dir.File("notes.txt");
  WriteTextFile(name, "just some text, long enough to hold a signature");
  const TLoadResult result = Viewer().Load(name);
  EXPECT_EQ(result.Outcome, TLoadOutcome::loNotALog);
  EXPECT_TRUE(result.FileExists);
  EXPECT_EQ(result.Message,
            "Could not read \"" + name + "\".\rMost likely it is not an event log file.");
  EXPECT_EQ(Viewer().CurrentFile(), "");
  EXPECT_EQ(Viewer().RowCount(), 0);
  EXPECT_EQ(LogStream(), nullptr);
}

TEST_F(Loading, ADamagedLogShowsWhatCameBeforeTheDamageAndIsNotWatched) {
  WriteTwoSessions();
  const std::string bytes = ReadTextFile(LogFile);
  WriteTextFile(LogFile, bytes.substr(0, bytes.size() - 2));  // the last stop is cut off
  const TLoadResult result = Viewer().Load(LogFile);
  EXPECT_EQ(result.Outcome, TLoadOutcome::loDamaged);
  EXPECT_FALSE(result.Message.empty());
  EXPECT_EQ(Viewer().CurrentFile(), LogFile);
  EXPECT_EQ(Rows(), (::Rows{"0:start", "1:a", "1:enter s", "2:b", "1:leave s", "0:stop", "-1:---",
                            "0:start", "1:c"}));
  EXPECT_EQ(LogStream(), nullptr);
  EXPECT_TRUE(Viewer().FileStamp().IsZero());
  AppendSession("later");
  EXPECT_FALSE(Viewer().CurrentFileChanged());

  // The session table is closed, so the last session has an end for the status text.
  Viewer().Select(8);
  EXPECT_EQ(Viewer().SessionPositionText().substr(0, 28), "Event 2 of 2 in session 2 st");
}

TEST_F(Loading, ANewLogHeldByItsWriterIsReportedAsBeingWritten) {
  const TFileStream writer(LogFile, fmCreate);  // a host's first session, still running
  const TLoadResult result = Viewer().Load(LogFile);
  EXPECT_EQ(result.Outcome, TLoadOutcome::loBeingWritten);
  EXPECT_EQ(result.Message, BeingWrittenMessage(LogFile));
  EXPECT_EQ(result.Message.find("not an event log"), std::string::npos);
  EXPECT_EQ(Viewer().CurrentFile(), "");
  EXPECT_EQ(Viewer().RowCount(), 0);
  EXPECT_EQ(LogStream(), nullptr);
}

TEST_F(Loading, ARecordHalfWrittenByARunningHostIsShownByTheNextReload) {
  LogWriter(LogFile).At(1000).Start().Message("a").Message("being written");
  const std::string whole = ReadTextFile(LogFile);
  // A reader caught the last record's write half done: its last bytes are not there yet.
  WriteTextFile(LogFile, whole.substr(0, whole.size() - 3));
  TFileStream host(LogFile, fmOpenReadWrite | fmShareDenyWrite);  // the host appending

  const TLoadResult result = Viewer().Load(LogFile);
  EXPECT_EQ(result.Outcome, TLoadOutcome::loLoaded);
  EXPECT_EQ(result.Message, "");
  EXPECT_EQ(Rows(), (::Rows{"0:start", "1:a"}));
  EXPECT_FALSE(Viewer().FileStamp().IsZero());  // still watched

  host.Seek(0, TSeekOrigin::soEnd);
  host.WriteBuffer(whole.data() + whole.size() - 3, 3);
  EXPECT_TRUE(Viewer().CurrentFileChanged());
  Viewer().Load(LogFile);
  EXPECT_EQ(Rows(), (::Rows{"0:start", "1:a", "1:being written"}));
}

TEST_F(Loading, DamageFollowedByMoreRecordsIsDamageWhileAHostWrites) {
  LogWriter(LogFile).At(1000).Start().Message("a").Stop();
  // A begin token naming a class by a pool index that was never added.
  WriteTextFile(LogFile, ReadTextFile(LogFile) + std::string("\x00\x51\x56\xFE\x7F\x7F", 6));
  LogWriter(LogFile).At(2000).Start().Message("b");
  const TFileStream host(LogFile, fmOpenReadWrite | fmShareDenyWrite);

  const TLoadResult result = Viewer().Load(LogFile);
  EXPECT_EQ(result.Outcome, TLoadOutcome::loDamaged);
  EXPECT_EQ(result.Message, DamagedMessage(ETracebookError(19003).what(), 3));
  EXPECT_NE(result.Message.find("The 3 records read before the damage are shown."),
            std::string::npos);
  EXPECT_EQ(Rows(), (::Rows{"0:start", "1:a", "0:stop", "-1:---"}));
  EXPECT_TRUE(Viewer().FileStamp().IsZero());
}

TEST_F(Loading, AWatchedFileReportsAChange) {
  WriteTwoSessions();
  Viewer().Load(LogFile);
  EXPECT_FALSE(Viewer().FileStamp().IsZero());
  EXPECT_FALSE(Viewer().CurrentFileChanged());
  AppendSession("later");
  EXPECT_TRUE(Viewer().CurrentFileChanged());
}

TEST_F(Loading, AReloadCollapsesEveryEarlierSessionAndKeepsCollapsedSections) {
  WriteTwoSessions();
  Viewer().Load(LogFile);
  Viewer().Collapse(2);  // enter s
  AppendSession("d");
  ASSERT_EQ(Viewer().Load(LogFile).Outcome, TLoadOutcome::loLoaded);
  EXPECT_EQ(Rows(), (::Rows{"0:start", "-1:---", "0:start", "-1:---", "0:start", "1:d", "0:stop",
                            "-1:---"}));
  EXPECT_EQ(Viewer().Records()[2].State, esCollapsed);
  EXPECT_EQ(Viewer().Selected(), 2);  // the last session that was collapsed

  Viewer().Expand(0);
  EXPECT_EQ(Rows()[2], "1:enter s");
  EXPECT_EQ(Rows()[3], "0:stop");  // the section is still collapsed
}

TEST_F(Loading, AReloadFindsTheEarlierSessionsWhileSeparatorsAreHidden) {
  WriteTwoSessions();
  Viewer().Load(LogFile);
  Settings.SetEnabled("TSeparatorEvent", false);
  AppendSession("d");
  Viewer().Load(LogFile);
  // Without separators the sessions' start rows are not two rows apart.
  EXPECT_EQ(Rows(), (::Rows{"0:start", "0:start", "0:start", "1:d", "0:stop"}));
  EXPECT_EQ(Viewer().Selected(), 1);
}

TEST_F(Loading, AReloadThatCollapsesNothingSelectsTheSameRowAgain) {
  LogWriter(LogFile).Start().Message("a").Message("b").Stop();
  Viewer().Load(LogFile);
  Viewer().Select(2);
  Viewer().Load(LogFile);
  EXPECT_EQ(Viewer().Selected(), 2);
  EXPECT_EQ(Viewer().RowCount(), 5);
}

TEST_F(Loading, AnotherLogUnderTheSameNameOpensExpanded) {
  WriteTwoSessions();
  Viewer().Load(LogFile);
  Viewer().Collapse(2);
  Viewer().Select(1);
  std::filesystem::remove(LogFile);
  LogWriter(LogFile).At(77).Start().Message("a").Enter("s").Message("b").Leave("s").Stop();
  Viewer().Load(LogFile);
  EXPECT_EQ(Viewer().RowCount(), 7);
  EXPECT_EQ(Viewer().Selected(), -1);
}

TEST_F(Loading, TheLastLogOfThePreviousRunIsRestoredOnlyWhenItsFirstTickMatches) {
  WriteTwoSessions();
  Viewer().Load(LogFile);
  Viewer().Collapse(2);
  Viewer().Collapse(5);  // the second session
  Viewer().StoreLastLog();
  EXPECT_EQ(Settings.LastLog.Filename, LogFile);
  EXPECT_EQ(Settings.LastLog.TickCount, 1000);
  EXPECT_EQ(Settings.Collapse(), (std::vector<int32_t>{2, 7}));
  Settings.Save();

  RestartViewer();
  Viewer().Load(LogFile);
  EXPECT_EQ(Rows(),
            (::Rows{"0:start", "1:a", "1:enter s", "0:stop", "-1:---", "0:start", "-1:---"}));
  EXPECT_EQ(Viewer().Selected(), -1);

  RestartViewer();
  Settings.Load();
  Settings.LastLog.TickCount = 999;
  Settings.Save();
  RestartViewer();
  Viewer().Load(LogFile);
  EXPECT_EQ(Viewer().RowCount(), 11);
}

TEST_F(Loading, RestoringIgnoresIndexesThatAreNotCollapsibleRows) {
  WriteTwoSessions();
  WriteTextFile(Dir.File("Oxlane.ini"),
                "[LastLog]\nFilename=" + LogFile + "\nTickCount=1000\nCollapse=4,99,-1,1,2\n");
  Viewer().Load(LogFile);
  EXPECT_EQ(Rows().size(), 9u);  // only row 2 collapsed; 99 and the plain row 1 are ignored
  EXPECT_EQ(Viewer().Records()[2].State, esCollapsed);
}

struct CaptionObserver : TEventViewObserver {
  explicit CaptionObserver(const TEventView& view) : View(view) {}
  void CurrentFileChanged() override { Captions.push_back(View.Caption()); }
  const TEventView& View;
  std::vector<std::string> Captions;
};

TEST_F(Loading, TheCaptionFollowsTheCurrentFileThroughEveryLoad) {
  WriteTwoSessions();
  const std::string text = Dir.File("notes.txt");
  WriteTextFile(text, "not a log");
  CaptionObserver observer(Viewer());
  Viewer().AddObserver(&observer);
  Viewer().Load(LogFile);
  Viewer().Load(LogFile);  // a reload keeps the name
  Viewer().Load(text);     // never named: the log shown goes, and nothing takes its place
  Viewer().Load(Dir.File("gone.evt"));
  EXPECT_EQ(observer.Captions, (std::vector<std::string>{"Oxlane - " + LogFile, "Oxlane"}));
  Viewer().Load(LogFile);
  Viewer().Load(Dir.File("gone.evt"));
  EXPECT_EQ(observer.Captions.back(), "Oxlane");
  EXPECT_EQ(observer.Captions.size(), 4u);
  Viewer().RemoveObserver(&observer);
}

struct ResetObserver : TEventViewObserver {
  void RowsAboutToBeRemoved(int, int) override { Calls.push_back("remove"); }
  void RowsAboutToBeInserted(int, int) override { Calls.push_back("insert"); }
  void ViewAboutToBeReset() override { Calls.push_back("reset"); }
  void ViewReset() override { Calls.push_back("reset done"); }
  void RowsChanged(int) override { Calls.push_back("changed"); }
  void SelectionChanged() override { Calls.push_back("selection"); }
  std::vector<std::string> Calls;
};

TEST_F(Loading, ALoadThatCollapsesGroupsIsAnnouncedAsOneReset) {
  const std::vector<std::string> oneReset{"reset", "reset done", "selection"};
  WriteTwoSessions();
  Viewer().Load(LogFile);
  Viewer().Collapse(2);
  Viewer().StoreLastLog();
  AppendSession("d");
  ResetObserver observer;
  Viewer().AddObserver(&observer);
  Viewer().Load(LogFile);  // a reload: the section and two sessions collapse
  EXPECT_EQ(observer.Calls, oneReset);
  EXPECT_EQ(Rows().size(), 8u);

  Settings.Save();
  RestartViewer();
  Viewer().AddObserver(&observer);
  observer.Calls.clear();
  Viewer().Load(LogFile);  // the section restored from the settings
  EXPECT_EQ(observer.Calls, oneReset);
  EXPECT_EQ(Viewer().Records()[2].State, esCollapsed);
  Viewer().RemoveObserver(&observer);
}

TEST_F(Loading, ClosingWithoutALogForgetsTheLastLog) {
  Viewer().StoreLastLog();
  EXPECT_EQ(Settings.LastLog.Filename, "");
  EXPECT_EQ(Settings.LastLog.TickCount, -1);
  EXPECT_TRUE(Settings.Collapse().empty());
}

TEST_F(Loading, RowsOfALogOverwrittenWhileShownSayThatTheyChangedAndShowNoOtherRecord) {
  const auto writeSession = [](const std::string& file, uint32_t tick, const std::string& prefix) {
    LogWriter log(file);
    log.At(tick).Start();
    for (int i = 0; i < 5'000; ++i) log.Message(prefix + std::to_string(i));
  };
  writeSession(LogFile, 1000, "a");
  Viewer().Load(LogFile);
  const std::string other = Dir.File("other.evt");
  writeSession(other, 9000, "b");
  std::filesystem::copy_file(other, LogFile, std::filesystem::copy_options::overwrite_existing);

  int changed = 0;
  for (int row = 1; row < Viewer().RowCount(); ++row) {
    const std::string data = Viewer().ColumnText(row, 2);
    if (data.find("has changed since it was read") != std::string::npos) {
      ++changed;
    } else {
      // Records still among the bytes read ahead before are shown as they were.
      ASSERT_EQ(data, "a" + std::to_string(row - 1));
    }
  }
  EXPECT_GT(changed, 4'000);
}

// Asks to stop after `continues` reports; notes what it was told.
struct StoppingProgress : TReadProgress {
  explicit StoppingProgress(int continues) : Continues(continues) {}
  bool Continue(int recordsRead, int64_t position, int64_t size) override {
    Reports.push_back(recordsRead);
    EXPECT_LE(position, size);
    return static_cast<int>(Reports.size()) <= Continues;
  }
  int Continues;
  std::vector<int> Reports;
};

TEST_F(Loading, ACancelledLoadLeavesTheLogShownAsItWas) {
  const std::string large = Dir.File("large.evt");
  {
    LogWriter writer(large);
    writer.At(1000).Start();
    for (int i = 0; i < 20000; ++i) writer.Message("m");
  }
  WriteTwoSessions();
  Viewer().Load(LogFile);
  Viewer().Collapse(2);
  Viewer().Select(3);
  const TFileStamp stamp = Viewer().FileStamp();
  const ::Rows rows = Rows();
  ResetObserver observer;
  Viewer().AddObserver(&observer);

  StoppingProgress cancelling(1);
  const TLoadResult cancelled = Viewer().Load(large, &cancelling);
  EXPECT_EQ(cancelled.Outcome, TLoadOutcome::loCancelled);
  EXPECT_EQ(cancelling.Reports, (std::vector<int>{8192, 16384}));
  EXPECT_EQ(observer.Calls, std::vector<std::string>{});
  EXPECT_EQ(Viewer().CurrentFile(), LogFile);
  EXPECT_EQ(Rows(), rows);
  EXPECT_EQ(Viewer().Selected(), 3);
  EXPECT_EQ(Viewer().FileStamp(), stamp);

  StoppingProgress going(100);
  EXPECT_EQ(Viewer().Load(large, &going).Outcome, TLoadOutcome::loLoaded);
  EXPECT_EQ(going.Reports, (std::vector<int>{8192, 16384}));
  EXPECT_EQ(Viewer().Records().size(), 20001u);
  Viewer().RemoveObserver(&observer);
}

}  // namespace
