#pragma once
// Grids and outlines on the controls fixture's form, with what an in-place editor tells its grid
// written down as one line per notification, with the grid's current cell and the editor's text at
// that moment, so that tests compare the order of the notifications and what a hook would read.

#include <string>
#include <vector>

#include "platform/vcl/additional_controls.h"
#include "platform/vcl/errors.h"
#include "platform/vcl/user_actions_grids.h"
#include "tests/controls/controls_fixture.h"

inline std::vector<std::string> gEditorNotices;
inline HHOOK gEditorNoticeHook = 0;

namespace grids_detail {

inline std::string CodeName(WORD code) {
  switch (code) {
    case EN_SETFOCUS:
      return "EN_SETFOCUS";
    case EN_KILLFOCUS:
      return "EN_KILLFOCUS";
    case EN_UPDATE:
      return "EN_UPDATE";
    case EN_CHANGE:
      return "EN_CHANGE";
    default:
      return std::to_string(code);
  }
}

inline LRESULT RecordEditorNotice(int code, WPARAM wParam, LPARAM lParam) {
  const auto& sent = *reinterpret_cast<const CWPSTRUCT*>(lParam);
  auto* editor = sent.message == WM_COMMAND
                     ? dynamic_cast<TInplaceEdit*>(FindControl(static_cast<HWND>(sent.lParam)))
                     : nullptr;
  if (editor && sent.hwnd == editor->Grid()->Handle() &&
      LOWORD(sent.wParam) == LOWORD(editor->Handle()))
    gEditorNotices.push_back(Format("%s %d,%d '%s'", CodeName(HIWORD(sent.wParam)),
                                    editor->Grid()->Col(), editor->Grid()->Row(), editor->Text()));
  return CallNextHookEx(gEditorNoticeHook, code, wParam, lParam);
}

}  // namespace grids_detail

class GridsTest : public ControlsTest {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    RegisterAdditionalControls();
    gEditorNotices.clear();
    gEditorNoticeHook = SetWindowsHookExA(WH_CALLWNDPROC, grids_detail::RecordEditorNotice, 0,
                                          GetCurrentThreadId());
  }

  static std::vector<std::string> Notices() { return std::exchange(gEditorNotices, {}); }
  static TGridCoord Current(const TCustomGrid& grid) { return {grid.Col(), grid.Row()}; }
  // Presses the left button in a cell of the grid and releases it.
  static void ClickCell(const TCustomGrid& grid, int col, int row) {
    const RECT cell = grid.CellRect(col, row);
    SimulateClickAt(grid, {(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2});
  }
};

inline void PrintTo(const TGridCoord& cell, std::ostream* os) { *os << cell.X << "," << cell.Y; }
