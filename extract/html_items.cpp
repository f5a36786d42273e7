#include "extract/html_items.h"

#include "extract/html_entities.h"

#include <charconv>

namespace zendrik {

void AppendUpper(std::string& out, std::string_view text) {
  const std::size_t start = out.size();
  out.resize(start + text.size());
  char* upper = out.data() + start;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    upper[i] = static_cast<char>(c - 32 * (static_cast<unsigned char>(c - 'a') < 26));
  }
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

THTMLParam& THTMLTag::NextParam(std::size_t index) {
  if (index == Params.size()) {
    if (Spare.empty()) {
      Params.emplace_back();
    } else {
      Params.push_back(std::move(Spare.back()));
      Spare.pop_back();
    }
  }
  return Params[index];
}

void THTMLTag::ParseTag(std::string_view raw) {
  RawText.assign(raw);
  const auto space = raw.find(' ');
  Name.clear();
  AppendUpper(Name, raw.substr(0, space));
  const std::size_t count =
      space == std::string_view::npos ? 0 : SplitParams(raw.substr(space + 1));
  while (Params.size() > count) {
    Spare.push_back(std::move(Params.back()));
    Params.pop_back();
  }
}

// A parameter ends at a space outside double quotes; that one space is dropped, so runs of
// spaces yield empty parameters, which are skipped.
std::size_t THTMLTag::SplitParams(std::string_view rest) {
  std::size_t count = 0;
  std::size_t start = 0;
  bool inQuotes = false;
  for (std::size_t i = 0; i <= rest.size(); ++i) {
    const bool atEnd = i == rest.size();
    if (!atEnd && rest[i] == '"')
      inQuotes = !inQuotes;
    if (atEnd || (rest[i] == ' ' && !inQuotes)) {
      if (i > start)
        NextParam(count++).ParseParam(rest.substr(start, i - start));
      start = i + 1;
      inQuotes = false;
    }
  }
  return count;
}

void FoldSpaces(std::string_view raw, std::string& out) {
  out.resize(raw.size());
  char* folded = out.data();
  std::size_t length = 0;
  char previous = 0;
  for (char c : raw) {
    if (c == '\n')
      c = ' ';
    folded[length] = c; // written always, kept unless it repeats a space: no branch to mispredict
    length += !(c == ' ' && previous == ' ');
    previous = c;
  }
  out.resize(length);
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

void DecodeReferences(std::string_view text, std::string& out) {
  out.clear();
  std::size_t pos = 0;
  while (pos < text.size()) {
    const std::size_t ampersand = text.find('&', pos);
    if (ampersand == std::string_view::npos)
      break;
    out.append(text.substr(pos, ampersand - pos));
    // A reference runs to a ';' or a space, which belongs to it; a second '&' restarts it.
    std::size_t end = ampersand + 1;
    while (end < text.size() && text[end] != ';' && text[end] != ' ' && text[end] != '&')
      ++end;
    if (end == text.size() || text[end] == '&') {
      out.append(text.substr(ampersand, end - ampersand));
      pos = end;
      continue;
    }
    const std::string_view reference = text.substr(ampersand, end - ampersand + 1);
    const int decoded = DecodeReference(reference);
    if (decoded >= 0)
      out.push_back(static_cast<char>(decoded));
    else
      out.append(reference);
    pos = end + 1;
  }
  if (pos < text.size())
    out.append(text.substr(pos));
}

void THTMLText::DecodeText(std::string_view raw) {
  RawText.assign(raw);
  if (raw.find('&') == std::string_view::npos) {
    FoldSpaces(raw, Text); // nothing to decode: one pass instead of two
    return;
  }
  FoldSpaces(raw, Folded);
  DecodeReferences(Folded, Text);
}

} // namespace zendrik
