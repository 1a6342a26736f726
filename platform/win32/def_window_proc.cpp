// The default handling of window messages, which every window procedure falls back on.

#include "platform/win32/core_internal.h"
#include "platform/win32/edit_text.h"
#include "platform/win32/window_table.h"

namespace wincore {
namespace {

LRESULT SystemCommand(HWND hwnd, WPARAM command, LPARAM lParam) {
  if (CallHookChain(WH_CBT, HCBT_SYSCOMMAND, command, lParam) != 0) return 0;
  switch (command & 0xFFF0) {
    case SC_MINIMIZE:
      ShowWindow(hwnd, SW_MINIMIZE);
      break;
    case SC_MAXIMIZE:
      ShowWindow(hwnd, SW_MAXIMIZE);
      break;
    case SC_RESTORE:
      ShowWindow(hwnd, SW_RESTORE);
      break;
    case SC_CLOSE:
      SendMessageA(hwnd, WM_CLOSE, 0, 0);
      break;
    default:
      break;
  }
  return 0;
}

}  // namespace
}  // namespace wincore

LRESULT DefWindowProcA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  wincore::Window* window = wincore::WindowOf(hwnd);
  if (!window) return 0;
  hwnd = window->handle;
  switch (msg) {
    case WM_GETTEXT:
      return CopyWindowText(window->text, wParam, lParam);
    case WM_GETTEXTLENGTH:
      return static_cast<LRESULT>(window->text.size());
    case WM_SETTEXT: {
      const char* text = reinterpret_cast<const char*>(lParam);
      window->text = text ? text : "";
      return 1;
    }
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE && !(window->style & WS_MINIMIZE)) SetFocus(hwnd);
      return 0;
    case WM_SYSCOMMAND:
      return wincore::SystemCommand(hwnd, wParam, lParam);
    case WM_CLOSE:
      DestroyWindow(hwnd);
      return 0;
    case WM_RBUTTONUP: {
      // A right click asks for the shortcut menu, at the point in screen coordinates.
      POINT point{static_cast<int16_t>(LOWORD(static_cast<uintptr_t>(lParam))),
                  static_cast<int16_t>(HIWORD(static_cast<uintptr_t>(lParam)))};
      ClientToScreen(hwnd, &point);
      SendMessageA(hwnd, WM_CONTEXTMENU, hwnd,
                   MAKELPARAM(static_cast<WORD>(point.x), static_cast<WORD>(point.y)));
      return 0;
    }
    case WM_CONTEXTMENU:
      // A child without a menu of its own lets its parent show one.
      if (window->parent != 0) SendMessageA(window->parent, msg, wParam, lParam);
      return 0;
    case WM_MOUSEACTIVATE:
      // A child lets its parent decide first.
      if (window->parent != 0) {
        if (const LRESULT answer = SendMessageA(window->parent, msg, wParam, lParam)) return answer;
      }
      return MA_ACTIVATE;
    default:
      return 0;
  }
}

LRESULT CallWindowProcA(WNDPROC proc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  return proc ? proc(hwnd, msg, wParam, lParam) : DefWindowProcA(hwnd, msg, wParam, lParam);
}
