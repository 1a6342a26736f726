#pragma once
// The record list's widget: a table of the visible rows whose selection follows the viewer's,
// with collapse and expand by a click on a row's image, by Enter, "+" and "-".

#include <QTableView>

#include "viewer/core/event_view.h"

class TEventModel;
class TUserDialogs;

class TEventListView : public QTableView {
  Q_OBJECT

 public:
  TEventListView(TEventModel& model, TUserDialogs& dialogs, QWidget* parent = nullptr);

  std::vector<int32_t> ColumnWidths() const;
  void SetColumnWidths(const std::vector<int32_t>& widths);
  // Typing does not search the rows: with a million of them every key would format them all.
  void keyboardSearch(const QString&) override {}

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void ShowViewSelection();
  void TakeCurrentRow(const QModelIndex& current);
  void TakeClearedSelection();
  // Runs a collapse or expand and beeps when it found no group boundary.
  void Edit(TGroupEdit outcome);

  TEventModel& FModel;
  TEventView& FView;
  TUserDialogs& FDialogs;
  bool FSyncing = false;
};
