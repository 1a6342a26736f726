#pragma once
// Simulated user input: the only way tests and the host simulator act as a user. Each mouse move,
// press or release first goes through the thread's mouse hooks (a hook that answers non-zero
// swallows it, and HCBT_CLICKSKIPPED is raised), then is queued as the usual message for the window
// under the point. Each key press or release is queued as a key message for the focused window;
// the keyboard hooks see it when the message is retrieved (a hook that answers non-zero discards
// it, and HCBT_KEYSKIPPED is raised), so what they post comes after the key.
// ProcessPendingMessages delivers the messages. The frame actions are what a user does with a
// window's title bar, borders and buttons.

#include "platform/win32/windows.h"

enum class TMouseButton { mbLeft, mbRight };

// Moves the pointer to a screen point: WM_MOUSEMOVE, with the buttons and keys held in wParam.
void SimulateMouseMove(POINT screenPoint);

// Presses or releases a button at a screen point. A press on an inactive top-level window
// activates it first (WM_MOUSEACTIVATE, then activation with fMouse set). `secondOfDouble` makes
// the press the second of a double click (WM_LBUTTONDBLCLK or WM_RBUTTONDBLCLK).
void SimulateMouseDown(TMouseButton button, POINT screenPoint, bool secondOfDouble = false);
void SimulateMouseUp(TMouseButton button, POINT screenPoint);
// A press and a release at the same point; `doubleClick` makes the second press a double click.
void SimulateClick(TMouseButton button, POINT screenPoint, bool doubleClick = false);

// Presses or releases a key at the focused window (WM_KEYDOWN/WM_KEYUP, or WM_SYSKEYDOWN/
// WM_SYSKEYUP while Alt is down); the key state of GetKeyState follows at once, the keyboard hooks
// when the message is retrieved.
void SimulateKeyDown(BYTE virtualKey);
void SimulateKeyUp(BYTE virtualKey);
// Presses and releases a key with the given modifiers held around it.
void SimulateKeyStroke(BYTE virtualKey, bool shift = false, bool ctrl = false, bool alt = false);

// Frame actions on a top-level window: moving or sizing raises HCBT_MOVESIZE with the new
// rectangle before it takes effect; minimising, maximising and restoring go through WM_SYSCOMMAND
// and ShowWindow (HCBT_MINMAX); activating is a click on the title bar.
void SimulateFrameMoveSize(HWND hwnd, const RECT& newRect);
void SimulateFrameCommand(HWND hwnd, WPARAM sysCommand);  // SC_MINIMIZE, SC_MAXIMIZE, SC_RESTORE
void SimulateFrameActivate(HWND hwnd);
