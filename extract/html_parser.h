#pragma once

#include "extract/html_items.h"

#include <string>
#include <vector>

namespace zendrik {

/// Turns a document, given as lines, into a flat list of tags and texts in document order.
/// It knows nothing of HTML structure: no nesting, no comments, no element rules. Every input
/// gives some list of items; nothing here fails.
class THTMLParser {
public:
  /// Fills `Items` from `SourceLines` (which the caller fills first).
  void Tokenize();

  std::vector<std::string> SourceLines;
  std::vector<THTMLItem> Items;

  std::string PendingText;
  std::string PendingTag;
  bool InTag = false;

private:
  void TokenizeLine(std::string_view line);
  void FlushText();
  void FlushTag();
};

} // namespace zendrik
