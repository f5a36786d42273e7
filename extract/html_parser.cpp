#include "extract/html_parser.h"

#include "extract/line_splitter.h"

namespace zendrik {
namespace {

// Keeps a copy of every item, for the stored form of the item list.
class TItemCollector : public THTMLItemSink {
public:
  explicit TItemCollector(std::vector<THTMLItem>& items) : Items(items) {}
  void OnTag(const THTMLTag& tag) override { Items.emplace_back(tag); }
  void OnText(const THTMLText& text) override { Items.emplace_back(text); }

private:
  std::vector<THTMLItem>& Items;
};

} // namespace

void THTMLParser::Tokenize() {
  TItemCollector collector(Items);
  Start();
  for (const std::string& line : SourceLines)
    TokenizeLine(line, collector);
  Finish(collector);
}

void THTMLParser::Tokenize(std::string_view body, THTMLItemSink& sink) {
  Start();
  ForEachLine(body, [&](std::string_view line) { TokenizeLine(line, sink); });
  Finish(sink);
}

void THTMLParser::Start() {
  PendingText.clear();
  PendingTag.clear();
  InTag = false;
}

void THTMLParser::TokenizeLine(std::string_view line, THTMLItemSink& sink) {
  std::size_t pos = 0;
  while (pos < line.size()) {
    // Runs between brackets are short in markup, where a plain loop beats library calls.
    std::size_t stop = pos;
    while (stop < line.size() && line[stop] != '<' && line[stop] != '>')
      ++stop;
    (InTag ? PendingTag : PendingText).append(line.substr(pos, stop - pos));
    if (stop == line.size())
      break;
    if (line[stop] == '<') {
      FlushText(sink);
      InTag = true;
    } else {
      FlushTag(sink);
    }
    pos = stop + 1;
  }
  // A line end is a space in running text; inside a tag the lines join with nothing between.
  if (!InTag && !PendingText.empty())
    PendingText.push_back('\n');
}

void THTMLParser::Finish(THTMLItemSink& sink) {
  if (InTag && !PendingTag.empty())
    FlushTag(sink);
  FlushText(sink);
}

// Text is emitted only at a '<' or at the end of the document, never at a '>'.
void THTMLParser::FlushText(THTMLItemSink& sink) {
  if (InTag || PendingText.empty())
    return;
  Text.DecodeText(PendingText);
  PendingText.clear();
  sink.OnText(Text);
}

// A '>' always ends a tag, even one that never began: it then yields an empty tag item.
void THTMLParser::FlushTag(THTMLItemSink& sink) {
  InTag = false;
  Tag.ParseTag(PendingTag);
  PendingTag.clear();
  sink.OnTag(Tag);
}

} // namespace zendrik
