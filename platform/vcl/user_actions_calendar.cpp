// Picking days in calendars through the simulated mouse.

#include "platform/vcl/user_actions_calendar.h"

#include "platform/vcl/calendars.h"
#include "platform/vcl/errors.h"
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

}  // namespace

void SimulateDatePick(TCommonCalendar& calendar, TDateTime day) {
  if (auto* month = dynamic_cast<TMonthCalendar*>(&calendar)) {
    StepTo(month->Grid(), day,
           [month](bool next) { return month->ClientToScreen(month->ArrowPoint(next)); });
    Click(month->ClientToScreen(month->DayPoint(day)));
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
