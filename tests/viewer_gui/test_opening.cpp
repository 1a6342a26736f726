// Opening logs in the main window: rows through the model, texts, status panels, failures,
// dropped files and the reload question.

#include <QAction>
#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include "gui_fixture.h"
#include "viewer/core/status_text.h"

namespace {

using Opening = GuiFixture;

TEST_F(Opening, ALogShowsItsRowsThroughTheModel) {
  WriteSessionLog();
  Window().Load(LogFile);

  ASSERT_EQ(RowCount(), 8);  // seven records and the separator after the session
  const TEventView& view = Window().View();
  for (int row = 0; row < RowCount(); ++row) {
    const TRowTexts texts = view.RowTexts(row);
    EXPECT_EQ(Text(row, 0).toStdString(), texts.Time);
    EXPECT_EQ(Text(row, 1).toStdString(), texts.EventName);
    EXPECT_EQ(Text(row, 2).toStdString(), texts.Data);
  }
  EXPECT_EQ(Text(1, 2), "hello");
  EXPECT_EQ(Window().Model().index(3, 0).data(TEventModel::IndentRole).toInt(), 2);
  EXPECT_EQ(Window().Model().index(7, 0).data(TEventModel::IndentRole).toInt(), 0);
  EXPECT_EQ(Window().Model().index(7, 0).data(TEventModel::KindRole).toInt(),
            static_cast<int>(TRowKind::rkInsertedSeparator));
  EXPECT_EQ(Window().Model().index(0, 0).data(TEventModel::ImageRole).toInt(), kExpandedGroupImage);
  EXPECT_EQ(Window().Model().headerData(0, Qt::Horizontal, Qt::DisplayRole), "Time stamp");

  EXPECT_EQ(Window().windowTitle().toStdString(), "Oxlane - " + LogFile);
  EXPECT_EQ(Window().StatusText(0), " 8 Events in 1 Sessions, 8 Visible ");
  EXPECT_TRUE(Window().Actions().ViewRefresh->isEnabled());
  EXPECT_TRUE(Dialogs.Errors.empty());
}

TEST_F(Opening, AFileThatIsNoLogIsReportedAndLeavesTheWindowEmpty) {
  WriteTextFile(LogFile, "not a log at all");
  Window().Load(LogFile);
  EXPECT_EQ(RowCount(), 0);
  EXPECT_EQ(Window().windowTitle(), "Oxlane");
  ASSERT_EQ(Dialogs.Errors.size(), 1u);
  EXPECT_NE(Dialogs.Errors[0].find("Could not read"), std::string::npos);

  Window().Load(Dir.File("missing.evt"));
  EXPECT_FALSE(Window().Actions().ViewRefresh->isEnabled());
  EXPECT_EQ(Dialogs.Errors.size(), 1u);  // a missing file is no error
}

TEST_F(Opening, SelectionUpdatesStatusAndNextPreviousUntilNoMoreOfTheClass) {
  WriteSessionLog();
  Window().Load(LogFile);
  const TEventForm::TActions& actions = Window().Actions();
  EXPECT_FALSE(actions.ViewNextEvent->isEnabled());

  Window().View().Select(1);  // "hello"
  EXPECT_TRUE(Window().StatusText(1).startsWith("Event 2 of 8 in session 1 started at "));
  const std::string name = Window().View().RowTexts(1).EventName;
  EXPECT_EQ(actions.ViewNextEvent->text().toStdString(), NextEventCaption(name));

  actions.ViewNextEvent->trigger();
  EXPECT_EQ(Window().View().Selected(), 3);  // "in a"
  actions.ViewNextEvent->trigger();
  EXPECT_EQ(Window().View().Selected(), 5);  // "bye"
  actions.ViewNextEvent->trigger();
  EXPECT_EQ(Window().View().Selected(), 5);
  EXPECT_EQ(Dialogs.Messages, std::vector<std::string>{kNoMoreEventsText});
  EXPECT_FALSE(actions.ViewNextEvent->isEnabled());
  actions.ViewPreviousEvent->trigger();
  EXPECT_EQ(Window().View().Selected(), 3);
}

TEST_F(Opening, ADropOpensTheFirstFileOnly) {
  WriteSessionLog();
  Window().show();
  QMimeData mime;
  mime.setUrls({QUrl::fromLocalFile(QString::fromStdString(LogFile)),
                QUrl::fromLocalFile(QString::fromStdString(Dir.File("other.evt")))});
  QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&Window(), &enter);
  EXPECT_TRUE(enter.isAccepted());
  QApplication::sendEvent(&Window(), &drop);
  EXPECT_EQ(Window().View().CurrentFile(), LogFile);
  EXPECT_EQ(RowCount(), 8);
}

TEST_F(Opening, AChangedFileIsReloadedOnlyWhenTheUserAgrees) {
  WriteSessionLog();
  Window().Load(LogFile);
  Window().CheckFileChanged();
  EXPECT_TRUE(Dialogs.Questions.empty());  // unchanged

  LogWriter(LogFile).At(5000).Start().At(5100).Message("later");
  Dialogs.Answer = false;
  Window().CheckFileChanged();
  EXPECT_EQ(Dialogs.Questions, std::vector<std::string>{FileChangedQuestion(LogFile)});
  EXPECT_EQ(RowCount(), 8);

  Dialogs.Answer = true;
  Window().CheckFileChanged();  // asked again: No kept the old stamp
  EXPECT_EQ(Dialogs.Questions.size(), 2u);
  EXPECT_EQ(Window().View().Records().size(), 10u);
}

}  // namespace
