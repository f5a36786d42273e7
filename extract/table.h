#pragma once

#include "extract/cell_store.h"
#include "extract/dyna_array.h"
#include "extract/text_arena.h"

#include <string_view>

namespace zendrik {

/// The table every part of the shell works on: an ordered list of rows, each an ordered list of
/// cell texts. Rows may hold different numbers of cells, or none. Texts are bytes, stored as
/// they arrive, each NUL-terminated. Addressing from outside (scripts) is 1-based.
///
/// All row stores publish into the one `CurCell` variable, so it always points at the cell
/// slot selected last, in whichever row.
///
/// Memory: texts are packed into the table's text arena, slots into its slot pool and row
/// stores into one list, so a cell costs its text, its NUL and its slot, and a row its store
/// and its place in `Rows`. A replaced text stays in the arena until the replaced bytes
/// outweigh the live ones; then the live texts are packed anew.
class TCellTable {
 public:
  TCellTable() = default;
  ~TCellTable() = default;
  TCellTable(const TCellTable&) = delete;
  TCellTable& operator=(const TCellTable&) = delete;

  /// Frees every cell and row and empties `Rows`.
  void clearall();
  /// Appends a new empty row and makes it current.
  void AppendRow();
  /// Appends a cell to the last row; at least one row must exist. A NUL ends the text.
  void AppendCell(std::string_view text);
  /// The text at (row, column), or empty when either is out of range. Moves the cursors.
  std::string_view ReadCell(int row, int column);
  /// Writes the text at (row, column), creating missing rows (each with one empty cell) and
  /// missing cells (empty) on the way. Row < 1 writes nothing; column < 1 writes no text.
  void WriteCell(int row, int column, std::string_view text);

  /// Cursor-free reads for painting and export: zero-based, no range checks.
  unsigned RowCount() const { return Rows.Count; }
  const TCellStore& Row(unsigned row) const { return *Rows.At(row); }
  static std::string_view CellText(const TCellStore& row, unsigned column) {
    return row.At(column);
  }

  TCellStore** CurRow = nullptr;
  char** CurCell = nullptr;
  TDynaArray<TCellStore*> Rows{&CurRow};

 private:
  char* CopyText(std::string_view text);
  void AppendEmptyCells(int count);
  void ReplaceCurrentCell(std::string_view text);
  void PackTexts();

  TCellShared Shared{&CurCell, {}};
  TStorePool Stores{Shared};
  TTextArena Texts;
  std::size_t ReplacedBytes = 0;
};

}  // namespace zendrik
