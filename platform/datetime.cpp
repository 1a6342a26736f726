// TDateTime arithmetic: the calendar, splitting a value into date and time, and the local clock.

#include "platform/datetime.h"

#include <time.h>

#include <cmath>

namespace {

constexpr int64_t kMSecsPerDay = 86400000;
// Days from 0001-01-01 to 1899-12-30, the framework's day zero.
constexpr int64_t kDaysBeforeDayZero = 693593;
// The framework's calendar covers the years 1 to 9999.
constexpr int64_t kFirstDay = -kDaysBeforeDayZero;  // 0001-01-01
constexpr int64_t kLastDay = 2958465;               // 9999-12-31

std::optional<TDateTime> gFixedNow;

// Days since 1970-01-01 of a proleptic Gregorian date (Howard Hinnant's days_from_civil).
int64_t DaysFromCivil(int64_t y, int m, int d) {
  y -= m <= 2;
  const int64_t era = (y >= 0 ? y : y - 399) / 400;
  const int64_t yearOfEra = y - era * 400;
  const int64_t dayOfYear = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

void CivilFromDays(int64_t z, int& year, int& month, int& day) {
  z += 719468;
  const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const int64_t dayOfEra = z - era * 146097;
  const int64_t yearOfEra =
      (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const int64_t mp = (5 * dayOfYear + 2) / 153;
  day = static_cast<int>(dayOfYear - (153 * mp + 2) / 5 + 1);
  month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  year = static_cast<int>(yearOfEra + era * 400 + (month <= 2));
}

constexpr int64_t kUnixDayZero = 25569;  // 1970-01-01 as a day number

// A value as a whole day number and the millisecond of that day.
struct TDateTimeParts {
  int64_t Day = 0;
  int64_t MSecOfDay = 0;
};

// Empty for values outside the calendar (and for NaN and infinities).
std::optional<TDateTimeParts> SplitDateTime(TDateTime value) {
  if (!std::isfinite(value) || value < kFirstDay - 1 || value > kLastDay + 1) return std::nullopt;
  TDateTimeParts parts;
  parts.Day = static_cast<int64_t>(value);  // towards zero
  // The time of day is the fraction's magnitude, also for negative values.
  parts.MSecOfDay = std::llround(std::fabs(value - static_cast<double>(parts.Day)) * kMSecsPerDay);
  if (parts.MSecOfDay == kMSecsPerDay) {  // rounded up to the next midnight
    parts.MSecOfDay = 0;
    ++parts.Day;
  }
  if (parts.Day < kFirstDay || parts.Day > kLastDay) return std::nullopt;
  return parts;
}

}  // namespace

bool IsLeapYear(int year) { return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0); }

int DaysInMonth(int year, int month) {
  static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  return kDays[month - 1] + (month == 2 && IsLeapYear(year) ? 1 : 0);
}

bool TryEncodeDate(int year, int month, int day, TDateTime& result) {
  if (year < 1 || year > 9999 || day < 1 || day > DaysInMonth(year, month)) return false;
  result = static_cast<double>(DaysFromCivil(year, month, day) + kUnixDayZero);
  return true;
}

bool TryEncodeTime(int hour, int minute, int second, int millisecond, TDateTime& result) {
  if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59 ||
      millisecond < 0 || millisecond > 999) {
    return false;
  }
  const int64_t msecs = ((hour * 60 + minute) * 60 + second) * 1000 + millisecond;
  result = static_cast<double>(msecs) / kMSecsPerDay;
  return true;
}

TDateTime EncodeDate(int year, int month, int day) {
  TDateTime result = 0;
  if (!TryEncodeDate(year, month, day, result)) {
    throw EConvertError(Format("Invalid date: %d-%d-%d", year, month, day));
  }
  return result;
}

TDateTime EncodeTime(int hour, int minute, int second, int millisecond) {
  TDateTime result = 0;
  if (!TryEncodeTime(hour, minute, second, millisecond, result)) {
    throw EConvertError(Format("Invalid time: %d:%d:%d.%d", hour, minute, second, millisecond));
  }
  return result;
}

void DecodeDate(TDateTime value, int& year, int& month, int& day) {
  year = month = day = 0;
  if (const auto parts = SplitDateTime(value)) {
    CivilFromDays(parts->Day - kUnixDayZero, year, month, day);
  }
}

void DecodeTime(TDateTime value, int& hour, int& minute, int& second, int& millisecond) {
  const int64_t msecs = SplitDateTime(value).value_or(TDateTimeParts{}).MSecOfDay;
  hour = static_cast<int>(msecs / 3600000);
  minute = static_cast<int>(msecs / 60000 % 60);
  second = static_cast<int>(msecs / 1000 % 60);
  millisecond = static_cast<int>(msecs % 1000);
}

int DayOfWeek(TDateTime value) {
  const auto parts = SplitDateTime(value);
  if (!parts) return 0;
  // Day zero, 1899-12-30, was a Saturday.
  return static_cast<int>(((parts->Day - 1) % 7 + 7) % 7) + 1;
}

TDateTime Now() {
  if (gFixedNow) return *gFixedNow;
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  tm local{};
  localtime_r(&now.tv_sec, &local);
  const int second = local.tm_sec > 59 ? 59 : local.tm_sec;  // a leap second
  const double date = EncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
  return date +
         EncodeTime(local.tm_hour, local.tm_min, second, static_cast<int>(now.tv_nsec / 1000000));
}

TDateTime Date() { return std::trunc(Now()); }

TDateTime Time() {
  const TDateTime now = Now();
  return now - std::trunc(now);
}

void SetFixedNow(std::optional<TDateTime> value) { gFixedNow = value; }
