// Month calendars and date-time pickers.

#include "platform/vcl/calendars.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <utility>

#include "platform/vcl/application.h"
#include "platform/vcl/errors.h"

namespace {

POINT operator+(POINT a, POINT b) { return {a.x + b.x, a.y + b.y}; }

constexpr std::string_view kKindNames[] = {"dtkDate", "dtkTime"};
constexpr char kDropDownClass[] = "SysMonthCal32";
constexpr int kDropButtonWidth = 16;
constexpr int kDropDownWidth = 182;
constexpr int kDropDownHeight = 160;

// A value's date (whole days) and time of day (to the millisecond, as the controls keep it; the
// fraction's sign follows the date's).
TDateTime DatePart(TDateTime value) { return std::trunc(value); }
TDateTime TimePart(TDateTime value) {
  int hour = 0, minute = 0, second = 0, millisecond = 0;
  DecodeTime(value, hour, minute, second, millisecond);
  return EncodeTime(hour, minute, second, millisecond);
}
TDateTime Combine(TDateTime date, TDateTime time) { return date < 0 ? date - time : date + time; }

// The numbers of a text of `count` numbers of digits joined by `separator`, or false.
bool ParseNumbers(const std::string& text, char separator, int count, int* numbers) {
  size_t pos = 0;
  for (int i = 0; i < count; ++i) {
    if (i > 0 && (pos >= text.size() || text[pos++] != separator)) return false;
    const size_t start = pos;
    while (pos < text.size() && std::isdigit(static_cast<unsigned char>(text[pos])) &&
           pos - start < 4)
      ++pos;
    if (pos == start) return false;
    numbers[i] = std::stoi(text.substr(start, pos - start));
  }
  return pos == text.size();
}

NMSELCHANGE SelectionOf(TDateTime day) {
  NMSELCHANGE selection;
  selection.stSelStart = selection.stSelEnd = DateTimeToSystemTime(day);
  return selection;
}

}  // namespace

bool TryTextToDate(const std::string& text, TDateTime& date) {
  int parts[3] = {};
  return ParseNumbers(text, '-', 3, parts) && TryEncodeDate(parts[0], parts[1], parts[2], date);
}

// ---- TCommonCalendar ----------------------------------------------------------------------------

const TComponentClass& TCommonCalendar::StaticClass() {
  static constexpr TPublishedProperty kProperties[] = {kTabStopOnByDefault};
  static const TComponentClass& cls = *new TComponentClass({
      .Name = "TCommonCalendar",
      .Parent = &TStdControl::StaticClass(),
      .OwnProperties = kProperties,
  });
  return cls;
}

// A calendar starts at today, as the framework's do.
TCommonCalendar::TCommonCalendar(TComponent* owner) : TStdControl(owner), FDateTime(::Date()) {
  SetTabStop(true);
}

void TCommonCalendar::SetDateTime(TDateTime value) {
  int year = 0, month = 0, day = 0;
  DecodeDate(value, year, month, day);
  if (year < 1 || year > 9999) throw EConvertError(Format("Invalid date %s", FloatToStr(value)));
  FDateTime = value;
  DateSet();
}

TDateTime TCommonCalendar::Date() const { return DatePart(FDateTime); }

void TCommonCalendar::SetDate(TDateTime value) {
  SetDateTime(Combine(DatePart(value), TimePart(FDateTime)));
}

std::string TCommonCalendar::DateText() const { return FormatDateTime("yyyy-mm-dd", FDateTime); }

void TCommonCalendar::SetDateText(const std::string& value) {
  TDateTime date = 0;
  if (!TryTextToDate(value, date))
    throw EConvertError(Format("'%s' is not a valid date (yyyy-mm-dd)", value));
  SetDate(date);
}

void TCommonCalendar::Changed() {
  if (OnChange) OnChange(this);
}

// ---- TMonthCalendar -----------------------------------------------------------------------------

const TComponentClass& TMonthCalendar::StaticClass() {
  static constexpr TPublishedProperty kProperties[] = {
      Published<&TCommonCalendar::DateText, &TCommonCalendar::SetDateText>("Date"),
  };
  static const TComponentClass& cls = *new TComponentClass({
      .Name = "TMonthCalendar",
      .Parent = &TCommonCalendar::StaticClass(),
      .OwnProperties = kProperties,
      .Create = &ConstructComponent<TMonthCalendar>,
  });
  return cls;
}

