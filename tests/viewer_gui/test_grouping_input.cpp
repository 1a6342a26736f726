// Collapsing and expanding groups with the keyboard and the mouse.

#include <QAction>
#include <QTest>

#include "gui_fixture.h"
#include "viewer/gui/event_delegate.h"

namespace {

class GroupingInput : public GuiFixture {
 protected:
  void Open() {
    WriteSessionLog();
    Window().Load(LogFile);
    Window().resize(800, 600);
    Window().show();
  }
  TEventListView& List() { return Window().List(); }
  void ClickImage(int row) {
    const QModelIndex index = Window().Model().index(row, 0);
    const int indent = index.data(TEventModel::IndentRole).toInt();
    const QRect image = TEventDelegate::ImageArea(List().visualRect(index), indent);
    QTest::mouseClick(List().viewport(), Qt::LeftButton, Qt::NoModifier, image.center());
  }
};

TEST_F(GroupingInput, EnterAndMinusCollapseEnterAndPlusExpand) {
  Open();
  Window().View().Select(2);  // enter section "a"
  QTest::keyClick(&List(), Qt::Key_Return);
  EXPECT_EQ(RowCount(), 6);
  EXPECT_EQ(Window().Model().index(2, 0).data(TEventModel::ImageRole).toInt(),
            kCollapsedGroupImage);
  QTest::keyClick(&List(), Qt::Key_Plus);
  EXPECT_EQ(RowCount(), 8);
  QTest::keyClick(&List(), Qt::Key_Minus);
  EXPECT_EQ(RowCount(), 6);
  QTest::keyClick(&List(), Qt::Key_Return);
  EXPECT_EQ(RowCount(), 8);
  EXPECT_EQ(List().currentIndex().row(), 2);
  EXPECT_EQ(Dialogs.Beeps, 0);
}

TEST_F(GroupingInput, EnterOnAPlainRowChangesNothingAndAGroupWithoutEndBeeps) {
  LogWriter(LogFile).At(1000).Start().At(1100).Message("still running");
  Window().Load(LogFile);
  Window().View().Select(1);
  QTest::keyClick(&List(), Qt::Key_Return);
  EXPECT_EQ(RowCount(), 2);
  EXPECT_EQ(Dialogs.Beeps, 0);

  Window().View().Select(0);
  QTest::keyClick(&List(), Qt::Key_Minus);
  EXPECT_EQ(RowCount(), 2);
  EXPECT_EQ(Dialogs.Beeps, 1);
}

TEST_F(GroupingInput, AClickOnAGroupImageTogglesItAndElsewhereSelects) {
  Open();
  ClickImage(0);
  EXPECT_EQ(RowCount(), 2);  // the session's start row and the separator after it
  EXPECT_EQ(Window().View().Selected(), 0);
  ClickImage(0);
  EXPECT_EQ(RowCount(), 8);

  ClickImage(1);  // a plain row's image only selects it
  EXPECT_EQ(RowCount(), 8);
  EXPECT_EQ(Window().View().Selected(), 1);
  EXPECT_TRUE(Window().StatusText(1).startsWith("Event 2 of 8"));
}

TEST_F(GroupingInput, AClickBesideTheRowsClearsTheSelectionAndKeepsTheFocus) {
  Open();
  Window().View().Select(1);
  QTest::mouseClick(List().viewport(), Qt::LeftButton, Qt::NoModifier,
                    QPoint(10, List().viewport()->height() - 5));
  EXPECT_EQ(Window().View().Selected(), -1);
  EXPECT_EQ(Window().View().Focused(), 1);
  EXPECT_TRUE(Window().StatusText(1).startsWith("Event 2 of 8"));
  EXPECT_FALSE(Window().Actions().ViewNextEvent->isEnabled());
}

TEST_F(GroupingInput, TypingDoesNotSearchTheRows) {
  Open();
  Window().View().Select(1);
  QTest::keyClicks(&List(), "0");  // every time text starts with it
  EXPECT_EQ(Window().View().Selected(), 1);
}

}  // namespace
