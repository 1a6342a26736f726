// The record list's widget and its mouse and key handling.

#include "viewer/gui/event_list_view.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

#include "viewer/gui/event_delegate.h"
#include "viewer/gui/event_model.h"
#include "viewer/gui/user_dialogs.h"

namespace {
const int kDefaultWidths[] = {100, 100, 300};
}

TEventListView::TEventListView(TEventModel& model, TUserDialogs& dialogs, QWidget* parent)
    : QTableView(parent), FModel(model), FView(model.View()), FDialogs(dialogs) {
  setModel(&FModel);
  setItemDelegate(new TEventDelegate(this));
  setShowGrid(false);
  setWordWrap(false);
  setSelectionBehavior(SelectRows);
  setSelectionMode(SingleSelection);
  setEditTriggers(NoEditTriggers);
  setTabKeyNavigation(false);
  verticalHeader()->hide();
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setDefaultSectionSize(std::max(fontMetrics().height() + 2, kImageSize + 2));
  horizontalHeader()->setSectionsClickable(false);
  horizontalHeader()->setHighlightSections(false);
  horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
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

void TEventListView::Edit(TGroupEdit outcome) {
  if (outcome == TGroupEdit::ceBeep) FDialogs.Beep();
}

void TEventListView::keyPressEvent(QKeyEvent* event) {
  const int focused = FView.Focused();
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
    default:
      QTableView::keyPressEvent(event);
      TakeClearedSelection();
      return;
  }
  event->accept();
}

void TEventListView::mousePressEvent(QMouseEvent* event) {
  const QModelIndex index = indexAt(event->position().toPoint());
  if (index.isValid() && index.column() == 0) {
    const int indent = index.data(TEventModel::IndentRole).toInt();
    const QRect image = TEventDelegate::ImageArea(visualRect(index), indent);
    if (image.contains(event->position().toPoint()) &&
        FView.View().Entry(index.row()).State != esPlain) {
      Edit(FView.Toggle(index.row()));
      event->accept();
      return;
    }
  }
  QTableView::mousePressEvent(event);
  TakeClearedSelection();
}

void TEventListView::mouseReleaseEvent(QMouseEvent* event) {
  QTableView::mouseReleaseEvent(event);
  TakeClearedSelection();
}
