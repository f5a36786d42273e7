#include "app/cell_selection.h"

#include <algorithm>

namespace zendrik {

void TCellSelection::Clear() { Mode = TMode::None; }

void TCellSelection::Start(TMode mode, int row, int column, bool extend) {
  // Extending keeps the anchor only within the same kind of selection.
  if (!extend || Mode != mode) {
    AnchorRow = row;
    AnchorColumn = column;
  }
  Mode = mode;
  Row = row;
  Column = column;
}

void TCellSelection::Click(int row, int column, bool extend) {
  Start(TMode::Cells, row, column, extend);
}

void TCellSelection::ClickRow(int row, bool extend) { Start(TMode::Rows, row, 0, extend); }

void TCellSelection::ClickColumn(int column, bool extend) {
  Start(TMode::Columns, 0, column, extend);
}

void TCellSelection::DragTo(int row, int column) {
  if (Mode == TMode::Cells || Mode == TMode::Rows) Row = row;
  if (Mode == TMode::Cells || Mode == TMode::Columns) Column = column;
}

void TCellSelection::SelectAll() { Mode = TMode::All; }

TCellRange TCellSelection::Range() const {
  const int top = std::min(AnchorRow, Row), bottom = std::max(AnchorRow, Row);
  const int left = std::min(AnchorColumn, Column), right = std::max(AnchorColumn, Column);
  switch (Mode) {
    case TMode::None: return {};
    case TMode::Cells: return {top, left, bottom, right};
    case TMode::Rows: return {top, 0, bottom, TCellRange::kToEnd};
    case TMode::Columns: return {0, left, TCellRange::kToEnd, right};
    case TMode::All: return {0, 0, TCellRange::kToEnd, TCellRange::kToEnd};
  }
  return {};
}

}  // namespace zendrik
