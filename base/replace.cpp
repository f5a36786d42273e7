#include "base/replace.h"

#include <vector>

#include "base/ascii.h"

namespace zendrik {

namespace {

// Knuth-Morris-Pratt failure function of the upper-cased pattern: for each prefix length,
// the length of its longest proper border.
std::vector<std::size_t> Borders(std::string_view pattern) {
  std::vector<std::size_t> border(pattern.size() + 1, 0);
  std::size_t k = 0;
  for (std::size_t i = 1; i < pattern.size(); ++i) {
    while (k > 0 && AsciiUpper(pattern[i]) != AsciiUpper(pattern[k])) k = border[k];
    if (AsciiUpper(pattern[i]) == AsciiUpper(pattern[k])) ++k;
    border[i + 1] = k;
  }
  return border;
}

}  // namespace

std::string ReplaceAllNoCase(std::string_view text, std::string_view from, std::string_view to) {
  if (from.empty() || from.size() > text.size()) return std::string(text);
  const std::vector<std::size_t> border = Borders(from);
  std::string out;
  out.reserve(text.size());
  std::size_t copied = 0;  // text before this position is in `out`
  std::size_t matched = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    while (matched > 0 && AsciiUpper(text[i]) != AsciiUpper(from[matched]))
      matched = border[matched];
    if (AsciiUpper(text[i]) == AsciiUpper(from[matched])) ++matched;
    if (matched == from.size()) {
      const std::size_t start = i + 1 - from.size();
      out.append(text, copied, start - copied);
      out.append(to);
      copied = i + 1;
      matched = 0;  // occurrences do not overlap
    }
  }
  out.append(text, copied);
  return out;
}

}  // namespace zendrik
