// The system's "Edit" window class.

#include "platform/win32/system_edit.h"

#include <string>
#include <unordered_map>

#include "platform/win32/controls_messages.h"
#include "platform/win32/edit_text.h"

namespace {

void Notify(HWND hwnd, WORD code) {
  const auto id = static_cast<WORD>(GetDlgCtrlID(hwnd));
  SendMessageA(GetParent(hwnd), WM_COMMAND, MAKEWPARAM(id, code), static_cast<LPARAM>(hwnd));
}

std::string TextOf(HWND hwnd) {
  std::string text(static_cast<size_t>(GetWindowTextLengthA(hwnd)) + 1, '\0');
  text.resize(
      static_cast<size_t>(GetWindowTextA(hwnd, text.data(), static_cast<int>(text.size()))));
  return text;
}

// The selection of each edit window of the thread, from its creation to its destruction.
thread_local std::unordered_map<HWND, EditSelection> tSelections;

EditSelection& SelectionOf(HWND hwnd) { return tSelections[hwnd]; }

// Stores a text the user's editing made and reports the change.
void Edited(HWND hwnd, const std::string& text) {
  DefWindowProcA(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  Notify(hwnd, EN_UPDATE);
  Notify(hwnd, EN_CHANGE);
}

void Typed(HWND hwnd, char character) {
  std::string text = TextOf(hwnd);
  if (TypeIntoEdit(text, SelectionOf(hwnd), character, false)) Edited(hwnd, text);
}

void KeyDown(HWND hwnd, WPARAM key) {
  std::string text = TextOf(hwnd);
  if (key == VK_DELETE && DeleteInEdit(text, SelectionOf(hwnd)))
    Edited(hwnd, text);
  else
    MoveEditCaret(text, SelectionOf(hwnd), key, GetKeyState(VK_SHIFT) < 0);
}

LRESULT SystemEditProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_CREATE:
      SelectionOf(hwnd) = EditSelection::AtEnd(TextOf(hwnd));
      return 0;
    case WM_DESTROY:
      tSelections.erase(hwnd);
      return 0;
    case WM_GETDLGCODE:
      return DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
    case WM_LBUTTONDOWN:
      // The caret goes where the user clicked (here: after the text), whatever was selected.
      SetFocus(hwnd);
      SelectionOf(hwnd) = EditSelection::AtEnd(TextOf(hwnd));
      return 0;
    case WM_CHAR:
      Typed(hwnd, static_cast<char>(wParam));
      return 0;
    case WM_KEYDOWN:
      KeyDown(hwnd, wParam);
      return 0;
    case WM_SETFOCUS:
      Notify(hwnd, EN_SETFOCUS);
      return 0;
    case WM_KILLFOCUS:
      Notify(hwnd, EN_KILLFOCUS);
      return 0;
    case WM_SETTEXT: {
      const LRESULT result = DefWindowProcA(hwnd, msg, wParam, lParam);
      SelectionOf(hwnd) = EditSelection::AtEnd(TextOf(hwnd));
      Notify(hwnd, EN_UPDATE);
      Notify(hwnd, EN_CHANGE);
      return result;
    }
    case EM_SETSEL:
      SetEditSelection(TextOf(hwnd), SelectionOf(hwnd), wParam, lParam);
      return 0;
    case EM_GETSEL:
      return GetEditSelection(SelectionOf(hwnd), wParam, lParam);
    default:
      return DefWindowProcA(hwnd, msg, wParam, lParam);
  }
}

}  // namespace

void RegisterSystemEditClass() {
  WNDCLASSA editClass;
  editClass.lpfnWndProc = &SystemEditProc;
  editClass.lpszClassName = kSystemEditClass;
  RegisterClassA(editClass);
}
