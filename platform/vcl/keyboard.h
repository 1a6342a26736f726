#pragma once
// Keyboard helpers: shift states, menu shortcuts and their texts ("Ctrl+O"), and the mnemonic
// test of captions ("&Options" answers to O).

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/vcl/sets.h"
#include "platform/win32/windows.h"

enum TShiftStateItem { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = TSet<TShiftStateItem>;

// A shortcut: a virtual key in the low byte, with modifier bits.
using TShortCut = uint16_t;
constexpr TShortCut scShift = 0x2000;
constexpr TShortCut scCtrl = 0x4000;
constexpr TShortCut scAlt = 0x8000;

TShortCut ShortCut(WORD key, TShiftState shift);
// "Shift+Ctrl+Alt+KEY" with the modifiers present; "" for 0 or a key without a name.
std::string ShortCutToText(TShortCut shortCut);
// The shortcut a text names (modifiers in any order, letter case ignored); 0 when it names none.
TShortCut TextToShortCut(std::string_view text);

// The shift state of a key message: Shift and Ctrl as the keyboard holds them now, Alt from the
// context bit of the message's key data.
TShiftState KeyDataToShiftState(LPARAM keyData);

// Whether the character `key` (as WM_CHAR carries it, not a virtual key) is the mnemonic of
// `caption`: the character after its last single "&" ("&&" is a plain ampersand), letter case
// ignored.
bool IsAccel(WORD key, std::string_view caption);
