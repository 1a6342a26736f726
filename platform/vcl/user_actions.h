#pragma once
// What a user does with menus, lists and scroll bars, played through the simulated mouse and the
// system's menu loop, so that the controls react with their own message handling. Each action
// dispatches the messages it causes before it returns, and raises EInvalidOperation when the
// control cannot do it or has no such item.

#include <string_view>
#include <vector>

#include "platform/win32/input.h"
#include "platform/win32/win32_types.h"

class TControl;
class TCustomForm;
class TMenu;

// Presses and releases a key with the modifiers held around it, dispatching the messages of each
// press and release before the next, as they reach a program while a user types: the shift state
// that GetKeyState reports during a key's messages is then the keyboard's at that key.
void SimulateTypedKeyStroke(BYTE key, bool shift = false, bool ctrl = false, bool alt = false);
// Clicks (or double-clicks) a mouse button at a screen point, dispatching the messages of each
// press and release before the next, as a hand clicks: the program has taken the press (focus
// moved, an item selected) before the mouse hooks see the release.
void SimulateUserClick(TMouseButton button, POINT screenPoint, bool doubleClick = false);
// Clicks the left button at a point of the control's client area.
void SimulateClickAt(const TControl& control, POINT clientPoint);
// Opens the form's menu bar and chooses an item with the mouse; `captions` are the captions from
// the bar down as written ("&File|&Open"), separated by vertical bars. An item under a disabled
// one cannot be reached: EInvalidOperation, and nothing is chosen. A disabled item at the end is
// clicked and does nothing, as for the user.
void SimulateMenuChoice(TCustomForm& form, std::string_view captions);
// Right-clicks the control, which opens its popup menu (or the nearest parent's), and chooses an
// item of it with the mouse.
void SimulatePopupChoice(TControl& control, std::string_view captions);
// Clicks an item of a list box, of a combo box's list (dropping it down first) or of a radio
// group; a list box, or a combo box's list, scrolls the item into view first.
void SimulateListChoice(TControl& control, int index);
// Presses the left button at `from` in the control's client area, moves the pointer to `to` in a
// few steps and releases it there, as a hand drags; both points are where they lie at the press,
// also for a control that moves with the drag.
void SimulateUserDrag(const TControl& control, POINT from, POINT to);
// Moves the pointer from one screen point to another in a few steps, as a hand does with a button
// held or not; the messages of each move are dispatched before the next.
void SimulatePointerMoves(POINT start, POINT end);
// Drags the thumb of a scroll bar, or of a scrolling container's vertical bar, to a position in a
// few moves of the mouse (the bar tracks it at each) and releases it there.
void SimulateScrollTo(TControl& control, int position);
// The positions in the system menus of the items that `captions` name ("&File|&Open"), from the
// menu's top level down; EInvalidOperation for an item that is missing, hidden or under a
// disabled item, which the user cannot reach.
std::vector<int> MenuItemPositions(const TMenu& menu, std::string_view captions);
