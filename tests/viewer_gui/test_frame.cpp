// The window's frame: About and Options as fixed boxes in the middle of the screen, the colour
// swatches, the Dock commands before their tool windows exist, and the reload question.

#include <QAction>
#include <QDialog>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QScreen>

#include "gui_fixture.h"
#include "viewer/gui/about_box.h"
#include "viewer/gui/options_dialog.h"
#include "viewer/gui/qt_colors.h"
#include "viewer/gui/swatch_combo.h"

namespace {

QRect ScreenArea() { return QGuiApplication::primaryScreen()->availableGeometry(); }

// The window is of fixed size and in the middle of the screen, give or take its frame, which the
// platform adds only once the window is shown.
void ExpectFixedAndCentred(QWidget& window) {
  window.show();
  EXPECT_EQ(window.minimumSize(), window.maximumSize());
  EXPECT_LE((window.frameGeometry().center() - ScreenArea().center()).manhattanLength(), 16);
}

using Frame = GuiFixture;

TEST_F(Frame, AboutIsAFixedBoxInTheMiddleOfTheScreenWithTheVersion) {
  Window().move(0, 0);
  const std::unique_ptr<QDialog> about = CreateAbout(&Window());
  EXPECT_EQ(about->windowTitle(), "About Oxlane");
  QStringList texts;
  for (const QLabel* label : about->findChildren<QLabel*>()) texts << label->text();
  EXPECT_TRUE(texts.contains("Oxlane 1.04"));
  ExpectFixedAndCentred(*about);
}

TEST_F(Frame, OptionsIsAFixedBoxOfAtLeastItsDesignedSize) {
  Window().move(0, 0);
  TOptionsDialog options(Settings, Dialogs, &Window());
  EXPECT_GE(options.width(), 337);
  EXPECT_GE(options.height(), 335);
  ExpectFixedAndCentred(options);
}

TEST_F(Frame, ASwatchIsItsColourInABlackFrameOnTheSelectionColour) {
  for (const bool selected : {false, true}) {
    QImage image(40, 16, QImage::Format_RGB32);
    QPainter painter(&image);
    PaintSwatch(painter, image.rect(), 0x0000FF, selected);
    painter.end();
    EXPECT_EQ(image.pixelColor(1, 1), ToQColor(selected ? clHighlight : clWindow));
    EXPECT_EQ(image.pixelColor(2, 2), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(37, 13), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(3, 3), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(36, 12), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(38, 14), ToQColor(selected ? clHighlight : clWindow));
  }
  TSwatchCombo combo;
  ASSERT_EQ(combo.count(), 18);
  EXPECT_EQ(combo.itemText(9), "");
  EXPECT_EQ(combo.itemData(9, Qt::ToolTipRole).toString(), "Red");
}

TEST_F(Frame, DockCommandsShowTheSettingsUntilTheirWindowsExist) {
  WriteTextFile(Dir.File("Oxlane.ini"), "[Filter]\nVisible=0\nDocked=0\n[Inspector]\nVisible=0\n");
  const TEventForm::TActions& actions = Window().Actions();
  EXPECT_FALSE(actions.ViewDockFilter->isChecked());
  EXPECT_TRUE(actions.ViewDockInspector->isChecked());
  EXPECT_FALSE(actions.ViewDockFilter->isEnabled());
  EXPECT_FALSE(actions.ViewDockInspector->isEnabled());
}

// Answers the reload question only after the application was activated once more.
struct ReactivatingDialogs : RecordingDialogs {
  bool Confirm(QWidget* parent, const std::string& title, const std::string& question,
               bool yesIsDefault) override {
    Titles.push_back(title);
    if (Window != nullptr) Window->CheckFileChanged();
    return RecordingDialogs::Confirm(parent, title, question, yesIsDefault);
  }
  TEventForm* Window = nullptr;
  std::vector<std::string> Titles;
};

TEST_F(Frame, TheReloadQuestionIsAskedOnceAtATime) {
  ReactivatingDialogs dialogs;
  Settings.Load();
  TEventForm window(Settings, dialogs);
  dialogs.Window = &window;
  WriteSessionLog();
  window.Load(LogFile);
  LogWriter(LogFile).At(5000).Start().Stop();
  window.CheckFileChanged();
  EXPECT_EQ(dialogs.Titles, std::vector<std::string>{"Confirm"});
  EXPECT_EQ(window.View().Records().size(), 11u);
}

}  // namespace
