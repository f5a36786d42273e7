#pragma once

#include "app/cell_selection.h"
#include "app/grid_layout.h"
#include "extract/table.h"

#include <QFrame>

class QAction;
class QBoxLayout;
class QKeyEvent;
class QMouseEvent;
class QScrollArea;
class QWidget;

namespace zendrik {

class TPaintBox;

/// The table grid, which is the grid panel `Panel2` and owns its widgets: the cell surface
/// `PaintBox1` in the scroll box `ScrollBox1`, the column header `PaintBox2` (in `ScrollBox2`,
/// right of the corner `Panel4` in the strip `Panel3`) and the row header `PaintBox3` (in
/// `ScrollBox3`). Only `ScrollBox1` scrolls; the headers paint with its scroll offsets and follow
/// it.
///
/// Cells are selected with the mouse (click, Shift+click, drag; the row numbers, the column
/// names and the corner select whole rows, columns or everything), by the arrow keys, Home,
/// End, Page Up and Page Down (with Shift to extend), and by Ctrl+A, and copied to the
/// clipboard by Ctrl+C or the cell area's context menu. The headers grow with the font and the
/// row numbers. To assistive technology the cell surface is a table (`InstallGridAccessibility`).
class TGridView : public QFrame {
  Q_OBJECT

 public:
  /// The grid panel with its widgets, showing `table` in `font`.
  TGridView(const TCellTable& table, const QFont& font, QWidget* parent = nullptr);
  ~TGridView() override;

  /// The table changed: measures the columns again, sizes the cell surface and repaints the
  /// cells, the column header and the row header, in this order, at once.
  void Refresh();
  /// The table changed by one `WriteCell` whose shape before is `before`: brings the column
  /// widths up to date from that cell alone, then sizes and repaints as `Refresh` does.
  void RefreshAfterWrite(int row, int column, const TCellWriteShape& before);
  /// Moves the cell area's vertical scroll position by `pixels`, kept within its range.
  void ScrollVertically(int pixels);
  /// While deferred, `Refresh` and `RefreshAfterWrite` bring the layout up to date at once but
  /// size and repaint the surfaces only when events are next processed, once for all the
  /// changes made until then. Ending it repaints what is pending at once.
  void SetDeferredRepaint(bool deferred);

  const TCellSelection& Selection() const { return Selection_; }
  void SelectAll();
  /// Puts the selected cells on the clipboard: tab-separated text and CSV.
  void CopySelection();
  /// The cell area's "Copy" (Ctrl+C) and "Select all" (Ctrl+A) items of its context menu and
  /// their keys; their owner connects them (`CopySelection`, `SelectAll`).
  QAction& CopyAction() const { return *Copy; }
  QAction& SelectAllAction() const { return *SelectEverything; }

  const TGridLayout& Layout() const { return Layout_; }
  /// The table the grid shows.
  const TCellTable& ShownTable() const { return Table; }
  QScrollArea& ScrollBox1() const { return *CellScroller; }
  TPaintBox& PaintBox1() const { return *Cells; }
  TPaintBox& PaintBox2() const { return *ColumnHeader; }
  TPaintBox& PaintBox3() const { return *RowHeader; }

 signals:
  /// A cell of the table was double-clicked (zero-based row and column).
  void CellDoubleClicked(int row, int column);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  /// Sizes the cell surface to the layout and repaints the cells and both headers, at once or,
  /// while deferred, when events are next processed.
  void Repaint();
  void RepaintNow();
  void BuildActions();
  void SelectionChanged();
  // Mouse input on the surfaces (grid_view_input.cpp); true when the event was used.
  bool CellMouse(QMouseEvent& event);
  bool CellKey(QKeyEvent& event);
  /// Makes (row, column) the current cell, extending the selection with `extend`, and shows it.
  void MoveTo(int row, int column, bool extend);
  bool RowHeaderMouse(QMouseEvent& event);
  bool ColumnHeaderMouse(QMouseEvent& event);
  /// The zero-based table row and column under a point of the cell surface; -1 for none.
  int RowAt(int y) const;
  int ColumnAt(int x) const;
  void BuildHeaderStrip(QBoxLayout& column);
  /// The header strip's height and the row header's width, from the font and the row count.
  void FitHeaders();
  void BuildBody(QBoxLayout& column);
  void ConnectPainting();

  const TCellTable& Table;
  TGridLayout Layout_;
  QScrollArea* CellScroller = nullptr;
  TPaintBox* Cells = nullptr;
  TPaintBox* ColumnHeader = nullptr;
  TPaintBox* RowHeader = nullptr;
  QWidget* Corner = nullptr;
  QWidget* HeaderStrip = nullptr;
  QScrollArea* RowHeaderBox = nullptr;
  QAction* Copy = nullptr;
  QAction* SelectEverything = nullptr;
  TCellSelection Selection_;
  // A mouse button went down on the cells or a header and has not come up yet.
  bool Dragging = false;
  bool Deferred = false;
  bool RepaintQueued = false;
};

}  // namespace zendrik
