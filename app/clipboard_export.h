#pragma once

#include "app/cell_selection.h"
#include "extract/table.h"

#include <QString>

#include <memory>
#include <string>

class QMimeData;

namespace zendrik {

/// The MIME type under which the clipboard carries the selection as a table file.
inline constexpr const char* kCsvMimeType = "text/csv";

/// The selected cells as tab-separated text, the way spreadsheets exchange it: one line per
/// row, lines separated by LF, fields by tabs. A field holding a tab, a line break or a double
/// quote is put in double quotes with its quotes doubled. A rectangle gives every line its
/// width (missing cells are empty); a selection that reaches the end of the table gives each
/// row the cells it has. Cell bytes are shown as the grid shows them.
QString SelectionAsTabSeparated(const TCellTable& table, const TCellRange& range);

/// The same cells in the table file's CSV format: every field quoted and escaped, CR LF after
/// every line, the bytes as stored.
std::string SelectionAsCsv(const TCellTable& table, const TCellRange& range);

/// Clipboard contents for the selection: the tab-separated text as plain text, and the CSV
/// under `kCsvMimeType`.
std::unique_ptr<QMimeData> SelectionMimeData(const TCellTable& table, const TCellRange& range);

}  // namespace zendrik
