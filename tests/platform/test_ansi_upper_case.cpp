// Upper-casing of UTF-8 texts by the locale's rules.

#include <gtest/gtest.h>

#include "platform/sysutils.h"

namespace {

TEST(AnsiUpperCase, UpperCasesEveryLetterWithAnUpperCaseForm) {
  EXPECT_EQ(AnsiUpperCase("Hello, world 42!"), "HELLO, WORLD 42!");
  EXPECT_EQ(AnsiUpperCase("café"), "CAFÉ");
  EXPECT_EQ(AnsiUpperCase("ÉCOLE"), "ÉCOLE");
  EXPECT_EQ(AnsiUpperCase("σοφία"), "ΣΟΦΊΑ");
  EXPECT_EQ(AnsiUpperCase("€ 𝄞"), "€ 𝄞");  // three- and four-byte characters pass unchanged
  EXPECT_EQ(AnsiUpperCase(""), "");
}

TEST(AnsiUpperCase, KeepsBytesThatAreNotUtf8AndUpperCasesTheRest) {
  EXPECT_EQ(AnsiUpperCase("a\xFF"
                          "b"),
            "A\xFF"
            "B");
  EXPECT_EQ(AnsiUpperCase("\xE9t\xE9"), "\xE9T\xE9");  // a Latin-1 text
  EXPECT_EQ(AnsiUpperCase("x\xC3"), "X\xC3");          // cut short at the end
  EXPECT_EQ(AnsiUpperCase("\xC3"
                          "a"),
            "\xC3"
            "A");  // a lead byte without its continuation
  EXPECT_EQ(AnsiUpperCase("\xC0\xA1"
                          "a"),
            "\xC0\xA1"
            "A");  // an overlong form
  EXPECT_EQ(AnsiUpperCase("\xED\xA0\x80"
                          "a"),
            "\xED\xA0\x80"
            "A");  // a surrogate
  EXPECT_EQ(AnsiUpperCase("\x80"
                          "é"),
            "\x80"
            "É");
  EXPECT_EQ(AnsiUpperCase(std::string("a\0b", 3)), std::string("A\0B", 3));
}

}  // namespace
