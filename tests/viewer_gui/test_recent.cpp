// Reopening logs: the last log at start-up, File > Recent, and where the Open dialog starts.

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <filesystem>

#include "gui_fixture.h"
#include "viewer/core/recent_files.h"

namespace {

class Reopening : public GuiFixture {
 protected:
  // A log of one session and a message, different from the session log.
  std::string WriteOtherLog(const std::string& name) {
    const std::string file = Dir.File(name);
    LogWriter(file).At(5000).Start().At(5100).Message("other").At(5200).Stop();
    return file;
  }
  QStringList RecentCaptions() {
    QStringList captions;
    for (const QAction* item : Window().RecentMenu()->actions()) captions << item->text();
    return captions;
  }
  static QString Caption(size_t index, const std::string& file) {
    return QString::fromStdString(RecentFileCaption(index, file));
  }
};

TEST_F(Reopening, StartingWithoutAFileShowsTheLastLogWithItsGroupsCollapsed) {
  WriteSessionLog();
  Window().Load(LogFile);
  Window().View().Collapse(2);
  CloseWindow();

  RestartViewer();
  Window().LoadAtStart({});
  EXPECT_EQ(Window().View().CurrentFile(), LogFile);
  EXPECT_EQ(RowCount(), 6);  // the section is collapsed again
  EXPECT_TRUE(Dialogs.Errors.empty());
}

TEST_F(Reopening, AMissingLastLogIsForgottenQuietly) {
  WriteTextFile(Dir.File("Oxlane.ini"),
                "[LastLog]\nFilename=" + Dir.File("gone.evt") + "\nTickCount=1000\nCollapse=1,2\n");
  Window().LoadAtStart({});
  EXPECT_EQ(RowCount(), 0);
  EXPECT_EQ(Window().windowTitle(), "Oxlane");
  EXPECT_TRUE(Dialogs.Errors.empty());
  EXPECT_TRUE(Dialogs.Messages.empty());
  CloseWindow();

  TOXOptions saved(Dir.File("Oxlane.ini"));
  saved.Load();
  EXPECT_EQ(saved.LastLog.Filename, "");
  EXPECT_TRUE(saved.Collapse().empty());
}

TEST_F(Reopening, AFileNamedOnTheCommandLineWinsOverTheLastLog) {
  WriteSessionLog();
  const std::string other = WriteOtherLog("other.evt");
  WriteTextFile(Dir.File("Oxlane.ini"), "[LastLog]\nFilename=" + LogFile + "\n");
  Window().LoadAtStart({other});
  EXPECT_EQ(Window().View().CurrentFile(), other);
  EXPECT_EQ(Text(1, 2), "other");
}

TEST_F(Reopening, RecentListsOpenedLogsNewestFirstAndOpensTheChosenOne) {
  WriteSessionLog();
  const std::string other = WriteOtherLog("other.evt");
  EXPECT_FALSE(Window().RecentMenu()->isEnabled());
  const QList<QAction*> fileMenu = Window().menuBar()->actions().constFirst()->menu()->actions();
  EXPECT_EQ(fileMenu.at(1)->menu(), Window().RecentMenu());
  EXPECT_EQ(fileMenu.at(1)->text(), "&Recent");

  Window().Load(LogFile);
  Window().Load(other);
  EXPECT_TRUE(Window().RecentMenu()->isEnabled());
  EXPECT_EQ(RecentCaptions(), (QStringList{Caption(0, other), Caption(1, LogFile)}));

  Window().RecentMenu()->actions().at(1)->trigger();
  EXPECT_EQ(Window().View().CurrentFile(), LogFile);
  EXPECT_EQ(RowCount(), 8);
  EXPECT_EQ(RecentCaptions(), (QStringList{Caption(0, LogFile), Caption(1, other)}));
  CloseWindow();

  TOXOptions saved(Dir.File("Oxlane.ini"));
  saved.Load();
  EXPECT_EQ(saved.Recent.Files(), (std::vector<std::string>{LogFile, other}));
}

TEST_F(Reopening, AMissingRecentLogIsReportedAndTakenOffTheList) {
  WriteSessionLog();
  const std::string other = WriteOtherLog("other.evt");
  Window().Load(LogFile);
  Window().Load(other);
  std::filesystem::remove(LogFile);

  Window().RecentMenu()->actions().at(1)->trigger();
  EXPECT_EQ(Dialogs.Errors, std::vector<std::string>{MissingRecentFileMessage(LogFile)});
  EXPECT_EQ(Window().View().CurrentFile(), other);  // the log shown stays
  EXPECT_EQ(RecentCaptions(), QStringList{Caption(0, other)});
}

TEST_F(Reopening, TheOpenDialogStartsInTheCurrentLogsFolder) {
  std::filesystem::create_directory(Dir.File("logs"));
  const std::string log = WriteOtherLog("logs/app.evt");
  Window().Load(log);

  QString folder;
  QTimer::singleShot(0, [&folder] {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      if (auto* dialog = qobject_cast<QFileDialog*>(widget); dialog && dialog->isVisible()) {
        folder = dialog->directory().absolutePath();
        dialog->reject();
      }
    }
  });
  Window().Actions().FileOpen->trigger();
  EXPECT_EQ(folder, QString::fromStdString(Dir.File("logs")));
}

}  // namespace
