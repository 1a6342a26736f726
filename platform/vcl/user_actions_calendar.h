#pragma once
// What a user does with month calendars and date-time pickers: picking a day.

#include "platform/datetime.h"

class TCommonCalendar;

// Picks a day with the mouse: in a month calendar, by clicking its arrows until it shows the
// day's month and then clicking the day; in a date picker, by opening its drop-down calendar
// first (unless it is open) and picking there, which closes it. EInvalidOperation for a picker
// of times, which has no calendar.
void SimulateDatePick(TCommonCalendar& calendar, TDateTime day);
