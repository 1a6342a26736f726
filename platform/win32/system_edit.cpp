// The system's "Edit" window class.

#include "platform/win32/system_edit.h"

#include <string>

#include "platform/win32/controls_messages.h"

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

void Typed(HWND hwnd, char character) {
  std::string text = TextOf(hwnd);
  if (character == '\b' && !text.empty())
    text.pop_back();
  else if (static_cast<unsigned char>(character) >= ' ')
    text += character;
  else
    return;
  DefWindowProcA(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  Notify(hwnd, EN_UPDATE);
  Notify(hwnd, EN_CHANGE);
}

LRESULT SystemEditProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_GETDLGCODE:
      return DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
    case WM_LBUTTONDOWN:
      SetFocus(hwnd);
      return 0;
    case WM_CHAR:
      Typed(hwnd, static_cast<char>(wParam));
      return 0;
    case WM_SETFOCUS:
      Notify(hwnd, EN_SETFOCUS);
      return 0;
    case WM_KILLFOCUS:
      Notify(hwnd, EN_KILLFOCUS);
      return 0;
    case WM_SETTEXT: {
      const LRESULT result = DefWindowProcA(hwnd, msg, wParam, lParam);
      Notify(hwnd, EN_UPDATE);
      Notify(hwnd, EN_CHANGE);
      return result;
    }
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
