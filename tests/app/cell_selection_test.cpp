// Selections of the grid and what they put on the clipboard.

#include "app/cell_selection.h"
#include "app/clipboard_export.h"

#include "tests/app/grid_fixtures.h"

#include <QMimeData>

#include <gtest/gtest.h>

namespace zendrik {
namespace {

constexpr int kEnd = TCellRange::kToEnd;

TEST(CellSelection, ClicksShiftClicksAndDragsSpanARectangleFromTheAnchor) {
  TCellSelection selection;
  EXPECT_TRUE(selection.Range().Empty());
  selection.Click(4, 2, false);
  EXPECT_EQ(selection.Range(), (TCellRange{4, 2, 4, 2}));
  selection.Click(1, 5, true);
  EXPECT_EQ(selection.Range(), (TCellRange{1, 2, 4, 5}));
  selection.DragTo(6, 0);
  EXPECT_EQ(selection.Range(), (TCellRange{4, 0, 6, 2})) << "still from the anchor";
  selection.Click(0, 0, false);
  EXPECT_EQ(selection.Range(), (TCellRange{0, 0, 0, 0}));
  selection.Clear();
  EXPECT_TRUE(selection.Range().Empty());
}

TEST(CellSelection, HeadersSelectWholeRowsAndColumnsAndAllSelectsEverything) {
  TCellSelection selection;
  selection.ClickRow(3, false);
  selection.DragTo(1, 7);
  EXPECT_EQ(selection.Range(), (TCellRange{1, 0, 3, kEnd}));
  selection.ClickRow(5, true);
  EXPECT_EQ(selection.Range(), (TCellRange{3, 0, 5, kEnd}));
  selection.ClickColumn(2, true);  // another kind: a new anchor
  EXPECT_EQ(selection.Range(), (TCellRange{0, 2, kEnd, 2}));
  selection.DragTo(9, 4);
  EXPECT_EQ(selection.Range(), (TCellRange{0, 2, kEnd, 4}));
  selection.SelectAll();
  EXPECT_EQ(selection.Range(), (TCellRange{0, 0, kEnd, kEnd}));
  EXPECT_TRUE(selection.Range().Contains(100000, 100000));
}

class ClipboardExportTest : public testing::Test {
 protected:
  void SetUp() override {
    testsupport::Fill(table, {{"Name", "Price", "Note"},
                              {"Apple", "1,99"},
                              {},
                              {"He said \"hi\"", "tab\there", "two\r\nlines", "C:\\dir"}});
  }
  TCellTable table;
};

TEST_F(ClipboardExportTest, ARectangleGivesEveryLineItsWidth) {
  const TCellRange range{0, 1, 2, 2};
  EXPECT_EQ(SelectionAsTabSeparated(table, range), "Price\tNote\n1,99\t\n\t");
  EXPECT_EQ(SelectionAsCsv(table, range), "\"Price\",\"Note\"\r\n\"1,99\",\"\"\r\n\"\",\"\"\r\n");
}

TEST_F(ClipboardExportTest, WholeRowsAndEverythingGiveEachRowTheCellsItHas) {
  EXPECT_EQ(SelectionAsTabSeparated(table, {1, 0, 2, kEnd}), "Apple\t1,99\n");
  EXPECT_EQ(SelectionAsTabSeparated(table, {0, 0, kEnd, kEnd}),
            "Name\tPrice\tNote\nApple\t1,99\n\n\"He said \"\"hi\"\"\"\t\"tab\there\"\t"
            "\"two\r\nlines\"\tC:\\dir");
  EXPECT_EQ(SelectionAsCsv(table, {0, 0, kEnd, kEnd}),
            "\"Name\",\"Price\",\"Note\"\r\n\"Apple\",\"1,99\"\r\n\r\n"
            "\"He said \\\"hi\\\"\",\"tab\there\",\"two\r\nlines\",\"C:\\\\dir\"\r\n")
      << "the table file's format";
  EXPECT_EQ(SelectionAsTabSeparated(table, {0, 2, kEnd, 2}), "Note\n\n\n\"two\r\nlines\"");
}

TEST_F(ClipboardExportTest, NothingSelectedOrOutsideTheTableGivesNothing) {
  EXPECT_EQ(SelectionAsTabSeparated(table, {}), "");
  EXPECT_EQ(SelectionAsCsv(table, {}), "");
  EXPECT_EQ(SelectionAsTabSeparated(table, {7, 0, 9, 3}), "");
  TCellTable empty;
  EXPECT_EQ(SelectionAsCsv(empty, {0, 0, kEnd, kEnd}), "");
}

TEST_F(ClipboardExportTest, TheClipboardGetsTextAndCsvAndTheGridsReadingOfBytes) {
  testsupport::Fill(table, {{"Stra\xDF"
                             "e",
                             "\xC3\x84pfel"}});
  const auto data = SelectionMimeData(table, {4, 0, 4, 1});
  EXPECT_EQ(data->text(), QString::fromUtf8("Stra\xC3\x9F"
                                            "e\t\xC3\x84pfel"));
  EXPECT_EQ(data->data(kCsvMimeType).toStdString(),
            "\"Stra\xDF"
            "e\",\"\xC3\x84pfel\"\r\n")
      << "bytes as stored";
}

}  // namespace
}  // namespace zendrik
