#include "app/grid_painter.h"

#include "app/cell_text.h"
#include "app/column_names.h"
#include "tests/app/grid_fixtures.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace zendrik {
namespace {

using testsupport::Fill;
using testsupport::GridFont;

const QColor kWhite(0xFFFFFF), kSilver(0xC0C0C0), kGrey(0x808080);

// The grid drawn the plain way: every cell of the table measured and drawn, visible or not.
// The painter under test must give the same pixels while visiting only what it must.
class Reference {
public:
  Reference(const TCellTable& table, const QFont& font) : Table(table), Font(font), Metrics(font) {
    for (unsigned r = 0; r < table.RowCount(); ++r) {
      const TCellStore& row = table.Row(r);
      for (unsigned k = 0; k < row.Count; ++k) {
        const int w = std::min(
            Metrics.horizontalAdvance(DisplayText(TCellTable::CellText(row, k))) + 5, 250);
        if (Widths.size() <= k)
          Widths.push_back(0);
        Widths[k] = std::max(Widths[k], w);
      }
    }
    int width = 0;
    for (unsigned r = 0; r < table.RowCount(); ++r) {
      int x = 0;
      for (unsigned k = 0; k < table.Row(r).Count; ++k)
        x += Widths[k];
      width = std::max(width, x);
    }
    Size = QSize(std::max(width, 1), std::max<int>(table.RowCount() * Pitch(), 1));
  }

  int Pitch() const { return Metrics.height() + 4; }

  QImage Cells() const {
    QImage image(Size, QImage::Format_RGB32);
    QPainter p(&image);
    Begin(p, image, kWhite);
    const int h = Metrics.height();
    int y = 0;
    for (unsigned r = 0; r < Table.RowCount(); ++r) {
      const TCellStore& row = Table.Row(r);
      int x = 0;
      for (unsigned k = 0; k < row.Count; ++k) {
        const int w = Widths[k];
        Text(p, QRect(QPoint(x, y + 1), QPoint(x + w - 1, y + h - 1)), x + 2, y + 2,
             DisplayText(TCellTable::CellText(row, k)));
        x += w;
      }
      y += h + 4;
      Line(p, 0, y, Size.width(), y);
    }
    int x = 0;
    for (int w : Widths) {
      x += w;
      Line(p, x, 0, x, Size.height());
    }
    return image;
  }

  QImage ColumnHeader(QSize size, int scrollX) const {
    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);
    Begin(p, image, kSilver);
    int x = -scrollX;
    for (std::size_t k = 0; k < Widths.size(); ++k) {
      Text(p, QRect(x, 0, Widths[k], size.height()), x + 2, 2,
           QString::fromStdString(ColumnName(k + 1)));
      x += Widths[k];
    }
    x = -scrollX;
    for (int w : Widths) {
      x += w;
      Line(p, x, 0, x, size.height());
    }
    return image;
  }

  QImage RowHeader(QSize size, int scrollY) const {
    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);
    Begin(p, image, kSilver);
    const int h = Metrics.height();
    int y = -scrollY;
    for (unsigned k = 1; k <= Table.RowCount(); ++k) {
      Text(p, QRect(QPoint(0, y + 1), QPoint(size.width() - 1, y + h - 1)), 2, y + 2,
           QString::number(k));
      y += h + 4;
      Line(p, 0, y, size.width(), y);
    }
    return image;
  }

  std::vector<int> Widths;
  QSize Size;

private:
  void Begin(QPainter& p, const QImage& image, QColor background) const {
    p.fillRect(image.rect(), background);
    p.setFont(Font);
    p.setPen(Qt::black);
  }
  void Text(QPainter& p, const QRect& clip, int x, int top, const QString& text) const {
    p.setClipRect(clip);
    p.drawText(x, top + Metrics.ascent(), text);
    p.setClipping(false);
  }
  static void Line(QPainter& p, int x1, int y1, int x2, int y2) {
    p.setPen(kGrey);
    p.drawLine(x1, y1, x2, y2);
    p.setPen(Qt::black);
  }

  const TCellTable& Table;
  QFont Font;
  QFontMetrics Metrics;
};

class GridPainterTest : public testing::Test {
protected:
  void SetUp() override {
    Fill(table, {{"Name", "Price", "Link"},
                 {"\xC3\x84pfel", "1,99 \xE2\x82\xAC",
                  "http://www.example.com/a/very/long/address/that/cannot/fit/into/one/column"},
                 {},
                 {"", "x"},
                 {"gjpq", "Stra\xDF" "e", "c", "d", "e"}});
    for (int i = 0; i < 30; ++i)
      Fill(table, {{std::to_string(i), std::string(i, 'w')}});
    layout.Rebuild(table);
  }

  QImage Ours(const QRect& exposed) const {
    QImage image(layout.SurfaceSize(), QImage::Format_RGB32);
    image.fill(Qt::magenta);
    QPainter p(&image);
    PaintCellArea(p, exposed, image.size(), table, layout);
    return image;
  }

