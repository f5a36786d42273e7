#pragma once

#include "extract/dyna_array.h"
#include "extract/table.h"

#include <QFont>
#include <QFontMetrics>
#include <QSize>

#include <array>
#include <string_view>
#include <utility>
#include <vector>

namespace zendrik {

/// The shape of the table where one cell is about to be written, for `TGridLayout::AfterWrite`.
struct TCellWriteShape {
  unsigned RowsBefore = 0;
  unsigned CellsBefore = 0;  // cells of the written row, 0 when the row is new
  int OldWidth = -1;         // column width of the cell's old text; -1 when the cell is new
};

/// Where the grid puts the table: column widths from the cell texts, the row pitch from the
/// font, the size of the cell surface, and which rows and columns meet a given area. Widths
/// are measured once per change of the table (`Rebuild`), or only for the cell that changed
/// (`AfterWrite`), so painting costs the same for a table of any size and a script writing N
/// cells does O(N) measuring in all.
class TGridLayout {
 public:
  static constexpr int kMaxColumnWidth = 250;
  /// Added to a text's width to give its column width.
  static constexpr int kCellPadding = 5;
  /// Added to the text height to give the row pitch.
  static constexpr int kRowGap = 4;
  /// Offset of a cell's text from the cell's left and top edges.
  static constexpr int kTextInset = 2;
  /// The least height of the column header and width of the row header.
  static constexpr int kMinHeaderHeight = 25;
  static constexpr int kMinRowHeaderWidth = 33;

  /// Draws and measures in `font`, without kerning and without optional shaping (as plain
  /// text output does), so that a simple text is as wide as its characters.
  explicit TGridLayout(const QFont& font);

  /// Measures every cell: `ColWidths` gets one element per column of the longest row, each the
  /// widest of its cells (text width + 5, at most 250). Also sets the surface size.
  void Rebuild(const TCellTable& table);
  /// Notes the shape before `table.WriteCell(row, column, ...)`.
  TCellWriteShape BeforeWrite(const TCellTable& table, int row, int column) const;
  /// Brings widths and surface up to date after that write: the same widths as `Rebuild`
  /// gives, from measuring only the written cell and the cells the write appended (a column
  /// whose one widest cell became narrower is measured again).
  void AfterWrite(const TCellTable& table, int row, int column, const TCellWriteShape& before);

  const QFont& Font() const { return Font_; }
  int Ascent() const { return Metrics.ascent(); }
  /// The text height of a single space in the grid font.
  int TextHeight() const { return TextHeight_; }
  int RowPitch() const { return TextHeight_ + kRowGap; }
  /// The column header's height: at least 25 pixels, and room for a name below its inset.
  int HeaderHeight() const;
  /// The row header's width for `rowCount` rows: at least 33 pixels, and room for the
  /// longest row number after its inset.
  int RowHeaderWidth(unsigned rowCount) const;

  /// Column width of one cell text: text width + 5, at most 250.
  int CellWidth(std::string_view text) const;

  int ColumnCount() const { return static_cast<int>(ColWidths.Count); }
  int ColumnWidth(int column) const { return ColWidths.At(column); }
  /// Left edge of the zero-based column; ColumnLeft(ColumnCount()) is the table width.
  int ColumnLeft(int column) const { return ColumnLefts[column]; }
  /// Size the cell surface takes: the table's width and height, each at least 1.
  QSize SurfaceSize() const { return SurfaceSize_; }

  /// Zero-based half-open range of the columns whose text, or line at their right edge, lies
  /// within x = left .. right (inclusive).
  std::pair<int, int> ColumnsIn(int left, int right) const;
  /// The same for rows (text and the line below each), out of `rowCount` rows.
  std::pair<unsigned, unsigned> RowsIn(int top, int bottom, unsigned rowCount) const;
  /// The zero-based column under x (its right line included), the nearest one for an x outside
  /// the table; -1 when there are no columns.
  int ColumnAt(int x) const;
  /// The zero-based row under y (the line below it included) out of `rowCount` rows, the
  /// nearest one for a y outside the table; -1 when there are no rows.
  int RowAt(int y, unsigned rowCount) const;

  /// One width per column, rebuilt by `Rebuild`; `CurColWidth` follows its cursor.
  int* CurColWidth = nullptr;
  TDynaArray<int> ColWidths{&CurColWidth};

 private:
  void SumColumnLefts();
  void UpdateSurface(unsigned rowCount);
  /// A cell of width `width` joins column `column` (zero-based).
  void Account(unsigned column, int width);
  /// A cell of width `width` leaves column `column`.
  void Unaccount(unsigned column, int width);
  /// Measures again the columns whose widest cell left.
  void RemeasureDirtyColumns(const TCellTable& table);
  // The text's width in pixels, or kMaxColumnWidth when it is at least that wide.
  int MeasureText(std::string_view text) const;
  int ShapedWidth(std::string_view text) const;

  QFont Font_;
  QFontMetrics Metrics;
  int TextHeight_;
  // Advances of the printable ASCII characters in 1/64 pixel (-1 for the others): such texts
  // are measured by adding them up instead of laying them out.
  std::array<int, 128> AsciiAdvances;
  std::vector<int> ColumnLefts{0};
  // Per column: how many cells have its width (the widest), and whether it must be measured
  // again because its last widest cell became narrower.
  std::vector<unsigned> WidestCount;
  std::vector<bool> Dirty;
  QSize SurfaceSize_{1, 1};
};

}  // namespace zendrik
