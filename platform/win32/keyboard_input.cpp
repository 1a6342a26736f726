// Simulated keys: a press or release changes the key state at once and is queued, as a key
// message, for the focused window (or the active one when nothing has the focus). The keyboard
// hooks see it when the message is retrieved (see the message loop), not here.

#include <iterator>

#include "platform/win32/core_internal.h"
#include "platform/win32/input.h"

namespace wincore {
namespace {

// Keystroke flags: a repeat count of 1, the context bit while Alt is down, the previous key
// state, and the transition bit for a release.
LPARAM KeystrokeFlags(bool wasDown, bool down) {
  DWORD flags = 1;
  if (GetKeyState(VK_MENU) < 0) flags |= 1u << 29;
  if (wasDown) flags |= 1u << 30;
  if (!down) flags |= 1u << 31;
  return static_cast<LPARAM>(flags);
}

void SimulateKey(BYTE virtualKey, bool down) {
  const bool wasDown = GetKeyState(virtualKey) < 0;
  SetKeyDown(virtualKey, down);
  const LPARAM flags = KeystrokeFlags(wasDown, down);
  const HWND target = GetFocus() != 0 ? GetFocus() : GetActiveWindow();
  if (target == 0) return;
  const bool system = GetKeyState(VK_MENU) < 0 || virtualKey == VK_MENU;
  const UINT message =
      system ? (down ? WM_SYSKEYDOWN : WM_SYSKEYUP) : (down ? WM_KEYDOWN : WM_KEYUP);
  QueueTypedKey(target, message, virtualKey, flags);
}

}  // namespace
}  // namespace wincore

void SimulateKeyDown(BYTE virtualKey) { wincore::SimulateKey(virtualKey, true); }

void SimulateKeyUp(BYTE virtualKey) { wincore::SimulateKey(virtualKey, false); }

void SimulateKeyStroke(BYTE virtualKey, bool shift, bool ctrl, bool alt) {
  const BYTE modifiers[] = {shift ? VK_SHIFT : BYTE{0}, ctrl ? VK_CONTROL : BYTE{0},
                            alt ? VK_MENU : BYTE{0}};
  for (const BYTE modifier : modifiers) {
    if (modifier != 0) SimulateKeyDown(modifier);
  }
  SimulateKeyDown(virtualKey);
  SimulateKeyUp(virtualKey);
  for (auto modifier = std::rbegin(modifiers); modifier != std::rend(modifiers); ++modifier) {
    if (*modifier != 0) SimulateKeyUp(*modifier);
  }
}