TMonthCalendar::TMonthCalendar(TComponent* owner) : TCommonCalendar(owner) {
  FGrid.ShowMonthOf(FDateTime);
}

void TMonthCalendar::DateSet() { FGrid.ShowMonthOf(FDateTime); }

POINT TMonthCalendar::ArrowPoint(bool next) const {
  return FGrid.ArrowPoint(Width(), Height(), next);
}

POINT TMonthCalendar::DayPoint(TDateTime day) const {
  if (!FGrid.Shows(day))
    throw EInvalidOperation(
        Format("%s does not show %s", Name(), FormatDateTime("yyyy-mm-dd", day)));
  return FGrid.DayPoint(Width(), Height(), day);
}

void TMonthCalendar::Choose(TDateTime day, bool clicked) {
  if (day == Date()) return;
  FDateTime = Combine(day, TimePart(FDateTime));
  if (!FGrid.Shows(day)) FGrid.ShowMonthOf(day);
  NMSELCHANGE change = SelectionOf(day);
  NotifyParentWindow(MCN_SELCHANGE, change.nmhdr);
  if (!clicked) return;
  NMSELCHANGE select = SelectionOf(day);
  NotifyParentWindow(MCN_SELECT, select.nmhdr);
}

bool TMonthCalendar::KeyDown(WPARAM key) {
  int year = 0, month = 0, day = 0;
  DecodeDate(Date(), year, month, day);
  TDateTime target = Date();
  switch (key) {
    case VK_LEFT:
      target -= 1;
      break;
    case VK_RIGHT:
      target += 1;
      break;
    case VK_UP:
      target -= 7;
      break;
    case VK_DOWN:
      target += 7;
      break;
    case VK_PRIOR:
    case VK_NEXT: {
      const int months = year * 12 + month - 1 + (key == VK_NEXT ? 1 : -1);
      if (months < 12 || months >= 10000 * 12) return true;
      const int newYear = months / 12, newMonth = months % 12 + 1;
      target = EncodeDate(newYear, newMonth, std::min(day, DaysInMonth(newYear, newMonth)));
      break;
    }
    default:
      return false;
  }
  DecodeDate(target, year, month, day);
  if (year >= 1 && year <= 9999) Choose(target, false);
  return true;
}

void TMonthCalendar::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_GETDLGCODE:
      message.Result = DLGC_WANTARROWS;
      return;
    case WM_LBUTTONDOWN: {
      if (CanFocus()) SetFocus();
      const TMonthGrid::THit hit = FGrid.HitTest(Width(), Height(), PointOfMessage(message.LParam));
      if (hit.Kind == TMonthGrid::THitKind::PrevArrow) FGrid.StepMonth(-1);
      if (hit.Kind == TMonthGrid::THitKind::NextArrow) FGrid.StepMonth(1);
      if (hit.Kind == TMonthGrid::THitKind::Day) Choose(hit.Day, true);
      return;
    }
    case WM_KEYDOWN:
      if (KeyDown(message.WParam)) return;
      break;
    case MCM_GETCURSEL:
      *reinterpret_cast<SYSTEMTIME*>(message.LParam) = DateTimeToSystemTime(FDateTime);
      message.Result = 1;
      return;
    case MCM_SETCURSEL:
      SetDateTime(SystemTimeToDateTime(*reinterpret_cast<const SYSTEMTIME*>(message.LParam)));
      message.Result = 1;
      return;
    case CN_NOTIFY:
      if (reinterpret_cast<const NMHDR*>(message.LParam)->code == MCN_SELCHANGE) Changed();
      return;
  }
  TCommonCalendar::WndProc(message);
}

// ---- TDateTimePicker ----------------------------------------------------------------------------

