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

// What an edit window holds, from its creation to its destruction: the edit keeps its text
// itself, so that typing changes it in place.
struct EditState {
  std::string text;
  EditSelection selection;
};

thread_local std::unordered_map<HWND, EditState> tEdits;

EditState& StateOf(HWND hwnd) { return tEdits[hwnd]; }

void Edited(HWND hwnd) {
  Notify(hwnd, EN_UPDATE);
  Notify(hwnd, EN_CHANGE);
}

void Typed(HWND hwnd, char character) {
  EditState& edit = StateOf(hwnd);
  if (TypeIntoEdit(edit.text, edit.selection, character, false)) Edited(hwnd);
}

void KeyDown(HWND hwnd, WPARAM key) {
  EditState& edit = StateOf(hwnd);
  if (key == VK_DELETE && DeleteInEdit(edit.text, edit.selection))
    Edited(hwnd);
  else
    MoveEditCaret(edit.text, edit.selection, key, GetKeyState(VK_SHIFT) < 0);
}

LRESULT SystemEditProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_CREATE: {
      const char* text = reinterpret_cast<const CREATESTRUCTA*>(lParam)->lpszName;
      EditState& edit = StateOf(hwnd);
      edit.text = text ? text : "";
      edit.selection = EditSelection::AtEnd(edit.text);
      return 0;
    }
    case WM_DESTROY:
      tEdits.erase(hwnd);
      return 0;
    case WM_GETDLGCODE:
      return DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
    case WM_LBUTTONDOWN: {
      // The caret goes where the user clicked (here: after the text), whatever was selected.
      SetFocus(hwnd);
      EditState& edit = StateOf(hwnd);
      edit.selection = EditSelection::AtEnd(edit.text);
      return 0;
    }
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
    case WM_GETTEXT:
      return CopyWindowText(StateOf(hwnd).text, wParam, lParam);
    case WM_GETTEXTLENGTH:
      return static_cast<LRESULT>(StateOf(hwnd).text.size());
    case WM_SETTEXT: {
      const char* text = reinterpret_cast<const char*>(lParam);
      EditState& edit = StateOf(hwnd);
      edit.text = text ? text : "";
      edit.selection = EditSelection::AtEnd(edit.text);
      Edited(hwnd);
      return 1;
    }
    case EM_SETSEL: {
      EditState& edit = StateOf(hwnd);
      SetEditSelection(edit.text, edit.selection, wParam, lParam);
      return 0;
    }
    case EM_GETSEL:
      return GetEditSelection(StateOf(hwnd).selection, wParam, lParam);
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
