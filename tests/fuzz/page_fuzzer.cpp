// Page bytes through the extraction: split into lines, tokenized, walked into a table and written
// as CSV. The table made from the streamed items must equal the one made from the stored items,
// and the CSV text must read back as the table's cells.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "app/csv_export.h"
#include "extract/page_walk.h"

namespace zendrik {
namespace {

using TCells = std::vector<std::vector<std::string>>;

TCells CellsOf(const TCellTable& table) {
  TCells cells(table.RowCount());
  for (unsigned r = 0; r < table.RowCount(); ++r) {
    const TCellStore& row = table.Row(r);
    for (unsigned c = 0; c < row.Count; ++c) cells[r].emplace_back(TCellTable::CellText(row, c));
  }
  return cells;
}

/// Reads the CSV text back: every line a list of quoted, escaped cells, separated by commas and
/// ended by CR LF. Aborts on anything the writer must not produce.
TCells ReadCsv(std::string_view text) {
  TCells rows;
  std::size_t at = 0;
  const auto expect = [&](bool ok) {
    if (!ok) std::abort();
  };
  while (at < text.size()) {
    std::vector<std::string>& row = rows.emplace_back();
    while (text.substr(at, 2) != "\r\n") {
      if (!row.empty()) expect(text[at++] == ',');
      expect(at < text.size() && text[at++] == '"');
      std::string& cell = row.emplace_back();
      for (;;) {
        expect(at < text.size());
        const char c = text[at++];
        if (c == '"') break;
        if (c == '\\') {
          expect(at < text.size() && (text[at] == '\\' || text[at] == '"'));
          cell.push_back(text[at++]);
        } else {
          cell.push_back(c);
        }
      }
    }
    at += 2;
  }
  return rows;
}

/// The table walked from the items that the tokenizer stores for the split lines.
TCells CellsFromStoredItems(std::string_view body) {
  THTMLParser parser;
  SplitLines(body, parser.SourceLines);
  parser.Tokenize();
  TCellTable table;
  TPageWalk walk(table);
  for (const THTMLItem& item : parser.Items) {
    if (const auto* tag = std::get_if<THTMLTag>(&item))
      walk.OnTag(*tag);
    else
      walk.OnText(std::get<THTMLText>(item));
  }
  return CellsOf(table);
}

}  // namespace
}  // namespace zendrik

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace zendrik;
  const std::string_view body(reinterpret_cast<const char*>(data), size);
  TCellTable table;
  ExtractPage(body, table);
  const TCells cells = CellsOf(table);
  if (cells != CellsFromStoredItems(body)) std::abort();

  std::string csv;
  const bool written = WriteCsv(table, [&csv](std::string_view chunk) {
    csv.append(chunk);
    return true;
  });
  if (!written || ReadCsv(csv) != cells) std::abort();
  return 0;
}
