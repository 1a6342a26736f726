// The state of the simulated keyboard and mouse: which keys are down or toggled, and where the
// cursor is. It changes at once with each simulated press or release.

#include <array>
#include <atomic>

#include "platform/win32/core_internal.h"

namespace wincore {
namespace {

constexpr uint8_t kDown = 0x80;
constexpr uint8_t kToggled = 0x01;

std::array<std::atomic<uint8_t>, 256> gKeys{};
std::atomic<LONG> gCursorX{0};
std::atomic<LONG> gCursorY{0};

bool IsDown(BYTE key) { return (gKeys[key].load() & kDown) != 0; }

}  // namespace

KeyModifiers CurrentModifiers() {
  return KeyModifiers{IsDown(VK_SHIFT), IsDown(VK_CONTROL), IsDown(VK_MENU)};
}

void SetKeyDown(BYTE virtualKey, bool down) {
  const uint8_t old = gKeys[virtualKey].load();
  if (!down) {
    gKeys[virtualKey] = old & ~kDown;
  } else if (!(old & kDown)) {
    gKeys[virtualKey] = kDown | ((old & kToggled) ^ kToggled);  // toggles once per press
  }
}

POINT CursorPos() { return POINT{gCursorX.load(), gCursorY.load()}; }

void MoveCursor(POINT point) {
  gCursorX = point.x;
  gCursorY = point.y;
}

void ResetInputState() {
  for (auto& key : gKeys) key = 0;
  MoveCursor(POINT{});
}

}  // namespace wincore

int16_t GetKeyState(int virtualKey) {
  if (virtualKey < 0 || virtualKey > 0xFF) return 0;
  const uint8_t state = wincore::gKeys[static_cast<size_t>(virtualKey)].load();
  return static_cast<int16_t>(((state & wincore::kDown) ? 0xFF80 : 0) |
                              (state & wincore::kToggled));
}

BOOL GetKeyboardState(BYTE* keyState) {
  if (!keyState) return 0;
  for (size_t key = 0; key < wincore::gKeys.size(); ++key)
    keyState[key] = wincore::gKeys[key].load();
  return 1;
}

BOOL GetCursorPos(POINT* point) {
  if (!point) return 0;
  *point = wincore::CursorPos();
  return 1;
}
