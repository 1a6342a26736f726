// The pointer list: order, lookups and index checks.

#include <gtest/gtest.h>

#include "platform/classes.h"

TEST(PointerList, KeepsInsertionOrderAndFindsItems) {
  int a = 0, b = 0, c = 0;
  TList list;
  EXPECT_EQ(list.Add(&a), 0);
  EXPECT_EQ(list.Add(&c), 1);
  list.Insert(1, &b);
  ASSERT_EQ(list.Count(), 3);
  EXPECT_EQ(list.Get(0), &a);
  EXPECT_EQ(list.Get(1), &b);
  EXPECT_EQ(list.Get(2), &c);
  EXPECT_EQ(list.IndexOf(&c), 2);
  EXPECT_EQ(list.Remove(&a), 0);
  EXPECT_EQ(list.Remove(&a), -1);
  EXPECT_EQ(list.IndexOf(&b), 0);
  list.Clear();
  EXPECT_EQ(list.Count(), 0);
}

TEST(PointerList, RejectsIndexesOutsideTheList) {
  int a = 0;
  TList list;
  list.Add(&a);
  EXPECT_THROW(list.Get(1), EListError);
  EXPECT_THROW(list.Get(-1), EListError);
  EXPECT_THROW(list.Put(1, &a), EListError);
  EXPECT_THROW(list.Delete(1), EListError);
  EXPECT_THROW(list.Insert(2, &a), EListError);
  list.Insert(1, &a);  // at the end is allowed
  EXPECT_EQ(list.Count(), 2);
}
