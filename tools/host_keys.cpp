// Key names and typed characters as key strokes.

#include "tools/host_keys.h"

#include <string>

#include "platform/sysutils.h"

namespace {

struct TNamedKey {
  std::string_view Name;
  BYTE Key;
};

constexpr TNamedKey kNamedKeys[] = {
    {"Enter", VK_RETURN},
    {"Tab", VK_TAB},
    {"Esc", VK_ESCAPE},
    {"Space", VK_SPACE},
    {"Up", VK_UP},
    {"Down", VK_DOWN},
    {"Left", VK_LEFT},
    {"Right", VK_RIGHT},
    {"Home", VK_HOME},
    {"End", VK_END},
    {"PgUp", VK_PRIOR},
    {"PgDn", VK_NEXT},
    {"Backspace", VK_BACK},
    {"Delete", VK_DELETE},
    // the keypad's plus, minus and multiply, and the keys of '-' and '='
    {"NumPlus", VK_ADD},
    {"NumMinus", VK_SUBTRACT},
    {"NumMultiply", VK_MULTIPLY},
    {"-", VK_OEM_MINUS},
    {"=", VK_OEM_PLUS},
};

// The characters of the '-' and '=' keys, unshifted and shifted.
struct TPunctuationKey {
  BYTE Key;
  char Plain;
  char Shifted;
};
constexpr TPunctuationKey kPunctuation[] = {{VK_OEM_MINUS, '-', '_'}, {VK_OEM_PLUS, '=', '+'}};

// The shifted characters of the digit keys 0 to 9.
constexpr std::string_view kShiftedDigits = ")!@#$%^&*(";

std::optional<BYTE> BaseKey(std::string_view name) {
  for (const TNamedKey& key : kNamedKeys)
    if (SameText(key.Name, name)) return key.Key;
  if (name.size() == 1) {
    const char c = name[0];
    if (c >= 'a' && c <= 'z') return static_cast<BYTE>(c - 'a' + 'A');
    if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return static_cast<BYTE>(c);
  }
  if (name.size() >= 2 && (name[0] == 'F' || name[0] == 'f')) {
    const std::string digits(name.substr(1));
    if (digits.find_first_not_of("0123456789") == std::string::npos && digits.size() <= 2) {
      const int number = std::stoi(digits);
      if (number >= 1 && number <= 12) return static_cast<BYTE>(VK_F1 + number - 1);
    }
  }
  return std::nullopt;
}

}  // namespace

std::optional<TKeyStroke> ParseKeyName(std::string_view name) {
  TKeyStroke stroke;
  for (;;) {
    const size_t plus = name.find('+');
    if (plus == std::string_view::npos || plus == 0) break;  // "+" alone is no modifier
    const std::string_view modifier = name.substr(0, plus);
    if (SameText(modifier, "Ctrl")) {
      stroke.Ctrl = true;
    } else if (SameText(modifier, "Shift")) {
      stroke.Shift = true;
    } else if (SameText(modifier, "Alt")) {
      stroke.Alt = true;
    } else {
      return std::nullopt;
    }
    name.remove_prefix(plus + 1);
  }
  const std::optional<BYTE> key = BaseKey(name);
  if (!key) return std::nullopt;
  stroke.Key = *key;
  return stroke;
}

std::optional<TKeyStroke> KeyForCharacter(char c) {
  if (c >= 'a' && c <= 'z') return TKeyStroke{static_cast<BYTE>(c - 'a' + 'A')};
  if (c >= 'A' && c <= 'Z') return TKeyStroke{static_cast<BYTE>(c), true};
  if (c >= '0' && c <= '9') return TKeyStroke{static_cast<BYTE>(c)};
  if (c == ' ') return TKeyStroke{VK_SPACE};
  const size_t digit = kShiftedDigits.find(c);
  if (digit != std::string_view::npos) return TKeyStroke{static_cast<BYTE>('0' + digit), true};
  for (const TPunctuationKey& key : kPunctuation) {
    if (c == key.Plain) return TKeyStroke{key.Key};
    if (c == key.Shifted) return TKeyStroke{key.Key, true};
  }
  return std::nullopt;
}
