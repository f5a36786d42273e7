#include "app/grid_layout.h"

#include "tests/app/grid_fixtures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

namespace zendrik {
namespace {

using testsupport::Fill;
using testsupport::GridFont;

class GridLayoutTest : public testing::Test {
protected:
  int TextWidth(const QString& text) const { return metrics.horizontalAdvance(text); }

  TGridLayout layout{GridFont()};
  QFontMetrics metrics{layout.Font()};
  TCellTable table;
};

TEST_F(GridLayoutTest, RowPitchIsTheHeightOfASpacePlusFour) {
  EXPECT_EQ(layout.TextHeight(), metrics.height());
  EXPECT_EQ(layout.RowPitch(), metrics.height() + 4);
}

TEST_F(GridLayoutTest, CellWidthIsTextWidthPlusFiveWithinFiveAnd250) {
  const std::string zeroWidthSpaces = [] {
    std::string text;
    for (int i = 0; i < 300; ++i)
      text += "\xE2\x80\x8B";
    return text + "x";
  }();
  const struct {
    std::string Text;
    int Expected;
  } cases[] = {
      {"", 5},
      {"x", TextWidth("x") + 5},
      {"Price list", TextWidth("Price list") + 5},
      // UTF-8 is measured as the characters it encodes, other bytes as Latin-1.
      {"Stra\xC3\x9F" "e", TextWidth(QString::fromUtf8("Stra\u00DFe")) + 5},
      {"Stra\xDF" "e", TextWidth(QString::fromUtf8("Stra\u00DFe")) + 5},
      {std::string(300, 'W'), 250},
      {std::string(100000, 'm'), 250},
      // Long, but narrow on screen: not capped.
      {zeroWidthSpaces, std::min(TextWidth(QString::fromUtf8(zeroWidthSpaces)) + 5, 250)},
  };
  for (const auto& c : cases)
    EXPECT_EQ(layout.CellWidth(c.Text), c.Expected) << c.Text.substr(0, 40);
}

TEST_F(GridLayoutTest, PlainTextsMeasureAsTheTextLayoutLaysThemOut) {
  // Every pair of printable ASCII characters (kerning, ligatures), then longer texts.
  std::vector<std::string> texts;
  for (char a = ' '; a < 0x7F; ++a)
    for (char b = ' '; b < 0x7F; ++b)
      texts.push_back({a, b});
  for (const char* text : {"office affluent", "AVATAR Type WAVE", "1,99 EUR; 2.50 USD",
                           "http://www.example.com/path?query=1&b=2", "iiiiiiiiiiiiiiiiiiiiiii",
                           "mmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmm", "tab	here"})
    texts.push_back(text);
  for (const std::string& text : texts) {
    const int expected = std::min(TextWidth(QString::fromLatin1(text)) + 5, 250);
    ASSERT_EQ(layout.CellWidth(text), expected) << "\"" << text << "\"";
  }
}

TEST_F(GridLayoutTest, ColumnTakesItsWidestCellOverAllRows) {
  Fill(table, {{"a", "bbbb"}, {"ccccccc"}, {}, {"", ""}});
  layout.Rebuild(table);
  ASSERT_EQ(layout.ColumnCount(), 2);
  const int first = std::max(TextWidth("a"), TextWidth("ccccccc")) + 5;
  const int second = TextWidth("bbbb") + 5;
  EXPECT_EQ(layout.ColumnWidth(0), first);
  EXPECT_EQ(layout.ColumnWidth(1), second);
  EXPECT_EQ(layout.ColumnLeft(1), first);
  EXPECT_EQ(layout.SurfaceSize(), QSize(first + second, 4 * layout.RowPitch()));
}

TEST_F(GridLayoutTest, RowsOfThreeAndFiveCellsGiveFiveColumns) {
  Fill(table, {{"1", "2", "3"}, {"1", "2", "3", "4", "5"}});
  layout.Rebuild(table);
  EXPECT_EQ(layout.ColumnCount(), 5);
}

TEST_F(GridLayoutTest, EmptyCellsStillMakeColumnsFivePixelsWide) {
  Fill(table, {{"", ""}});
  layout.Rebuild(table);
  ASSERT_EQ(layout.ColumnCount(), 2);
  EXPECT_EQ(layout.ColumnWidth(0), 5);
  EXPECT_EQ(layout.ColumnWidth(1), 5);
}

TEST_F(GridLayoutTest, EmptyTableGivesAOnePixelSurfaceAndNoColumns) {
  layout.Rebuild(table);
  EXPECT_EQ(layout.SurfaceSize(), QSize(1, 1));
  Fill(table, {{"wide text"}});
  layout.Rebuild(table);
  table.clearall();
  layout.Rebuild(table);
  EXPECT_EQ(layout.SurfaceSize(), QSize(1, 1));
  EXPECT_EQ(layout.ColumnCount(), 0);
  EXPECT_EQ(layout.CurColWidth, nullptr);
}

TEST_F(GridLayoutTest, RangesHoldEveryRowAndColumnThatMeetsAnArea) {
  Fill(table, {{"a", "", "a much longer text", "b"}, {}, {"c"}, {"d"}, {"e"}});
  layout.Rebuild(table);
  const int pitch = layout.RowPitch();
  const QSize size = layout.SurfaceSize();
  for (int left = -3; left < size.width() + 3; left += 3) {
    for (int right = left; right < size.width() + 3; right += 7) {
      const auto [first, end] = layout.ColumnsIn(left, right);
      for (int c = 0; c < layout.ColumnCount(); ++c) {
        const bool meets = layout.ColumnLeft(c + 1) >= left && layout.ColumnLeft(c) <= right;
        EXPECT_EQ(meets, c >= first && c < end) << "column " << c << " in " << left << ".." << right;
      }
    }
  }
  const unsigned rows = table.RowCount();
  for (int top = -2; top < size.height() + 2; ++top) {
    for (int bottom = top; bottom < size.height() + 2; bottom += 5) {
      const auto [first, end] = layout.RowsIn(top, bottom, rows);
      for (unsigned r = 0; r < rows; ++r) {
        const int y = static_cast<int>(r) * pitch;
        if (y + 1 <= bottom && y + pitch >= top) {
          EXPECT_TRUE(r >= first && r < end) << "row " << r << " in " << top << ".." << bottom;
        }
      }
      EXPECT_LE(end, rows);
    }
  }
}

} // namespace
} // namespace zendrik
