#pragma once

#include "extract/reusable_list.h"

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace zendrik {

/// One parameter of a tag as written: `key=value`, `key="value"`, or a bare `key`.
class THTMLParam {
 public:
  /// Splits at the first '='; the key is upper-cased, one pair of enclosing double quotes is
  /// removed from the value. Nothing else is trimmed or unescaped.
  void ParseParam(std::string_view raw);

  std::string RawText;
  std::string Key;
  std::string Value;
};

/// Everything between a '<' and a '>'.
class THTMLTag {
 public:
  /// The name runs up to the first space (only a space separates) and is upper-cased; the rest
  /// splits into parameters at spaces outside double quotes.
  void ParseTag(std::string_view raw);

  std::string Name;
  std::string RawText;
  /// Kept with their buffers when the tag is parsed again.
  TReusableList<THTMLParam> Params;

 private:
  void SplitParams(std::string_view rest);
};

/// A run of text between tags, with line ends turned into spaces, runs of spaces folded and
/// character references decoded.
class THTMLText {
 public:
  void DecodeText(std::string_view raw);

  std::string Text;
  std::string RawText;

 private:
  std::string Folded;  // scratch between folding and decoding, kept for its capacity
};

using THTMLItem = std::variant<THTMLTag, THTMLText>;

/// Replaces `out` with `text`: the result of assign, without assign's handling of overlapping
/// sources, which costs more than the copy for the short texts of markup.
inline void ReplaceText(std::string& out, std::string_view text) {
  out.clear();
  out.append(text);
}

/// Line feeds become spaces and runs of spaces fold into one; tabs and CRs stay. Replaces `out`.
void FoldSpaces(std::string_view raw, std::string& out);

/// Decodes character references in one left-to-right pass (see THTMLText). Replaces `out`.
void DecodeReferences(std::string_view text, std::string& out);

}  // namespace zendrik
