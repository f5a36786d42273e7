#include "extract/html_items.h"

#include "extract/html_entities.h"

#include <charconv>

namespace zendrik {

void AppendUpper(std::string& out, std::string_view text) {
  const std::size_t start = out.size();
  out.append(text);
  for (std::size_t i = start; i < out.size(); ++i)
    if (out[i] >= 'a' && out[i] <= 'z')
      out[i] = static_cast<char>(out[i] - 'a' + 'A');
}

void THTMLParam::ParseParam(std::string_view raw) {
  RawText.assign(raw);
  std::string_view key = raw;
  std::string_view value;
  if (const auto equals = raw.find('='); equals != std::string_view::npos) {
    key = raw.substr(0, equals);
    value = raw.substr(equals + 1);
  }
  if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
    value = value.substr(1, value.size() - 2);
  Value.assign(value);
  Key.clear();
  AppendUpper(Key, key);
}

void THTMLTag::ParseTag(std::string_view raw) {
  RawText.assign(raw);
  Params.clear();
  const auto space = raw.find(' ');
  Name.clear();
  AppendUpper(Name, raw.substr(0, space));
  if (space == std::string_view::npos)
    return;

  // A parameter ends at a space outside double quotes; that one space is dropped, so runs of
  // spaces yield empty parameters, which are skipped.
  const std::string_view rest = raw.substr(space + 1);
  std::size_t start = 0;
  bool inQuotes = false;
  for (std::size_t i = 0; i <= rest.size(); ++i) {
    const bool atEnd = i == rest.size();
    if (!atEnd && rest[i] == '"')
      inQuotes = !inQuotes;
    if (atEnd || (rest[i] == ' ' && !inQuotes)) {
      if (i > start)
        Params.emplace_back().ParseParam(rest.substr(start, i - start));
      start = i + 1;
      inQuotes = false;
    }
  }
}

std::string FoldSpaces(std::string_view raw) {
  std::string folded;
  folded.reserve(raw.size());
  for (char c : raw) {
    if (c == '\n')
      c = ' ';
    if (c == ' ' && !folded.empty() && folded.back() == ' ')
      continue;
    folded.push_back(c);
  }
  return folded;
}

namespace {

// Reads a reference body: 'x' or 'X' and hex digits, or decimal digits with an optional sign.
// -1 when it is not a whole number or lies outside 0..255.
int ParseNumericBody(std::string_view body) {
  int base = 10;
  bool negative = false;
  if (!body.empty() && (body.front() == 'x' || body.front() == 'X')) {
    base = 16;
    body.remove_prefix(1);
  } else if (!body.empty() && (body.front() == '+' || body.front() == '-')) {
    negative = body.front() == '-';
    body.remove_prefix(1);
  }
  if (body.empty())
    return -1;
  int value = 0;
  const char* end = body.data() + body.size();
  const auto [stop, error] = std::from_chars(body.data(), end, value, base);
  if (error != std::errc() || stop != end || body.front() == '-' || body.front() == '+')
    return -1;
  if (negative && value != 0)
    return -1;
  return value <= 255 ? value : -1;
}

// The byte a complete reference ("&...;" or "&... ") stands for, or -1 to leave it as written.
// Numeric bodies of more than three characters stay as written.
int DecodeReference(std::string_view reference) {
  if (reference.size() > 2 && reference[1] == '#') {
    const std::string_view body = reference.substr(2, reference.size() - 3);
    if (body.size() > 3)
      return -1;
    const int value = ParseNumericBody(body);
    return value >= 0 ? EntityCharMap[value] : -1;
  }
  const std::string_view numeric = FindEntity(reference);
  return numeric.empty() ? -1 : DecodeReference(numeric);
}

} // namespace

std::string DecodeReferences(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  std::size_t referenceStart = std::string::npos; // where the collected '&' sits in `out`
  for (char c : text) {
    if (c == '&')
      referenceStart = out.size();
    out.push_back(c);
    if (referenceStart == std::string::npos || (c != ';' && c != ' '))
      continue;
    const int decoded = DecodeReference(std::string_view(out).substr(referenceStart));
    if (decoded >= 0) {
      out.resize(referenceStart);
      out.push_back(static_cast<char>(decoded));
    }
    referenceStart = std::string::npos;
  }
  return out;
}

void THTMLText::DecodeText(std::string_view raw) {
  RawText.assign(raw);
  Text = DecodeReferences(FoldSpaces(raw));
}

} // namespace zendrik
