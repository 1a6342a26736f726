// The text form of the collapsed-rows setting.

#include <gtest/gtest.h>

#include "viewer/core/collapse_setting.h"

namespace {

using Indexes = std::vector<int32_t>;

TEST(CollapseSetting, ReadsTheCountThenTheEntries) {
  EXPECT_EQ(ParseCollapseSetting("3,4,17,52"), (Indexes{4, 17, 52}));
  EXPECT_EQ(ParseCollapseSetting(""), Indexes{});
  EXPECT_EQ(ParseCollapseSetting("0"), Indexes{});
}

TEST(CollapseSetting, SkipsEntriesThatAreNotNonNegativeIntegers) {
  EXPECT_EQ(ParseCollapseSetting("3,7,x,12"), (Indexes{7, 12}));
  EXPECT_EQ(ParseCollapseSetting("2,-5,9"), (Indexes{9}));
}

TEST(CollapseSetting, TakesOnlyTheEntriesPresentAndAtMostTheCount) {
  EXPECT_EQ(ParseCollapseSetting("3,7"), (Indexes{7}));  // no zeros are invented
  EXPECT_EQ(ParseCollapseSetting("2,5,6,9"), (Indexes{5, 6}));
  EXPECT_EQ(ParseCollapseSetting("2000000000,1"), (Indexes{1}));  // nothing reserved for the count
  EXPECT_EQ(ParseCollapseSetting("many,1,2"), Indexes{});
  EXPECT_EQ(ParseCollapseSetting("-3,1,2"), Indexes{});
}

TEST(CollapseSetting, WritesTheCountFirstAndNothingForAnEmptyList) {
  EXPECT_EQ(FormatCollapseSetting({4, 17, 52}), "3,4,17,52");
  EXPECT_EQ(FormatCollapseSetting({}), "");
  EXPECT_EQ(ParseCollapseSetting(FormatCollapseSetting({0, 9})), (Indexes{0, 9}));
}

}  // namespace
