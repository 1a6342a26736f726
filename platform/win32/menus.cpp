// The menu table: menus, their items and the windows' menu bars.

#include "platform/win32/menus.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <mutex>
#include <string>
#include <vector>

namespace {

// Menu handles count up from here: far above the window handles given out in practice.
constexpr HMENU kFirstMenu = 0x7F000001;

struct MenuItem {
  UINT flags = 0;
  UINT id = 0;
  HMENU subMenu = 0;
  std::string text;
};

struct Menu {
  bool popup = false;
  std::vector<MenuItem> items;
};

struct MenuTable {
  std::recursive_mutex mutex;
  HMENU next = kFirstMenu;
  std::map<HMENU, Menu> menus;
  std::map<HWND, HMENU> bars;
};

MenuTable& Table() {
  static auto* table = new MenuTable;
  return *table;
}

Menu* MenuOf(HMENU menu) {
  auto found = Table().menus.find(menu);
  return found == Table().menus.end() ? nullptr : &found->second;
}

// The item by position, or by command in the menu and its sub-menus.
MenuItem* FindItem(HMENU menu, UINT item, UINT flags) {
  Menu* found = MenuOf(menu);
  if (!found) return nullptr;
  if (flags & MF_BYPOSITION) return item < found->items.size() ? &found->items[item] : nullptr;
  for (MenuItem& candidate : found->items) {
    if (candidate.subMenu != 0) {
      if (MenuItem* inner = FindItem(candidate.subMenu, item, flags)) return inner;
    } else if (!(candidate.flags & MF_SEPARATOR) && candidate.id == item) {
      return &candidate;
    }
  }
  return nullptr;
}

HMENU NewMenu(bool popup) {
  std::lock_guard lock(Table().mutex);
  const HMENU handle = Table().next++;
  Table().menus[handle].popup = popup;
  return handle;
}

}  // namespace

HMENU CreateMenu() { return NewMenu(false); }
HMENU CreatePopupMenu() { return NewMenu(true); }

BOOL DestroyMenu(HMENU menu) {
  std::lock_guard lock(Table().mutex);
  Menu* found = MenuOf(menu);
  if (!found) return 0;
  const std::vector<MenuItem> items = std::move(found->items);
  Table().menus.erase(menu);
  for (const MenuItem& item : items)
    if (item.subMenu != 0) DestroyMenu(item.subMenu);
  return 1;
}

BOOL IsMenu(HMENU menu) {
  std::lock_guard lock(Table().mutex);
  return MenuOf(menu) != nullptr;
}

BOOL AppendMenuA(HMENU menu, UINT flags, UINT_PTR idOrSubMenu, const char* text) {
  std::lock_guard lock(Table().mutex);
  Menu* found = MenuOf(menu);
  if (!found) return 0;
  MenuItem item;
  item.flags = flags & ~MF_BYPOSITION;
  if (flags & MF_POPUP) {
    if (!MenuOf(static_cast<HMENU>(idOrSubMenu))) return 0;
    item.subMenu = static_cast<HMENU>(idOrSubMenu);
  } else {
    item.id = static_cast<UINT>(idOrSubMenu);
  }
  if (!(flags & MF_SEPARATOR) && text) item.text = text;
  found->items.push_back(std::move(item));
  return 1;
}

BOOL RemoveMenu(HMENU menu, UINT item, UINT flags) {
  std::lock_guard lock(Table().mutex);
  Menu* found = MenuOf(menu);
  if (!found) return 0;
  if (flags & MF_BYPOSITION) {
    if (item >= found->items.size()) return 0;
    found->items.erase(found->items.begin() + item);
    return 1;
  }
  return std::erase_if(found->items, [&](const MenuItem& i) {
           return i.subMenu == 0 && !(i.flags & MF_SEPARATOR) && i.id == item;
         }) > 0;
}

int GetMenuItemCount(HMENU menu) {
  std::lock_guard lock(Table().mutex);
  const Menu* found = MenuOf(menu);
  return found ? static_cast<int>(found->items.size()) : -1;
}

UINT GetMenuItemID(HMENU menu, int position) {
  std::lock_guard lock(Table().mutex);
  const MenuItem* item = position < 0 ? nullptr : FindItem(menu, position, MF_BYPOSITION);
  return item && item->subMenu == 0 ? item->id : static_cast<UINT>(-1);
}

HMENU GetSubMenu(HMENU menu, int position) {
  std::lock_guard lock(Table().mutex);
  const MenuItem* item = position < 0 ? nullptr : FindItem(menu, position, MF_BYPOSITION);
  return item ? item->subMenu : 0;
}

int GetMenuStringA(HMENU menu, UINT item, char* buffer, int size, UINT flags) {
  std::lock_guard lock(Table().mutex);
  const MenuItem* found = FindItem(menu, item, flags);
  if (!found) return 0;
  if (!buffer) return static_cast<int>(found->text.size());
  if (size <= 0) return 0;
  const size_t count = std::min(found->text.size(), static_cast<size_t>(size - 1));
  std::memcpy(buffer, found->text.data(), count);
  buffer[count] = '\0';
  return static_cast<int>(count);
}

UINT GetMenuState(HMENU menu, UINT item, UINT flags) {
  std::lock_guard lock(Table().mutex);
  const MenuItem* found = FindItem(menu, item, flags);
  if (!found) return static_cast<UINT>(-1);
  if (found->subMenu == 0) return found->flags;
  const Menu* sub = MenuOf(found->subMenu);
  const auto count = static_cast<UINT>(sub ? sub->items.size() : 0);
  return (found->flags | MF_POPUP) | ((count & 0xFF) << 8);
}

BOOL SetMenu(HWND hwnd, HMENU menu) {
  if (!IsWindow(hwnd)) return 0;
  std::lock_guard lock(Table().mutex);
  if (menu != 0 && !MenuOf(menu)) return 0;
  Table().bars[hwnd] = menu;
  return 1;
}

HMENU GetMenu(HWND hwnd) {
  if (!IsWindow(hwnd)) return 0;
  std::lock_guard lock(Table().mutex);
  for (const auto& [window, menu] : Table().bars)
    if (window == hwnd || LOWORD(window) == hwnd) return menu;
  return 0;
}
