// TDateTime encoding, decoding and FormatDateTime.

#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "platform/datetime.h"

namespace {

TFormatSettings GermanSettings() {
  TFormatSettings s;
  s.DateSeparator = '.';
  s.TimeSeparator = ':';
  s.ShortDateFormat = "dd/mm/yyyy";
  s.LongDateFormat = "dddd, d. mmmm yyyy";
  s.ShortTimeFormat = "hh:nn";
  s.LongTimeFormat = "hh:nn:ss";
  s.TimeAMString = "vorm.";
  s.TimePMString = "nachm.";
  const char* shortMonths[12] = {"Jan", "Feb", "Mrz", "Apr", "Mai", "Jun",
                                 "Jul", "Aug", "Sep", "Okt", "Nov", "Dez"};
  const char* longMonths[12] = {"Januar",    "Februar", "Maerz",    "April",
                                "Mai",       "Juni",    "Juli",     "August",
                                "September", "Oktober", "November", "Dezember"};
  const char* shortDays[7] = {"So", "Mo", "Di", "Mi", "Do", "Fr", "Sa"};
  const char* longDays[7] = {"Sonntag",    "Montag",  "Dienstag", "Mittwoch",
                             "Donnerstag", "Freitag", "Samstag"};
  for (int i = 0; i < 12; ++i) {
    s.ShortMonthNames[i] = shortMonths[i];
    s.LongMonthNames[i] = longMonths[i];
  }
  for (int i = 0; i < 7; ++i) {
    s.ShortDayNames[i] = shortDays[i];
    s.LongDayNames[i] = longDays[i];
  }
  return s;
}

// Saturday 2000-01-01 14:05:09.007
TDateTime Sample() { return EncodeDate(2000, 1, 1) + EncodeTime(14, 5, 9, 7); }

// Year, month, day, hour, minute, second, millisecond.
std::array<int, 7> Decoded(TDateTime value) {
  std::array<int, 7> p{};
  DecodeDate(value, p[0], p[1], p[2]);
  DecodeTime(value, p[3], p[4], p[5], p[6]);
  return p;
}

std::string Fmt(std::string_view format, TDateTime value = Sample()) {
  return FormatDateTime(format, value, GermanSettings());
}

}  // namespace

TEST(DateTimeEncoding, KnownDaysAndWeekdays) {
  EXPECT_EQ(EncodeDate(1899, 12, 30), 0);
  EXPECT_EQ(EncodeDate(2000, 1, 1), 36526);
  EXPECT_EQ(EncodeDate(1899, 12, 29), -1);
  EXPECT_EQ(EncodeDate(1, 1, 1), -693593);
  EXPECT_EQ(Decoded(-693593), (std::array{1, 1, 1, 0, 0, 0, 0}));
  EXPECT_EQ(DayOfWeek(0), 7);      // Saturday
  EXPECT_EQ(DayOfWeek(36527), 1);  // Sunday 2000-01-02
  EXPECT_EQ(DayOfWeek(-1), 6);
  EXPECT_EQ(EncodeTime(12, 0, 0, 0), 0.5);
}

TEST(DateTimeEncoding, InvalidDatesAndTimesAreRejected) {
  EXPECT_THROW(EncodeDate(1900, 2, 29), EConvertError);  // 1900 is no leap year
  EXPECT_NO_THROW(EncodeDate(2000, 2, 29));
  EXPECT_THROW(EncodeDate(2001, 13, 1), EConvertError);
  EXPECT_THROW(EncodeDate(0, 1, 1), EConvertError);
  EXPECT_THROW(EncodeDate(2001, 4, 31), EConvertError);
  EXPECT_THROW(EncodeTime(24, 0, 0, 0), EConvertError);
  EXPECT_THROW(EncodeTime(0, 0, 0, 1000), EConvertError);
  TDateTime unchanged = 7;
  EXPECT_FALSE(TryEncodeTime(0, 60, 0, 0, unchanged));
  EXPECT_EQ(unchanged, 7);
}

TEST(DateTimeEncoding, RoundTripsToTheMillisecond) {
  for (int year : {1900, 1999, 2000, 2024, 9999}) {
    for (int ms : {0, 1, 499, 500, 999}) {
      const TDateTime value = EncodeDate(year, 2, 28) + EncodeTime(23, 59, 59, ms);
      EXPECT_EQ(Decoded(value), (std::array{year, 2, 28, 23, 59, 59, ms}));
    }
  }
}

