#pragma once
// The inspector: every property of one record as a list of names and values, following the
// main window's list. The lines are TEventInspectorState's; the window shows them and copies a
// value to the clipboard.

#include <cstdint>
#include <vector>

#include "viewer/core/property_lines.h"
#include "viewer/core/settings.h"
#include "viewer/gui/dock_tool_window.h"

class QAction;
class QTableWidget;

// The settings section of the property list's column widths.
inline constexpr const char* kPropListSection = "EventInspectorFormPropList";

class TEventInspectorForm : public TDockToolWindow {
  Q_OBJECT

 public:
  // `copyValue` is the main window's Copy Property Value command: the window's context menu
  // holds it, and the window enables it exactly while a line is selected.
  TEventInspectorForm(TEventView& view, QAction* copyValue, QWidget* parent);
  ~TEventInspectorForm() override;

  TEventInspectorState& State() { return FState; }
  // Puts the selected line's value on the clipboard; nothing without a selected line.
  void CopyPropertyValue();

  std::vector<int32_t> ColumnWidths() const;
  void RestoreColumnWidths(const TOXOptions& settings);
  void SaveColumnWidths(TOXOptions& settings) const;

  QTableWidget* PropList() const { return FPropList; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildList();
  // A window closed, or going, no longer touches the shared Copy Property Value command.
  void Detach();
  void ShowLines();
  void ShowCopyEnabled();

  TEventInspectorState FState;
  QAction* FCopyValue;
  QTableWidget* FPropList = nullptr;
};
