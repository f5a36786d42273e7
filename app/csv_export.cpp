#include "app/csv_export.h"

namespace zendrik {

namespace {

void AppendEscaped(std::string& out, std::string_view text) {
  for (char c : text) {
    if (c == '\\' || c == '"') out.push_back('\\');
    out.push_back(c);
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
