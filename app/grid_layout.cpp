#include "app/grid_layout.h"

#include "app/cell_text.h"

#include <QWidget>

#include <algorithm>

namespace zendrik {
namespace {

// Texts longer than this are first measured on their start: a start that already reaches the
// cap (with room for kerning at the cut) decides the width without shaping the rest.
constexpr qsizetype kMeasuredPrefix = 200;
constexpr int kKerningAllowance = 16;

int ClampToSurface(long long extent) {
  return static_cast<int>(std::clamp<long long>(extent, 1, QWIDGETSIZE_MAX));
}

QFont PlainTextFont(QFont font) {
  font.setKerning(false);
  font.setStyleStrategy(QFont::PreferNoShaping);
  return font;
}

}  // namespace

TGridLayout::TGridLayout(const QFont& font)
    : Font_(PlainTextFont(font)), Metrics(Font_), TextHeight_(Metrics.height()) {
  const QFontMetricsF exact(Font_);
  AsciiAdvances.fill(-1);
  for (char16_t c = ' '; c < 0x7F; ++c)
    AsciiAdvances[c] = qRound(exact.horizontalAdvance(QChar(c)) * 64);
}

int TGridLayout::HeaderHeight() const {
  return std::max(kMinHeaderHeight, TextHeight_ + 2 * kTextInset + 1);
}

int TGridLayout::RowHeaderWidth(unsigned rowCount) const {
  const int number = Metrics.horizontalAdvance(QString::number(std::max(rowCount, 1u)));
  return std::max(kMinRowHeaderWidth, number + 2 * kTextInset + 1);
}

int TGridLayout::CellWidth(std::string_view text) const {
  return std::min(MeasureText(text) + kCellPadding, kMaxColumnWidth);
}

int TGridLayout::MeasureText(std::string_view text) const {
  int sum = 0;
  for (const char byte : text) {
    const auto c = static_cast<unsigned char>(byte);
    if (c >= AsciiAdvances.size() || AsciiAdvances[c] < 0) return ShapedWidth(text);
    sum += AsciiAdvances[c];
    // Past the widest column nothing more matters.
    if (sum >= (kMaxColumnWidth << 6)) return kMaxColumnWidth;
  }
  return (sum + 32) >> 6;  // rounded as the layout rounds its sum
}

int TGridLayout::ShapedWidth(std::string_view text) const {
  const QString shown = DisplayText(text);
  if (shown.size() > kMeasuredPrefix) {
    qsizetype cut = kMeasuredPrefix;
    if (shown.at(cut - 1).isHighSurrogate()) --cut;
    const int start = Metrics.horizontalAdvance(shown.left(cut));
    if (start >= kMaxColumnWidth + kKerningAllowance) return kMaxColumnWidth;
  }
  return Metrics.horizontalAdvance(shown);
}

void TGridLayout::Rebuild(const TCellTable& table) {
  ColWidths.Clear();
  WidestCount.clear();
  Dirty.clear();
  const unsigned rows = table.RowCount();
  for (unsigned r = 0; r < rows; ++r) {
    const TCellStore& row = table.Row(r);
    for (unsigned c = 0; c < row.Count; ++c) Account(c, CellWidth(TCellTable::CellText(row, c)));
  }
  UpdateSurface(rows);
}

TCellWriteShape TGridLayout::BeforeWrite(const TCellTable& table, int row, int column) const {
  TCellWriteShape shape;
  shape.RowsBefore = table.RowCount();
  if (row >= 1 && static_cast<unsigned>(row) <= shape.RowsBefore) {
    const TCellStore& cells = table.Row(static_cast<unsigned>(row) - 1);
    shape.CellsBefore = cells.Count;
    if (column >= 1 && static_cast<unsigned>(column) <= cells.Count)
      shape.OldWidth = CellWidth(TCellTable::CellText(cells, static_cast<unsigned>(column) - 1));
  }
  return shape;
}

void TGridLayout::AfterWrite(const TCellTable& table, int row, int column,
                             const TCellWriteShape& before) {
  if (row < 1) return;  // nothing was written
  const int emptyWidth = CellWidth({});
  const auto target = static_cast<unsigned>(row) - 1;
  // Rows appended on the way hold one empty cell each.
  for (unsigned r = before.RowsBefore; r < target; ++r) Account(0, emptyWidth);
  const TCellStore& cells = table.Row(target);
  for (unsigned c = before.CellsBefore; c < cells.Count; ++c)
    Account(c, static_cast<int>(c) + 1 == column ? CellWidth(TCellTable::CellText(cells, c))
                                                 : emptyWidth);
  if (before.OldWidth >= 0) {
    const auto c = static_cast<unsigned>(column) - 1;
    Unaccount(c, before.OldWidth);
    Account(c, CellWidth(TCellTable::CellText(cells, c)));
  }
  RemeasureDirtyColumns(table);
  UpdateSurface(table.RowCount());
}

void TGridLayout::Account(unsigned column, int width) {
  while (ColWidths.Count <= column) {
    ColWidths.Add();
    WidestCount.push_back(0);
    Dirty.push_back(false);
  }
  int& widest = ColWidths.At(column);
  if (width > widest) {
    widest = width;
    WidestCount[column] = 1;
  } else if (width == widest) {
    ++WidestCount[column];
  }
}

void TGridLayout::Unaccount(unsigned column, int width) {
  if (width == ColWidths.At(column) && --WidestCount[column] == 0) Dirty[column] = true;
}

void TGridLayout::RemeasureDirtyColumns(const TCellTable& table) {
  for (unsigned c = 0; c < Dirty.size(); ++c) {
    if (!Dirty[c]) continue;
    Dirty[c] = false;
    ColWidths.At(c) = 0;
    WidestCount[c] = 0;
    for (unsigned r = 0; r < table.RowCount(); ++r) {
      const TCellStore& row = table.Row(r);
      if (c < row.Count) Account(c, CellWidth(TCellTable::CellText(row, c)));
    }
  }
}

void TGridLayout::UpdateSurface(unsigned rowCount) {
  SumColumnLefts();
  SurfaceSize_ = QSize(ClampToSurface(ColumnLefts.back()),
                       ClampToSurface(static_cast<long long>(rowCount) * RowPitch()));
}

void TGridLayout::SumColumnLefts() {
  ColumnLefts.assign(1, 0);
  ColumnLefts.reserve(ColWidths.Count + 1);
  for (unsigned c = 0; c < ColWidths.Count; ++c)
    ColumnLefts.push_back(ColumnLefts.back() + ColWidths.At(c));
}

std::pair<int, int> TGridLayout::ColumnsIn(int left, int right) const {
  // Column c covers x = ColumnLefts[c] .. ColumnLefts[c + 1], its right line included.
  const auto edges = ColumnLefts.begin() + 1;
  const auto first = std::lower_bound(edges, ColumnLefts.end(), left);
  const auto last = std::upper_bound(ColumnLefts.begin(), ColumnLefts.end() - 1, right);
  const int begin = static_cast<int>(first - edges);
  const int end = static_cast<int>(last - ColumnLefts.begin());
  return {begin, std::max(begin, end)};
}

std::pair<unsigned, unsigned> TGridLayout::RowsIn(int top, int bottom, unsigned rowCount) const {
  // Row r covers y = r * pitch + 1 (its text) .. (r + 1) * pitch (the line below it).
  const int pitch = RowPitch();
  const long long first = std::max(0, top) / pitch - 1;
  const long long end = std::max(0, bottom) / pitch + 1;
  const auto clampRow = [rowCount](long long r) {
    return static_cast<unsigned>(std::clamp<long long>(r, 0, rowCount));
  };
  return {clampRow(first), clampRow(end)};
}

int TGridLayout::ColumnAt(int x) const {
  if (ColWidths.Count == 0) return -1;
  const auto edges = ColumnLefts.begin() + 1;
  const int column = static_cast<int>(std::lower_bound(edges, ColumnLefts.end(), x) - edges);
  return std::min(column, ColumnCount() - 1);
}

int TGridLayout::RowAt(int y, unsigned rowCount) const {
  if (rowCount == 0) return -1;
  // Row r covers y = r * pitch + 1 .. (r + 1) * pitch.
  const long long row = (std::max(1, y) - 1) / RowPitch();
  return static_cast<int>(std::min<long long>(row, rowCount - 1));
}

}  // namespace zendrik
