#pragma once

#include "extract/reusable_list.h"

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace zendrik {

/// One parameter of a tag as written: `key=value`, `key="value"`, or a bare `key`. The raw text
/// and the value are views into the text given to `ParseParam`.
class THTMLParam {
 public:
  /// Splits at the first '='; the key is upper-cased, one pair of enclosing double quotes is
  /// removed from the value. Nothing else is trimmed or unescaped.
  void ParseParam(std::string_view raw);

  std::string_view RawText;
  std::string Key;
  std::string_view Value;
};

/// Everything between a '<' and a '>'. The raw text is a view into the text given to
/// `ParseTag`, which must outlive the item's use; a copy of an item holds its own bytes.
/// Parameters are split on first use: most tags are never asked for theirs.
class THTMLTag {
 public:
  THTMLTag() = default;
  THTMLTag(const THTMLTag& other) { *this = other; }
  THTMLTag& operator=(const THTMLTag& other);

  /// The name runs up to the first space (only a space separates) and is upper-cased; the rest
  /// splits into parameters at spaces outside double quotes.
  void ParseTag(std::string_view raw);
  /// The parameters in order; kept with their buffers when the tag is parsed again.
  const TReusableList<THTMLParam>& Params() const;

  std::string Name;
  std::string_view RawText;

 private:
  void SplitParams(std::string_view rest) const;

  std::string Owned;  // the bytes of a copy
  mutable TReusableList<THTMLParam> ParamList;
  mutable bool ParamsSplit = false;
};

/// A run of text between tags, with line ends turned into spaces, runs of spaces folded and
/// character references decoded. Both texts are views: into the text given to `DecodeText`
/// when nothing changes (most texts), else into the item's own buffers. A copy of an item
/// holds its own bytes.
class THTMLText {
 public:
  THTMLText() = default;
  THTMLText(const THTMLText& other) { *this = other; }
  THTMLText& operator=(const THTMLText& other);

  void DecodeText(std::string_view raw);

  std::string_view Text;
  std::string_view RawText;

 private:
  std::string Owned;  // the raw bytes of a copy
  // Scratch of the folding and the decoding, kept for their capacity.
  std::string Folded;
  std::string Decoded;
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
