#pragma once
// Calendars. A month calendar shows a month (month_grid.h) with one day chosen: a click on
// another day chooses it and tells the parent MCN_SELCHANGE and then MCN_SELECT; a click on the
// chosen day changes nothing. Its arrows step the month shown and leave the chosen day alone, so
// that a user who pages to a far month and picks a day makes one change. The arrow keys move the
// chosen day by a day or a week and PgUp and PgDn by a month, each move telling MCN_SELCHANGE.
//
// A date-time picker shows a date (or a time) and its parts: Left and Right choose a part, Up and
// Down step it (round its range), and digits type it; each change tells the parent
// DTN_DATETIMECHANGE. A date picker has a drop-down calendar behind the button at its right end
// (or Alt+Down, F4): opening it tells DTN_DROPDOWN; a click on a day chooses that day, which the
// picker reports with DTN_DATETIMECHANGE when the drop-down calendar's choice changes and again as
// the click closes the drop-down, before DTN_CLOSEUP; Esc, or a click elsewhere, closes it with
// DTN_CLOSEUP alone. Program code that sets a date notifies nobody.
//
// In form files dates are written 'yyyy-mm-dd' and times 'hh:nn:ss'.

#include <string>

#include "platform/datetime.h"
#include "platform/vcl/month_grid.h"
#include "platform/vcl/std_control.h"

// The date a text 'yyyy-mm-dd' names, as form files and scripts write dates; false for a text
// that names none.
bool TryTextToDate(const std::string& text, TDateTime& date);

class TCommonCalendar : public TStdControl {
  COMPONENT_CLASS(TCommonCalendar)

 public:
  explicit TCommonCalendar(TComponent* owner);

  // The value, date and time of day together.
  TDateTime DateTime() const { return FDateTime; }
  void SetDateTime(TDateTime value);
  // The date part; setting it keeps the time of day.
  TDateTime Date() const;
  void SetDate(TDateTime value);
  // The date as form files write it; setting a text that is no date raises EConvertError.
  std::string DateText() const;
  void SetDateText(const std::string& value);

  TNotifyEvent OnChange;

 protected:
  // The value changed by the user's doing (the notification came back to the control).
  void Changed();
  // The value was set by program code.
  virtual void DateSet() {}

  TDateTime FDateTime = 0;
};

class TMonthCalendar : public TCommonCalendar {
  COMPONENT_CLASS(TMonthCalendar)

 public:
  explicit TMonthCalendar(TComponent* owner);

  const TMonthGrid& Grid() const { return FGrid; }
  // Where the user clicks, in client coordinates: an arrow, or the cell of a day of the month
  // shown (EInvalidOperation for another).
  POINT ArrowPoint(bool next) const;
  POINT DayPoint(TDateTime day) const;

  void WndProc(TMessage& message) override;

 protected:
  void DateSet() override;

 private:
  // The user chooses a day: MCN_SELCHANGE (and MCN_SELECT for a click) when it is another.
  void Choose(TDateTime day, bool clicked);
  bool KeyDown(WPARAM key);

  TMonthGrid FGrid;
};

enum TDateTimeKind { dtkDate, dtkTime };

class TDateTimePicker : public TCommonCalendar {
  COMPONENT_CLASS(TDateTimePicker)

 public:
  explicit TDateTimePicker(TComponent* owner);
  ~TDateTimePicker() override;

  TDateTimeKind Kind() const { return FKind; }
  void SetKind(TDateTimeKind value) { FKind = value; }
  // The time of day; setting it keeps the date.
  TDateTime Time() const;
  void SetTime(TDateTime value);
  // The time as form files write it; setting a text that is no time raises EConvertError.
  std::string TimeText() const;
  void SetTimeText(const std::string& value);

  bool DroppedDown() const { return FDropped; }
  // The drop-down calendar window, 0 while it is closed.
  HWND CalendarHandle() const { return FDropped ? FCalendar : 0; }
  const TMonthGrid& CalendarGrid() const { return FGrid; }
  // Where the user clicks, in screen coordinates: the drop-down button, and in the open drop-down
  // an arrow or the cell of a day of the month shown (EInvalidOperation for another).
  POINT DropButtonScreenPoint() const;
  POINT CalendarArrowScreenPoint(bool next) const;
  POINT CalendarDayScreenPoint(TDateTime day) const;

  void WndProc(TMessage& message) override;

 private:
  friend LRESULT PickerCalendarProc(HWND, UINT, WPARAM, LPARAM);

  void DropDown();
  void CloseUp();
  // The drop-down calendar's mouse: arrows step its month, a click on a day chooses it.
  void CalendarMouse(POINT point, bool released);
  // The drop-down calendar tells the picker of its choice (WM_NOTIFY from it).
  void CalendarNotified(const NMSELCHANGE& selection);
  void NotifyChange();
  bool KeyDown(WPARAM key, LPARAM keyData);
  // The part of the value the keys change: 0 to 2 the day, month and year, 3 to 5 the hour,
  // minute and second.
  int CurrentPart() const;
  // The user's keys changed the value: reported when it is another.
  void ChangeValue(TDateTime value);
  void StepPart(int delta);
  void TypeDigit(int digit);

  TDateTimeKind FKind = dtkDate;
  TMonthGrid FGrid;
  HWND FCalendar = 0;
  bool FDropped = false;
  TDateTime FCalendarDate = 0;  // the day chosen in the drop-down calendar
  int FPartIndex = 0;           // which of the three parts shown the keys change
  int FTypedValue = 0;          // the digits typed into the part so far
  int FTypedDigits = 0;
};
