#include "extract/page_walk.h"

#include "extract/line_splitter.h"

namespace zendrik {

void SplitLines(std::string_view body, std::vector<std::string>& lines) {
  ForEachLine(body, [&lines](std::string_view line) { lines.emplace_back(line); });
}

namespace {

// The tags the walk acts on; every other name is `Other`.
enum class TWalkTag { Other, Script, EndScript, Row, EndRow, Cell, EndCell, Link, Image };

// Names are looked up by length first: most tags of a page are short, and most lengths have
// one or two candidates.
TWalkTag Classify(std::string_view name) {
  switch (name.size()) {
    case 1: return name == "A" ? TWalkTag::Link : TWalkTag::Other;
    case 2:
      if (name == "TR") return TWalkTag::Row;
      return name == "TD" || name == "TH" ? TWalkTag::Cell : TWalkTag::Other;
    case 3:
      if (name == "/TR") return TWalkTag::EndRow;
      if (name == "/TD" || name == "/TH") return TWalkTag::EndCell;
      return name == "IMG" ? TWalkTag::Image : TWalkTag::Other;
    case 4: return name == "AREA" || name == "LINK" ? TWalkTag::Link : TWalkTag::Other;
    case 6: return name == "SCRIPT" ? TWalkTag::Script : TWalkTag::Other;
    case 7: return name == "/SCRIPT" ? TWalkTag::EndScript : TWalkTag::Other;
    default: return TWalkTag::Other;
  }
}

}  // namespace

void TPageWalk::OnTag(const THTMLTag& tag) {
  const TWalkTag kind = Classify(tag.Name);
  if (kind == TWalkTag::Script)
    InScript = true;
  else if (kind == TWalkTag::EndScript)
    InScript = false;
  if (InScript) return;

  switch (kind) {
    case TWalkTag::Row:
      RowCounter = 1;
      Table.AppendRow();
      break;
    case TWalkTag::Link:
      for (const THTMLParam& param : tag.Params())
        if (std::string_view(param.Key) == "HREF" && !param.Value.empty()) AddCell(param.Value);
      break;
    case TWalkTag::Image:
      for (const THTMLParam& param : tag.Params()) {
        const std::string_view key = param.Key;
        if (key == "DEST")
          AddCell(param.Value);
        else if (key == "SRC" && !param.Value.empty())
          AddCell(param.Value);
      }
      break;
    case TWalkTag::EndRow: RowCounter = 0; break;
    case TWalkTag::Cell:
      if (RowCounter > 0) ++RowCounter;
      InCell = true;
      break;
    case TWalkTag::EndCell: InCell = false; break;
    case TWalkTag::Script:
    case TWalkTag::EndScript:
    case TWalkTag::Other: break;
  }
}

void TPageWalk::OnText(const THTMLText& text) {
  if (!InScript) AddCell(text.Text);
}

namespace {

// Texts outside rows are short, and this runs for each: a plain loop beats a search call.
bool IsSpacesAndTabs(std::string_view text) {
  for (char c : text)
    if (c != ' ' && c != '\t') return false;
  return true;
}

}  // namespace

void TPageWalk::AddCell(std::string_view text) {
  if (InCell && RowCounter >= 2) {
    Table.AppendCell(text);
  } else if (RowCounter == 0 && !IsSpacesAndTabs(text)) {
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
