#include "extract/page_walk.h"

#include "extract/line_splitter.h"

namespace zendrik {

void SplitLines(std::string_view body, std::vector<std::string>& lines) {
  ForEachLine(body, [&lines](std::string_view line) { lines.emplace_back(line); });
}

void TPageWalk::OnTag(const THTMLTag& tag) {
  const std::string_view name = tag.Name;  // views compare lengths before bytes
  if (name == "SCRIPT")
    InScript = true;
  else if (name == "/SCRIPT")
    InScript = false;
  if (InScript) return;

  if (name == "TR") {
    RowCounter = 1;
    Table.AppendRow();
  } else if (name == "A" || name == "AREA" || name == "LINK") {
    for (const THTMLParam& param : tag.Params())
      if (std::string_view(param.Key) == "HREF" && !param.Value.empty()) AddCell(param.Value);
  } else if (name == "IMG") {
    for (const THTMLParam& param : tag.Params()) {
      const std::string_view key = param.Key;
      if (key == "DEST")
        AddCell(param.Value);
      else if (key == "SRC" && !param.Value.empty())
        AddCell(param.Value);
    }
  } else if (name == "/TR") {
    RowCounter = 0;
  } else if (name == "TD" || name == "TH") {
    if (RowCounter > 0) ++RowCounter;
    InCell = true;
  } else if (name == "/TD" || name == "/TH") {
    InCell = false;
  }
}

void TPageWalk::OnText(const THTMLText& text) {
  if (!InScript) AddCell(text.Text);
}

void TPageWalk::AddCell(std::string_view text) {
  if (InCell && RowCounter >= 2) {
    Table.AppendCell(text);
  } else if (RowCounter == 0 && text.find_first_not_of(" \t") != std::string_view::npos) {
    Table.AppendRow();
    Table.AppendCell(text);
  }
}

void ExtractPage(std::string_view body, TCellTable& table) {
  THTMLParser parser;
  TPageWalk walk(table);
  parser.Tokenize(body, walk);
}

}  // namespace zendrik
