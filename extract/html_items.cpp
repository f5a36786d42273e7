#include "extract/html_items.h"

#include "base/ascii.h"
#include "extract/byte_scan.h"

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
  const std::string_view name = raw.substr(0, raw.find(' '));
  // Written in place: names are short, and this runs for every tag of a page.
  Name.resize(name.size());
  for (std::size_t i = 0; i < name.size(); ++i) Name[i] = AsciiUpper(name[i]);
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
