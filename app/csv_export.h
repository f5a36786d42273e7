#pragma once

#include "app/file_bytes.h"
#include "extract/table.h"

#include <functional>
#include <string>
#include <string_view>

namespace zendrik {

/// Escapes one cell for the table file: a backslash becomes two backslashes and a double
/// quote becomes backslash, double quote. Nothing else changes.
std::string EscapeCell(std::string_view text);

/// Appends one row as a file line: every cell quoted and escaped, separated by commas, then
/// CR LF. A row without cells gives an empty line.
void AppendCsvLine(std::string& out, TCellStore& row);

/// Appends one row, the `index`-th (from 0), to the text of a table file.
using TRowAppender = std::function<void(std::string& out, TCellStore& row, unsigned index)>;

/// Writes a table file in chunks of about a megabyte, each handed to `write`: `head`, every row
/// as `appendRow` appends it, then `tail`. Stops and returns false as soon as `write` does.
bool WriteTableText(TCellTable& table, std::string_view head, const TRowAppender& appendRow,
                    std::string_view tail, const TChunkWriter& write);

/// Writes the table as CSV by `WriteTableText`.
bool WriteCsv(TCellTable& table, const TChunkWriter& write);

/// Writes the table as CSV, one line per row, by `SaveFileBytes`: a failed save leaves any
/// earlier file as it was.
SaveResult SaveTable(TCellTable& table, const std::string& fileName);

}  // namespace zendrik
