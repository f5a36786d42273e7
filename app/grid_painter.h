#pragma once

#include "app/cell_selection.h"
#include "app/grid_layout.h"
#include "extract/table.h"

#include <QRect>
#include <QSize>

class QPainter;

namespace zendrik {

/// Colours of the grid.
inline constexpr unsigned kCellBackground = 0xFFFFFF;
inline constexpr unsigned kHeaderBackground = 0xC0C0C0;
inline constexpr unsigned kGridLine = 0x808080;
inline constexpr unsigned kSelectionBackground = 0xC6DCF5;

/// Paints the part `exposed` of the cell surface (of size `surface`): white background, the
/// cell texts, each clipped to its cell, a grey line below every row and right of every column.
/// The cells of `selection` (within the table) have a light blue background. Only rows and
/// columns that meet `exposed` are visited.
void PaintCellArea(QPainter& painter, const QRect& exposed, QSize surface, const TCellTable& table,
                   const TGridLayout& layout, const TCellRange& selection = {});

/// Paints the column header strip: silver, the column names above their columns as the cell
/// area is scrolled right by `scrollX`, and a grey line right of every column.
void PaintColumnHeader(QPainter& painter, const QRect& exposed, QSize surface, int scrollX,
                       const TGridLayout& layout);

/// Paints the row header strip: silver, the 1-based row numbers beside their rows as the cell
/// area is scrolled down by `scrollY`, and a grey line below every row.
void PaintRowHeader(QPainter& painter, const QRect& exposed, QSize surface, int scrollY,
                    unsigned rowCount, const TGridLayout& layout);

}  // namespace zendrik
