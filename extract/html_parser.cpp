#include "extract/html_parser.h"

#include "extract/byte_scan.h"
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

}  // namespace

void THTMLParser::Tokenize() {
  TItemCollector collector(Items);
  Start();
  for (const std::string& line : SourceLines) TokenizeLine(line, collector);
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

namespace {

// The text of an item that may have begun on an earlier line: the run alone when nothing is
// pending (the common case, no copy), else the pending text with the run appended.
std::string_view Joined(std::string& pending, std::string_view run) {
  if (pending.empty()) return run;
  pending.append(run);
  return pending;
}

}  // namespace

void THTMLParser::TokenizeLine(std::string_view line, THTMLItemSink& sink) {
  std::size_t pos = 0;
  while (pos < line.size()) {
    const std::size_t stop = FindEither(line, pos, '<', '>');
    const std::string_view run = line.substr(pos, stop - pos);
    if (stop == line.size()) {
      (InTag ? PendingTag : PendingText).append(run);
      break;
    }
    if (line[stop] == '<')
      OpenTag(run, sink);
    else
      CloseTag(run, sink);
    pos = stop + 1;
  }
  // A line end is a space in running text; inside a tag the lines join with nothing between.
  if (!InTag && !PendingText.empty()) PendingText.push_back('\n');
}

void THTMLParser::Finish(THTMLItemSink& sink) {
  if (InTag && !PendingTag.empty()) {
    EmitTag(PendingTag, sink);
    PendingTag.clear();
    InTag = false;
  }
  if (!InTag && !PendingText.empty()) {
    EmitText(PendingText, sink);
    PendingText.clear();
  }
}

// A '<' ends the text before it, which is emitted; text is emitted only here and at the end
// of the document, never at a '>'. Inside a tag the run belongs to the tag.
void THTMLParser::OpenTag(std::string_view run, THTMLItemSink& sink) {
  if (InTag) {
    PendingTag.append(run);
    return;
  }
  const std::string_view text = Joined(PendingText, run);
  if (!text.empty()) EmitText(text, sink);
  PendingText.clear();
  InTag = true;
}

// A '>' always ends a tag, even one that never began: it then yields an empty tag item, and
// the run before it is running text.
void THTMLParser::CloseTag(std::string_view run, THTMLItemSink& sink) {
  if (InTag) {
    EmitTag(Joined(PendingTag, run), sink);
    PendingTag.clear();
  } else {
    PendingText.append(run);
    EmitTag({}, sink);
  }
  InTag = false;
}

void THTMLParser::EmitText(std::string_view raw, THTMLItemSink& sink) {
  Text.DecodeText(raw);
  sink.OnText(Text);
}

void THTMLParser::EmitTag(std::string_view raw, THTMLItemSink& sink) {
  Tag.ParseTag(raw);
  sink.OnTag(Tag);
}

}  // namespace zendrik
