// The visible rows as a list of record indexes: positions, lookups and edits agree with a plain
// sorted list through any sequence of edits.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "log/builtin_events.h"
#include "viewer/core/view_list.h"

namespace {

TEST(ViewList, PositionsAndEditsMatchASortedListOfIndexes) {
  TEventList records;
  for (int i = 0; i < 300; ++i)
    records.Append({&TSeparatorEvent::StaticClass(), 0, -1, nullptr}, i, esPlain);
  TViewList view(records);
  view.Clear();
  EXPECT_EQ(view.Count(), 0);
  EXPECT_EQ(view.PositionOf(0), -1);

  std::vector<int32_t> expected;
  view.Rebuild([](int32_t i) { return i % 3 == 0; });
  for (int32_t i = 0; i < 300; i += 3) expected.push_back(i);
  std::mt19937 random(7);
  for (int step = 0; step < 400; ++step) {
    if (random() % 2 == 0 && !expected.empty()) {
      const int first = static_cast<int>(random() % expected.size());
      const int last =
          first + static_cast<int>(random() % std::min<size_t>(5, expected.size() - first));
      view.Remove(first, last);
      expected.erase(expected.begin() + first, expected.begin() + last + 1);
    } else {
      std::vector<int32_t> hidden;
      for (int32_t i = 0; i < 300; ++i) {
        if (!std::binary_search(expected.begin(), expected.end(), i)) hidden.push_back(i);
      }
      if (hidden.empty()) continue;
      const size_t from = random() % hidden.size();
      const std::vector<int32_t> shown(
          hidden.begin() + static_cast<std::ptrdiff_t>(from),
          hidden.begin() + static_cast<std::ptrdiff_t>(std::min(from + 4, hidden.size())));
      view.Insert(shown);
      expected.insert(expected.end(), shown.begin(), shown.end());
      std::sort(expected.begin(), expected.end());
    }
    ASSERT_EQ(view.Count(), static_cast<int>(expected.size()));
    for (int position = 0; position < view.Count(); ++position) {
      ASSERT_EQ(view[position], expected[static_cast<size_t>(position)]);
      ASSERT_EQ(view.Entry(position).Level, expected[static_cast<size_t>(position)]);
    }
    for (int32_t i = 0; i < 300; ++i) {
      const auto found = std::lower_bound(expected.begin(), expected.end(), i);
      const int position =
          found != expected.end() && *found == i ? static_cast<int>(found - expected.begin()) : -1;
      ASSERT_EQ(view.PositionOf(i), position);
    }
  }
  EXPECT_EQ(view.PositionOf(-1), -1);
  EXPECT_EQ(view.PositionOf(300), -1);
}

TEST(ViewList, RecordsTakenInByExtendCountAsIfTheListWereBuiltWhole) {
  TEventList records;
  TViewList view(records);
  view.Clear();
  std::vector<int32_t> expected;
  std::mt19937 random(11);
  // Lists grown in uneven steps cross every power of two, where a new node's children are old.
  for (int step = 0; step < 60; ++step) {
    const auto first = static_cast<int32_t>(records.size());
    const int added = static_cast<int>(random() % 40);
    for (int i = 0; i < added; ++i)
      records.Append({&TSeparatorEvent::StaticClass(), 0, -1, nullptr}, 0, esPlain);
    view.Extend();
    std::vector<int32_t> shown;
    for (int32_t i = first; i < static_cast<int32_t>(records.size()); ++i) {
      if (random() % 3 != 0) shown.push_back(i);
    }
    view.Insert(shown);
    expected.insert(expected.end(), shown.begin(), shown.end());
    ASSERT_EQ(view.Count(), static_cast<int>(expected.size()));
    for (int position = 0; position < view.Count(); ++position) {
      ASSERT_EQ(view[position], expected[static_cast<size_t>(position)]) << "step " << step;
      ASSERT_EQ(view.PositionOf(expected[static_cast<size_t>(position)]), position);
    }
  }
  // Rows taken in can be removed like any other.
  view.Remove(0, view.Count() - 1);
  EXPECT_EQ(view.Count(), 0);
}

}  // namespace
