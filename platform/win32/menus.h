#pragma once
// Menus of the windowing interface: a process-wide table of menus, each a list of items (strings,
// separators and sub-menus with their command identifiers and states), the window's menu bar, and
// the menu loop that runs while the user opens menus and chooses an item.
//
// Menu handles are non-zero, never reused, and lie outside the range of window handles.

#include <span>

#include "platform/win32/controls_messages.h"
#include "platform/win32/windows.h"

HMENU CreateMenu();       // an empty menu bar
HMENU CreatePopupMenu();  // an empty drop-down or shortcut menu
// Destroys the menu and, as the system does, the sub-menus it holds.
BOOL DestroyMenu(HMENU menu);
BOOL IsMenu(HMENU menu);

// Appends an item: MF_STRING with a command identifier, MF_POPUP with a sub-menu handle in
// `idOrSubMenu`, or MF_SEPARATOR; MF_GRAYED, MF_DISABLED and MF_CHECKED may be added.
BOOL AppendMenuA(HMENU menu, UINT flags, UINT_PTR idOrSubMenu, const char* text);
// Removes an item (MF_BYCOMMAND or MF_BYPOSITION) without destroying its sub-menu.
BOOL RemoveMenu(HMENU menu, UINT item, UINT flags);

// -1 for a handle that names no menu.
int GetMenuItemCount(HMENU menu);
// The command identifier of the item at a position; -1 (as unsigned) for a sub-menu or no item.
UINT GetMenuItemID(HMENU menu, int position);
// The sub-menu of the item at a position; 0 when it has none.
HMENU GetSubMenu(HMENU menu, int position);
// Copies the item's text (at most size - 1 characters and a terminating zero) and returns the
// number of characters copied; with a null buffer, returns the text's length. 0 when there is no
// such item. MF_BYCOMMAND searches sub-menus too.
int GetMenuStringA(HMENU menu, UINT item, char* buffer, int size, UINT flags);
// The item's MF_ state flags (with MF_POPUP and the item count in the high byte for a sub-menu);
// -1 (as unsigned) when there is no such item.
UINT GetMenuState(HMENU menu, UINT item, UINT flags);

// The window's menu bar; setting one replaces the previous without destroying it.
BOOL SetMenu(HWND hwnd, HMENU menu);
HMENU GetMenu(HWND hwnd);

// Shows a shortcut menu at a screen point and runs the menu loop for it: WM_INITMENU and
// WM_INITMENUPOPUP are sent to `owner` and the chosen command is posted to it as WM_COMMAND. The
// user's choice is what SimulateNextPopupChoice set beforehand; without one the menu is dismissed.
// Returns whether a command was chosen.
constexpr UINT TPM_LEFTALIGN = 0x0000;
constexpr UINT TPM_RIGHTBUTTON = 0x0002;
BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int reserved, HWND owner,
                    const RECT* rect);

// ---- simulated input in menus -------------------------------------------------------------------

// The user clicks the menu bar of `hwnd` and then the items at `positions` from the bar down, as
// the system's menu loop handles it: WM_INITMENU with the bar, then for each level WM_MENUSELECT
// and, for a sub-menu, WM_INITMENUPOPUP; closing is WM_MENUSELECT with 0xFFFF flags and no menu;
// an enabled command item at the end is posted as WM_COMMAND (identifier in the low word, 0 in the
// high word and in lParam). A disabled sub-menu is highlighted but does not open (no
// WM_INITMENUPOPUP), so the path ends there. A path that ends on a sub-menu, a separator, a
// disabled item or no item closes the menus without a command. Returns whether a command was
// chosen.
BOOL SimulateMenuBarChoice(HWND hwnd, std::span<const int> positions);
// The items the user clicks, from the top down, in the next shortcut menu that opens.
void SimulateNextPopupChoice(std::span<const int> positions);
// Forgets a choice that no shortcut menu used.
void CancelPendingPopupChoice();
