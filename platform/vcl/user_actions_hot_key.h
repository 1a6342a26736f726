#pragma once
// What a user does with hot-key controls: entering a shortcut with the keyboard.

#include "platform/vcl/keyboard.h"

class THotKey;

// Focuses the control, presses the shortcut's key with its modifiers held (Backspace for none,
// which clears the control) and leaves the control with Tab.
void SimulateHotKeyEntry(THotKey& control, TShortCut shortCut);
