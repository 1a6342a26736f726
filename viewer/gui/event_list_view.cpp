// The record list's widget and its mouse and key handling.

#include "viewer/gui/event_list_view.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

#include "viewer/gui/column_fit.h"
#include "viewer/gui/event_delegate.h"
#include "viewer/gui/event_model.h"
#include "viewer/gui/user_dialogs.h"

namespace {
const int kDefaultWidths[] = {100, 100, 300};
}

TEventListView::TEventListView(TEventModel& model, TUserDialogs& dialogs, QWidget* parent)
    : QTableView(parent),
      FModel(model),
      FView(model.View()),
      FDialogs(dialogs),
      FDelegate(new TEventDelegate(this)) {
  setModel(&FModel);
  setItemDelegate(FDelegate);
  setShowGrid(false);
  setWordWrap(false);
  setSelectionBehavior(SelectRows);
  setSelectionMode(SingleSelection);
  setEditTriggers(NoEditTriggers);
  setTabKeyNavigation(false);
  verticalHeader()->hide();
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  FitRowHeight();
  horizontalHeader()->setSectionsClickable(false);
  horizontalHeader()->setHighlightSections(false);
  horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  horizontalHeader()->setStretchLastSection(true);
  for (int column = 0; column < 3; ++column) setColumnWidth(column, kDefaultWidths[column]);

  connect(&FModel, &TEventModel::SelectionMoved, this, &TEventListView::ShowViewSelection);
  connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          &TEventListView::TakeCurrentRow);
}

std::vector<int32_t> TEventListView::ColumnWidths() const {
  std::vector<int32_t> widths;
  for (int column = 0; column < FModel.columnCount(); ++column) {
    widths.push_back(columnWidth(column));
  }
  return widths;
}

void TEventListView::SetColumnWidths(const std::vector<int32_t>& widths) {
  for (size_t column = 0; column < widths.size(); ++column) {
    // A width below zero would hide the column for good; such a value keeps the current width.
    if (widths[column] >= 0) setColumnWidth(static_cast<int>(column), widths[column]);
  }
}

bool TEventListView::IsLastRowInView() const {
  const int rows = FModel.rowCount();
  if (rows == 0) return true;
  // The last row is in view when no row lies below the bottom of the viewport, or the row there
  // is the last.
  const int bottom = rowAt(viewport()->height() - 1);
  return bottom < 0 || bottom == rows - 1;
}

QRect TEventListView::ImageArea(int row) const {
  const QModelIndex index = FModel.index(row, 0);
  QStyleOptionViewItem option;
  initViewItemOption(&option);
  option.rect = visualRect(index);
  return FDelegate->ImageArea(option, index);
}

int TEventListView::sizeHintForColumn(int column) const {
  if (FView.RowCount() == 0) return QTableView::sizeHintForColumn(column);
  QStyleOptionViewItem option;
  initViewItemOption(&option);
  // What the style adds around a text (margins, and the image in the first column), from its own
  // measure of one row.
  const int around = FDelegate->sizeHint(option, FModel.index(0, column)).width() -
                     CellTextWidth(FView, 0, column, option.font);
  return WidestText(FView, column, option.font) + around;
}

void TEventListView::FitRowHeight() {
  verticalHeader()->setDefaultSectionSize(std::max(fontMetrics().height() + 2, kImageSize + 2));
}

void TEventListView::changeEvent(QEvent* event) {
  QTableView::changeEvent(event);
  if (event->type() == QEvent::FontChange) FitRowHeight();
}

void TEventListView::focusInEvent(QFocusEvent* event) {
  // Qt makes the first row current when the list takes the focus without one; the list keeps
  // the viewer's focused row (none when the log has just opened).
  FSyncing = true;
  QTableView::focusInEvent(event);
  if (FView.Focused() < 0 && currentIndex().isValid()) {
    selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
  }
  FSyncing = false;
}

void TEventListView::ShowViewSelection() {
  FSyncing = true;
  const int focused = FView.Focused();
  const int selected = FView.Selected();
  if (focused >= 0) {
    selectionModel()->setCurrentIndex(FModel.index(focused, 0), QItemSelectionModel::NoUpdate);
  } else {
    selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
  }
  if (selected >= 0) {
    selectionModel()->select(FModel.index(selected, 0),
                             QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(FModel.index(selected, 0));
  } else {
    selectionModel()->clearSelection();
  }
  FSyncing = false;
}

void TEventListView::TakeCurrentRow(const QModelIndex& current) {
  if (FSyncing) return;
  FSyncing = true;
  FView.Select(current.isValid() ? current.row() : -1);
  FSyncing = false;
}

void TEventListView::TakeClearedSelection() {
  // A click beside the rows, or Ctrl with a click or Space on the selected row, clears the
  // selection and leaves the focus where it was.
  if (!selectionModel()->hasSelection() && FView.Selected() >= 0) FView.Deselect();
}

bool TEventListView::Edit(TGroupEdit outcome) {
  if (outcome == TGroupEdit::ceBeep) FDialogs.Beep();
  return outcome != TGroupEdit::ceIgnored;
}

void TEventListView::keyPressEvent(QKeyEvent* event) {
  const int focused = FView.Focused();
  if (event->matches(QKeySequence::Copy)) {
    // Copying belongs to the Copy Data command; the table's own copy of one cell is not it.
    event->accept();
    return;
  }
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      Edit(FView.Toggle(focused));
      break;
    case Qt::Key_Plus:
      Edit(FView.Expand(focused));
      break;
    case Qt::Key_Minus:
      Edit(FView.Collapse(focused));
      break;
    case Qt::Key_Home:
      FView.SelectFirst();
      break;
    case Qt::Key_End:
      FView.SelectLast();
      break;
    case Qt::Key_Left:
      if (!Edit(FView.Collapse(focused))) QTableView::keyPressEvent(event);
      return;
    case Qt::Key_Right:
      if (!Edit(FView.Expand(focused))) QTableView::keyPressEvent(event);
      return;
    default:
      QTableView::keyPressEvent(event);
      TakeClearedSelection();
      return;
  }
  event->accept();
}

void TEventListView::mousePressEvent(QMouseEvent* event) {
  const QPoint point = event->position().toPoint();
  const QModelIndex index = indexAt(point);
  if (index.isValid() && index.column() == 0 && FView.View().Entry(index.row()).State != esPlain &&
      ImageArea(index.row()).contains(point)) {
    Edit(FView.Toggle(index.row()));
    event->accept();
    return;
  }
  QTableView::mousePressEvent(event);
  TakeClearedSelection();
}

void TEventListView::mouseReleaseEvent(QMouseEvent* event) {
  QTableView::mouseReleaseEvent(event);
  TakeClearedSelection();
}
