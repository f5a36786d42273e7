#include "app/table_formats.h"

#include "app/csv_export.h"
#include "base/utf8.h"

namespace zendrik {
namespace {

void AppendTsvCell(std::string& out, std::string_view text) {
  for (char c : text) {
    switch (c) {
      case '\t': out += "\\t"; break;
      case '\r': out += "\\r"; break;
      case '\n': out += "\\n"; break;
      case '\\': out += "\\\\"; break;
      default: out.push_back(c);
    }
  }
}

void AppendHexEscape(std::string& out, unsigned char byte) {
  constexpr const char* digits = "0123456789abcdef";
  out += "\\u00";
  out.push_back(digits[byte >> 4]);
  out.push_back(digits[byte & 0xF]);
}

void AppendJsonRow(std::string& out, TCellStore& row, unsigned index) {
  if (index > 0) out += ",\n";
  out.push_back('[');
  bool first = true;
  row.First();
  while (row.Next()) {
    if (!first) out.push_back(',');
    first = false;
    AppendJsonString(out, *row.Current());
  }
  out.push_back(']');
}

bool WriteJson(TCellTable& table, const TChunkWriter& write) {
  // One row a line between the brackets; the empty table is "[\n]".
  return WriteTableText(table, "[\n", AppendJsonRow, table.RowCount() == 0 ? "]\n" : "\n]\n",
                        write);
}

}  // namespace

std::optional<TTableFormat> ParseTableFormat(std::string_view name) {
  if (name == "csv") return TTableFormat::Csv;
  if (name == "tsv") return TTableFormat::Tsv;
  if (name == "json") return TTableFormat::Json;
  return std::nullopt;
}

std::string_view TableFormatExtension(TTableFormat format) {
  switch (format) {
    case TTableFormat::Tsv: return ".tsv";
    case TTableFormat::Json: return ".json";
    case TTableFormat::Csv: break;
  }
  return ".csv";
}

void AppendTsvLine(std::string& out, TCellStore& row) {
  bool first = true;
  row.First();
  while (row.Next()) {
    if (!first) out.push_back('\t');
    first = false;
    AppendTsvCell(out, *row.Current());
  }
  out.push_back('\n');
}

void AppendJsonString(std::string& out, std::string_view text) {
  const bool latin1 = !IsAscii(text) && !IsValidUtf8(text);
  out.push_back('"');
  for (char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      case '\b': out += "\\b"; break;
      case '\f': out += "\\f"; break;
      default:
        if (byte < 0x20 || (latin1 && byte >= 0x80))
          AppendHexEscape(out, byte);
        else
          out.push_back(c);
    }
  }
  out.push_back('"');
}

bool WriteTableAs(TCellTable& table, TTableFormat format, const TChunkWriter& write) {
  switch (format) {
    case TTableFormat::Tsv:
      return WriteTableText(
          table, "", [](std::string& out, TCellStore& row, unsigned) { AppendTsvLine(out, row); },
          "", write);
    case TTableFormat::Json: return WriteJson(table, write);
    case TTableFormat::Csv: break;
  }
  return WriteCsv(table, write);
}

SaveResult SaveTableAs(TCellTable& table, TTableFormat format, const std::string& fileName) {
  return SaveFileBytes(fileName, [&table, format](const TChunkWriter& write) {
    return WriteTableAs(table, format, write);
  });
}

}  // namespace zendrik
