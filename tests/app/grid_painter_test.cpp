#include "app/grid_painter.h"

#include "tests/app/grid_fixtures.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace zendrik {
namespace {

using testsupport::Fill;

const QColor kWhite(0xFFFFFF), kSilver(0xC0C0C0), kGrey(0x808080);

class GridPainterTest : public testing::Test {
 protected:
  void SetUp() override {
    Fill(table, {{"Name", "Price", std::string(80, 'x')},
                 {"\xC3\x84pfel", "1,99 \xE2\x82\xAC"},
                 {},
                 {"gjpq",
                  "Stra\xDF"
                  "e",
                  "c", "d", "e"}});
    for (int i = 0; i < 30; ++i) Fill(table, {{std::to_string(i), std::string(i, 'w')}});
    layout.Rebuild(table);
  }

  // The cell surface with only `exposed` painted (the rest magenta).
  QImage Cells(const QRect& exposed, const TCellRange& selection = {}) const {
    QImage image(layout.SurfaceSize(), QImage::Format_RGB32);
    image.fill(Qt::magenta);
    QPainter p(&image);
    PaintCellArea(p, exposed, image.size(), table, layout, selection);
    return image;
  }

  QImage Header(QSize size, int scroll) const {
    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);
    if (size.height() == 25)
      PaintColumnHeader(p, image.rect(), size, scroll, layout);
    else
      PaintRowHeader(p, image.rect(), size, scroll, table.RowCount(), layout);
    return image;
  }

  TCellTable table;
  TGridLayout layout{testsupport::GridFont()};
};

TEST_F(GridPainterTest, PaintingPartOfTheSurfaceGivesThePixelsOfAWholePaint) {
  const QSize size = layout.SurfaceSize();
  const int pitch = layout.RowPitch();
  const QImage whole = Cells(QRect(QPoint(0, 0), size));
  const QRect areas[] = {
      QRect(0, 0, 1, 1),
      QRect(0, pitch * 7 + 3, size.width(), pitch * 5),
      QRect(layout.ColumnLeft(1) + 3, pitch * 2 - 1, 120, 61),
      QRect(layout.ColumnLeft(2), 0, 1, size.height()),      // a column's left edge
      QRect(layout.ColumnLeft(2) - 1, 0, 1, size.height()),  // the line left of it
      QRect(0, pitch, size.width(), 1),                      // a row line
      QRect(size.width() - 7, size.height() - 9, 7, 9),
  };
  for (const QRect& area : areas)
    EXPECT_EQ(Cells(area).copy(area), whole.copy(area))
        << "area " << area.x() << "," << area.y() << " " << area.width() << "x" << area.height();
}

TEST_F(GridPainterTest, SelectedCellsHaveTheirBackgroundAlsoWhenPaintedInParts) {
  const QColor selected(kSelectionBackground);
  const QSize size = layout.SurfaceSize();
  const int pitch = layout.RowPitch();
  // Inside a selected cell, away from its text: below the text band, left of the text.
  const auto background = [&](const QImage& image, int row, int column) {
    return image.pixelColor(layout.ColumnLeft(column) + 1, row * pitch + pitch - 1);
  };
  const TCellRange rectangle{1, 1, 3, 2};
  const QImage whole = Cells(QRect(QPoint(0, 0), size), rectangle);
  EXPECT_EQ(background(whole, 1, 1), selected);
  EXPECT_EQ(background(whole, 3, 2), selected);
  EXPECT_EQ(background(whole, 2, 4), kWhite) << "the empty row's cells left of the rectangle";
  EXPECT_EQ(background(whole, 0, 1), kWhite);
  EXPECT_EQ(background(whole, 1, 0), kWhite);
  EXPECT_EQ(background(whole, 4, 1), kWhite);
  EXPECT_EQ(whole.pixelColor(layout.ColumnLeft(2), pitch + 3), kGrey) << "lines stay on top";
  for (const QRect& area : {QRect(0, pitch + 2, size.width(), pitch), QRect(30, 0, 90, 200)})
    EXPECT_EQ(Cells(area, rectangle).copy(area), whole.copy(area));

  // Whole rows end with the table; a range past its end paints nothing more.
  const QImage rows =
      Cells(QRect(QPoint(0, 0), size), {33, 0, TCellRange::kToEnd, TCellRange::kToEnd});
  EXPECT_EQ(background(rows, 33, 0), selected);
  EXPECT_EQ(background(rows, 33, layout.ColumnCount() - 1), selected);
  EXPECT_EQ(background(rows, 32, 0), kWhite);
  EXPECT_EQ(Cells(QRect(QPoint(0, 0), size), {40, 0, 50, 2}), Cells(QRect(QPoint(0, 0), size)));
}

