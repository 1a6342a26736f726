// Actions and menu commands: the action record first, then the menu record.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "families/std_events.h"
#include "tests/qvqt/recording_fixture.h"

using ::testing::ElementsAre;

namespace {

class ActionTest : public RecordingFixture {
 protected:
  ActionTest() {
    Window.setObjectName("OrderForm");
    auto* layout = new QVBoxLayout(&Window);
    auto* bar = new QMenuBar(&Window);
    layout->setMenuBar(bar);
    File = bar->addMenu("&File");
    File->setObjectName("FileMenu");
    Open = File->addAction("&Open\tCtrl+O");
    Open->setObjectName("OpenAction");
    Open->setShortcut(QKeySequence("Ctrl+O"));
    Window.addAction(Open);
    Recent = File->addMenu("&Recent");
    Recent->setObjectName("RecentMenu");
    Last = Recent->addAction("orders.txt");  // unnamed
    Save = new QAction("&Save", &Window);
    Save->setObjectName("SaveAction");
    Tool = new QToolButton;
    Tool->setObjectName("SaveTool");
    Tool->setDefaultAction(Save);
    layout->addWidget(Tool);
  }

  // Opens `menu` on its own and clicks `item` in it.
  static void Choose(QMenu* menu, QAction* item) {
    menu->popup(QPoint(0, 0));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
  }

  // Each action, menu and button record as a line, in the order of the log.
  std::vector<std::string> Steps() {
    StopQtRecording();
    std::vector<std::string> steps;
    for (const auto& record : ReadLog()) {
      if (const auto* action = dynamic_cast<const TActionEvent*>(record.get())) {
        steps.push_back("action " + action->Action() + " from " + action->LinkedTo());
      } else if (const auto* menu = dynamic_cast<const TMenuEvent*>(record.get())) {
        steps.push_back("menu " + menu->MenuCaption());
      } else if (const auto* button = dynamic_cast<const TButtonEvent*>(record.get())) {
        steps.push_back("button " + button->WindowName());
      }
    }
    return steps;
  }

  QMenu* File;
  QMenu* Recent;
  QAction* Open;
  QAction* Last;
  QAction* Save;
  QToolButton* Tool;
};

}  // namespace

TEST_F(ActionTest, AMenuItemChosenGivesTheActionAndThenTheMenuRecordWithItsPath) {
  ShowAndRecord();
  Choose(File, Open);
  Choose(Recent, Last);

  EXPECT_THAT(Steps(), ElementsAre("action OpenAction from FileMenu",
                                   "menu OpenAction: &File | &Open [ ID = 0 ]",
                                   "action Action from RecentMenu",
                                   "menu Action: &File | &Recent | orders.txt [ ID = 0 ]"));
}

TEST_F(ActionTest, AShortcutFiresTheMenuItemWithoutALinkAndAToolButtonWithItsName) {
  ShowAndRecord();
  QTest::mouseClick(Tool, Qt::LeftButton);
  QTest::keyClick(&Window, Qt::Key_O, Qt::ControlModifier);

  EXPECT_THAT(Steps(),
              ElementsAre("action SaveAction from SaveTool", "button OrderForm.SaveTool",
                          "action OpenAction from ", "menu OpenAction: &File | &Open [ ID = 0 ]"));
}

TEST_F(ActionTest, AContextMenuHasNoPathOfMenusAndItsLaterItemsAreRecordedToo) {
  QMenu context;
  context.setObjectName("RowMenu");
  QAction* remove = context.addAction("&Remove");
  remove->setObjectName("RemoveAction");
  ShowAndRecord();
  QAction* copy = context.addAction("&Copy");
  copy->setObjectName("CopyAction");
  Choose(&context, remove);
  Choose(&context, copy);

  EXPECT_THAT(
      Steps(),
      ElementsAre("action RemoveAction from RowMenu", "menu RemoveAction: &Remove [ ID = 0 ]",
                  "action CopyAction from RowMenu", "menu CopyAction: &Copy [ ID = 0 ]"));
}
