#pragma once

class QWidget;

namespace zendrik {

/// Makes the grid's cell surface `PaintBox1` a table to assistive technology: Qt's accessibility
/// table interface, with a cell for each position of the table (its text, row and column) and
/// row and column header cells (the row numbers and column names). Installed once, before the
/// first grid is shown.
void InstallGridAccessibility();

/// Tells assistive technology that the table behind `cells` changed (cells written, the table
/// replaced or emptied), when any listens.
void NotifyGridChanged(QWidget& cells);

/// Tells assistive technology that the cell at (row, column), zero-based, became the current
/// one, when any listens.
void NotifyCurrentCell(QWidget& cells, int row, int column);

}  // namespace zendrik
