// Shift states, shortcut texts and mnemonics.

#include "platform/vcl/keyboard.h"

#include "platform/sysutils.h"

namespace {

// The name of a key in shortcut texts, "" when it has none.
std::string KeyName(BYTE key) {
  static constexpr struct {
    BYTE Key;
    const char* Name;
  } kNamed[] = {
      {VK_BACK, "BkSp"},   {VK_TAB, "Tab"},    {VK_RETURN, "Enter"}, {VK_ESCAPE, "Esc"},
      {VK_SPACE, "Space"}, {VK_PRIOR, "PgUp"}, {VK_NEXT, "PgDn"},    {VK_END, "End"},
      {VK_HOME, "Home"},   {VK_LEFT, "Left"},  {VK_UP, "Up"},        {VK_RIGHT, "Right"},
      {VK_DOWN, "Down"},   {0x2D, "Ins"},      {VK_DELETE, "Del"},
  };
  for (const auto& named : kNamed)
    if (named.Key == key) return named.Name;
  if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) return std::string(1, char(key));
  if (key >= 0x60 && key <= 0x69) return std::string(1, char('0' + key - 0x60));  // keypad digits
  if (key >= VK_F1 && key <= VK_F1 + 23) return "F" + std::to_string(key - VK_F1 + 1);
  return {};
}

constexpr struct {
  std::string_view Text;
  TShortCut Bit;
} kModifiers[] = {{"Shift+", scShift}, {"Ctrl+", scCtrl}, {"Alt+", scAlt}};

}  // namespace

TShortCut ShortCut(WORD key, TShiftState shift) {
  TShortCut result = key & 0xFF;
  if (shift.Contains(ssShift)) result |= scShift;
  if (shift.Contains(ssCtrl)) result |= scCtrl;
  if (shift.Contains(ssAlt)) result |= scAlt;
  return result;
}

std::string ShortCutToText(TShortCut shortCut) {
  std::string name = KeyName(static_cast<BYTE>(shortCut & 0xFF));
  if (name.empty()) return {};
  std::string text;
  for (const auto& modifier : kModifiers)
    if (shortCut & modifier.Bit) text += modifier.Text;
  return text + name;
}

TShortCut TextToShortCut(std::string_view text) {
  TShortCut modifiers = 0;
  for (bool found = true; found;) {
    found = false;
    for (const auto& modifier : kModifiers) {
      if (text.size() > modifier.Text.size() &&
          SameText(text.substr(0, modifier.Text.size()), modifier.Text)) {
        modifiers |= modifier.Bit;
        text.remove_prefix(modifier.Text.size());
        found = true;
      }
    }
  }
  for (int key = 1; key <= 0xFF; ++key)
    if (!KeyName(static_cast<BYTE>(key)).empty() && SameText(KeyName(static_cast<BYTE>(key)), text))
      return static_cast<TShortCut>(key | modifiers);
  return 0;
}

TShiftState KeyDataToShiftState(LPARAM keyData) {
  constexpr LPARAM kAltMask = 0x20000000;
  TShiftState state;
  if (GetKeyState(VK_SHIFT) < 0) state.Include(ssShift);
  if (GetKeyState(VK_CONTROL) < 0) state.Include(ssCtrl);
  if (keyData & kAltMask) state.Include(ssAlt);
  return state;
}

bool IsAccel(WORD key, std::string_view caption) {
  char hotkey = 0;
  for (size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    ++i;
    if (caption[i] != '&') hotkey = caption[i];
  }
  return hotkey != 0 && key <= 0xFF && SameText(std::string(1, hotkey), std::string(1, char(key)));
}
