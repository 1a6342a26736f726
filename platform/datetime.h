#pragma once
// Date-time values of the host framework: a double counting days since 1899-12-30 in local time,
// the fraction being the time of day; encoding, decoding, the clock and FormatDateTime.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/sysutils.h"

using TDateTime = double;

// Raise EConvertError for an invalid date or time.
TDateTime EncodeDate(int year, int month, int day);
TDateTime EncodeTime(int hour, int minute, int second, int millisecond);
bool TryEncodeDate(int year, int month, int day, TDateTime& result);
bool TryEncodeTime(int hour, int minute, int second, int millisecond, TDateTime& result);
void DecodeDate(TDateTime value, int& year, int& month, int& day);
void DecodeTime(TDateTime value, int& hour, int& minute, int& second, int& millisecond);
// 1 = Sunday ... 7 = Saturday.
int DayOfWeek(TDateTime value);
bool IsLeapYear(int year);
int DaysInMonth(int year, int month);

// The current local date and time (millisecond resolution), or the fixed clock while one is set.
TDateTime Now();
TDateTime Date();
TDateTime Time();
// Fixes what Now returns (tests); std::nullopt returns to the real clock.
void SetFixedNow(std::optional<TDateTime> value);

// Formats with the framework's codes: c d dd ddd dddd ddddd dddddd m mm mmm mmmm yy yyyy h hh n nn
// s ss z zzz t tt am/pm a/p ampm / : "quoted" 'quoted'. "m" right after an "h" or "hh" means
// minutes. Names, separators and the short and long formats come from `settings`.
std::string FormatDateTime(std::string_view format, TDateTime value);
std::string FormatDateTime(std::string_view format, TDateTime value,
                           const TFormatSettings& settings);
