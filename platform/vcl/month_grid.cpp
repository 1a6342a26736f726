// The month calendar's layout: the month shown, its arrows and its day cells.

#include "platform/vcl/month_grid.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kTitleHeight = 24;
constexpr int kDayNamesHeight = 16;
constexpr int kArrowWidth = 20;
constexpr int kWeeks = 6;

int CellWidth(int width) { return std::max(width / 7, 1); }
int CellHeight(int height) {
  return std::max((height - kTitleHeight - kDayNamesHeight) / kWeeks, 1);
}

}  // namespace

void TMonthGrid::ShowMonthOf(TDateTime date) {
  int day = 0;
  DecodeDate(date, FYear, FMonth, day);
}

bool TMonthGrid::StepMonth(int delta) {
  const int months = FYear * 12 + (FMonth - 1) + delta;
  if (months < 12 || months >= 10000 * 12) return false;
  FYear = months / 12;
  FMonth = months % 12 + 1;
  return true;
}

bool TMonthGrid::Shows(TDateTime date) const {
  int year = 0, month = 0, day = 0;
  DecodeDate(date, year, month, day);
  return year == FYear && month == FMonth;
}

// The Sunday on or before the month's first day.
TDateTime TMonthGrid::FirstCell() const {
  const TDateTime first = EncodeDate(FYear, FMonth, 1);
  return first - (DayOfWeek(first) - 1);
}

TMonthGrid::THit TMonthGrid::HitTest(int width, int height, POINT point) const {
  if (point.x < 0 || point.y < 0 || point.x >= width || point.y >= height) return {};
  if (point.y < kTitleHeight) {
    if (point.x < kArrowWidth) return {THitKind::PrevArrow};
    if (point.x >= width - kArrowWidth) return {THitKind::NextArrow};
    return {};
  }
  const int row = (point.y - kTitleHeight - kDayNamesHeight) / CellHeight(height);
  const int column = point.x / CellWidth(width);
  if (point.y < kTitleHeight + kDayNamesHeight || row >= kWeeks || column >= 7) return {};
  const TDateTime day = FirstCell() + row * 7 + column;
  int year = 0, month = 0, dayOfMonth = 0;
  DecodeDate(day, year, month, dayOfMonth);
  if (year < 1 || year > 9999) return {};
  return {THitKind::Day, day};
}

POINT TMonthGrid::ArrowPoint(int width, int, bool next) const {
  return {next ? width - kArrowWidth / 2 : kArrowWidth / 2, kTitleHeight / 2};
}

POINT TMonthGrid::DayPoint(int width, int height, TDateTime date) const {
  const int cell = static_cast<int>(std::floor(date) - FirstCell());
  return {
      (cell % 7) * CellWidth(width) + CellWidth(width) / 2,
      kTitleHeight + kDayNamesHeight + (cell / 7) * CellHeight(height) + CellHeight(height) / 2};
}

SYSTEMTIME DateTimeToSystemTime(TDateTime value) {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0, millisecond = 0;
  DecodeDate(value, year, month, day);
  DecodeTime(value, hour, minute, second, millisecond);
  SYSTEMTIME time;
  time.wYear = static_cast<WORD>(year);
  time.wMonth = static_cast<WORD>(month);
  time.wDayOfWeek = static_cast<WORD>(DayOfWeek(value) - 1);
  time.wDay = static_cast<WORD>(day);
  time.wHour = static_cast<WORD>(hour);
  time.wMinute = static_cast<WORD>(minute);
  time.wSecond = static_cast<WORD>(second);
  time.wMilliseconds = static_cast<WORD>(millisecond);
  return time;
}

TDateTime SystemTimeToDateTime(const SYSTEMTIME& time) {
  const TDateTime date = EncodeDate(time.wYear, time.wMonth, time.wDay);
  const TDateTime timeOfDay =
      EncodeTime(time.wHour, time.wMinute, time.wSecond, time.wMilliseconds);
  return date < 0 ? date - timeOfDay : date + timeOfDay;
}