TEST(DateTimeDecoding, RoundsToTheNearestMillisecondAcrossMidnight) {
  EXPECT_EQ(Decoded(36526.5), (std::array{2000, 1, 1, 12, 0, 0, 0}));
  const TDateTime almostMidnight = 36526 + (86400000 - 0.4) / 86400000.0;
  EXPECT_EQ(Decoded(almostMidnight), (std::array{2000, 1, 2, 0, 0, 0, 0}));
}

TEST(DateTimeDecoding, NegativeValuesUseTheFractionsMagnitudeAsTime) {
  EXPECT_EQ(Decoded(-1.25), (std::array{1899, 12, 29, 6, 0, 0, 0}));
}

TEST(DateTimeDecoding, ValuesOutsideTheCalendarDecodeAsZero) {
  EXPECT_EQ(Decoded(NAN), (std::array{0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(Decoded(1e300), (std::array{0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(Decoded(EncodeDate(9999, 12, 31) + 1), (std::array{0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(Fmt("dddd mmmm c", 1e300), "  00.00.0000");
}

TEST(FormatDateTime, NumericAndNamedCodes) {
  EXPECT_EQ(Fmt("d dd ddd dddd"), "1 01 Sa Samstag");
  EXPECT_EQ(Fmt("m mm mmm mmmm"), "1 01 Jan Januar");
  EXPECT_EQ(Fmt("y yy yyy yyyy"), "00 00 2000 2000");
  EXPECT_EQ(Fmt("h hh n nn s ss z zzz"), "14 14 5 05 9 09 7 007");
  EXPECT_EQ(Fmt("DD.MM.YYYY HH:NN:SS.ZZZ"), "01.01.2000 14:05:09.007");
}

TEST(FormatDateTime, SettingsFormatsAndSeparators) {
  EXPECT_EQ(Fmt("ddddd"), "01.01.2000");
  EXPECT_EQ(Fmt("dddddd"), "Samstag, 1. Januar 2000");
  EXPECT_EQ(Fmt("t|tt"), "14:05|14:05:09");
  EXPECT_EQ(Fmt("c"), "01.01.2000 14:05:09");
  EXPECT_EQ(Fmt(""), "01.01.2000 14:05:09");
  EXPECT_EQ(Fmt("c", EncodeDate(2000, 1, 1)), "01.01.2000");
}

TEST(FormatDateTime, MAfterAnHourMeansMinutes) {
  EXPECT_EQ(Fmt("h:m"), "14:5");
  EXPECT_EQ(Fmt("hh:mm"), "14:05");
  EXPECT_EQ(Fmt("hh mm"), "14 05");
  EXPECT_EQ(Fmt("hh:mm mm"), "14:05 01");
  EXPECT_EQ(Fmt("hh mmm"), "14 Jan");
  EXPECT_EQ(Fmt("mm hh"), "01 14");
}

TEST(FormatDateTime, AmPmCodesSwitchToTwelveHours) {
  EXPECT_EQ(Fmt("h:nn am/pm"), "2:05 pm");
  EXPECT_EQ(Fmt("h:nn AM/PM"), "2:05 PM");
  EXPECT_EQ(Fmt("h:nn a/p"), "2:05 p");
  EXPECT_EQ(Fmt("h:nn ampm"), "2:05 nachm.");
  EXPECT_EQ(Fmt("ampm hh", EncodeTime(0, 30, 0, 0)), "vorm. 12");
  EXPECT_EQ(Fmt("hh a/P", EncodeTime(12, 0, 0, 0)), "12 P");
  EXPECT_EQ(Fmt("hh", EncodeTime(0, 30, 0, 0)), "00");
}

TEST(FormatDateTime, QuotedTextIsCopiedLiterally) {
  EXPECT_EQ(Fmt("\"dd/mm\" 'hh:nn' dd"), "dd/mm hh:nn 01");
  EXPECT_EQ(Fmt("yyyy 'unterminated mm"), "2000 unterminated mm");
  EXPECT_EQ(Fmt("[x] # yyyy"), "[x] # 2000");
}

TEST(FormatDateTime, SelfReferringSettingsDoNotRecurse) {
  TFormatSettings s = GermanSettings();
  s.LongTimeFormat = "tt hh";
  EXPECT_EQ(FormatDateTime("tt", Sample(), s), " 14");
}

TEST(Clock, FixedNowDrivesDateAndTime) {
  SetFixedNow(Sample());
  EXPECT_EQ(Now(), Sample());
  EXPECT_EQ(Date(), 36526);
  EXPECT_EQ(Decoded(Time()), (std::array{1899, 12, 30, 14, 5, 9, 7}));
  SetFixedNow(std::nullopt);
  EXPECT_GT(Now(), EncodeDate(2020, 1, 1));
}
