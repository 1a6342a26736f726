// The record list as a reader meets it: rows as tall as the list's font, the last column filling
// the window, columns fitted to every row by a double click on their divider, and the whole text
// of a cut-off cell as a tool tip.

#include <QHeaderView>
#include <QHelpEvent>
#include <QTest>
#include <QToolTip>

#include "gui_fixture.h"
#include "viewer/gui/event_delegate.h"

namespace {

class Readability : public GuiFixture {
 protected:
  TEventListView& List() { return Window().List(); }
  void Show() {
    Window().resize(800, 600);
    Window().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Window()));
  }
  // Asks the list for the tool tip of a cell, as the mouse resting on it does.
  QString ToolTipOf(int row, int column) {
    const QRect cell = List().visualRect(Window().Model().index(row, column));
    QHelpEvent event(QEvent::ToolTip, cell.center(), List().viewport()->mapToGlobal(cell.center()));
    QApplication::sendEvent(List().viewport(), &event);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
  }
};

TEST_F(Readability, RowsAreAsTallAsTheListsFont) {
  QFont large = Window().font();
  large.setPointSize(36);
  Window().setFont(large);
  WriteSessionLog();
  Window().Load(LogFile);
  EXPECT_GE(List().rowHeight(0), QFontMetrics(large).height());
  EXPECT_GE(List().rowHeight(0), kImageSize);
}

TEST_F(Readability, TheLastColumnFillsTheWindow) {
  WriteSessionLog();
  Window().Load(LogFile);
  Show();
  const QHeaderView& header = *List().horizontalHeader();
  EXPECT_EQ(header.sectionPosition(2) + header.sectionSize(2), List().viewport()->width());
  Window().resize(1000, 600);
  QApplication::processEvents();
  EXPECT_EQ(header.sectionPosition(2) + header.sectionSize(2), List().viewport()->width());
}

TEST_F(Readability, TheLastColumnFitsATextWiderThanTheWindow) {
  LogWriter(LogFile).At(1000).Start().Message(std::string(300, 'x') + " end").Stop();
  Window().Load(LogFile);
  Show();
  List().resizeColumnToContents(2);
  EXPECT_GT(List().columnWidth(2), List().viewport()->width());  // stretching does not cut it
  EXPECT_EQ(ToolTipOf(1, 2), QString());
}

TEST_F(Readability, ADoubleClickOnADividerFitsEveryRowWithItsIndentation) {
  // Far below the first screen (further than Qt looks by default), a row nested three sections
  // deep.
  {
    LogWriter log(LogFile);
    log.At(1000).Start();
    for (int i = 0; i < 1200; ++i) log.Message("m");
    log.Enter("a").Enter("b").Enter("c").Message("deep").Stop();
  }
  Settings.SetDateTimeFormat("dddd, mmmm d, yyyy hh:nn:ss.zzz");
  Window().Load(LogFile);
  Show();
  const int deepRow = 1204;
  ASSERT_EQ(Text(deepRow, 2), "deep");
  ASSERT_EQ(Window().Model().index(deepRow, 0).data(TEventModel::IndentRole).toInt(), 4);

  List().resizeColumnToContents(0);  // what the header's divider does when double-clicked
  const QString time = Text(deepRow, 0);
  const int needed = 4 * kImageSize + kImageSize + List().fontMetrics().horizontalAdvance(time);
  EXPECT_GE(List().columnWidth(0), needed);
  EXPECT_EQ(ToolTipOf(deepRow, 0), QString());  // it fits now
}

TEST_F(Readability, ACutOffCellShowsItsWholeTextAsAToolTip) {
  LogWriter(LogFile).At(1000).Start().Message(std::string(200, 'x') + " end").Stop();
  Window().Load(LogFile);
  Show();
  EXPECT_EQ(ToolTipOf(0, 1), QString());  // the event name fits
  EXPECT_EQ(ToolTipOf(1, 2).toStdString(), std::string(200, 'x') + " end");
}

}  // namespace
