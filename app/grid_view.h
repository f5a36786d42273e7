#pragma once

#include "app/grid_layout.h"
#include "extract/table.h"

#include <QObject>

class QBoxLayout;
class QScrollArea;
class QWidget;

namespace zendrik {

class TPaintBox;

/// The table grid inside the grid panel: the cell surface `PaintBox1` in the scroll box
/// `ScrollBox1`, the column header `PaintBox2` (in `ScrollBox2`, right of the corner `Panel4`
/// in the strip `Panel3`) and the row header `PaintBox3` (in `ScrollBox3`). Only `ScrollBox1`
/// scrolls; the headers paint with its scroll offsets and follow it.
class TGridView : public QObject {
  Q_OBJECT

 public:
  static constexpr int kHeaderHeight = 25;
  static constexpr int kRowHeaderWidth = 33;

  /// Builds the grid's widgets inside `panel`, showing `table` in `font`.
  TGridView(QWidget& panel, const TCellTable& table, const QFont& font);
  ~TGridView() override;

  /// The table changed: measures the columns again, sizes the cell surface and repaints the
  /// cells, the column header and the row header, in this order, at once.
  void Refresh();
  /// The table changed by one `WriteCell` whose shape before is `before`: brings the column
  /// widths up to date from that cell alone, then sizes and repaints as `Refresh` does.
  void RefreshAfterWrite(int row, int column, const TCellWriteShape& before);
  /// Moves the cell area's vertical scroll position by `pixels`, kept within its range.
  void ScrollVertically(int pixels);

  const TGridLayout& Layout() const { return Layout_; }
  QScrollArea& ScrollBox1() const { return *CellScroller; }
  TPaintBox& PaintBox1() const { return *Cells; }
  TPaintBox& PaintBox2() const { return *ColumnHeader; }
  TPaintBox& PaintBox3() const { return *RowHeader; }

 private:
  /// Sizes the cell surface to the layout and repaints the cells and both headers at once.
  void Repaint();
  void BuildHeaderStrip(QBoxLayout& column);
  void BuildBody(QBoxLayout& column);
  void ConnectPainting();

  const TCellTable& Table;
  TGridLayout Layout_;
  QScrollArea* CellScroller = nullptr;
  TPaintBox* Cells = nullptr;
  TPaintBox* ColumnHeader = nullptr;
  TPaintBox* RowHeader = nullptr;
};

}  // namespace zendrik