  QImage OursColumnHeader(QSize size, int scrollX) const {
    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);
    PaintColumnHeader(p, image.rect(), size, scrollX, layout);
    return image;
  }

  QImage OursRowHeader(QSize size, int scrollY) const {
    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);
    PaintRowHeader(p, image.rect(), size, scrollY, table.RowCount(), layout);
    return image;
  }

  TCellTable table;
  QFont font = GridFont();
  TGridLayout layout{font};
};

TEST_F(GridPainterTest, MeasuresLikeThePlainAlgorithm) {
  const Reference reference(table, layout.Font());
  ASSERT_EQ(layout.ColumnCount(), static_cast<int>(reference.Widths.size()));
  for (int c = 0; c < layout.ColumnCount(); ++c)
    EXPECT_EQ(layout.ColumnWidth(c), reference.Widths[c]) << "column " << c;
  EXPECT_EQ(layout.ColumnWidth(2), 250);
  EXPECT_EQ(layout.SurfaceSize(), reference.Size);
}

TEST_F(GridPainterTest, AnyExposedPartHasThePixelsOfTheWholeTablePainted) {
  const QImage expected = Reference(table, layout.Font()).Cells();
  const QSize size = layout.SurfaceSize();
  const int pitch = layout.RowPitch();
  const QRect areas[] = {
      QRect(QPoint(0, 0), size),
      QRect(0, 0, 1, 1),
      QRect(0, pitch * 7 + 3, size.width(), pitch * 5),
      QRect(layout.ColumnLeft(1) + 3, pitch * 2 - 1, 120, 61),
      QRect(layout.ColumnLeft(2), 0, 1, size.height()),     // a column's left edge
      QRect(layout.ColumnLeft(2) - 1, 0, 1, size.height()), // the line left of it
      QRect(0, pitch, size.width(), 1),                     // a row line
      QRect(size.width() - 7, size.height() - 9, 7, 9),     // the bottom right corner
  };
  for (const QRect& area : areas)
    EXPECT_EQ(Ours(area).copy(area), expected.copy(area))
        << "area " << area.x() << "," << area.y() << " " << area.width() << "x" << area.height();
}

TEST_F(GridPainterTest, LinesAreGreyBelowRowsAndRightOfColumns) {
  const QImage image = Ours(QRect(QPoint(0, 0), layout.SurfaceSize()));
  const int pitch = layout.RowPitch();
  EXPECT_EQ(image.pixelColor(layout.ColumnLeft(1), pitch * 3 + 1), kGrey);
  EXPECT_EQ(image.pixelColor(1, pitch), kGrey);
  EXPECT_EQ(image.pixelColor(layout.ColumnLeft(1) - 1, pitch * 2 + pitch - 2), kWhite);
  // The third row has no cells: its line is there, its cells are white.
  EXPECT_EQ(image.pixelColor(layout.ColumnLeft(1) + 3, pitch * 2 + 3), kWhite);
}

TEST_F(GridPainterTest, HeadersMatchThePlainAlgorithmAtAnyScrollPosition) {
  const Reference reference(table, layout.Font());
  const QSize strip(700, 25), column(33, 400);
  for (int scroll : {0, 1, 37, 100, 333}) {
    EXPECT_EQ(OursColumnHeader(strip, scroll), reference.ColumnHeader(strip, scroll))
        << "scrolled right by " << scroll;
    EXPECT_EQ(OursRowHeader(column, scroll), reference.RowHeader(column, scroll))
        << "scrolled down by " << scroll;
  }
}

TEST_F(GridPainterTest, ScrollingRightBy100MovesTheColumnNames100PixelsLeft) {
  const QSize strip(700, 25);
  const QImage unscrolled = OursColumnHeader(strip, 0);
  const QImage scrolled = OursColumnHeader(strip, 100);
  EXPECT_EQ(scrolled.copy(0, 0, 600, 25), unscrolled.copy(100, 0, 600, 25));
}

TEST(GridPainter, EmptyTableIsOneWhitePixelWithBlankSilverHeaders) {
  TCellTable table;
  TGridLayout layout(GridFont());
  layout.Rebuild(table);
  QImage cells(layout.SurfaceSize(), QImage::Format_RGB32);
  QImage strip(300, 25, QImage::Format_RGB32), column(33, 300, QImage::Format_RGB32);
  {
    QPainter p(&cells);
    PaintCellArea(p, cells.rect(), cells.size(), table, layout);
    QPainter q(&strip);
    PaintColumnHeader(q, strip.rect(), strip.size(), 0, layout);
    QPainter r(&column);
    PaintRowHeader(r, column.rect(), column.size(), 0, 0, layout);
  }
  EXPECT_EQ(cells.size(), QSize(1, 1));
  EXPECT_EQ(cells.pixelColor(0, 0), kWhite);
  QImage silver(300, 25, QImage::Format_RGB32);
  silver.fill(kSilver);
  EXPECT_EQ(strip, silver);
  silver = QImage(33, 300, QImage::Format_RGB32);
  silver.fill(kSilver);
  EXPECT_EQ(column, silver);
}

} // namespace
} // namespace zendrik
