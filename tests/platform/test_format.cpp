// Format directives and integer text conversions.

#include <gtest/gtest.h>

#include "platform/sysutils.h"

TEST(Format, EachDirectiveWithFlagsWidthAndPrecision) {
  EXPECT_EQ(Format("%s|%5s|%-5s|%.2s", "ab", "ab", "ab", "abcdef"), "ab|   ab|ab   |ab");
  EXPECT_EQ(Format("%d|%4d|%-4d|%.3d|%.3d", -12, 7, 7, 5, -5), "-12|   7|7   |005|-005");
  EXPECT_EQ(Format("%u %u", 42u, -1), "42 4294967295");
  EXPECT_EQ(Format("%x %.4x %.4x %X", 255, 0x1f, 0x12345, 255), "ff 001f 12345 FF");
  EXPECT_EQ(Format("%p", TFormatPointer{0x1234ABCD}), "1234ABCD");
  EXPECT_EQ(Format("%p", TFormatPointer{0}), "00000000");
  EXPECT_EQ(Format("100%% of %s", std::string("it")), "100% of it");
}

TEST(Format, ExtremeIntegersKeepTheirSignAndDigits) {
  EXPECT_EQ(Format("%d", INT64_MIN), "-9223372036854775808");
  EXPECT_EQ(Format("%x", -1), "ffffffff");
}

TEST(Format, MissingOrMistypedArgumentsRaiseConvertError) {
  EXPECT_THROW(Format("%s %s", "one"), EConvertError);
  EXPECT_THROW(Format("%d", "text"), EConvertError);
  EXPECT_THROW(Format("%s", 5), EConvertError);
  EXPECT_THROW(Format("%p", 5), EConvertError);
  EXPECT_THROW(Format("%q", 5), EConvertError);
  EXPECT_THROW(Format("trailing %", 5), EConvertError);
}

TEST(IntegerText, HexadecimalUsesThirtyTwoBitsForNegativeIntegers) {
  EXPECT_EQ(IntToHex(0x1A2, 4), "01A2");
  EXPECT_EQ(IntToHex(0x12345, 2), "12345");
  EXPECT_EQ(IntToHex(-1, 1), "FFFFFFFF");
  EXPECT_EQ(IntToStr(-42), "-42");
}

TEST(IntegerText, StrToIntAcceptsDecimalAndHexadecimal) {
  EXPECT_EQ(StrToInt("  -17"), -17);
  EXPECT_EQ(StrToInt("+5"), 5);
  EXPECT_EQ(StrToInt("$1F"), 31);
  EXPECT_EQ(StrToInt("0x1f"), 31);
  EXPECT_EQ(StrToInt("$FFFFFFFF"), -1);
  EXPECT_EQ(StrToInt("-2147483648"), INT32_MIN);
  EXPECT_EQ(StrToInt("2147483647"), INT32_MAX);
}

TEST(IntegerText, InvalidTextRaisesOrFallsBack) {
  for (const char* bad : {"", "-", "$", "12 ", "1.5", "2147483648", "$100000000", "abc"}) {
    EXPECT_THROW(StrToInt(bad), EConvertError) << bad;
    EXPECT_EQ(StrToIntDef(bad, -9), -9) << bad;
  }
}
