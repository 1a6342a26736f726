#pragma once
// Keys on their way to the focused control: the framework first sends the control a CN_ copy of
// each key-down and character message; the control then looks for a popup-menu, menu or action
// shortcut, offers dialog keys (Tab, arrows, Enter, Esc) and mnemonic characters to the controls
// of its form, and only a key nobody used reaches the control's own handling.

#include "platform/vcl/keyboard.h"
#include "platform/vcl/win_control.h"

class TCustomForm;

// Messages between the framework's controls (CM_BASE in win_control.h).
constexpr UINT CM_DIALOGKEY = CM_BASE + 5;   // wParam: key, lParam: key data; 1 when taken
constexpr UINT CM_DIALOGCHAR = CM_BASE + 6;  // wParam: character, lParam: key data; 1 when taken

// Sends the CN_ copy of a key-down or character message to the framework control of `hwnd`, or of
// its nearest parent window that has one; answers whether the framework used the key.
bool ForwardKeyMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
// The framework's handling of a CN_ key message at `control`: 1 when the key was used.
LRESULT HandleForwardedKey(TWinControl& control, const TMessage& message);
// Offers a dialog key or character to the children of `control` in turn until one takes it. A
// Tab (Shift+Tab) that no child takes moves a form's focus to its next (previous) tab stop, an
// arrow key to the control beside its active one.
void HandleDialogMessage(TWinControl& control, TMessage& message);
// Whether the form's main menu or one of its action lists has the shortcut; the item is clicked
// or the action executed.
bool FormIsShortCut(TCustomForm& form, TShortCut shortCut);
