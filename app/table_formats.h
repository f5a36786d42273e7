#pragma once

#include "app/file_bytes.h"
#include "extract/table.h"

#include <optional>
#include <string>
#include <string_view>

namespace zendrik {

/// The forms in which the command line writes a table.
enum class TTableFormat {
  Csv,   ///< the table file of the window and of scripts (app/csv_export)
  Tsv,   ///< cells separated by tabs, lines ended by LF; tab, CR, LF and backslash escaped
  Json,  ///< an array of rows, each an array of strings
};

/// The format named "csv", "tsv" or "json"; nothing for any other name.
std::optional<TTableFormat> ParseTableFormat(std::string_view name);

/// The file name extension of a format, with its dot.
std::string_view TableFormatExtension(TTableFormat format);

/// Appends one row as a TSV line: the cells separated by tabs, then LF. In a cell a tab, CR,
/// LF and backslash become `\t`, `\r`, `\n` and `\\`.
void AppendTsvLine(std::string& out, TCellStore& row);

/// Appends `text` as a JSON string. A text that is well-formed UTF-8 is written as it is, any
/// other is read as Latin-1: its bytes from 128 up become `\u00XX`. Quotes, backslashes and
/// control characters are escaped.
void AppendJsonString(std::string& out, std::string_view text);

/// Writes the table in `format` in chunks handed to `write`; false as soon as `write` fails.
/// CSV is exactly the table file of `WriteCsv`.
bool WriteTableAs(TCellTable& table, TTableFormat format, const TChunkWriter& write);

/// Saves the table in `format` by `SaveFileBytes`.
SaveResult SaveTableAs(TCellTable& table, TTableFormat format, const std::string& fileName);

}  // namespace zendrik
