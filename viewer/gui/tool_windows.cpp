// The main window's two tool windows, the filter window and the inspector: opening and closing
// them from the View menu and at start-up, docking and floating them, what they are told and
// what is remembered of them.
//
// Placement: a window docks into the left or the right dock area, or floats. Its remembered
// bounds are, floating, its own; docked, the place and height where it last floated (its place
// in the dock when it never floated) with its width in the dock. So the window keeps one width
// whether docked or floating, and floating it again brings it back where it floated before.

#include <QAction>
#include <algorithm>

#include "viewer/gui/event_model.h"
#include "viewer/gui/filter_window.h"
#include "viewer/gui/main_window.h"
#include "viewer/gui/properties_window.h"
#include "viewer/gui/screen_placement.h"
#include "viewer/gui/wait_cursor.h"

namespace {

// A docked window leaves this much of the main window's width to the list.
constexpr int kListMinimumWidth = 50;

Qt::DockWidgetArea AreaOf(const TWindowSettings& placement) {
  return placement.DockedLeft ? Qt::LeftDockWidgetArea : Qt::RightDockWidgetArea;
}

}  // namespace

void TEventForm::CreateToolWindows() {
  if (FSettings.Inspector.Visible) OpenInspector();
  if (FSettings.Filter.Visible) OpenFilter();
  ShowToolActions();
  connect(FModel, &TEventModel::SelectionMoved, this, &TEventForm::InspectSelection);
}

void TEventForm::ShowToolWindows() {
  if (FInspectorForm != nullptr) FInspectorForm->show();
  if (FFilterForm != nullptr) FFilterForm->show();
}

void TEventForm::OpenFilter() {
  FFilterForm = new TEventFilterForm(*FView, FSettings, FDialogs, this);
  FFilterForm->State().OnApply = [this] {
    const TWaitCursor hourglass;
    FView->RebuildView(true);
  };
  FFilterForm->OnClosed = [this] { FilterClosed(); };
  WatchDocking(*FFilterForm);
  PlaceToolWindow(*FFilterForm, FSettings.Filter);
  FFilterForm->SetFrom(FView->FallbackFrom());
  FFilterForm->SetTo(FView->FallbackTo());
}

void TEventForm::OpenInspector() {
  FInspectorForm = new TEventInspectorForm(*FView, FActions.EditCopyPropertyValue, this);
  FInspectorForm->RestoreColumnWidths(FSettings);
  FInspectorForm->OnClosed = [this] { InspectorClosed(); };
  WatchDocking(*FInspectorForm);
  PlaceToolWindow(*FInspectorForm, FSettings.Inspector);
  FInspectorForm->State().ShowRow(FView->Focused());
}

void TEventForm::PlaceToolWindow(TDockToolWindow& window, const TWindowSettings& placement) {
  if (placement.HasBounds()) {
    window.SetFloatingBounds(FitOnScreen(RememberedBounds(placement)));
  }
  addDockWidget(AreaOf(placement), &window);
  if (placement.Docked) {
    FitDock(window);
  } else {
    window.Float();
  }
}

void TEventForm::WatchDocking(TDockToolWindow& window) {
  // The menu's shortcuts work in a floating window too, as in the main window.
  window.addActions(actions());
  // Docked by the Dock command or dropped into a dock area by the user.
  connect(&window, &QDockWidget::topLevelChanged, this, [this, &window](bool floating) {
    if (!floating) FitDock(window);
    ShowToolActions();
  });
}

void TEventForm::FitDock(TDockToolWindow& window) {
  // The dock area takes the window's width, leaving the list some room.
  const int width = std::min(window.PreferredDockWidth(), this->width() - kListMinimumWidth);
  resizeDocks({&window}, {std::max(width, 0)}, Qt::Horizontal);
}

void TEventForm::ToggleFilter() {
  if (FFilterForm != nullptr) {
    FFilterForm->close();
  } else {
    OpenFilter();
    FFilterForm->show();
  }
  ShowToolActions();
}

void TEventForm::ToggleInspector() {
  if (FInspectorForm != nullptr) {
    FInspectorForm->close();
  } else {
    OpenInspector();
    FInspectorForm->show();
  }
  ShowToolActions();
}

void TEventForm::ToggleDocked(TDockToolWindow* window, const TWindowSettings& placement) {
  if (window == nullptr) return;
  if (window->isFloating()) {
    addDockWidget(AreaOf(placement), window);
    window->setFloating(false);
  } else {
    window->Float();
  }
  ShowToolActions();
}

void TEventForm::ShowToolActions() {
  const auto show = [](QAction* view, QAction* dock, const TDockToolWindow* window) {
    view->setChecked(window != nullptr);
    dock->setEnabled(window != nullptr);
    // Without its window the Dock command keeps showing how the window would open.
    if (window != nullptr) dock->setChecked(!window->isFloating());
  };
  show(FActions.ViewFilter, FActions.ViewDockFilter, FFilterForm);
  show(FActions.ViewInspector, FActions.ViewDockInspector, FInspectorForm);
}

void TEventForm::SaveToolWindow(TDockToolWindow& window, TWindowSettings& placement, bool visible) {
  const QRect bounds = window.SavedBounds();
  const bool docked = !window.isFloating();
  placement = {bounds.left(),
               bounds.top(),
               bounds.left() + bounds.width(),
               bounds.top() + bounds.height(),
               visible,
               false,
               docked,
               docked && dockWidgetArea(&window) == Qt::LeftDockWidgetArea};
}

void TEventForm::FilterClosed() {
  if (!FClosing) {
    SaveToolWindow(*FFilterForm, FSettings.Filter, false);
    SaveSettings();
  }
  FFilterForm = nullptr;
  ShowToolActions();
}

void TEventForm::InspectorClosed() {
  FActions.EditCopyPropertyValue->setEnabled(false);
  if (!FClosing) {
    SaveToolWindow(*FInspectorForm, FSettings.Inspector, false);
    FInspectorForm->SaveColumnWidths(FSettings);
    SaveSettings();
  }
  FInspectorForm = nullptr;
  ShowToolActions();
}

void TEventForm::SaveToolWindows() {
  if (FInspectorForm != nullptr) {
    SaveToolWindow(*FInspectorForm, FSettings.Inspector, true);
    FInspectorForm->SaveColumnWidths(FSettings);
  }
  if (FFilterForm != nullptr) SaveToolWindow(*FFilterForm, FSettings.Filter, true);
}

void TEventForm::DeleteToolWindows() {
  // Windows closed but not yet freed are children still: they go too.
  for (TDockToolWindow* window : findChildren<TDockToolWindow*>()) {
    window->OnClosed = nullptr;
    delete window;
  }
  FFilterForm = nullptr;
  FInspectorForm = nullptr;
}

void TEventForm::InspectSelection() {
  if (FInspectorForm != nullptr) FInspectorForm->State().ShowRow(FView->Selected());
}

void TEventForm::CopyPropertyValue() {
  if (FInspectorForm != nullptr) FInspectorForm->CopyPropertyValue();
}
