#include "app/grid_layout.h"

#include "tests/app/grid_fixtures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

namespace zendrik {
namespace {

using testsupport::Fill;

class GridLayoutTest : public testing::Test {
 protected:
  int TextWidth(const QString& text) const { return metrics.horizontalAdvance(text); }

  TGridLayout layout{testsupport::GridFont()};
  QFontMetrics metrics{layout.Font()};
  TCellTable table;
};

TEST_F(GridLayoutTest, CellWidthIsTextWidthPlusFiveWithinFiveAnd250) {
  std::string zeroWidthSpaces;
  for (int i = 0; i < 300; ++i) zeroWidthSpaces += "\xE2\x80\x8B";
  const struct {
    std::string Text;
    int Expected;
  } cases[] = {
      {"", 5},
      {"Price list", TextWidth("Price list") + 5},
      // UTF-8 is measured as the characters it encodes, other bytes as Latin-1.
      {"Stra\xC3\x9F"
       "e",
       TextWidth(QString::fromUtf8("Stra\u00DFe")) + 5},
      {"Stra\xDF"
       "e",
       TextWidth(QString::fromUtf8("Stra\u00DFe")) + 5},
      {std::string(100000, 'm'), 250},
      {std::string(300, '\xE9'), 250},
      // Long, but narrow on screen: not capped.
      {zeroWidthSpaces, std::min(TextWidth(QString::fromUtf8(zeroWidthSpaces)) + 5, 250)},
  };
  for (const auto& c : cases)
    EXPECT_EQ(layout.CellWidth(c.Text), c.Expected) << c.Text.substr(0, 40);
}

TEST_F(GridLayoutTest, PlainTextsMeasureAsTheTextLayoutLaysThemOut) {
  // Every pair of printable ASCII characters (kerning, ligatures), then longer texts.
  std::vector<std::string> texts{"office affluent", "AVATAR Type WAVE", "tab\there",
                                 std::string(41, 'm'), std::string(42, 'm')};
  for (char a = ' '; a < 0x7F; ++a)
    for (char b = ' '; b < 0x7F; ++b) texts.push_back({a, b});
  for (const std::string& text : texts)
    ASSERT_EQ(layout.CellWidth(text), std::min(TextWidth(QString::fromLatin1(text)) + 5, 250))
        << "\"" << text << "\"";
}

TEST_F(GridLayoutTest, ColumnsTakeTheirWidestCellOverRowsOfAnyLength) {
  Fill(table, {{"a", "bbbb"}, {"ccccccc"}, {}, {"", "", "", "", ""}});
  layout.Rebuild(table);
  ASSERT_EQ(layout.ColumnCount(), 5);
  const int first = std::max(TextWidth("a"), TextWidth("ccccccc")) + 5;
  const int second = TextWidth("bbbb") + 5;
  EXPECT_EQ(layout.ColumnWidth(0), first);
  EXPECT_EQ(layout.ColumnWidth(1), second);
  EXPECT_EQ(layout.ColumnWidth(4), 5);
  EXPECT_EQ(layout.RowPitch(), metrics.height() + 4);
  EXPECT_EQ(layout.SurfaceSize(), QSize(first + second + 15, 4 * layout.RowPitch()));

  table.clearall();
  layout.Rebuild(table);
  EXPECT_EQ(layout.SurfaceSize(), QSize(1, 1));
  EXPECT_EQ(layout.ColumnCount(), 0);
  EXPECT_EQ(layout.CurColWidth, nullptr);
}

// Widths kept up to date write by write must equal those of measuring the whole table: writes
// that widen, narrow, append rows and cells, and miss the table, in a random order.
TEST_F(GridLayoutTest, WidthsAfterEachWriteEqualAFullRebuild) {
  std::mt19937 random(20261208);
  const std::string texts[] = {"", "i", "mm", "a longer text", std::string(80, 'w'), "x"};
  TGridLayout full(testsupport::GridFont());
  layout.Rebuild(table);
  for (int write = 0; write < 2000; ++write) {
    const int row = static_cast<int>(random() % 12) - 1;
    const int column = static_cast<int>(random() % 9) - 1;
    const std::string& text = texts[random() % std::size(texts)];
    const TCellWriteShape before = layout.BeforeWrite(table, row, column);
    table.WriteCell(row, column, text);
    layout.AfterWrite(table, row, column, before);
    full.Rebuild(table);
    ASSERT_EQ(layout.ColumnCount(), full.ColumnCount()) << "write " << write;
    for (int c = 0; c < full.ColumnCount(); ++c)
      ASSERT_EQ(layout.ColumnWidth(c), full.ColumnWidth(c))
          << "write " << write << ", column " << c;
    ASSERT_EQ(layout.SurfaceSize(), full.SurfaceSize()) << "write " << write;
  }
}

TEST_F(GridLayoutTest, PointsFallInTheCellWhoseAreaOrRightAndLowerLineHoldsThem) {
  Fill(table, {{"a", "bb"}, {"c"}, {"d", "e", "f"}});
  layout.Rebuild(table);
  const int pitch = layout.RowPitch();
  EXPECT_EQ(layout.ColumnAt(-5), 0);
  EXPECT_EQ(layout.ColumnAt(0), 0);
  EXPECT_EQ(layout.ColumnAt(layout.ColumnLeft(1)), 0) << "the line right of column A";
  EXPECT_EQ(layout.ColumnAt(layout.ColumnLeft(1) + 1), 1);
  EXPECT_EQ(layout.ColumnAt(layout.ColumnLeft(3) + 100), 2) << "the nearest column";
  EXPECT_EQ(layout.RowAt(0, 3), 0);
  EXPECT_EQ(layout.RowAt(pitch, 3), 0) << "the line below row 1";
  EXPECT_EQ(layout.RowAt(pitch + 1, 3), 1);
  EXPECT_EQ(layout.RowAt(100 * pitch, 3), 2);

  TCellTable empty;
  layout.Rebuild(empty);
  EXPECT_EQ(layout.ColumnAt(0), -1);
  EXPECT_EQ(layout.RowAt(0, 0), -1);
}

}  // namespace
}  // namespace zendrik
