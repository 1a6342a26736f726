#pragma once
// The record list's widget: a table of the visible rows whose selection follows the viewer's,
// with collapse and expand by a click on a row's image, by Enter, "+" and "-", and by Left and
// Right as in a tree view. Its rows follow its font; the last column fills the window, and a
// double click on a column's divider fits the column to every row.

#include <QTableView>

#include "viewer/core/event_view.h"

class TEventDelegate;
class TEventModel;
class TUserDialogs;

class TEventListView : public QTableView {
  Q_OBJECT

 public:
  TEventListView(TEventModel& model, TUserDialogs& dialogs, QWidget* parent = nullptr);

  std::vector<int32_t> ColumnWidths() const;
  void SetColumnWidths(const std::vector<int32_t>& widths);
  // Whether the last row is in view, wholly or in part; true without rows.
  bool IsLastRowInView() const;
  // Where the row's image is painted, in viewport coordinates.
  QRect ImageArea(int row) const;
  // Typing does not search the rows: with a million of them every key would format them all.
  void keyboardSearch(const QString&) override {}
  // The width that fits every row of the column, its indentation included. What a double click
  // on the column's divider applies.
  int sizeHintForColumn(int column) const override;

 protected:
  void changeEvent(QEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void FitRowHeight();
  void ShowViewSelection();
  void TakeCurrentRow(const QModelIndex& current);
  void TakeClearedSelection();
  // Runs a collapse or expand and beeps when it found no group boundary; false when the row is
  // not a group row in the state the edit needs.
  bool Edit(TGroupEdit outcome);

  TEventModel& FModel;
  TEventView& FView;
  TUserDialogs& FDialogs;
  TEventDelegate* FDelegate;
  bool FSyncing = false;
};
