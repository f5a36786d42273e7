#include "app/csv_export.h"

#include "extract/byte_scan.h"

namespace zendrik {

namespace {

// Runs without a backslash or a quote are found sixteen bytes at a time and copied whole;
// texts shorter than one step go byte by byte.
void AppendEscaped(std::string& out, std::string_view text) {
  if (text.size() < kScanWidth) {
    for (char c : text) {
      if (c == '\\' || c == '"') out.push_back('\\');
      out.push_back(c);
    }
    return;
  }
  std::size_t pos = 0;
  for (;;) {
    const std::size_t stop = FindEither(text, pos, '\\', '"');
    out.append(text.data() + pos, stop - pos);
    if (stop == text.size()) return;
    out.push_back('\\');
    out.push_back(text[stop]);
    pos = stop + 1;
  }
}

}  // namespace

std::string EscapeCell(std::string_view text) {
  std::string escaped;
  escaped.reserve(text.size() + 2);
  AppendEscaped(escaped, text);
  return escaped;
}

void AppendCsvLine(std::string& out, TCellStore& row) {
  bool first = true;
  row.First();
  while (row.Next()) {
    if (!first) out.push_back(',');
    first = false;
    out.push_back('"');
    AppendEscaped(out, *row.Current());
    out.push_back('"');
  }
  out += "\r\n";
}

bool WriteTableText(TCellTable& table, std::string_view head, const TRowAppender& appendRow,
                    std::string_view tail, const TChunkWriter& write) {
  constexpr std::size_t flushSize = 1 << 20;
  std::string buffer;
  buffer.reserve(flushSize + 4096);
  buffer += head;
  unsigned index = 0;
  table.Rows.First();
  while (table.Rows.Next()) {
    appendRow(buffer, **table.Rows.Current, index++);
    if (buffer.size() >= flushSize) {
      if (!write(buffer)) return false;
      buffer.clear();
    }
  }
  buffer += tail;
  return buffer.empty() || write(buffer);
}

bool WriteCsv(TCellTable& table, const TChunkWriter& write) {
  return WriteTableText(
      table, "", [](std::string& out, TCellStore& row, unsigned) { AppendCsvLine(out, row); }, "",
      write);
}

SaveResult SaveTable(TCellTable& table, const std::string& fileName) {
  return SaveFileBytes(fileName,
                       [&table](const TChunkWriter& write) { return WriteCsv(table, write); });
}

}  // namespace zendrik
