#include "extract/cell_store.h"

#include <gtest/gtest.h>

#include <cstdint>
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
  TStorePool stores(shared);
  TCellStore& row = *stores.Make();
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
  TStorePool stores(shared);
  TCellStore& first = *stores.Make();
  TCellStore& second = *stores.Make();
  for (int i = 0; i < 3; ++i) *first.Add() = Mark(i);
  for (int i = 0; i < 2; ++i) *second.Add() = Mark(9);  // the first row is no longer at the top
  EXPECT_EQ(*first.Add(), nullptr) << "the move keeps the new slot null";
  EXPECT_EQ(*first.Add(), nullptr) << "room reserved by a move reads as null";
  EXPECT_EQ(Slots(first), (std::vector<char*>{Mark(0), Mark(1), Mark(2), nullptr, nullptr}));
}

TEST(CellStore, RowsGrowingInTurnKeepTheirOwnSlotsAcrossBlocks) {
  char** cursor = nullptr;
  TCellShared shared{&cursor, {}};
  TStorePool stores(shared);
  std::vector<TCellStore*> rows;
  for (int r = 0; r < 7; ++r) rows.push_back(stores.Make());
  std::vector<std::vector<char*>> expected(rows.size());
  // Round-robin appends move every row again and again, through many pool blocks.
  for (int i = 0; i < 30000; ++i) {
    const std::size_t r = static_cast<std::size_t>(i * 5 % 7);
    char** slot = rows[r]->Add();
    EXPECT_EQ(cursor, slot);
    *slot = Mark(i);
    expected[r].push_back(Mark(i));
  }
  for (std::size_t r = 0; r < rows.size(); ++r) EXPECT_EQ(Slots(*rows[r]), expected[r]) << r;
}

TEST(CellStore, RowsBuiltInOrderTakeExactlyTheirSlots) {
  char** cursor = nullptr;
  TCellShared shared{&cursor, {}};
  TStorePool stores(shared);
  std::vector<TCellStore*> rows;
  // Enough rows to fill several blocks of stores.
  for (int r = 0; r < 40000; ++r) {
    rows.push_back(stores.Make());
    for (int c = 0; c <= r % 4; ++c) *rows.back()->Add() = Mark(r * 4 + c);
  }
  // Longer rows built one after the other lie end to end inside a block, a slot for their
  // room between them.
  int adjacent = 0;
  for (std::size_t r = 2; r < 400; r += 4)
    adjacent += &rows[r - 1]->At(0) + rows[r - 1]->Count + 1 == &rows[r]->At(0);
  EXPECT_GT(adjacent, 95);
  for (int r = 0; r < 40000; ++r) {
    const TCellStore& row = *rows[static_cast<std::size_t>(r)];
    ASSERT_EQ(row.Count, static_cast<unsigned>(r % 4 + 1));
    EXPECT_EQ(row.At(row.Count - 1), Mark(r * 4 + r % 4));
  }
}

TEST(CellStore, CurrentIsTheSlotSelectedOrVisitedLast) {
  char** cursor = nullptr;
  TCellShared shared{&cursor, {}};
  TStorePool stores(shared);
  TCellStore& row = *stores.Make();
  for (int i = 0; i < 3; ++i) *row.Add() = Mark(i);
  row.Select(1);
  EXPECT_EQ(*row.Current(), Mark(1));
  EXPECT_EQ(row.Index, 1);
  ASSERT_TRUE(row.Next());
  EXPECT_EQ(*row.Current(), Mark(1)) << "Next visits the slot at Index";
  EXPECT_EQ(row.Index, 2);
  TCellStore& single = *stores.Make();
  *single.Add() = Mark(7);
  EXPECT_EQ(*cursor, Mark(7)) << "a one-cell row publishes its own slot";
  EXPECT_EQ(*row.Current(), Mark(1)) << "another row's cursor leaves this one alone";
}

}  // namespace
}  // namespace zendrik
