// Collapsing and expanding groups with the keyboard and the mouse.

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QTest>

#include "gui_fixture.h"

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
    QTest::mouseClick(List().viewport(), Qt::LeftButton, Qt::NoModifier,
                      List().ImageArea(row).center());
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

TEST_F(GroupingInput, LeftAndRightCollapseAndExpandAGroupRow) {
  Open();
  Window().View().Select(2);  // enter section "a"
  QTest::keyClick(&List(), Qt::Key_Left);
  EXPECT_EQ(RowCount(), 6);
  QTest::keyClick(&List(), Qt::Key_Left);  // already collapsed
  EXPECT_EQ(RowCount(), 6);
  QTest::keyClick(&List(), Qt::Key_Right);
  EXPECT_EQ(RowCount(), 8);
  Window().View().Select(1);  // a plain row
  QTest::keyClick(&List(), Qt::Key_Left);
  QTest::keyClick(&List(), Qt::Key_Right);
  EXPECT_EQ(RowCount(), 8);
  EXPECT_EQ(Window().View().Selected(), 1);
  EXPECT_EQ(Dialogs.Beeps, 0);
}

TEST_F(GroupingInput, HomeAndEndGoToTheFirstAndTheLastRow) {
  Open();
  Window().View().Select(3);
  QTest::keyClick(&List(), Qt::Key_End);
  EXPECT_EQ(Window().View().Selected(), 7);
  EXPECT_EQ(List().currentIndex().row(), 7);
  QTest::keyClick(&List(), Qt::Key_Home);
  EXPECT_EQ(Window().View().Selected(), 0);
  EXPECT_EQ(Window().View().Focused(), 0);
}

TEST_F(GroupingInput, TakingTheFocusSelectsNothing) {
  Open();
  QApplication::setActiveWindow(&Window());
  List().setFocus(Qt::TabFocusReason);
  QApplication::processEvents();
  ASSERT_TRUE(List().hasFocus());
  EXPECT_EQ(Window().View().Selected(), -1);
  EXPECT_EQ(Window().View().Focused(), -1);
  EXPECT_FALSE(List().selectionModel()->hasSelection());
  QTest::keyClick(&List(), Qt::Key_Down);  // the keys still start at the top
  EXPECT_EQ(Window().View().Selected(), 0);
}

TEST_F(GroupingInput, CtrlCCopiesNothingWhileCopyDataIsUnavailable) {
  Open();
  Window().View().Select(1);
  Window().View().Deselect();  // focused but not selected: the list's own copy would take it
  QGuiApplication::clipboard()->setText(QStringLiteral("kept"));
  QTest::keyClick(&List(), Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "kept");
}

TEST_F(GroupingInput, TheClickAreaIsWhereTheImageIsPainted) {
  Open();
  const QImage shot = List().viewport()->grab().toImage();
  const QRect area = List().ImageArea(0);
  // The painted image: every pixel of the row's first cell left of its text that differs from
  // the background.
  const QRect cell = List().visualRect(Window().Model().index(0, 0));
  const QColor background = shot.pixelColor(cell.left(), cell.top());
  QRect painted;
  for (int x = cell.left(); x <= area.right() + 4; ++x) {
    for (int y = cell.top(); y <= cell.bottom(); ++y) {
      if (shot.pixelColor(x, y) != background) painted |= QRect(x, y, 1, 1);
    }
  }
  ASSERT_FALSE(painted.isNull());
  EXPECT_TRUE(area.contains(painted))
      << painted.x() << "," << painted.width() << " in " << area.x() << "," << area.width();
  QTest::mouseClick(List().viewport(), Qt::LeftButton, Qt::NoModifier, painted.bottomRight());
  EXPECT_EQ(RowCount(), 2);
}

TEST_F(GroupingInput, TypingDoesNotSearchTheRows) {
  Open();
  Window().View().Select(1);
  QTest::keyClicks(&List(), "0");  // every time text starts with it
  EXPECT_EQ(Window().View().Selected(), 1);
}

}  // namespace
