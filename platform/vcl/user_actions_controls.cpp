// User actions on tab and page controls, track bars, up-down and hot-key controls, calendars and
// page scrollers.

#include "platform/vcl/user_actions_controls.h"

#include <algorithm>

#include "platform/vcl/calendars.h"
#include "platform/vcl/errors.h"
#include "platform/vcl/hot_key.h"
#include "platform/vcl/page_scroller.h"
#include "platform/vcl/tab_controls.h"
#include "platform/vcl/track_bar.h"
#include "platform/vcl/user_actions.h"

namespace {

void Click(POINT screenPoint) { SimulateUserClick(TMouseButton::mbLeft, screenPoint); }

// Whether the month of `day` lies after the one the grid shows.
bool IsLater(const TMonthGrid& grid, TDateTime day) {
  int year = 0, month = 0, dayOfMonth = 0;
  DecodeDate(day, year, month, dayOfMonth);
  return year * 12 + month > grid.ShownYear() * 12 + grid.ShownMonth();
}

// Clicks the arrows of a calendar until its grid shows the month of `day`.
template <typename ArrowPoint>
void StepTo(const TMonthGrid& grid, TDateTime day, ArrowPoint arrowPoint) {
  while (!grid.Shows(day)) Click(arrowPoint(IsLater(grid, day)));
}

const char* DirectionName(int direction) {
  switch (direction) {
    case PGF_SCROLLUP:
      return "up";
    case PGF_SCROLLDOWN:
      return "down";
    case PGF_SCROLLLEFT:
      return "left";
    default:
      return "right";
  }
}

}  // namespace

void SimulateTabChoice(TCustomTabControl& control, int index) {
  if (index < 0 || index >= control.Tabs()->Count())
    throw EInvalidOperation(Format("%s has no tab %d", control.Name(), index));
  const RECT r = control.TabRect(index);
  if (r.right <= r.left)
    throw EInvalidOperation(
        Format("The tab %d of %s has no room to be clicked", index, control.Name()));
  SimulateClickAt(control, {(r.left + r.right) / 2, (r.top + r.bottom) / 2});
}

void SimulateSlide(TTrackBar& bar, int position) {
  if (position < bar.Min() || position > std::max(bar.Min(), bar.Max()))
    throw EInvalidOperation(Format("%s slides from %d to %d, not to %d", bar.Name(), bar.Min(),
                                   std::max(bar.Min(), bar.Max()), position));
  SimulateUserDrag(bar, bar.ThumbPoint(bar.Position()), bar.ThumbPoint(position));
}

void SimulateSpin(TUpDown& upDown, TUDBtnType button, int count) {
  if (count < 1) throw EInvalidOperation(Format("Cannot click %s %d times", upDown.Name(), count));
  for (int i = 0; i < count; ++i) SimulateClickAt(upDown, upDown.ButtonPoint(button));
}

void SimulateHotKeyEntry(THotKey& control, TShortCut shortCut) {
  control.SetFocus();
  ProcessPendingMessages();
  if (shortCut == 0)
    SimulateTypedKeyStroke(VK_BACK);
  else
    SimulateTypedKeyStroke(static_cast<BYTE>(shortCut & 0xFF), (shortCut & scShift) != 0,
                           (shortCut & scCtrl) != 0, (shortCut & scAlt) != 0);
  SimulateTypedKeyStroke(VK_TAB);
}

void SimulateDatePick(TCommonCalendar& calendar, TDateTime day) {
  if (auto* month = dynamic_cast<TMonthCalendar*>(&calendar)) {
    StepTo(month->Grid(), day,
           [month](bool next) { return month->ClientToScreen(month->ArrowPoint(next)); });
    SimulateClickAt(*month, month->DayPoint(day));
    return;
  }
  auto& picker = dynamic_cast<TDateTimePicker&>(calendar);
  if (picker.Kind() != dtkDate)
    throw EInvalidOperation(Format("%s picks times and has no calendar", picker.Name()));
  if (!picker.DroppedDown()) Click(picker.DropButtonScreenPoint());
  if (!picker.DroppedDown())
    throw EInvalidOperation(Format("The calendar of %s does not drop down", picker.Name()));
  StepTo(picker.CalendarGrid(), day,
         [&picker](bool next) { return picker.CalendarArrowScreenPoint(next); });
  Click(picker.CalendarDayScreenPoint(day));
}

void SimulatePageScroll(TPageScroller& scroller, int direction) {
  const bool horizontal = direction == PGF_SCROLLLEFT || direction == PGF_SCROLLRIGHT;
  if (horizontal != (scroller.Orientation() == soHorizontal))
    throw EInvalidOperation(
        Format("%s has no %s arrow: it scrolls %s", scroller.Name(), DirectionName(direction),
               scroller.Orientation() == soHorizontal ? "left and right" : "up and down"));
  const TPageScrollerButton button =
      direction == PGF_SCROLLUP || direction == PGF_SCROLLLEFT ? sbFirst : sbLast;
  if (!scroller.ButtonVisible(button))
    throw EInvalidOperation(
        Format("%s cannot scroll further %s", scroller.Name(), DirectionName(direction)));
  SimulateClickAt(scroller, scroller.ButtonPoint(button));
}