// The drop-down calendar's window: its picker is in the window's user data. It never takes the
// activation or the focus away from the picker.
LRESULT PickerCalendarProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* picker = reinterpret_cast<TDateTimePicker*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (msg == WM_MOUSEACTIVATE) return MA_NOACTIVATE;
  if (!picker || (msg != WM_LBUTTONDOWN && msg != WM_LBUTTONUP))
    return DefWindowProcA(hwnd, msg, wParam, lParam);
  try {
    picker->CalendarMouse(PointOfMessage(lParam), msg == WM_LBUTTONUP);
  } catch (const std::exception& e) {
    Application().HandleException(picker, e);
  }
  return 0;
}

const TComponentClass& TDateTimePicker::StaticClass() {
  static constexpr TPublishedProperty kProperties[] = {
      Published<&TCommonCalendar::DateText, &TCommonCalendar::SetDateText>("Date"),
      Published<&TDateTimePicker::Kind, &TDateTimePicker::SetKind>(
          "Kind", {.ValueNames = kKindNames, .Default = dtkDate}),
      Published<&TDateTimePicker::TimeText, &TDateTimePicker::SetTimeText>("Time"),
  };
  static const TComponentClass& cls = *new TComponentClass({
      .Name = "TDateTimePicker",
      .Parent = &TCommonCalendar::StaticClass(),
      .OwnProperties = kProperties,
      .Create = &ConstructComponent<TDateTimePicker>,
  });
  return cls;
}

TDateTimePicker::TDateTimePicker(TComponent* owner) : TCommonCalendar(owner) {}

TDateTimePicker::~TDateTimePicker() {
  if (FCalendar) DestroyWindow(FCalendar);
}

TDateTime TDateTimePicker::Time() const { return TimePart(FDateTime); }

void TDateTimePicker::SetTime(TDateTime value) { SetDateTime(Combine(Date(), TimePart(value))); }

std::string TDateTimePicker::TimeText() const { return FormatDateTime("hh:nn:ss", FDateTime); }

void TDateTimePicker::SetTimeText(const std::string& value) {
  int parts[3] = {};
  TDateTime time = 0;
  const bool valid = ParseNumbers(value, ':', 3, parts) || ParseNumbers(value, ':', 2, parts);
  if (!valid || !TryEncodeTime(parts[0], parts[1], parts[2], 0, time))
    throw EConvertError(Format("'%s' is not a valid time (hh:nn:ss)", value));
  SetTime(time);
}

// ---- the drop-down calendar

POINT TDateTimePicker::DropButtonScreenPoint() const {
  return ClientToScreen({Width() - kDropButtonWidth / 2, Height() / 2});
}

POINT TDateTimePicker::CalendarArrowScreenPoint(bool next) const {
  return ClientToScreen(FGrid.ArrowPoint(kDropDownWidth, kDropDownHeight, next) +
                        POINT{0, Height()});
}

POINT TDateTimePicker::CalendarDayScreenPoint(TDateTime day) const {
  if (!FGrid.Shows(day))
    throw EInvalidOperation(
        Format("The calendar of %s does not show %s", Name(), FormatDateTime("yyyy-mm-dd", day)));
  return ClientToScreen(FGrid.DayPoint(kDropDownWidth, kDropDownHeight, day) + POINT{0, Height()});
}

