#pragma once
// Operations that the units of the windowing core offer one another; not for use outside it.

#include "platform/win32/thread_state.h"
#include "platform/win32/windows.h"

namespace wincore {

// The desktop: one screen of fixed size.
constexpr RECT kScreenRect{0, 0, 1024, 768};

// Messages. A sent message runs the receiving thread's WH_CALLWNDPROC hooks, then the procedure.
LRESULT DeliverSentMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, bool fromThisThread);
// Queues a message for the window's thread (hwnd 0: the calling thread); `atFront` makes it the
// next one retrieved. False when hwnd names no window.
bool QueueMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, bool atFront);
// Queues the key message of a simulated key stroke for the window's thread, marked for the
// keyboard hooks that run when it is retrieved.
bool QueueTypedKey(HWND hwnd, UINT msg, WPARAM virtualKey, LPARAM keystrokeFlags);
// Delivers the messages that other threads sent to the calling thread and wait for.
void DeliverIncomingSends(ThreadState& state);

// Focus and activation of the window's own thread.
// Activates a top-level window (HCBT_ACTIVATE, then WM_ACTIVATE to the old and the new one);
// false when the window cannot be activated or a hook refuses.
bool Activate(HWND topLevel, bool byMouse);
// Leaves no window active when `hwnd` is the active one.
void ReleaseActivation(HWND hwnd);
// When `hwnd`, the active window, is hidden, minimised or destroyed: activates the next window
// below it in the stacking order that can be active (visible, enabled, not minimised, not owned
// by `hwnd`), or else the topmost such window above it; leaves none active when there is none.
void PassActivation(HWND hwnd);
// Takes the focus away (to no window) when it lies in `root` or inside it.
void ReleaseFocusWithin(HWND root);

// Geometry. A window rectangle brought within the bounds of positions and sizes.
RECT BoundedRect(int64_t x, int64_t y, int64_t width, int64_t height);
// Stores a new rectangle and sends WM_MOVE when the position changed and WM_SIZE when
// the size changed or `alwaysSize` is set.
void ApplyRect(HWND hwnd, const RECT& rect, WPARAM sizeKind, bool alwaysSize);

// Simulated keyboard and mouse.
// The mouse-activation of a click on a window whose top-level window is inactive: the window
// decides with WM_MOUSEACTIVATE whether that one is activated and whether the click is eaten.
// Returns whether the click still goes on to the window.
bool MouseActivate(HWND target, UINT hitTest, UINT mouseMessage);
KeyModifiers CurrentModifiers();
// The character a key types with the modifiers held (US layout); 0 for a key that types none.
char CharacterOf(WPARAM key, const KeyModifiers& modifiers);
void SetKeyDown(BYTE virtualKey, bool down);
POINT CursorPos();
void MoveCursor(POINT point);

void ResetHooks();
void ResetInputState();

}  // namespace wincore
