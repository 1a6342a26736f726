// The menu loop: what the system sends a window while the user opens its menus with the mouse and
// chooses an item, and the choice that a simulated user makes in the next shortcut menu.

#include <optional>
#include <vector>

#include "platform/win32/menus.h"

namespace {

std::optional<std::vector<int>>& PendingPopupChoice() {
  static auto* pending = new std::optional<std::vector<int>>;
  return *pending;
}

void CloseMenus(HWND owner) { SendMessageA(owner, WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0); }

// Walks `positions` down from `menu`, telling `owner` what the user highlights and opens, and
// posts the command chosen at the end.
BOOL RunMenuLoop(HWND owner, HMENU menu, std::span<const int> positions) {
  for (size_t level = 0; level < positions.size(); ++level) {
    const int position = positions[level];
    const UINT state = GetMenuState(menu, static_cast<UINT>(position), MF_BYPOSITION);
    if (state == static_cast<UINT>(-1)) break;
    const HMENU subMenu = GetSubMenu(menu, position);
    const UINT id = GetMenuItemID(menu, position);
    const WORD selected = subMenu != 0 ? static_cast<WORD>(position) : static_cast<WORD>(id);
    const WORD flags = static_cast<WORD>((state & 0xFF) | MF_HILITE | MF_MOUSESELECT |
                                         (subMenu != 0 ? MF_POPUP : 0));
    SendMessageA(owner, WM_MENUSELECT, MAKEWPARAM(selected, flags), static_cast<LPARAM>(menu));
    if (subMenu != 0) {
      // A grayed sub-menu is highlighted but does not open: nothing below it can be chosen.
      if (state & (MF_GRAYED | MF_DISABLED)) break;
      SendMessageA(owner, WM_INITMENUPOPUP, subMenu, MAKELPARAM(static_cast<WORD>(position), 0));
      menu = subMenu;
      continue;
    }
    if (level + 1 != positions.size() || (state & (MF_GRAYED | MF_DISABLED | MF_SEPARATOR))) break;
    CloseMenus(owner);
    PostMessageA(owner, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), 0), 0);
    return 1;
  }
  CloseMenus(owner);
  return 0;
}

}  // namespace

BOOL SimulateMenuBarChoice(HWND hwnd, std::span<const int> positions) {
  const HMENU bar = GetMenu(hwnd);
  if (bar == 0 || !IsWindowEnabled(hwnd)) return 0;
  SendMessageA(hwnd, WM_INITMENU, bar, 0);
  return RunMenuLoop(hwnd, bar, positions);
}

void SimulateNextPopupChoice(std::span<const int> positions) {
  PendingPopupChoice().emplace(positions.begin(), positions.end());
}

void CancelPendingPopupChoice() { PendingPopupChoice().reset(); }

BOOL TrackPopupMenu(HMENU menu, UINT, int, int, int, HWND owner, const RECT*) {
  if (!IsMenu(menu) || !IsWindow(owner)) return 0;
  const std::vector<int> choice = PendingPopupChoice().value_or(std::vector<int>{});
  PendingPopupChoice().reset();
  SendMessageA(owner, WM_INITMENU, menu, 0);
  SendMessageA(owner, WM_INITMENUPOPUP, menu, 0);
  return RunMenuLoop(owner, menu, choice);
}