void TDateTimePicker::DropDown() {
  if (FDropped || FKind != dtkDate) return;
  FGrid.ShowMonthOf(FDateTime);
  FCalendarDate = Date();
  if (!FCalendar) {
    WNDCLASSA calendarClass;
    calendarClass.lpfnWndProc = &PickerCalendarProc;
    calendarClass.lpszClassName = kDropDownClass;
    RegisterClassA(calendarClass);
    FCalendar =
        CreateWindowExA(0, kDropDownClass, "", WS_POPUP, 0, 0, 0, 0, Handle(), 0, 0, nullptr);
    SetWindowLongPtrA(FCalendar, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  }
  NMHDR header;
  NotifyParentWindow(DTN_DROPDOWN, header);
  const POINT origin = ClientToScreen({0, Height()});
  MoveWindow(FCalendar, origin.x, origin.y, kDropDownWidth, kDropDownHeight, 1);
  ShowWindow(FCalendar, SW_SHOWNA);
  FDropped = true;
}

void TDateTimePicker::CloseUp() {
  if (!FDropped) return;
  ShowWindow(FCalendar, SW_HIDE);
  FDropped = false;
  NMHDR header;
  NotifyParentWindow(DTN_CLOSEUP, header);
}

// A press on an arrow of the drop-down calendar steps its month; the release of a click on a day
// chooses the day: the calendar tells the picker, as its parent, MCN_SELCHANGE when it is another
// day and MCN_SELECT in any case.
void TDateTimePicker::CalendarMouse(POINT point, bool released) {
  const TMonthGrid::THit hit = FGrid.HitTest(kDropDownWidth, kDropDownHeight, point);
  if (!released && hit.Kind == TMonthGrid::THitKind::PrevArrow) FGrid.StepMonth(-1);
  if (!released && hit.Kind == TMonthGrid::THitKind::NextArrow) FGrid.StepMonth(1);
  if (!released || hit.Kind != TMonthGrid::THitKind::Day) return;
  auto notify = [this](UINT code, TDateTime day) {
    NMSELCHANGE selection = SelectionOf(day);
    selection.nmhdr = {FCalendar, static_cast<UINT_PTR>(FCalendar), code};
    SendMessageA(Handle(), WM_NOTIFY, static_cast<WPARAM>(FCalendar),
                 reinterpret_cast<LPARAM>(&selection));
  };
  if (hit.Day != FCalendarDate) {
    FCalendarDate = hit.Day;
    notify(MCN_SELCHANGE, hit.Day);
  }
  notify(MCN_SELECT, hit.Day);
}

// The choice changes the picker's date (keeping its time of day) and is reported; the click that
// made it then closes the drop-down, reporting the value once more.
void TDateTimePicker::CalendarNotified(const NMSELCHANGE& selection) {
  FDateTime = Combine(SystemTimeToDateTime(selection.stSelStart), TimePart(FDateTime));
  NotifyChange();
  if (selection.nmhdr.code != MCN_SELECT) return;
  CloseUp();
}

void TDateTimePicker::NotifyChange() {
  NMDATETIMECHANGE change;
  change.st = DateTimeToSystemTime(FDateTime);
  NotifyParentWindow(DTN_DATETIMECHANGE, change.nmhdr);
}

// ---- the keyboard

namespace {

// The parts of a value in the order of TDateTimePicker::CurrentPart: day, month, year, hour,
// minute, second.
struct TParts {
  int Values[6] = {};
  int Millisecond = 0;
};

TParts Decode(TDateTime value) {
  TParts parts;
  int* v = parts.Values;
  DecodeDate(value, v[2], v[1], v[0]);
  DecodeTime(value, v[3], v[4], v[5], parts.Millisecond);
  return parts;
}

TDateTime Encode(TParts parts) {
  int* v = parts.Values;
  v[0] = std::min(v[0], DaysInMonth(v[2], v[1]));  // the 31st becomes the last of a shorter month
  return Combine(EncodeDate(v[2], v[1], v[0]), EncodeTime(v[3], v[4], v[5], parts.Millisecond));
}

int PartMin(int part) { return part <= 2 ? 1 : 0; }

int PartMax(int part, const TParts& parts) {
  constexpr int kMax[] = {31, 12, 9999, 23, 59, 59};
  return part == 0 ? DaysInMonth(parts.Values[2], parts.Values[1]) : kMax[part];
}

int PartDigits(int part) { return part == 2 ? 4 : 2; }

}  // namespace

// The date's parts come in the order of the short date format; the time's are hour, minute and
// second.
int TDateTimePicker::CurrentPart() const {
  if (FKind == dtkTime) return 3 + FPartIndex;
  const std::string& format = FormatSettings().ShortDateFormat;
  std::pair<size_t, int> order[3];
  const char* letters[] = {"dD", "mM", "yY"};
  for (int part = 0; part < 3; ++part) order[part] = {format.find_first_of(letters[part]), part};
  std::sort(std::begin(order), std::end(order));
  return order[FPartIndex].second;
}

void TDateTimePicker::ChangeValue(TDateTime value) {
  if (value == FDateTime) return;
  FDateTime = value;
  NotifyChange();
}

// Up and Down step the part round its range (the year stops at its ends).
void TDateTimePicker::StepPart(int delta) {
  const int part = CurrentPart();
  TParts parts = Decode(FDateTime);
  const int low = PartMin(part), high = PartMax(part, parts);
  int& value = parts.Values[part];
  if (part == 2)
    value = std::clamp(value + delta, low, high);
  else
    value = value + delta > high ? low : value + delta < low ? high : value + delta;
  ChangeValue(Encode(parts));
}

// Digits typed into a part make its value, which takes effect as soon as it is valid (a year once
// it has all its digits); the next part follows when no further digit could fit.
void TDateTimePicker::TypeDigit(int digit) {
  const int part = CurrentPart();
  TParts parts = Decode(FDateTime);
  const int high = PartMax(part, parts);
  FTypedValue = FTypedValue * 10 + digit;
  ++FTypedDigits;
  if (FTypedValue > high) {
    FTypedValue = digit;
    FTypedDigits = 1;
  }
  if (FTypedValue >= PartMin(part) && (part != 2 || FTypedDigits == PartDigits(part))) {
    parts.Values[part] = FTypedValue;
    ChangeValue(Encode(parts));
  }
  if (FTypedDigits == PartDigits(part) || FTypedValue * 10 > high) {
    FPartIndex = std::min(FPartIndex + 1, 2);
    FTypedValue = FTypedDigits = 0;
  }
}

bool TDateTimePicker::KeyDown(WPARAM key, LPARAM keyData) {
  const bool alt = (keyData & (1 << 29)) != 0;
  if (key == VK_F1 + 3 || (alt && key == VK_DOWN)) {  // F4 or Alt+Down
    FDropped ? CloseUp() : DropDown();
    return true;
  }
  if (FDropped) {
    if (key == VK_ESCAPE || key == VK_RETURN) CloseUp();
    return key == VK_ESCAPE || key == VK_RETURN;
  }
  if (key != VK_LEFT && key != VK_RIGHT && key != VK_UP && key != VK_DOWN) return false;
  FTypedValue = FTypedDigits = 0;  // a part begins anew after the arrows
  if (key == VK_LEFT)
    FPartIndex = std::max(FPartIndex - 1, 0);
  else if (key == VK_RIGHT)
    FPartIndex = std::min(FPartIndex + 1, 2);
  else
    StepPart(key == VK_UP ? 1 : -1);
  return true;
}

void TDateTimePicker::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_GETDLGCODE:
      message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS;
      return;
    case WM_LBUTTONDOWN:
      if (CanFocus()) SetFocus();
      if (FKind == dtkDate && PointOfMessage(message.LParam).x >= Width() - kDropButtonWidth)
        FDropped ? CloseUp() : DropDown();
      return;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      if (KeyDown(message.WParam, message.LParam)) return;
      break;
    case WM_CHAR:
      if (message.WParam >= '0' && message.WParam <= '9' && !FDropped) {
        TypeDigit(static_cast<int>(message.WParam - '0'));
        return;
      }
      break;
    case WM_KILLFOCUS:
      CloseUp();
      FTypedValue = FTypedDigits = 0;
      break;
    case WM_DESTROY:  // the drop-down calendar, its window's own, goes with it
      if (FCalendar) DestroyWindow(std::exchange(FCalendar, 0));
      FDropped = false;
      break;
    case WM_NOTIFY: {
      const auto& header = *reinterpret_cast<const NMHDR*>(message.LParam);
      if (FCalendar && header.hwndFrom == FCalendar) {
        CalendarNotified(*reinterpret_cast<const NMSELCHANGE*>(message.LParam));
        return;
      }
      break;
    }
    case DTM_GETSYSTEMTIME:
      *reinterpret_cast<SYSTEMTIME*>(message.LParam) = DateTimeToSystemTime(FDateTime);
      message.Result = GDT_VALID;
      return;
    case DTM_SETSYSTEMTIME:
      SetDateTime(SystemTimeToDateTime(*reinterpret_cast<const SYSTEMTIME*>(message.LParam)));
      message.Result = 1;
      return;
    case DTM_GETMONTHCAL:
      message.Result = static_cast<LRESULT>(CalendarHandle());
      return;
    case CN_NOTIFY:
      if (reinterpret_cast<const NMHDR*>(message.LParam)->code == DTN_DATETIMECHANGE) Changed();
      return;
  }
  TCommonCalendar::WndProc(message);
}
