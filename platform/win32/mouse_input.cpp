// The simulated mouse: a move, press or release at a screen point goes through the mouse hooks
// and then, as a mouse message, to the window under the point (or to the window that has the
// capture).

#include "platform/win32/core_internal.h"
#include "platform/win32/input.h"
#include "platform/win32/window_table.h"

namespace wincore {

bool MouseActivate(HWND target, UINT hitTest, UINT mouseMessage) {
  const HWND topLevel = GetAncestorTopLevel(target);
  if (topLevel == 0 || GetActiveWindow() == topLevel) return true;
  const LRESULT answer =
      SendMessageA(target, WM_MOUSEACTIVATE, topLevel,
                   MAKELPARAM(static_cast<WORD>(hitTest), static_cast<WORD>(mouseMessage)));
  if (answer == MA_ACTIVATE || answer == MA_ACTIVATEANDEAT) Activate(topLevel, true);
  return answer != MA_ACTIVATEANDEAT && answer != MA_NOACTIVATEANDEAT;
}

namespace {

UINT ButtonMessage(TMouseButton button, bool down, bool doubleClick) {
  if (button == TMouseButton::mbLeft) {
    return !down ? WM_LBUTTONUP : doubleClick ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN;
  }
  return !down ? WM_RBUTTONUP : doubleClick ? WM_RBUTTONDBLCLK : WM_RBUTTONDOWN;
}

WPARAM MouseKeyFlags() {
  WPARAM flags = 0;
  if (GetKeyState(VK_LBUTTON) < 0) flags |= MK_LBUTTON;
  if (GetKeyState(VK_RBUTTON) < 0) flags |= MK_RBUTTON;
  if (GetKeyState(VK_SHIFT) < 0) flags |= MK_SHIFT;
  if (GetKeyState(VK_CONTROL) < 0) flags |= MK_CONTROL;
  return flags;
}

// Moves the cursor to the point (within the coordinate space), shows the message to the mouse hooks
// and queues it for the window under the point. A press activates that window's top-level window
// first.
void SimulateMouseMessage(UINT message, POINT point, bool press) {
  const POINT screenPoint{BoundedPosition(point.x), BoundedPosition(point.y)};
  MoveCursor(screenPoint);
  const HWND captured = GetCapture();
  const HWND target = captured ? captured : WindowFromPoint(screenPoint);
  MOUSEHOOKSTRUCT hookData{screenPoint, target, target ? HTCLIENT : HTNOWHERE, 0};
  if (CallHookChain(WH_MOUSE, HC_ACTION, message, reinterpret_cast<LPARAM>(&hookData)) != 0) {
    CallHookChain(WH_CBT, HCBT_CLICKSKIPPED, message, reinterpret_cast<LPARAM>(&hookData));
    return;
  }
  if (!IsWindowEnabled(target)) return;  // no window there, or one that takes no input
  if (press && !MouseActivate(target, HTCLIENT, message)) return;
  POINT client = screenPoint;
  if (!ScreenToClient(target, &client)) return;  // destroyed while being activated
  PostMessageA(target, message, MouseKeyFlags(),
               MAKELPARAM(static_cast<WORD>(client.x), static_cast<WORD>(client.y)));
}

void SimulateButton(TMouseButton button, POINT screenPoint, bool down, bool doubleClick) {
  SetKeyDown(button == TMouseButton::mbLeft ? VK_LBUTTON : VK_RBUTTON, down);
  SimulateMouseMessage(ButtonMessage(button, down, doubleClick), screenPoint, down);
}

}  // namespace
}  // namespace wincore

HWND SetCapture(HWND hwnd) {
  HWND previous = GetCapture();
  wincore::CurrentThreadState().capture = IsWindow(hwnd) ? hwnd : 0;
  return previous;
}

BOOL ReleaseCapture() {
  wincore::CurrentThreadState().capture = 0;
  return 1;
}

HWND GetCapture() {
  const HWND capture = wincore::CurrentThreadState().capture;
  return IsWindow(capture) ? capture : 0;
}

void SimulateMouseMove(POINT screenPoint) {
  wincore::SimulateMouseMessage(WM_MOUSEMOVE, screenPoint, false);
}

void SimulateMouseDown(TMouseButton button, POINT screenPoint, bool secondOfDouble) {
  wincore::SimulateButton(button, screenPoint, true, secondOfDouble);
}

void SimulateMouseUp(TMouseButton button, POINT screenPoint) {
  wincore::SimulateButton(button, screenPoint, false, false);
}

void SimulateClick(TMouseButton button, POINT screenPoint, bool doubleClick) {
  wincore::SimulateButton(button, screenPoint, true, false);
  wincore::SimulateButton(button, screenPoint, false, false);
  if (!doubleClick) return;
  wincore::SimulateButton(button, screenPoint, true, true);
  wincore::SimulateButton(button, screenPoint, false, false);
}
