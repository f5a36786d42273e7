#include "extract/html_items.h"

#include "base/ascii.h"
#include "extract/byte_scan.h"

namespace zendrik {

void THTMLParam::ParseParam(std::string_view raw) {
  ReplaceText(RawText, raw);
  std::string_view key = raw;
  std::string_view value;
  if (const auto equals = raw.find('='); equals != std::string_view::npos) {
    key = raw.substr(0, equals);
    value = raw.substr(equals + 1);
  }
  if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
    value = value.substr(1, value.size() - 2);
  ReplaceText(Value, value);
  AssignUpperCase(Key, key);
}

void THTMLTag::ParseTag(std::string_view raw) {
  ReplaceText(RawText, raw);
  const auto space = raw.find(' ');
  AssignUpperCase(Name, raw.substr(0, space));
  Params.Clear();
  if (space != std::string_view::npos) SplitParams(raw.substr(space + 1));
}

// A parameter ends at a space outside double quotes; that one space is dropped, so runs of
// spaces yield empty parameters, which are skipped.
void THTMLTag::SplitParams(std::string_view rest) {
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
      if (i > start) Params.Append().ParseParam(rest.substr(start, i - start));
      if (atEnd) return;
      start = i + 1;
    }
  }
}

}  // namespace zendrik
