// Locale conventions: translating the C library's formats and reading a locale.

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>

#include "platform/datetime.h"
#include "platform/sysutils.h"

TEST(TranslateStrftimeFormat, CommonLocaleFormats) {
  EXPECT_EQ(TranslateStrftimeFormat("%m/%d/%y"), "mm/dd/yy");
  EXPECT_EQ(TranslateStrftimeFormat("%d.%m.%Y"), "dd.mm.yyyy");
  EXPECT_EQ(TranslateStrftimeFormat("%H:%M:%S"), "hh:nn:ss");
  EXPECT_EQ(TranslateStrftimeFormat("%I:%M:%S %p"), "hh:nn:ss ampm");
  EXPECT_EQ(TranslateStrftimeFormat("%Y-%m-%d"), "yyyy-mm-dd");
  EXPECT_EQ(TranslateStrftimeFormat("%e %b %Y, %A"), "d mmm yyyy, dddd");
  EXPECT_EQ(TranslateStrftimeFormat("%r|%T|%R|%D|%%"), "hh:nn:ss ampm|hh:nn:ss|hh:nn|mm/dd/yy|%");
}

TEST(TranslateStrftimeFormat, LiteralTextStaysLiteral) {
  EXPECT_EQ(TranslateStrftimeFormat("%Hh%M"), "hh\"h\"nn");
  EXPECT_EQ(TranslateStrftimeFormat("%d de %B"), "dd \"de\" mmmm");
  EXPECT_EQ(TranslateStrftimeFormat("\"%Y\""), "'\"'yyyy'\"'");
  // Whatever the translation, formatting must reproduce the literal text.
  TFormatSettings s;
  s.LongMonthNames[4] = "mayo";
  EXPECT_EQ(FormatDateTime(TranslateStrftimeFormat("%d de %B, %Hh%M"),
                           EncodeDate(2001, 5, 3) + EncodeTime(9, 7, 0, 0), s),
            "03 de mayo, 09h07");
}

TEST(TranslateStrftimeFormat, TwelveHourClockAlwaysGetsItsMarker) {
  EXPECT_EQ(TranslateStrftimeFormat("%I:%M"), "hh:nn ampm");
  EXPECT_EQ(TranslateStrftimeFormat("%-d.%-m.%Ey %Z"), "d.m.yy ");
}

TEST(LocaleFormatSettings, CLocale) {
  const TFormatSettings c = LocaleFormatSettings("C");
  EXPECT_EQ(c.DecimalSeparator, '.');
  EXPECT_EQ(c.ShortDateFormat, "mm/dd/yy");
  EXPECT_EQ(c.DateSeparator, '/');
  EXPECT_EQ(c.ShortTimeFormat, "hh:nn:ss");
  EXPECT_EQ(c.LongTimeFormat, "hh:nn:ss");
  EXPECT_EQ(c.TimeSeparator, ':');
  EXPECT_EQ(c.LongDateFormat, "ddd mmm d yyyy");
  EXPECT_EQ(c.TimeAMString, "AM");
  EXPECT_EQ(c.TimePMString, "PM");
  EXPECT_EQ(c.ShortMonthNames[0], "Jan");
  EXPECT_EQ(c.LongMonthNames[11], "December");
  EXPECT_EQ(c.ShortDayNames[0], "Sun");
  EXPECT_EQ(c.LongDayNames[6], "Saturday");
  EXPECT_EQ(FormatDateTime("c", EncodeDate(2000, 1, 1) + 0.5, c), "01/01/00 12:00:00");
}

TEST(LocaleFormatSettings, MissingLocaleFallsBackToC) {
  const TFormatSettings s = LocaleFormatSettings("xx_NOWHERE.UTF-8");
  EXPECT_EQ(s.ShortDateFormat, "mm/dd/yy");
  EXPECT_EQ(s.LongMonthNames[0], "January");
}

// The user's conventions are picked up from the environment, as the locale variables name them.
// Only where the machine has the locale: a fresh system may have none but C.
class NamedLocale : public ::testing::Test {
 protected:
  static bool Installed(const char* name) {
    locale_t locale = newlocale(LC_NUMERIC_MASK | LC_TIME_MASK, name, nullptr);
    if (locale == nullptr) return false;
    freelocale(locale);
    return true;
  }
};

TEST_F(NamedLocale, GermanConventionsComeFromTheEnvironment) {
  if (!Installed("de_DE.UTF-8")) GTEST_SKIP() << "de_DE.UTF-8 is not installed";
  ASSERT_EQ(setenv("LC_ALL", "de_DE.UTF-8", 1), 0);
  const TFormatSettings s = LocaleFormatSettings("");
  EXPECT_EQ(s.DecimalSeparator, ',');
  EXPECT_EQ(s.ShortDateFormat, "dd.mm.yyyy");
  EXPECT_EQ(s.DateSeparator, '.');
  EXPECT_EQ(s.LongMonthNames[2], "März");
  FormatSettings() = s;
  EXPECT_EQ(FloatToStr(36526.5), "36526,5");
}
