#pragma once
// What a user does with tab and page controls, track bars, up-down and hot-key controls, calendars
// and page scrollers, played through the simulated mouse and keyboard. Each action dispatches the
// messages it causes before it returns, and raises EInvalidOperation when the control cannot do
// it.

#include "platform/datetime.h"
#include "platform/vcl/keyboard.h"
#include "platform/vcl/up_down.h"

class TCommonCalendar;
class TCustomTabControl;
class THotKey;
class TPageScroller;
class TTrackBar;

// Clicks the tab `index` of a tab control or page control; EInvalidOperation for a tab it does
// not have, or one squeezed to nothing in a row too short.
void SimulateTabChoice(TCustomTabControl& control, int index);
// Drags the thumb from where it is to `position` in a few moves of the mouse and releases it; it
// lands on the position, or on the nearest one the thumb can reach when a pixel of travel spans
// several. EInvalidOperation for a position outside the bar's range.
void SimulateSlide(TTrackBar& bar, int position);
// Clicks the arrow `count` times, each click pressed and released before the next.
// EInvalidOperation for a count below 1.
void SimulateSpin(TUpDown& upDown, TUDBtnType button, int count);
// Focuses the control, presses the shortcut's key with its modifiers held (Backspace for none,
// which clears the control) and leaves the control with Tab.
void SimulateHotKeyEntry(THotKey& control, TShortCut shortCut);
// Picks a day with the mouse: in a month calendar, by clicking its arrows until it shows the
// day's month and then clicking the day; in a date picker, by opening its drop-down calendar
// first (unless it is open) and picking there, which closes it. EInvalidOperation for a picker
// of times, which has no calendar.
void SimulateDatePick(TCommonCalendar& calendar, TDateTime day);
// Clicks the arrow that scrolls in the direction PGF_SCROLLUP, PGF_SCROLLDOWN, PGF_SCROLLLEFT or
// PGF_SCROLLRIGHT. EInvalidOperation for a direction across the scroller, and for an arrow that
// is not shown because the child cannot move further that way.
void SimulatePageScroll(TPageScroller& scroller, int direction);
