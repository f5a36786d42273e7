#include "extract/html_items.h"

#include "extract/byte_scan.h"
#include "extract/html_entities.h"

#include <charconv>
#include <cstring>

namespace zendrik {

void FoldSpaces(std::string_view raw, std::string& out) {
  // Runs without a space or line feed are copied sixteen bytes at a time; the spare room at
  // the end of `out` lets every such copy be a full sixteen bytes.
  out.resize(raw.size() + kScanWidth);
  char* folded = out.data();
  std::size_t length = 0;
  std::size_t pos = 0;
  while (pos < raw.size()) {
    const std::size_t run = CopyRun(raw, pos, ' ', '\n', folded + length);
    length += run;
    pos += run;
    if (pos == raw.size()) break;
    // A run of spaces and line feeds becomes one space.
    folded[length++] = ' ';
    while (pos < raw.size() && (raw[pos] == ' ' || raw[pos] == '\n')) ++pos;
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
  if (body.empty()) return -1;
  int value = 0;
  const char* end = body.data() + body.size();
  const auto [stop, error] = std::from_chars(body.data(), end, value, base);
  if (error != std::errc() || stop != end || body.front() == '-' || body.front() == '+') return -1;
  if (negative && value != 0) return -1;
  return value <= 255 ? value : -1;
}

// The byte a complete reference ("&...;" or "&... ") stands for, or -1 to leave it as written.
// Numeric bodies of more than three characters stay as written.
int DecodeReference(std::string_view reference) {
  if (reference.size() > 2 && reference[1] == '#') {
    const std::string_view body = reference.substr(2, reference.size() - 3);
    if (body.size() > 3) return -1;
    const int value = ParseNumericBody(body);
    return value >= 0 ? EntityCharMap[value] : -1;
  }
  const int code = FindEntityCode(reference);
  return code >= 0 ? EntityCharMap[code] : -1;
}

}  // namespace

void DecodeReferences(std::string_view text, std::string& out) {
  // Decoding never lengthens a text, so the output is written in place with the room that
  // CopyRun's whole steps need.
  out.resize(text.size() + kScanWidth);
  char* decoded = out.data();
  std::size_t length = 0;
  std::size_t pos = 0;
  while (pos < text.size()) {
    const std::size_t run = CopyRun(text, pos, '&', '&', decoded + length);
    length += run;
    pos += run;
    if (pos == text.size()) break;
    // A reference runs to a ';' or a space, which belongs to it; a second '&' restarts it.
    std::size_t end = pos + 1;
    while (end < text.size() && text[end] != ';' && text[end] != ' ' && text[end] != '&') ++end;
    const bool terminated = end < text.size() && text[end] != '&';
    const std::string_view reference = text.substr(pos, end - pos + (terminated ? 1 : 0));
    const int code = terminated ? DecodeReference(reference) : -1;
    if (code >= 0) {
      decoded[length++] = static_cast<char>(code);
    } else {
      std::memcpy(decoded + length, reference.data(), reference.size());
      length += reference.size();
    }
    pos += reference.size();
  }
  out.resize(length);
}

THTMLText& THTMLText::operator=(const THTMLText& other) {
  if (this != &other) {
    ReplaceText(Owned, other.RawText);
    DecodeText(Owned);
  }
  return *this;
}

void THTMLText::DecodeText(std::string_view raw) {
  RawText = raw;
  Text = raw;
  const unsigned changes = TextChanges(raw);
  if (changes & kFoldSpaces) {
    FoldSpaces(Text, Folded);
    Text = Folded;
  }
  if (changes & kDecodeReferences) {
    DecodeReferences(Text, Decoded);
    Text = Decoded;
  }
}

}  // namespace zendrik
