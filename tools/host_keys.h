#pragma once
// The keys of session scripts: key names with their modifiers ("Ctrl+O", "Shift+Tab", "F5") and
// the keys that type a character, on the US keyboard layout the simulated platform translates.

#include <optional>
#include <string_view>

#include "platform/win32/windows.h"

struct TKeyStroke {
  BYTE Key = 0;
  bool Shift = false;
  bool Ctrl = false;
  bool Alt = false;
};

// The stroke a key name stands for, letter case ignored; nullopt for a name that is not a key.
std::optional<TKeyStroke> ParseKeyName(std::string_view name);
// The stroke that types `c`; nullopt for a character no single stroke types.
std::optional<TKeyStroke> KeyForCharacter(char c);
