#pragma once
// The additional-control family: TAdditionalProxy records speed buttons clicked (with the mouse or
// by mnemonic), a grid's current cell moved by keys or seen moved at a click, a grid cell edited
// in place, splitters dragged and check list box items clicked.
//
// A key that may move a focused grid's cell is checked once the grid has handled it: the keyboard
// hook, which sees the key as its message is taken from the queue, posts the check behind it.

#include <unordered_map>

#include "log/log_event_proxy.h"
#include "platform/win32/windows.h"

class TControl;
class TCustomGrid;
class TInplaceEdit;

class TAdditionalProxy : public TLogEventProxy {
  LOG_EVENT_PROXY_CLASS(TAdditionalProxy)
  explicit TAdditionalProxy(TLogStream* logStream);

  void WndProc(TMessage& message) override;
  void CBTHook(int code, WPARAM wParam, LPARAM lParam) override;
  void KeyboardHook(int code, WPARAM wParam, LPARAM lParam) override;
  void MouseHook(int code, WPARAM wParam, LPARAM lParam) override;
  void CallWndProcHook(int code, WPARAM wParam, LPARAM lParam) override;

  // The messages this proxy posts to its Handle to finish a record once the control has handled
  // the message that changed it. wParam 0; lParam the control's window, so that a control freed
  // before the message arrives is not touched.
  static constexpr UINT WM_GRIDCELLCHECK = 5220;
  static constexpr UINT WM_CHECKLISTBOXCLICKED = 5221;

  // The cell last recorded for the grid: (column, row), (-1, -1) before the grid's first check.
  POINT GetLastGridCell(TCustomGrid& grid);
  void SetLastGridCell(TCustomGrid& grid, POINT cell);

  // The answer to WM_GETDLGCODE of the window that most recently received the focus, and that
  // window.
  DWORD FocusDlgCode = 0;
  HWND FocusWindow = 0;
  // The in-place editor of a grid was changed since an editor last gained the focus.
  bool EditChanged = false;

  // The speed button under the last left-button press; only compared with the button under the
  // release, never touched.
  const TControl* PressedSpeedButton = nullptr;
  // The splitter under the last left-button press, known by its parent's window and its address:
  // it is read at the release only when that parent still holds it, so that a splitter freed
  // during the drag is not touched.
  struct TPressedSplitter {
    HWND Parent = 0;
    const TControl* Control = nullptr;
  };
  TPressedSplitter PressedSplitter;

 private:
  void EditorNotified(TInplaceEdit& editor, WORD code);
  // Records the grid's current cell when it is not the cell last recorded for the grid.
  void CheckGridCell(TCustomGrid& grid);
  void CheckListBoxClicked(HWND window);
  void MouseButton(UINT message, const MOUSEHOOKSTRUCT& mouse);
  // Records a speed button's click, after its action.
  void WriteSpeedButtonClick(const TControl& button);

  // The last recorded cell of each grid, by the grid's window: handles are never reused, so a
  // grid made later never takes the entry of one freed before, and the entry goes with the window.
  std::unordered_map<HWND, POINT> GridCells;
};

// The family's part of library load and unload.
void RegisterAdditionalFamily();
void UnregisterAdditionalFamily();
