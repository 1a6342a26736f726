// Options OK and Cancel, and what the main window remembers when it closes.

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <filesystem>

#include "gui_fixture.h"
#include "viewer/gui/options_dialog.h"

namespace {

class WindowState : public GuiFixture {
 protected:
  QListWidgetItem* Item(TOptionsDialog& dialog, const std::string& eventName) {
    const auto found =
        dialog.EventList()->findItems(QString::fromStdString(eventName), Qt::MatchExactly);
    return found.isEmpty() ? nullptr : found.first();
  }
  std::string MessageName() { return TUserMessageEvent::StaticClass().GetEventName(); }
  std::string StartName() { return TStartSessionEvent::StaticClass().GetEventName(); }
};

TEST_F(WindowState, OptionsOkKeepsTheEditsAndPairsSessionMarks) {
  Window();
  TOptionsDialog dialog(Settings, Dialogs);
  dialog.EventList()->setCurrentItem(Item(dialog, MessageName()));
  EXPECT_TRUE(dialog.ColorCombo()->isEnabled());
  dialog.ColorCombo()->setCurrentIndex(9);  // red
  dialog.BoldBox()->setChecked(true);
  Item(dialog, MessageName())->setCheckState(Qt::Unchecked);
  Item(dialog, StartName())->setCheckState(Qt::Unchecked);
  dialog.DateTimeFormatEdit()->setText("hh:nn");
  dialog.accept();

  EXPECT_FALSE(Settings.IsEnabled("TUserMessageEvent"));
  EXPECT_FALSE(Settings.IsEnabled("TStopSessionEvent"));  // follows its partner
  EXPECT_EQ(Settings.GetAttributes("TUserMessageEvent"), (TEventUIDefaults{0x0000FF, true, false}));
  EXPECT_EQ(Settings.DateTimeFormat(), "hh:nn");
}

TEST_F(WindowState, OptionsCancelDiscardsEditsAndAReset) {
  Window();
  TOptionsDialog dialog(Settings, Dialogs);
  EXPECT_FALSE(dialog.ColorCombo()->isEnabled());  // nothing selected yet
  // The list takes the focus: its first item becomes current but is not selected.
  dialog.EventList()->setCurrentRow(0, QItemSelectionModel::NoUpdate);
  EXPECT_FALSE(dialog.ColorCombo()->isEnabled());
  Item(dialog, MessageName())->setCheckState(Qt::Unchecked);
  dialog.ResetDisplay();
  ASSERT_EQ(Dialogs.Questions.size(), 1u);
  EXPECT_EQ(Item(dialog, MessageName())->checkState(), Qt::Checked);
  Item(dialog, MessageName())->setCheckState(Qt::Unchecked);
  dialog.reject();
  EXPECT_TRUE(Settings.IsEnabled("TUserMessageEvent"));
}

TEST_F(WindowState, ClosingSavesPlacementColumnsAndTheLastLogWhichTheNextStartRestores) {
  WriteSessionLog();
  Window().setGeometry(100, 120, 640, 480);
  Window().List().setColumnWidth(2, 250);
  Window().Load(LogFile);
  Window().View().Collapse(2);
  CloseWindow();

  TOXOptions saved(Dir.File("Oxlane.ini"));
  saved.Load();
  EXPECT_EQ(saved.MainWin, (TWindowSettings{100, 120, 740, 600, true, false, false, false}));
  std::vector<int32_t> widths{0, 0, 0};
  saved.ReadColumnWidths("EventFormEventListView", widths);
  EXPECT_EQ(widths[2], 250);
  EXPECT_EQ(saved.LastLog.Filename, LogFile);
  EXPECT_EQ(saved.Collapse(), std::vector<int32_t>{2});

  RestartViewer();
  Window().Load(LogFile);
  EXPECT_EQ(Window().geometry(), QRect(100, 120, 640, 480));
  EXPECT_EQ(Window().List().columnWidth(2), 250);
  EXPECT_EQ(RowCount(), 6);  // the section is collapsed again
}

TEST_F(WindowState, ASettingsFileThatCannotBeWrittenIsReportedAndTheWindowCloses) {
  WriteSessionLog();
  Window().Load(LogFile);
  std::filesystem::create_directory(Dir.File("Oxlane.ini"));  // where the file should go
  CloseWindow();
  ASSERT_EQ(Dialogs.Errors.size(), 1u);
  EXPECT_EQ(Dialogs.Errors[0].rfind(SettingsNotSavedMessage(""), 0), 0u);
  EXPECT_NE(Dialogs.Errors[0].find("Oxlane.ini"), std::string::npos);
}

}  // namespace
