#pragma once
// What the families' keyboard hooks ask of a key stroke before they look for the control its
// mnemonic activates: the window it goes to, whether the key counts at all, and which character
// it types.

#include <optional>

#include "platform/win32/windows.h"

// Takes `window` as the focus window, with its answer to WM_GETDLGCODE.
void TakeFocus(HWND window, HWND& focusWindow, DWORD& focusDlgCode);
// Takes the window that has the focus now as the focus window when no hook saw it gain the focus
// (it did while the log was stopped, or before it started), so that keys are judged by the window
// they go to.
void FollowFocus(HWND& focusWindow, DWORD& focusDlgCode);
// The same for a family that keeps only the focus window.
void FollowFocus(HWND& focusWindow);

// Shift, Ctrl, Alt, Pause and Caps Lock (16 to 20), Num Lock and Scroll Lock (144 and 145).
bool IsModifierOrLockKey(WPARAM key);
// Whether the keyboard hook's key data is that of a key being released.
bool IsKeyRelease(LPARAM keyData);
// Whether a key pressed with the modifiers of `keyData` can be a mnemonic, the focus window
// answering WM_GETDLGCODE with `focusDlgCode`: with Alt (and without Ctrl) always, without Alt
// only where the focus window does not want characters. Ctrl with a letter is a shortcut, never a
// mnemonic.
bool MayBeMnemonic(LPARAM keyData, DWORD focusDlgCode);
// The character the key types with the keys held now, as the keyboard translates it; nothing for
// a key that types none (F1, an arrow), whatever letter its key code happens to share.
std::optional<WORD> TypedCharacter(WPARAM key);
