#pragma once

#include "extract/html_items.h"

#include <string>
#include <string_view>
#include <vector>

namespace zendrik {

/// Receives the tokenizer's items one at a time, in document order. An item is valid only
/// during the call: the tokenizer reuses it for the next one.
class THTMLItemSink {
 public:
  virtual ~THTMLItemSink() = default;
  virtual void OnTag(const THTMLTag& tag) = 0;
  virtual void OnText(const THTMLText& text) = 0;
};

/// Turns a document, given as lines, into a flat list of tags and texts in document order.
/// It knows nothing of HTML structure: no nesting, no comments, no element rules. Every input
/// gives some list of items; nothing here fails.
class THTMLParser {
 public:
  /// Fills `Items` from `SourceLines` (which the caller fills first).
  void Tokenize();
  /// The same items for the lines of `body`, handed to `sink` as they are found instead of
  /// being stored: no copy of the lines and no item list is kept.
  void Tokenize(std::string_view body, THTMLItemSink& sink);

  std::vector<std::string> SourceLines;
  std::vector<THTMLItem> Items;

  std::string PendingText;
  std::string PendingTag;
  bool InTag = false;

 private:
  void Start();
  void TokenizeLine(std::string_view line, THTMLItemSink& sink);
  void Finish(THTMLItemSink& sink);
  void OpenTag(std::string_view run, THTMLItemSink& sink);
  void CloseTag(std::string_view run, THTMLItemSink& sink);
  void EmitText(std::string_view raw, THTMLItemSink& sink);
  void EmitTag(std::string_view raw, THTMLItemSink& sink);

  // Reused for every item, so that their buffers are allocated once per document.
  THTMLTag Tag;
  THTMLText Text;
};

}  // namespace zendrik
