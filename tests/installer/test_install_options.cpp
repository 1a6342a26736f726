// The installer's command line: which parameters are options, their letters, and quoted values.

#include <gtest/gtest.h>

#include "installer/install_options.h"

TEST(InstallOptions, LettersInEitherCaseAfterDashOrSlash) {
  const TInstallOptions options =
      ParseInstallOptions({"/tOxlane", "-P/opt/oxlane", "/wC:\\work", "-a$EXENAME", "/c+"});
  EXPECT_EQ(options.Title, "Oxlane");
  EXPECT_EQ(options.Path, "/opt/oxlane");
  EXPECT_EQ(options.WorkingDir, "C:\\work");
  EXPECT_EQ(options.Params, "$EXENAME");
  EXPECT_TRUE(options.Create);
  EXPECT_FALSE(options.Help);
}

TEST(InstallOptions, ShortUnknownAndPlainParametersAreIgnored) {
  const TInstallOptions options =
      ParseInstallOptions({"/C", "/T", "Toxlane", "/Xvalue", "+TOxlane", "", "-"});
  EXPECT_FALSE(options.Create);  // "/C" alone is too short
  EXPECT_FALSE(options.HasEntryValue());
  EXPECT_TRUE(ParseInstallOptions({"/Cx"}).Create);
}

TEST(InstallOptions, ALaterOptionReplacesAnEarlierOne) {
  const TInstallOptions options = ParseInstallOptions({"/TFirst", "-tSecond", "/PA", "/Pb"});
  EXPECT_EQ(options.Title, "Second");
  EXPECT_EQ(options.Path, "b");
}

TEST(InstallOptions, QuotesAtBothEndsAreRemovedWhateverTheirKind) {
  EXPECT_EQ(ParseInstallOptions({"/T\"Event viewer\""}).Title, "Event viewer");
  EXPECT_EQ(ParseInstallOptions({"/T'Event viewer'"}).Title, "Event viewer");
  EXPECT_EQ(ParseInstallOptions({"/T\"Event viewer'"}).Title, "Event viewer");
  EXPECT_EQ(ParseInstallOptions({"/T'Event viewer\""}).Title, "Event viewer");
  EXPECT_EQ(ParseInstallOptions({"/T\"Event viewer"}).Title, "\"Event viewer");
  EXPECT_EQ(ParseInstallOptions({"/TEvent \"viewer\""}).Title, "Event \"viewer\"");
  EXPECT_EQ(ParseInstallOptions({"/T\"\""}).Title, "");
  EXPECT_EQ(ParseInstallOptions({"/T\""}).Title, "");  // a lone quote opens and closes itself
}

TEST(InstallOptions, HelpIsAskedForByTheWholeWordOnly) {
  EXPECT_TRUE(ParseInstallOptions({"/TOxlane", "--help"}).Help);
  EXPECT_EQ(ParseInstallOptions({"/TOxlane", "--help"}).Title, "Oxlane");
  EXPECT_FALSE(ParseInstallOptions({"--helpme", "-help", "/help"}).Help);
  EXPECT_NE(InstallUsage().find("/T<title>"), std::string::npos);
}
