// Follow mode and long readings in the main window: a second process appending to the log shown,
// the rows that scroll with it, "--follow" at start, and a reading cancelled from its progress.

#include <QAction>
#include <QProgressDialog>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "gui_fixture.h"
#include "tests/support/child_process.h"

namespace {

// A host in another process that appends to the log a batch of records each time it is told to,
// and says when a batch is written.
class AppendingHost {
 public:
  AppendingHost(const std::string& log, int batches) {
    int go[2];
    int done[2];
    if (::pipe(go) != 0 || ::pipe(done) != 0) throw std::runtime_error("pipe");
    FChild = StartChild([=] {
      ::close(go[1]);
      ::close(done[0]);
      LogWriter host(log);
      char byte;
      for (int batch = 0; batch < batches; ++batch) {
        if (::read(go[0], &byte, 1) != 1) return 3;
        if (batch == 0) host.At(5000).Start();
        for (int i = 0; i < 40; ++i) host.Message("batch " + std::to_string(batch));
        if (batch + 1 == batches) host.Stop();
        if (::write(done[1], "x", 1) != 1) return 4;
      }
      return 0;
    });
    ::close(go[0]);
    ::close(done[1]);
    FGo = go[1];
    FDone = done[0];
  }
  ~AppendingHost() {
    ::close(FGo);
    ::close(FDone);
    WaitForChild(FChild);
  }
  // Has the next batch written, and waits for it.
  void WriteBatch() {
    char byte = 'x';
    ASSERT_EQ(::write(FGo, &byte, 1), 1);
    ASSERT_EQ(::read(FDone, &byte, 1), 1);
  }

 private:
  pid_t FChild;
  int FGo;
  int FDone;
};

using Following = GuiFixture;

TEST_F(Following, RowsAppendedByAnotherProcessAppearAndGroupsAndSelectionStay) {
  WriteSessionLog();
  Window().show();
  Window().Load(LogFile);
  ASSERT_EQ(Window().View().Collapse(2), TGroupEdit::ceChanged);  // the section
  Window().View().Select(1);
  ASSERT_EQ(RowCount(), 6);
  Window().Actions().ViewFollow->trigger();
  ASSERT_TRUE(Window().Following());

  AppendingHost host(LogFile, 2);
  host.WriteBatch();
  QTRY_COMPARE(RowCount(), 6 + 41);
  EXPECT_EQ(Text(46, 2), "batch 0");
  EXPECT_EQ(Window().View().Records()[2].State, esCollapsed);
  EXPECT_EQ(Window().View().Selected(), 1);
  EXPECT_TRUE(Window().List().IsLastRowInView());  // it was in view, and the rows scrolled
  EXPECT_EQ(Window().StatusText(0), " 49 Events in 2 Sessions, 47 Visible ");

  // Scrolled up, the rows stay where they are while more are appended below.
  Window().List().scrollToTop();
  host.WriteBatch();
  QTRY_COMPARE(RowCount(), 6 + 83);
  EXPECT_EQ(Window().Model().index(RowCount() - 1, 0).data(TEventModel::KindRole).toInt(),
            static_cast<int>(TRowKind::rkInsertedSeparator));  // after the session's end
  EXPECT_EQ(Window().List().verticalScrollBar()->value(), 0);
  EXPECT_FALSE(Window().List().IsLastRowInView());
  EXPECT_TRUE(Dialogs.Questions.empty());  // no reload question while following
  EXPECT_TRUE(Dialogs.Errors.empty());
}

TEST_F(Following, FollowOnTheCommandLineStartsFollowMode) {
  WriteSessionLog();
  Window().LoadAtStart({"--follow", LogFile});
  EXPECT_TRUE(Window().Following());
  EXPECT_TRUE(Window().Actions().ViewFollow->isChecked());
  EXPECT_EQ(Window().View().CurrentFile(), LogFile);
  LogWriter(LogFile).At(5000).Start().Message("later");
  // Activating the window reads on at once instead of asking to reload.
  Window().CheckFileChanged();
  EXPECT_EQ(RowCount(), 10);
  EXPECT_TRUE(Dialogs.Questions.empty());

  Window().Actions().ViewFollow->trigger();
  EXPECT_FALSE(Window().Following());
  LogWriter(LogFile).Message("unseen");
  QTest::qWait(150);
  EXPECT_EQ(RowCount(), 10);
  Window().CheckFileChanged();  // without follow mode, the question is asked again
  EXPECT_EQ(Dialogs.Questions.size(), 1u);
}

TEST_F(Following, ALogMovedOverTheOneFollowedIsShownInItsPlace) {
  WriteSessionLog();
  Window().LoadAtStart({"--follow", LogFile});
  const std::string other = Dir.File("other.evt");
  LogWriter(other).At(1000).Start().Message("replacement").Stop();
  ASSERT_EQ(std::rename(other.c_str(), LogFile.c_str()), 0);
  QTRY_COMPARE(RowCount(), 4);
  EXPECT_EQ(Text(1, 2), "replacement");
  // The new file is followed in turn.
  LogWriter(LogFile).At(5000).Start();
  QTRY_COMPARE(RowCount(), 5);
}

TEST_F(Following, ACancelledReadingKeepsTheLogShownBefore) {
  const std::string large = Dir.File("large.evt");
  {
    LogWriter writer(large);
    writer.At(1000).Start();
    for (int i = 0; i < 40000; ++i) writer.Message("m");
  }
  WriteSessionLog();
  Window().show();
  Window().Load(LogFile);
  Window().View().Select(3);

  // The user presses Cancel as soon as the progress shows.
  QTimer canceller;
  int progressShown = 0;
  QObject::connect(&canceller, &QTimer::timeout, [&] {
    if (auto* dialog = Window().findChild<QProgressDialog*>()) {
      ++progressShown;
      dialog->cancel();
    }
  });
  canceller.start(0);
  Window().Load(large, 0);
  canceller.stop();
  EXPECT_EQ(progressShown, 1);
  EXPECT_EQ(Window().findChild<QProgressDialog*>(), nullptr);
  EXPECT_EQ(Window().View().CurrentFile(), LogFile);
  EXPECT_EQ(Window().windowTitle().toStdString(), "Oxlane - " + LogFile);
  EXPECT_EQ(RowCount(), 8);
  EXPECT_EQ(Window().View().Selected(), 3);
  EXPECT_TRUE(Dialogs.Errors.empty());

  // Let run, the same reading shows the log.
  Window().Load(large, 0);
  EXPECT_EQ(RowCount(), 40001);
  EXPECT_EQ(Window().findChild<QProgressDialog*>(), nullptr);
}

}  // namespace
