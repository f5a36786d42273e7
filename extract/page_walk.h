#pragma once

#include "extract/html_parser.h"
#include "extract/table.h"

#include <string>
#include <string_view>
#include <vector>

namespace zendrik {

/// Splits a body into lines at CR, LF or CR LF. A NUL ends its line's text; a final line end
/// adds no empty line; an empty body gives no lines.
void SplitLines(std::string_view body, std::vector<std::string>& lines);

/// Lays tokenized items out as rows and cells: a `TR` opens a row; texts, link targets and
/// image sources become cells of that row inside a table cell, or rows of their own outside
/// table rows; script content is skipped. The table is only appended to.
class TPageWalk : public THTMLItemSink {
 public:
  explicit TPageWalk(TCellTable& table) : Table(table) {}

  void OnTag(const THTMLTag& tag) override;
  void OnText(const THTMLText& text) override;
  /// Places one cell text according to the walk state.
  void AddCell(std::string_view text);

  int RowCounter = 0;
  bool InCell = false;
  bool InScript = false;

 private:
  TCellTable& Table;
};

/// Split, tokenize and walk one page body into the table (which the caller empties first).
/// Items go straight from the tokenizer to the walk, so memory stays proportional to the
/// table, not to the page.
void ExtractPage(std::string_view body, TCellTable& table);

}  // namespace zendrik
