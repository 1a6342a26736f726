// The additional-control family's proxy: focus tracking, the in-place editors' and check list
// boxes' notifications, and the checks finished once a control has handled a user's action.

#include "families/additional_family.h"

#include "families/additional_events.h"
#include "families/mnemonic_keys.h"
#include "families/qv_utils.h"
#include "families/std_events.h"
#include "log/log_stream.h"
#include "platform/vcl/actions.h"
#include "platform/vcl/additional_controls.h"

const TLogEventProxyClass& TAdditionalProxy::StaticClass() {
  static const TLogEventProxyClass cls{"TAdditionalProxy", &TLogEventProxy::StaticClass(),
                                       &ConstructProxy<TAdditionalProxy>};
  return cls;
}

TAdditionalProxy::TAdditionalProxy(TLogStream* logStream) : TLogEventProxy(logStream) {
  AddLogEventClass(TSpeedButtonEvent::StaticClass());
  AddLogEventClass(TGridEditEvent::StaticClass());
  AddLogEventClass(TGridCellChangeEvent::StaticClass());
  AddLogEventClass(TSplitterEvent::StaticClass());
  AddLogEventClass(TCheckListBoxEvent::StaticClass());
}

POINT TAdditionalProxy::GetLastGridCell(TCustomGrid& grid) {
  return GridCells.try_emplace(grid.Handle(), POINT{-1, -1}).first->second;
}

void TAdditionalProxy::SetLastGridCell(TCustomGrid& grid, POINT cell) {
  GridCells[grid.Handle()] = cell;
}

void TAdditionalProxy::CBTHook(int code, WPARAM wParam, LPARAM) {
  const auto window = static_cast<HWND>(wParam);
  if (code == HCBT_SETFOCUS) {
    TakeFocus(window, FocusWindow, FocusDlgCode);
  } else if (code == HCBT_DESTROYWND) {
    GridCells.erase(window);
  }
}

void TAdditionalProxy::CallWndProcHook(int, WPARAM, LPARAM lParam) {
  // A copy: what this method causes may come back through here, nested.
  const CWPSTRUCT sent = *reinterpret_cast<const CWPSTRUCT*>(lParam);
  if (sent.message != WM_COMMAND) return;
  // The low word names the control (its handle is its identifier); the high word is the code.
  TControl* control = FindControl(LOWORD(sent.wParam));
  const WORD code = HIWORD(sent.wParam);
  if (auto* editor = dynamic_cast<TInplaceEdit*>(control)) {
    EditorNotified(*editor, code);
  } else if (auto* list = dynamic_cast<TCheckListBox*>(control); list && code == LBN_SELCHANGE) {
    // The box's check is toggled before it tells its parent; the item is read once the click or
    // the key has been handled whole.
    PostMessageA(Handle, WM_CHECKLISTBOXCLICKED, 0, static_cast<LPARAM>(list->Handle()));
  }
}

void TAdditionalProxy::EditorNotified(TInplaceEdit& editor, WORD code) {
  // One flag for all editors: a cell is recorded once per visit of its editor, when it was
  // changed.
  if (code == EN_SETFOCUS) {
    EditChanged = false;
  } else if (code == EN_UPDATE) {
    EditChanged = true;
  } else if (code == EN_KILLFOCUS && EditChanged) {
    auto* grid = dynamic_cast<TCustomGrid*>(editor.Parent());
    if (!grid) return;
    std::string editorName;
    std::string value;
    GetEditInfo(editor, editorName, value);
    // The grid still stands at the edited cell; recording it here spares a cell-change record
    // for the same cell.
    const POINT cell{grid->Col(), grid->Row()};
    SetLastGridCell(*grid, cell);
    LogStream->WriteEvent(std::make_unique<TGridEditEvent>(GetControlName(*grid), value, cell));
  }
}

void TAdditionalProxy::WndProc(TMessage& message) {
  // A message posted just before the log was stopped finds no log.
  if (!LogStream) return;
  const auto window = static_cast<HWND>(message.LParam);
  if (message.Msg == WM_GRIDCELLCHECK) {
    // The grid may have gone since the message was posted.
    if (auto* grid = dynamic_cast<TCustomGrid*>(FindControl(window))) CheckGridCell(*grid);
  } else if (message.Msg == WM_CHECKLISTBOXCLICKED) {
    CheckListBoxClicked(window);
  }
}

void TAdditionalProxy::CheckGridCell(TCustomGrid& grid) {
  const POINT cell{grid.Col(), grid.Row()};
  const POINT last = GetLastGridCell(grid);
  if (cell.x == last.x && cell.y == last.y) return;
  SetLastGridCell(grid, cell);
  LogStream->WriteEvent(std::make_unique<TGridCellChangeEvent>(GetControlName(grid), cell));
}

void TAdditionalProxy::CheckListBoxClicked(HWND window) {
  auto* list = dynamic_cast<TCheckListBox*>(FindControl(window));
  if (!list) return;
  std::string windowName;
  std::string item;
  int32_t index = 0;
  GetListBoxInfo(*list, windowName, item, index);
  // Without a selected item there is no check to read.
  const bool checked = index >= 0 && index < list->Items()->Count() && list->Checked(index);
  LogStream->WriteEvent(std::make_unique<TCheckListBoxEvent>(windowName, item, index, checked));
}

void TAdditionalProxy::WriteSpeedButtonClick(const TControl& button) {
  if (const TComponent* action = button.Action()) {
    LogStream->WriteEvent(std::make_unique<TActionEvent>(action->Name(), button.Name()));
  }
  LogStream->WriteEvent(std::make_unique<TSpeedButtonEvent>(GetControlName(button)));
}

void RegisterAdditionalFamily() { TLogStream::RegisterProxyClass(TAdditionalProxy::StaticClass()); }
void UnregisterAdditionalFamily() {
  TLogStream::UnregisterProxyClass(TAdditionalProxy::StaticClass());
}
