#include "script/library/text_functions.h"

#include <algorithm>
#include <limits>

#include "base/ascii.h"

namespace zendrik {

std::string QuoteText(std::string_view text, std::string_view quote) {
  std::string out;
  out.reserve(text.size() + 2 * quote.size() + 8);
  out += quote;
  std::size_t from = 0;
  for (std::size_t at = text.find(quote); at != std::string_view::npos;
       at = text.find(quote, from)) {
    out.append(text, from, at + quote.size() - from);
    out += quote;
    from = at + quote.size();
  }
  out.append(text, from);
  out += quote;
  return out;
}

std::string AdjustLineBreaksText(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 16);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c != '\r' && c != '\n') {
      out += c;
      continue;
    }
    out += "\r\n";
    const char pair = c == '\r' ? '\n' : '\r';  // CR LF and LF CR are one line end
    if (i + 1 < text.size() && text[i + 1] == pair) ++i;
  }
  return out;
}

bool IsValidIdentText(std::string_view text) noexcept {
  const auto letter = [](char c) {
    return (AsciiUpper(c) >= 'A' && AsciiUpper(c) <= 'Z') || c == '_';
  };
  if (text.empty() || !letter(text[0])) return false;
  return std::all_of(text.begin() + 1, text.end(),
                     [&](char c) { return letter(c) || (c >= '0' && c <= '9'); });
}

std::string WrapLines(std::string_view line, std::int32_t maxCol) {
  constexpr std::size_t kNone = std::string_view::npos;
  const std::size_t limit = maxCol < 0 ? 0 : static_cast<std::size_t>(maxCol);
  std::string out;
  out.reserve(line.size() + line.size() / 8);
  std::size_t start = 0;          // first byte of the current line
  std::size_t lastBreak = kNone;  // last break opportunity in it (the byte after which to break)
  char quote = 0;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (c == '\r' || c == '\n') {  // a line end of the text itself
      if (c == '\r' && i + 1 < line.size() && line[i + 1] == '\n') ++i;
      out.append(line, start, i + 1 - start);
      start = i + 1;
      lastBreak = kNone;
      quote = 0;
      continue;
    }
    const bool hangs = quote == 0 && (c == ' ' || c == '\t');
    if (!hangs && i + 1 - start > limit && lastBreak != kNone) {
      out.append(line, start, lastBreak + 1 - start);
      out += "\r\n";
      start = lastBreak + 1;
      lastBreak = kNone;
    }
    if (quote != 0) {
      if (c == quote) quote = 0;
    } else if (c == '\'' || c == '"') {
      quote = c;
    } else if (c == ' ' || c == '\t' || c == '-') {
      lastBreak = i;
    }
  }
  out.append(line, start);
  return out;
}

std::string HexText(std::int32_t value, std::int32_t digits) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  char buffer[8];
  std::size_t count = 0;
  std::uint32_t bits = static_cast<std::uint32_t>(value);
  do {
    buffer[7 - count++] = kHex[bits & 15];
    bits >>= 4;
  } while (bits != 0);
  std::string out;
  if (digits > static_cast<std::int32_t>(count))
    out.assign(static_cast<std::size_t>(digits) - count, '0');
  out.append(buffer + 8 - count, count);
  return out;
}

std::optional<std::int32_t> ParseInteger(std::string_view text) noexcept {
  text = TrimLeft(text);
  bool negative = false;
  if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
    negative = text[0] == '-';
    text.remove_prefix(1);
  }
  const bool hex = !text.empty() && text[0] == '$';
  if (hex) text.remove_prefix(1);
  if (text.empty()) return std::nullopt;
  const std::uint64_t base = hex ? 16 : 10;
  const std::uint64_t cap = hex ? 0xFFFFFFFFu : std::uint64_t{1} << 31;
  std::uint64_t magnitude = 0;
  for (char c : text) {
    int digit;
    if (c >= '0' && c <= '9')
      digit = c - '0';
    else if (hex && AsciiUpper(c) >= 'A' && AsciiUpper(c) <= 'F')
      digit = AsciiUpper(c) - 'A' + 10;
    else
      return std::nullopt;
    magnitude = magnitude * base + static_cast<std::uint64_t>(digit);
    if (magnitude > cap) return std::nullopt;
  }
  if (hex) {  // the 32 bits as they are: $FFFFFFFF is -1
    const auto bits = static_cast<std::int32_t>(static_cast<std::uint32_t>(magnitude));
    return negative ? static_cast<std::int32_t>(0u - static_cast<std::uint32_t>(bits)) : bits;
  }
  if (!negative && magnitude > static_cast<std::uint64_t>(std::numeric_limits<std::int32_t>::max()))
    return std::nullopt;
  const std::int64_t signedValue =
      negative ? -static_cast<std::int64_t>(magnitude) : static_cast<std::int64_t>(magnitude);
  return static_cast<std::int32_t>(signedValue);
}

int CompareBytes(std::string_view a, std::string_view b) noexcept {
  const std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i)
    if (a[i] != b[i]) return static_cast<unsigned char>(a[i]) - static_cast<unsigned char>(b[i]);
  return (a.size() > b.size()) - (a.size() < b.size());
}

int CompareBytesNoCase(std::string_view a, std::string_view b) noexcept {
  const std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    const unsigned char x = static_cast<unsigned char>(AsciiUpper(a[i]));
    const unsigned char y = static_cast<unsigned char>(AsciiUpper(b[i]));
    if (x != y) return x - y;
  }
  return (a.size() > b.size()) - (a.size() < b.size());
}

}  // namespace zendrik