TEST_F(GridPainterTest, TextsStayInsideTheirCellsBetweenGreyLines) {
  const QImage image = Cells(QRect(QPoint(0, 0), layout.SurfaceSize()));
  const int pitch = layout.RowPitch();
  const auto whiteBetween = [&](int left, int right, int top, int bottom) {
    for (int y = top; y <= bottom; ++y)
      for (int x = left; x <= right; ++x)
        if (image.pixelColor(x, y) != kWhite) return false;
    return true;
  };
  EXPECT_EQ(image.pixelColor(layout.ColumnLeft(1), pitch * 3 + 1), kGrey);
  EXPECT_EQ(image.pixelColor(1, pitch), kGrey);
  // The top line of a row stays white; the text's line ends above the line below its row.
  EXPECT_TRUE(whiteBetween(0, layout.ColumnLeft(1) - 1, 0, 0));
  EXPECT_TRUE(whiteBetween(0, layout.ColumnLeft(1) - 1, 3 * pitch + 1, 3 * pitch + 1));
  EXPECT_TRUE(whiteBetween(0, layout.ColumnLeft(1) - 1, 4 * pitch - 1, 4 * pitch - 1));
  // The capped column's text ends at its edge: the second row has no cell right of it.
  ASSERT_EQ(layout.ColumnWidth(2), 250);
  EXPECT_FALSE(whiteBetween(layout.ColumnLeft(2) + 2, layout.ColumnLeft(3) - 1, 1, pitch - 1));
  EXPECT_TRUE(whiteBetween(layout.ColumnLeft(3) + 1, layout.ColumnLeft(4) - 1, 1, pitch - 1));
}

TEST_F(GridPainterTest, HeadersShowNamesAndNumbersWhereTheScrolledCellsAre) {
  const QSize strip(700, 25), column(33, 400);
  QImage first(layout.ColumnWidth(0), 25, QImage::Format_RGB32);
  first.fill(kSilver);
  {
    QPainter p(&first);
    p.setFont(layout.Font());
    p.drawText(2, 2 + layout.Ascent(), "A");
  }
  EXPECT_EQ(Header(strip, 0).copy(first.rect()), first);
  // Scrolled right by 100 pixels, every name is drawn 100 pixels further left.
  EXPECT_EQ(Header(strip, 100).copy(0, 0, 600, 25), Header(strip, 0).copy(100, 0, 600, 25));
  const int down = layout.RowPitch() * 3 + 5;
  EXPECT_EQ(Header(column, down).copy(0, 0, 33, 300), Header(column, 0).copy(0, down, 33, 300));
}

TEST(GridPainter, EmptyTableIsOneWhitePixelWithBlankSilverHeaders) {
  TCellTable table;
  TGridLayout layout(testsupport::GridFont());
  layout.Rebuild(table);
  QImage cells(layout.SurfaceSize(), QImage::Format_RGB32);
  QImage strip(300, 25, QImage::Format_RGB32), column(33, 300, QImage::Format_RGB32);
  {
    QPainter p(&cells), q(&strip), r(&column);
    PaintCellArea(p, cells.rect(), cells.size(), table, layout);
    PaintColumnHeader(q, strip.rect(), strip.size(), 0, layout);
    PaintRowHeader(r, column.rect(), column.size(), 0, 0, layout);
  }
  EXPECT_EQ(cells.size(), QSize(1, 1));
  EXPECT_EQ(cells.pixelColor(0, 0), kWhite);
  for (QImage* header : {&strip, &column}) {
    QImage silver(header->size(), QImage::Format_RGB32);
    silver.fill(kSilver);
    EXPECT_EQ(*header, silver);
  }
}

// At any font size every glyph of a cell shows whole: the row is tall enough for the font's
// line, and nothing of it is clipped (descenders of g, j, p, q, y included). The headers grow
// with the font too.
TEST(GridPainter, RowsAndHeadersFitTheFontAtAnySize) {
  for (const int points : {8, 20}) {
    SCOPED_TRACE(points);
    QFont font = testsupport::GridFont();
    font.setPointSize(points);
    TGridLayout layout(font);
    TCellTable table;
    Fill(table, {{"gjpqy \xC3\x85"}, {"Agy"}});
    layout.Rebuild(table);
    const QFontMetrics metrics(layout.Font());
    EXPECT_EQ(layout.RowPitch(), metrics.height() + 4);
    EXPECT_GE(layout.HeaderHeight(), std::max(25, metrics.height() + 4));
    EXPECT_GE(layout.RowHeaderWidth(100000), metrics.horizontalAdvance("100000") + 4);
    EXPECT_EQ(layout.RowHeaderWidth(2), std::max(33, metrics.horizontalAdvance("2") + 5));

    QImage painted(layout.SurfaceSize(), QImage::Format_RGB32);
    QImage free(layout.ColumnWidth(0), 2 * layout.RowPitch(), QImage::Format_RGB32);
    free.fill(kWhite);
    {
      QPainter p(&painted);
      PaintCellArea(p, painted.rect(), painted.size(), table, layout);
      QPainter q(&free);
      q.setFont(layout.Font());
      q.drawText(2, 2 + layout.Ascent(), QString::fromUtf8("gjpqy \u00C5"));
    }
    // The whole line of text lies inside the first row, above the line below it ...
    for (int y = layout.RowPitch() - 1; y < free.height(); ++y)
      for (int x = 0; x < free.width(); ++x)
        ASSERT_EQ(free.pixelColor(x, y), kWhite) << "ink below the row at " << x << "," << y;
    // ... and the grid shows all of it.
    const QRect text(0, 1, layout.ColumnWidth(0) - 1, layout.RowPitch() - 2);
    EXPECT_EQ(painted.copy(text), free.copy(text));
  }
}

}  // namespace
}  // namespace zendrik
