// What a user does with a window's frame: dragging its title bar or borders, clicking its
// minimise, maximise and restore buttons, and clicking its title bar to activate it.

#include "platform/win32/core_internal.h"
#include "platform/win32/input.h"
#include "platform/win32/window_table.h"

void SimulateFrameMoveSize(HWND hwnd, const RECT& newRect) {
  const wincore::Window* window = wincore::WindowOf(hwnd);
  if (!window) return;
  hwnd = window->handle;
  const HWND parent = window->parent;
  // The hooks see the new rectangle in screen coordinates and may change it.
  RECT rect = newRect;
  if (CallHookChain(WH_CBT, HCBT_MOVESIZE, hwnd, reinterpret_cast<LPARAM>(&rect)) != 0) return;
  POINT topLeft{rect.left, rect.top};
  if (parent != 0) ScreenToClient(parent, &topLeft);
  MoveWindow(hwnd, topLeft.x, topLeft.y, BoundedSize(int64_t{rect.right} - rect.left),
             BoundedSize(int64_t{rect.bottom} - rect.top), 1);
}

void SimulateFrameCommand(HWND hwnd, WPARAM sysCommand) {
  SendMessageA(hwnd, WM_SYSCOMMAND, sysCommand, 0);
}

void SimulateFrameActivate(HWND hwnd) {
  const HWND topLevel = GetAncestorTopLevel(hwnd);
  if (topLevel != 0) wincore::MouseActivate(topLevel, HTCAPTION, WM_LBUTTONDOWN);
}
