#include "extract/page_walk.h"

#include "extract/html_parser.h"

namespace zendrik {

void SplitLines(std::string_view body, std::vector<std::string>& lines) {
  std::size_t pos = 0;
  while (pos < body.size()) {
    std::size_t end = pos;
    while (end < body.size() && body[end] != '\r' && body[end] != '\n')
      ++end;
    std::string_view line = body.substr(pos, end - pos);
    lines.emplace_back(line.substr(0, line.find('\0')));
    if (end < body.size() && body[end] == '\r' && end + 1 < body.size() && body[end + 1] == '\n')
      ++end;
    pos = end + 1;
  }
}

void TPageWalk::Walk(const std::vector<THTMLItem>& items) {
  for (const THTMLItem& item : items) {
    if (const auto* tag = std::get_if<THTMLTag>(&item))
      VisitTag(*tag);
    else
      VisitText(std::get<THTMLText>(item));
  }
}

void TPageWalk::VisitTag(const THTMLTag& tag) {
  const std::string& name = tag.Name;
  if (name == "SCRIPT")
    InScript = true;
  else if (name == "/SCRIPT")
    InScript = false;
  if (InScript)
    return;

  if (name == "TR") {
    RowCounter = 1;
    Table.AppendRow();
  } else if (name == "A" || name == "AREA" || name == "LINK") {
    for (const THTMLParam& param : tag.Params)
      if (param.Key == "HREF" && !param.Value.empty())
        AddCell(param.Value);
  } else if (name == "IMG") {
    for (const THTMLParam& param : tag.Params) {
      if (param.Key == "DEST")
        AddCell(param.Value);
      else if (param.Key == "SRC" && !param.Value.empty())
        AddCell(param.Value);
    }
  } else if (name == "/TR") {
    RowCounter = 0;
  } else if (name == "TD" || name == "TH") {
    if (RowCounter > 0)
      ++RowCounter;
    InCell = true;
  } else if (name == "/TD" || name == "/TH") {
    InCell = false;
  }
}

void TPageWalk::VisitText(const THTMLText& text) {
  if (!InScript)
    AddCell(text.Text);
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
  SplitLines(body, parser.SourceLines);
  parser.Tokenize();
  TPageWalk(table).Walk(parser.Items);
}

} // namespace zendrik
