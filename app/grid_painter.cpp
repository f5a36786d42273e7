#include "app/grid_painter.h"

#include "app/cell_text.h"
#include "app/column_names.h"

#include <QPainter>

#include <algorithm>

namespace zendrik {
namespace {

void Prepare(QPainter& painter, const QRect& exposed, unsigned background,
             const TGridLayout& layout) {
  painter.fillRect(exposed, QColor::fromRgb(background));
  painter.setFont(layout.Font());
  painter.setBackgroundMode(Qt::TransparentMode);
  painter.setPen(Qt::black);
}

// Draws `text` with the top of its line at (x, y), clipped to `clip`.
void DrawClipped(QPainter& painter, const QRect& clip, int x, int y, const QString& text,
                 const TGridLayout& layout) {
  painter.setClipRect(clip);
  painter.drawText(x, y + layout.Ascent(), text);
}

// The clip of a cell's text in a row whose top is `y`: from y + 1 down to the line below the
// row, so that the whole line of text with its descenders shows.
QRect TextBand(int left, int y, int width, const TGridLayout& layout) {
  return QRect(left, y + 1, width, layout.RowPitch() - 1);
}

void UseLinePen(QPainter& painter) {
  painter.setClipping(false);
  painter.setPen(QPen(QColor::fromRgb(kGridLine), 0));
}

// The selection's part of the table as one rectangle, whatever the table's size.
void FillSelection(QPainter& painter, const QRect& exposed, const TCellRange& selection,
                   unsigned rowCount, const TGridLayout& layout) {
  if (selection.Empty() || rowCount == 0 || layout.ColumnCount() == 0) return;
  const int right = std::min(selection.Right, layout.ColumnCount() - 1);
  const int bottom = std::min(selection.Bottom, static_cast<int>(rowCount) - 1);
  if (selection.Left > right || selection.Top > bottom) return;
  const int pitch = layout.RowPitch();
  const QRect cells(QPoint(layout.ColumnLeft(selection.Left), selection.Top * pitch),
                    QPoint(layout.ColumnLeft(right + 1), (bottom + 1) * pitch));
  painter.fillRect(cells & exposed, QColor::fromRgb(kSelectionBackground));
}

}  // namespace

void PaintCellArea(QPainter& painter, const QRect& exposed, QSize surface, const TCellTable& table,
                   const TGridLayout& layout, const TCellRange& selection) {
  Prepare(painter, exposed, kCellBackground, layout);
  FillSelection(painter, exposed, selection, table.RowCount(), layout);
  const auto [firstRow, endRow] = layout.RowsIn(exposed.top(), exposed.bottom(), table.RowCount());
  const auto [firstColumn, endColumn] = layout.ColumnsIn(exposed.left(), exposed.right());
  const int pitch = layout.RowPitch();
  for (unsigned r = firstRow; r < endRow; ++r) {
    const TCellStore& row = table.Row(r);
    const int y = static_cast<int>(r) * pitch;
    const int end = std::min<int>(endColumn, std::min<unsigned>(row.Count, layout.ColumnCount()));
    for (int c = firstColumn; c < end; ++c) {
      const std::string_view text = TCellTable::CellText(row, c);
      if (text.empty()) continue;
      const int x = layout.ColumnLeft(c);
      DrawClipped(painter, TextBand(x, y, layout.ColumnWidth(c), layout),
                  x + TGridLayout::kTextInset, y + TGridLayout::kTextInset, DisplayText(text),
                  layout);
    }
  }
  UseLinePen(painter);
  const int right = std::min(exposed.right(), surface.width() - 1);
  for (unsigned r = firstRow; r < endRow; ++r) {
    const int y = static_cast<int>(r + 1) * pitch;
    painter.drawLine(std::max(exposed.left(), 0), y, right, y);
  }
  const int bottom = std::min(exposed.bottom(), surface.height() - 1);
  for (int c = firstColumn; c < endColumn; ++c) {
    const int x = layout.ColumnLeft(c + 1);
    painter.drawLine(x, std::max(exposed.top(), 0), x, bottom);
  }
}

void PaintColumnHeader(QPainter& painter, const QRect& exposed, QSize surface, int scrollX,
                       const TGridLayout& layout) {
  Prepare(painter, exposed, kHeaderBackground, layout);
  const auto [first, end] = layout.ColumnsIn(exposed.left() + scrollX, exposed.right() + scrollX);
  for (int c = first; c < end; ++c) {
    const int x = layout.ColumnLeft(c) - scrollX;
    DrawClipped(painter, QRect(x, 0, layout.ColumnWidth(c), surface.height()),
                x + TGridLayout::kTextInset, TGridLayout::kTextInset,
                QString::fromStdString(ColumnName(c + 1)), layout);
  }
  UseLinePen(painter);
  const int bottom = std::min(exposed.bottom(), surface.height() - 1);
  for (int c = first; c < end; ++c) {
    const int x = layout.ColumnLeft(c + 1) - scrollX;
    painter.drawLine(x, std::max(exposed.top(), 0), x, bottom);
  }
}

void PaintRowHeader(QPainter& painter, const QRect& exposed, QSize surface, int scrollY,
                    unsigned rowCount, const TGridLayout& layout) {
  Prepare(painter, exposed, kHeaderBackground, layout);
  const auto [first, end] =
      layout.RowsIn(exposed.top() + scrollY, exposed.bottom() + scrollY, rowCount);
  const int pitch = layout.RowPitch();
  for (unsigned r = first; r < end; ++r) {
    const int y = static_cast<int>(r) * pitch - scrollY;
    DrawClipped(painter, TextBand(0, y, surface.width(), layout), TGridLayout::kTextInset,
                y + TGridLayout::kTextInset, QString::number(r + 1), layout);
  }
  UseLinePen(painter);
  const int right = std::min(exposed.right(), surface.width() - 1);
  for (unsigned r = first; r < end; ++r) {
    const int y = static_cast<int>(r + 1) * pitch - scrollY;
    painter.drawLine(std::max(exposed.left(), 0), y, right, y);
  }
}

}  // namespace zendrik
