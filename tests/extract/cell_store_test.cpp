#include "extract/cell_store.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

namespace zendrik {
namespace {

// Texts by address: slot values only need to be told apart.
char* Mark(int i) { return reinterpret_cast<char*>(static_cast<std::uintptr_t>(i) * 8 + 8); }

std::vector<char*> Slots(const TCellStore& row) {
  std::vector<char*> slots;
  for (unsigned c = 0; c < row.Count; ++c) slots.push_back(row.At(c));
  return slots;
}

TEST(CellStore, IterationVisitsEverySlotWithOneBasedIndexAndPublishedCursor) {
  char** cursor = nullptr;
  TCellShared shared{&cursor, {}};
  TCellStore row(shared);
  EXPECT_FALSE(row.Next()) << "an empty row has nothing to visit";
  EXPECT_EQ(row.Current(), nullptr);
  for (int i = 0; i < 5; ++i) *row.Add() = Mark(i);
  EXPECT_EQ(*cursor, Mark(4)) << "Add selects the new slot";
  row.First();
  for (int i = 0; i < 5; ++i) {
    ASSERT_TRUE(row.Next());
    EXPECT_EQ(row.Index, i + 1);
    EXPECT_EQ(cursor, row.Current());
    EXPECT_EQ(*cursor, Mark(i));
  }
  EXPECT_FALSE(row.Next());
}

TEST(CellStore, FreshSlotsReadAsNullAlsoInReusedRoom) {
  char** cursor = nullptr;
  TCellShared shared{&cursor, {}};
  std::deque<TCellStore> rows;
  rows.emplace_back(shared);
  rows.emplace_back(shared);
  for (int i = 0; i < 3; ++i) *rows[0].Add() = Mark(i);
  *rows[1].Add() = Mark(9);  // the first row is no longer at the top: its next Add moves it
  EXPECT_EQ(*rows[0].Add(), nullptr);
  EXPECT_EQ(*rows[0].Add(), nullptr) << "room reserved by a move reads as null";
}

TEST(CellStore, RowsGrowingInTurnKeepTheirOwnSlotsAcrossBlocks) {
  char** cursor = nullptr;
  TCellShared shared{&cursor, {}};
  std::deque<TCellStore> rows;
  for (int r = 0; r < 7; ++r) rows.emplace_back(shared);
  std::vector<std::vector<char*>> expected(rows.size());
  // Round-robin appends move every row again and again, through many pool blocks.
  for (int i = 0; i < 30000; ++i) {
    const std::size_t r = static_cast<std::size_t>(i * 5 % 7);
    char** slot = rows[r].Add();
    EXPECT_EQ(cursor, slot);
    *slot = Mark(i);
    expected[r].push_back(Mark(i));
  }
  for (std::size_t r = 0; r < rows.size(); ++r) EXPECT_EQ(Slots(rows[r]), expected[r]) << r;
}

TEST(CellStore, RowsBuiltInOrderTakeExactlyTheirSlots) {
  char** cursor = nullptr;
  TCellShared shared{&cursor, {}};
  std::deque<TCellStore> rows;
  for (int r = 0; r < 1000; ++r) {
    rows.emplace_back(shared);
    for (int c = 0; c <= r % 4; ++c) *rows.back().Add() = Mark(r * 4 + c);
  }
  // Rows built one after the other lie end to end inside a block: no room between them.
  int adjacent = 0;
  for (std::size_t r = 1; r < rows.size(); ++r)
    adjacent += &rows[r - 1].At(0) + rows[r - 1].Count == &rows[r].At(0);
  EXPECT_GT(adjacent, 990);
  for (int r = 0; r < 1000; ++r) EXPECT_EQ(rows[static_cast<std::size_t>(r)].At(0), Mark(r * 4));
}

}  // namespace
}  // namespace zendrik
