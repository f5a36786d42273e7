#include "extract/dyna_array.h"

#include <gtest/gtest.h>

#include <vector>

namespace zendrik {
namespace {

TEST(DynaArray, FreshStoreHasNothingToVisit) {
  int* cursor = reinterpret_cast<int*>(0x1);
  TDynaArray<int> store(&cursor);
  EXPECT_EQ(store.Index, -1);
  EXPECT_EQ(store.Capacity, 0);
  EXPECT_EQ(cursor, reinterpret_cast<int*>(0x1)) << "creation must not write the cursor";
  EXPECT_FALSE(store.Next());
  store.First();
  EXPECT_EQ(store.Index, -1) << "First on an empty store changes nothing";
  EXPECT_FALSE(store.Next());
}

TEST(DynaArray, IterationVisitsEveryElementWithOneBasedIndexAndPublishedCursor) {
  int* cursor = nullptr;
  TDynaArray<int> store(&cursor);
  for (int i = 0; i < 5; ++i) *store.Add() = i * 10;
  std::vector<int> seen;
  store.First();
  while (store.Next()) {
    EXPECT_EQ(cursor, store.Current);
    EXPECT_EQ(store.Index, static_cast<int>(seen.size()) + 1);
    seen.push_back(*cursor);
  }
  EXPECT_EQ(seen, (std::vector<int>{0, 10, 20, 30, 40}));
}

TEST(DynaArray, GrowsInStepsOfHundredKeepingContentsAndZeroFilling) {
  TDynaArray<int> store;
  *store.Add() = 7;
  EXPECT_EQ(store.Capacity, 100 * 4);
  for (int i = 1; i < 100; ++i) *store.Add() = i;
  EXPECT_EQ(store.Capacity, 100 * 4);
  int* added = store.Add();
  EXPECT_EQ(store.Capacity, 200 * 4);
  EXPECT_EQ(*added, 0);
  EXPECT_EQ(store.At(0), 7);
  EXPECT_EQ(store.At(99), 99);
  EXPECT_EQ(store.Index, 100);
}

TEST(DynaArray, ClearEmptiesAndNullsTheCursor) {
  int* cursor = nullptr;
  TDynaArray<int> store(&cursor);
  store.Add();
  ASSERT_NE(cursor, nullptr);
  store.Clear();
  EXPECT_EQ(cursor, nullptr);
  EXPECT_EQ(store.Count, 0u);
  EXPECT_EQ(store.Index, -1);
  EXPECT_EQ(store.Capacity, 0);
  EXPECT_FALSE(store.Next());
  EXPECT_EQ(*store.Add(), 0) << "a block after Clear is zero-filled again";
}

}  // namespace
}  // namespace zendrik
