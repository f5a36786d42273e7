#include "extract/html_parser.h"

namespace zendrik {

void THTMLParser::Tokenize() {
  PendingText.clear();
  PendingTag.clear();
  InTag = false;
  for (const std::string& line : SourceLines) {
    TokenizeLine(line);
    // A line end is a space in running text; inside a tag the lines join with nothing between.
    if (!InTag && !PendingText.empty())
      PendingText.push_back('\n');
  }
  if (InTag && !PendingTag.empty())
    FlushTag();
  FlushText();
}

void THTMLParser::TokenizeLine(std::string_view line) {
  std::size_t pos = 0;
  while (pos < line.size()) {
    std::size_t stop = pos;
    while (stop < line.size() && line[stop] != '<' && line[stop] != '>')
      ++stop;
    (InTag ? PendingTag : PendingText).append(line.substr(pos, stop - pos));
    if (stop == line.size())
      return;
    if (line[stop] == '<') {
      FlushText();
      InTag = true;
    } else {
      FlushTag();
    }
    pos = stop + 1;
  }
}

// Text is emitted only at a '<' or at the end of the document, never at a '>'.
void THTMLParser::FlushText() {
  if (InTag || PendingText.empty())
    return;
  Items.emplace_back(std::in_place_type<THTMLText>);
  std::get<THTMLText>(Items.back()).DecodeText(PendingText);
  PendingText.clear();
}

// A '>' always ends a tag, even one that never began: it then yields an empty tag item.
void THTMLParser::FlushTag() {
  InTag = false;
  Items.emplace_back(std::in_place_type<THTMLTag>);
  std::get<THTMLTag>(Items.back()).ParseTag(PendingTag);
  PendingTag.clear();
}

} // namespace zendrik
