#pragma once
// What a month calendar shows and where: a title row with the arrows that step to the previous
// and next month, a row of day names, and six weeks of day cells starting on a Sunday, the first
// week holding the month's first day. Shared by the month calendar control and the date-time
// picker's drop-down calendar.

#include "platform/datetime.h"
#include "platform/win32/commctrl.h"

class TMonthGrid {
 public:
  enum class THitKind { None, PrevArrow, NextArrow, Day };
  struct THit {
    THitKind Kind = THitKind::None;
    TDateTime Day = 0;  // for THitKind::Day: the date of the cell (maybe of a month beside)
  };

  // Shows the month of `date`.
  void ShowMonthOf(TDateTime date);
  int ShownYear() const { return FYear; }
  int ShownMonth() const { return FMonth; }
  // Steps the shown month; answers false, showing the same, beyond the years 1 to 9999.
  bool StepMonth(int delta);
  bool Shows(TDateTime date) const;

  // Geometry within a client area `width` by `height`.
  THit HitTest(int width, int height, POINT point) const;
  POINT ArrowPoint(int width, int height, bool next) const;
  // The centre of the cell of a date of the shown month.
  POINT DayPoint(int width, int height, TDateTime date) const;

 private:
  TDateTime FirstCell() const;

  int FYear = 1899;
  int FMonth = 12;
};

// A date as the calendar notifications carry it, and back.
SYSTEMTIME DateTimeToSystemTime(TDateTime value);
TDateTime SystemTimeToDateTime(const SYSTEMTIME& time);
