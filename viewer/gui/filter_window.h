#pragma once
// The filter window: a check mark per record class and an optional time range that decide,
// while the window exists, which rows the main window shows. The logic is TEventFilterState's;
// the window shows it and forwards the user's edits.

#include "viewer/core/event_view.h"
#include "viewer/core/filter_state.h"
#include "viewer/gui/dock_tool_window.h"

class QCheckBox;
class QDateEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QTimeEdit;
class TUserDialogs;

class TEventFilterForm : public TDockToolWindow {
  Q_OBJECT

 public:
  // The window is the view's filter from now until it is closed or freed.
  TEventFilterForm(TEventView& view, const TOXOptions& settings, TUserDialogs& dialogs,
                   QWidget* parent);
  ~TEventFilterForm() override;

  TEventFilterState& State() { return FState; }
  // Reloads the check marks from the settings, discarding unapplied changes.
  void RefreshItems();
  void SetFrom(TDateTime value);
  void SetTo(TDateTime value);
  // The Apply button: shows the range error, or applies the filter.
  void Apply();
  void SelectAll();
  void ClearAll();

  QListWidget* EventItems() const { return FItems; }
  QCheckBox* FilterFromBox() const { return FFromBox; }
  QCheckBox* FilterToBox() const { return FToBox; }
  QDateEdit* DateFrom() const { return FDateFrom; }
  QTimeEdit* TimeFrom() const { return FTimeFrom; }
  QDateEdit* DateTo() const { return FDateTo; }
  QTimeEdit* TimeTo() const { return FTimeTo; }
  QPushButton* ApplyButton() const { return FApply; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildControls();
  void ConnectControls();
  void FillItems();
  // Shows the state's check marks, bounds and Apply.
  void ShowState();
  void ItemChanged(QListWidgetItem* item);
  void ReleaseView();

  TEventView& FView;
  TUserDialogs& FDialogs;
  TEventFilterState FState;
  QListWidget* FItems = nullptr;
  QCheckBox* FFromBox = nullptr;
  QDateEdit* FDateFrom = nullptr;
  QTimeEdit* FTimeFrom = nullptr;
  QCheckBox* FToBox = nullptr;
  QDateEdit* FDateTo = nullptr;
  QTimeEdit* FTimeTo = nullptr;
  QPushButton* FApply = nullptr;
  // Set while the controls are made to show the state, whose own signals are no user edits.
  bool FShowing = false;
};
