// FloatToStr: 15 significant digits, fixed or scientific notation.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/sysutils.h"

TEST(FloatToStr, FixedNotationDropsTrailingZeros) {
  EXPECT_EQ(FloatToStr(0), "0");
  EXPECT_EQ(FloatToStr(-0.0), "0");
  EXPECT_EQ(FloatToStr(1), "1");
  EXPECT_EQ(FloatToStr(-1), "-1");
  EXPECT_EQ(FloatToStr(0.1), "0.1");
  EXPECT_EQ(FloatToStr(1.0 / 3), "0.333333333333333");
  EXPECT_EQ(FloatToStr(2.0 / 3), "0.666666666666667");
  EXPECT_EQ(FloatToStr(36526.5), "36526.5");
  EXPECT_EQ(FloatToStr(100), "100");
}

TEST(FloatToStr, SwitchesToScientificAtFifteenIntegerDigits) {
  EXPECT_EQ(FloatToStr(1e15 - 1), "999999999999999");
  EXPECT_EQ(FloatToStr(1e15), "1E15");
  EXPECT_EQ(FloatToStr(123456789012345678.0), "1.23456789012346E17");
  EXPECT_EQ(FloatToStr(1e20), "1E20");
  EXPECT_EQ(FloatToStr(-1e20), "-1E20");
  // Rounding to 15 digits can carry into a sixteenth integer digit.
  EXPECT_EQ(FloatToStr(999999999999999.9), "1E15");
}

TEST(FloatToStr, SwitchesToScientificBelowOneHundredThousandth) {
  EXPECT_EQ(FloatToStr(0.00001), "0.00001");
  EXPECT_EQ(FloatToStr(0.000012), "0.000012");
  EXPECT_EQ(FloatToStr(0.000001), "1E-6");
  EXPECT_EQ(FloatToStr(1.5e-7), "1.5E-7");
  EXPECT_EQ(FloatToStr(-2.5e-6), "-2.5E-6");
}

TEST(FloatToStr, NonFiniteValues) {
  EXPECT_EQ(FloatToStr(std::numeric_limits<double>::quiet_NaN()), "NAN");
  EXPECT_EQ(FloatToStr(INFINITY), "INF");
  EXPECT_EQ(FloatToStr(-INFINITY), "-INF");
}

TEST(FloatToStr, UsesTheUsersDecimalSeparator) {
  FormatSettings().DecimalSeparator = ',';
  EXPECT_EQ(FloatToStr(36526.5), "36526,5");
  EXPECT_EQ(FloatToStr(-2.5e-6), "-2,5E-6");
}
