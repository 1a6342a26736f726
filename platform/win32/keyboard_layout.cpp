// The US keyboard layout: which character each key types with the modifiers held.

#include <iterator>

#include "platform/win32/core_internal.h"

namespace wincore {
namespace {

// The punctuation keys beside the letters, unshifted and shifted.
struct PunctuationKey {
  BYTE key;
  char plain;
  char shifted;
};

constexpr PunctuationKey kPunctuation[] = {
    {VK_OEM_1, ';', ':'},     {VK_OEM_PLUS, '=', '+'},   {VK_OEM_COMMA, ',', '<'},
    {VK_OEM_MINUS, '-', '_'}, {VK_OEM_PERIOD, '.', '>'}, {VK_OEM_2, '/', '?'},
    {VK_OEM_3, '`', '~'},     {VK_OEM_4, '[', '{'},      {VK_OEM_5, '\\', '|'},
    {VK_OEM_6, ']', '}'},     {VK_OEM_7, '\'', '"'},
};

// The keypad's keys that type the same character whatever is held.
char KeypadCharacter(WPARAM key) {
  if (key >= VK_NUMPAD0 && key <= VK_NUMPAD0 + 9) return static_cast<char>('0' + key - VK_NUMPAD0);
  switch (key) {
    case VK_MULTIPLY:
      return '*';
    case VK_ADD:
      return '+';
    case VK_SUBTRACT:
      return '-';
    case VK_DECIMAL:
      return '.';
    case VK_DIVIDE:
      return '/';
    default:
      return 0;
  }
}

}  // namespace

char CharacterOf(WPARAM key, const KeyModifiers& modifiers) {
  if (key >= 'A' && key <= 'Z') {
    if (modifiers.ctrl && !modifiers.alt) return static_cast<char>(key - 'A' + 1);
    return static_cast<char>(modifiers.shift ? key : key - 'A' + 'a');
  }
  if (key >= '0' && key <= '9') {
    if (modifiers.ctrl) return 0;
    static constexpr char kShiftedDigits[] = ")!@#$%^&*(";
    return modifiers.shift ? kShiftedDigits[key - '0'] : static_cast<char>(key);
  }
  for (const PunctuationKey& punctuation : kPunctuation) {
    if (punctuation.key != key) continue;
    if (modifiers.ctrl) return 0;
    return modifiers.shift ? punctuation.shifted : punctuation.plain;
  }
  if (const char keypad = KeypadCharacter(key)) return keypad;
  switch (key) {
    case VK_SPACE:
      return ' ';
    case VK_RETURN:
      return '\r';
    case VK_TAB:
      return '\t';
    case VK_ESCAPE:
      return '\x1B';
    case VK_BACK:
      return '\b';
    default:
      return 0;
  }
}

}  // namespace wincore

int ToAscii(UINT virtualKey, UINT, const BYTE* keyState, WORD* chars, UINT) {
  if (!keyState || !chars || virtualKey > 0xFF) return 0;
  constexpr BYTE kDown = 0x80;
  const wincore::KeyModifiers modifiers{(keyState[VK_SHIFT] & kDown) != 0,
                                        (keyState[VK_CONTROL] & kDown) != 0,
                                        (keyState[VK_MENU] & kDown) != 0};
  const char character = wincore::CharacterOf(virtualKey, modifiers);
  if (character == 0) return 0;
  chars[0] = static_cast<unsigned char>(character);
  return 1;
}
