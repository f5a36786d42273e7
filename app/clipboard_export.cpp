#include "app/clipboard_export.h"

#include "app/cell_text.h"
#include "app/csv_export.h"

#include <QMimeData>

#include <algorithm>

namespace zendrik {
namespace {

// Calls `field(text, first)` for every field of the selection, row by row, and `endRow()`
// after each row.
template <typename Field, typename EndRow>
void VisitSelection(const TCellTable& table, const TCellRange& range, Field field, EndRow endRow) {
  if (range.Empty() || table.RowCount() == 0) return;
  const int lastRow = std::min(range.Bottom, static_cast<int>(table.RowCount()) - 1);
  for (int r = range.Top; r <= lastRow; ++r) {
    const TCellStore& row = table.Row(static_cast<unsigned>(r));
    const int cells = static_cast<int>(row.Count);
    const int last = range.Right == TCellRange::kToEnd ? cells - 1 : range.Right;
    for (int c = range.Left; c <= last; ++c)
      field(c < cells ? TCellTable::CellText(row, static_cast<unsigned>(c)) : std::string_view(),
            c == range.Left);
    endRow();
  }
}

bool NeedsQuotes(const QString& text) {
  for (const QChar c : text)
    if (c == u'\t' || c == u'\n' || c == u'\r' || c == u'"') return true;
  return false;
}

}  // namespace

QString SelectionAsTabSeparated(const TCellTable& table, const TCellRange& range) {
  QString text;
  int rowsDone = 0;
  bool atRowStart = true;
  // Lines are separated, not ended: the row before gets its line break when the next begins.
  const auto beginField = [&] {
    if (!atRowStart) {
      text += u'\t';
      return;
    }
    if (rowsDone > 0) text += u'\n';
    atRowStart = false;
  };
  VisitSelection(
      table, range,
      [&](std::string_view cell, bool) {
        beginField();
        QString shown = DisplayText(cell);
        if (NeedsQuotes(shown))
          text += u'"' + shown.replace(u'"', QStringLiteral("\"\"")) + u'"';
        else
          text += shown;
      },
      [&] {
        if (atRowStart && rowsDone > 0) text += u'\n';  // a row without fields: an empty line
        ++rowsDone;
        atRowStart = true;
      });
  return text;
}

std::string SelectionAsCsv(const TCellTable& table, const TCellRange& range) {
  std::string csv;
  VisitSelection(
      table, range,
      [&](std::string_view cell, bool firstField) {
        if (!firstField) csv += ',';
        csv += '"';
        csv += EscapeCell(cell);
        csv += '"';
      },
      [&] { csv += "\r\n"; });
  return csv;
}

std::unique_ptr<QMimeData> SelectionMimeData(const TCellTable& table, const TCellRange& range) {
  auto data = std::make_unique<QMimeData>();
  data->setText(SelectionAsTabSeparated(table, range));
  data->setData(kCsvMimeType, QByteArray::fromStdString(SelectionAsCsv(table, range)));
  return data;
}

}  // namespace zendrik
