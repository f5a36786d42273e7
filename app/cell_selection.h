#pragma once

#include <climits>

namespace zendrik {

/// A rectangle of cells, zero-based, both ends included. `kToEnd` as `Bottom` or `Right`
/// reaches the end of the table, however it grows (whole columns, whole rows, everything).
struct TCellRange {
  static constexpr int kToEnd = INT_MAX;
  int Top = 0;
  int Left = 0;
  int Bottom = -1;
  int Right = -1;

  bool Empty() const { return Bottom < Top || Right < Left; }
  bool Contains(int row, int column) const {
    return row >= Top && row <= Bottom && column >= Left && column <= Right;
  }
  friend bool operator==(const TCellRange&, const TCellRange&) = default;
};

/// The grid's selected cells: a rectangle from the cell where the selection began (the anchor)
/// to the cell it reaches, or whole rows, whole columns, or every cell. Positions are
/// zero-based.
class TCellSelection {
 public:
  /// Nothing selected.
  void Clear();
  /// A click on a cell: selects it, or with `extend` (Shift) the rectangle from the anchor.
  void Click(int row, int column, bool extend);
  /// A click on a row number: that row, or with `extend` the rows from the anchor's.
  void ClickRow(int row, bool extend);
  /// A click on a column name: that column, or with `extend` the columns from the anchor's.
  void ClickColumn(int column, bool extend);
  /// The mouse dragged to a cell: the selection reaches it (only its row for whole rows,
  /// only its column for whole columns).
  void DragTo(int row, int column);
  void SelectAll();

  TCellRange Range() const;
  /// The cell the selection reached last (the cell clicked, or where a drag or a key move
  /// ended), from which keys move on; (0, 0) before anything was selected.
  int CurrentRow() const { return Row; }
  int CurrentColumn() const { return Column; }

 private:
  enum class TMode { None, Cells, Rows, Columns, All };
  void Start(TMode mode, int row, int column, bool extend);

  TMode Mode = TMode::None;
  int AnchorRow = 0;
  int AnchorColumn = 0;
  int Row = 0;
  int Column = 0;
};

}  // namespace zendrik
