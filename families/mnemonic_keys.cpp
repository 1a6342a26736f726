// Key strokes as the keyboard hooks judge them.

#include "families/mnemonic_keys.h"

#include "platform/vcl/keyboard.h"
#include "platform/win32/controls_messages.h"

void TakeFocus(HWND window, HWND& focusWindow, DWORD& focusDlgCode) {
  // Asked before either changes, so that a focus change nested in the question leaves the pair
  // describing one window.
  const auto dlgCode = static_cast<DWORD>(SendMessageA(window, WM_GETDLGCODE, 0, 0));
  focusWindow = window;
  focusDlgCode = dlgCode;
}

void FollowFocus(HWND& focusWindow, DWORD& focusDlgCode) {
  const HWND focus = GetFocus();
  if (focus != focusWindow) TakeFocus(focus, focusWindow, focusDlgCode);
}

void FollowFocus(HWND& focusWindow) { focusWindow = GetFocus(); }

bool IsModifierOrLockKey(WPARAM key) {
  return (key >= 16 && key <= 20) || key == 144 || key == 145;
}

bool IsKeyRelease(LPARAM keyData) { return (static_cast<uint32_t>(keyData) & 0x80000000) != 0; }

bool MayBeMnemonic(LPARAM keyData, DWORD focusDlgCode) {
  const TShiftState shift = KeyDataToShiftState(keyData);
  const bool alt = shift.Contains(ssAlt);
  const bool ctrl = shift.Contains(ssCtrl);
  if (ctrl && !alt) return false;
  return (alt && !ctrl) || !(focusDlgCode & DLGC_WANTCHARS);
}

std::optional<WORD> TypedCharacter(WPARAM key) {
  BYTE keys[256];
  WORD typed = 0;
  if (!GetKeyboardState(keys) || ToAscii(static_cast<UINT>(key), 0, keys, &typed, 0) != 1)
    return std::nullopt;
  return typed;
}
