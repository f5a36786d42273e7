#include "extract/html_items.h"

#include "base/ascii.h"
#include "extract/byte_scan.h"

#include <algorithm>

namespace zendrik {

void THTMLParam::ParseParam(std::string_view raw) {
  RawText = raw;
  std::string_view key = raw;
  std::string_view value;
  if (const auto equals = raw.find('='); equals != std::string_view::npos) {
    key = raw.substr(0, equals);
    value = raw.substr(equals + 1);
  }
  if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
    value = value.substr(1, value.size() - 2);
  Value = value;
  AssignUpperCase(Key, key);
}

THTMLTag& THTMLTag::operator=(const THTMLTag& other) {
  if (this != &other) {
    ReplaceText(Owned, other.RawText);
    ParseTag(Owned);
  }
  return *this;
}

void THTMLTag::ParseTag(std::string_view raw) {
  RawText = raw;
  // Names are short, and this runs for every tag of a page: the name's end is looked for
  // while it is upper-cased in place, and only a long one is searched for in bulk.
  constexpr std::size_t kShortName = 16;
  Name.resize(std::min(raw.size(), kShortName));
  std::size_t length = 0;
  while (length < Name.size() && raw[length] != ' ') {
    Name[length] = AsciiUpper(raw[length]);
    ++length;
  }
  if (length == kShortName) {
    length = std::min(raw.find(' '), raw.size());
    Name.resize(length);
    for (std::size_t i = kShortName; i < length; ++i) Name[i] = AsciiUpper(raw[i]);
  }
  Name.resize(length);
  ParamList.Clear();
  ParamsSplit = false;
}

const TReusableList<THTMLParam>& THTMLTag::Params() const {
  if (!ParamsSplit) {
    ParamsSplit = true;
    if (const auto space = RawText.find(' '); space != std::string_view::npos)
      SplitParams(RawText.substr(space + 1));
  }
  return ParamList;
}

// A parameter ends at a space outside double quotes; that one space is dropped, so runs of
// spaces yield empty parameters, which are skipped.
void THTMLTag::SplitParams(std::string_view rest) const {
  std::size_t start = 0;
  bool inQuotes = false;
  std::size_t i = FindEither(rest, 0, ' ', '"');
  for (;; i = FindEither(rest, i + 1, ' ', '"')) {
    const bool atEnd = i == rest.size();
    if (!atEnd && rest[i] == '"') {
      inQuotes = !inQuotes;
      continue;
    }
    if (atEnd || !inQuotes) {
      if (i > start) ParamList.Append().ParseParam(rest.substr(start, i - start));
      if (atEnd) return;
      start = i + 1;
    }
  }
}

}  // namespace zendrik
