#include "extract/table.h"

#include "tests/extract/table_contents.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zendrik {
namespace {

using Rows = TableRows;

TEST(CellTable, AppendsRowsAndCellsAndSharesOneCellCursor) {
  TCellTable table;
  table.AppendRow();
  table.AppendCell("a");
  table.AppendCell("b");
  table.AppendRow();
  table.AppendCell("c");
  EXPECT_EQ(Contents(table), (Rows{{"a", "b"}, {"c"}}));
  EXPECT_STREQ(*table.CurCell, "c");
  EXPECT_EQ(table.ReadCell(1, 2), "b");
  EXPECT_STREQ(*table.CurCell, "b") << "reading moves the shared cell cursor";
}

TEST(CellTable, ReadOutsideTheTableIsEmpty) {
  TCellTable table;
  table.AppendRow();
  table.AppendCell("x");
  for (auto [row, column] : {std::pair{0, 1}, {-1, 1}, {2, 1}, {1, 0}, {1, 2}})
    EXPECT_EQ(table.ReadCell(row, column), "") << row << "," << column;
}

TEST(CellTable, WriteBeyondTheTableCreatesRowsWithOneEmptyCell) {
  TCellTable table;
  table.WriteCell(3, 2, "t");
  EXPECT_EQ(Contents(table), (Rows{{""}, {""}, {"", "t"}}));
}

TEST(CellTable, WriteWithRowOrColumnBelowOneWritesNoText) {
  TCellTable table;
  table.WriteCell(0, 1, "x");
  table.WriteCell(-4, 1, "x");
  EXPECT_EQ(table.RowCount(), 0u);
  table.WriteCell(2, 0, "x");
  EXPECT_EQ(Contents(table), (Rows{{""}, {""}}));
}

TEST(CellTable, WriteReplacesAnExistingCellAndEndsTextAtNul) {
  TCellTable table;
  table.AppendRow();
  table.AppendCell("old");
  table.WriteCell(1, 1, std::string("new\0tail", 8));
  EXPECT_EQ(Contents(table), (Rows{{"new"}}));
}

TEST(CellTable, EmptyRowsStayAndClearAllEmptiesEverything) {
  TCellTable table;
  table.AppendRow();
  table.AppendRow();
  table.AppendCell("x");
  EXPECT_EQ(Contents(table), (Rows{{}, {"x"}}));
  table.clearall();
  EXPECT_EQ(table.RowCount(), 0u);
  EXPECT_EQ(table.CurRow, nullptr);
}

TEST(CellTable, HoldsManyRowsAcrossGrowthSteps) {
  TCellTable table;
  for (int r = 0; r < 250; ++r) {
    table.AppendRow();
    for (int c = 0; c < 3; ++c) table.AppendCell(std::to_string(r * 3 + c));
  }
  EXPECT_EQ(table.ReadCell(250, 3), "749");
  EXPECT_EQ(table.ReadCell(101, 1), "300");
}

TEST(CellTable, OverwritingCellsAgainAndAgainKeepsEveryTextAndTheCursor) {
  TCellTable table;
  for (int r = 1; r <= 50; ++r)
    for (int c = 1; c <= 4; ++c)
      table.WriteCell(r, c, "r" + std::to_string(r) + "c" + std::to_string(c));
  // Enough replaced bytes that the table packs its texts anew, several times.
  for (int i = 0; i < 200000; ++i) table.WriteCell(1 + i % 3, 2, std::string(1 + i % 50, 'v'));
  EXPECT_STREQ(*table.CurCell, std::string(1 + 199999 % 50, 'v').c_str());
  table.WriteCell(7, 3, "seven");
  EXPECT_STREQ(*table.CurCell, "seven");
  const TableRows rows = Contents(table);
  EXPECT_EQ(rows[0][1], std::string(1 + 199998 % 50, 'v'));
  EXPECT_EQ(rows[2][1], std::string(1 + 199997 % 50, 'v'));
  EXPECT_EQ(rows[3][1], "r4c2");
  EXPECT_EQ(rows[49][3], "r50c4");
}

TEST(CellTable, CellsAppendedToEarlierRowsStayInOrder) {
  TCellTable table;
  for (int r = 1; r <= 30; ++r) table.WriteCell(r, 1, std::to_string(r));
  for (int c = 2; c <= 40; ++c)
    for (int r = 1; r <= 30; ++r) table.WriteCell(r, c, std::to_string(r * 100 + c));
  for (int r = 1; r <= 30; ++r)
    for (int c = 2; c <= 40; ++c) ASSERT_EQ(table.ReadCell(r, c), std::to_string(r * 100 + c));
  EXPECT_EQ(table.ReadCell(30, 1), "30");
}

}  // namespace
}  // namespace zendrik
