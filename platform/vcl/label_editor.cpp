// The label edit box of tree and list views.

#include "platform/vcl/label_editor.h"

#include <utility>

#include "platform/vcl/application.h"
#include "platform/vcl/key_forwarding.h"
#include "platform/win32/controls_messages.h"
#include "platform/win32/system_edit.h"

LRESULT LabelEditProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* editor = reinterpret_cast<TLabelEditor*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (!editor) return DefWindowProcA(hwnd, msg, wParam, lParam);
  try {
    return editor->EditProc(hwnd, msg, wParam, lParam);
  } catch (const std::exception& e) {
    Application().HandleException(nullptr, e);
    return 0;
  }
}

TLabelEditor::~TLabelEditor() { Discard(); }

void TLabelEditor::Discard() {
  FFinished = nullptr;
  const HWND edit = std::exchange(FEdit, 0);
  if (!edit) return;
  SetWindowLongPtrA(edit, GWLP_USERDATA, 0);
  DestroyWindow(edit);
}

void TLabelEditor::Begin(HWND parent, const RECT& bounds, const std::string& text,
                         TFinished finished) {
  End(true);
  RegisterSystemEditClass();
  const HWND edit = CreateWindowExA(0, kSystemEditClass, text.c_str(), WS_CHILD | WS_VISIBLE,
                                    bounds.left, bounds.top, bounds.right - bounds.left,
                                    bounds.bottom - bounds.top, parent, 0, 0, nullptr);
  if (!edit) return;
  FFinished = std::move(finished);
  FDefProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&LabelEditProc)));
  SetWindowLongPtrA(edit, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  FEdit = edit;
  SendMessageA(edit, EM_SETSEL, 0, -1);
  SetFocus(edit);
}

void TLabelEditor::End(bool cancel) { Finish(cancel, true); }

// The view hears of the end before the box goes; Enter and Esc give the focus back to the view,
// while a box that lost the focus leaves it where it went.
void TLabelEditor::Finish(bool cancel, bool restoreFocus) {
  const HWND edit = std::exchange(FEdit, 0);
  if (!edit) return;
  std::string text(static_cast<size_t>(GetWindowTextLengthA(edit)) + 1, '\0');
  text.resize(
      static_cast<size_t>(GetWindowTextA(edit, text.data(), static_cast<int>(text.size()))));
  const bool hadFocus = GetFocus() == edit;
  TFinished finished = std::exchange(FFinished, nullptr);
  if (finished) finished(cancel ? nullptr : &text);
  if (restoreFocus && hadFocus && IsWindow(edit)) SetFocus(GetParent(edit));
  SetWindowLongPtrA(edit, GWLP_USERDATA, 0);
  DestroyWindow(edit);
}

LRESULT TLabelEditor::EditProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  const WNDPROC defProc = FDefProc;
  if (ForwardKeyMessage(hwnd, msg, wParam, lParam)) return 0;
  switch (msg) {
    case WM_GETDLGCODE:
      return DLGC_WANTALLKEYS | DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_KEYDOWN:
      if (wParam == VK_RETURN || wParam == VK_ESCAPE) {
        End(wParam == VK_ESCAPE);
        return 0;
      }
      break;
    case WM_CHAR:
      if (wParam == '\r' || wParam == 0x1B) return 0;
      break;
    case WM_DESTROY:
      if (FEdit == hwnd) {  // the view's window goes, and the box with it
        FEdit = 0;
        FFinished = nullptr;
      }
      break;
    case WM_KILLFOCUS: {
      const LRESULT result = CallWindowProcA(defProc, hwnd, msg, wParam, lParam);
      if (FEdit == hwnd) Finish(false, false);
      return result;
    }
  }
  return CallWindowProcA(defProc, hwnd, msg, wParam, lParam);
}
