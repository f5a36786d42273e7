#include "base/ascii.h"

namespace zendrik {

namespace {

constexpr bool IsBlankOrControl(char c) noexcept { return static_cast<unsigned char>(c) <= ' '; }

}  // namespace

std::string UpperCase(std::string_view text) {
  std::string out;
  AssignUpperCase(out, text);
  return out;
}

std::string LowerCase(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = AsciiLower(c);
  return out;
}

void AssignUpperCase(std::string& out, std::string_view text) {
  out.clear();  // keeps the buffer of a reused string
  out.append(text);
  for (char& c : out) c = AsciiUpper(c);
}

std::string_view TrimLeft(std::string_view text) noexcept {
  std::size_t first = 0;
  while (first < text.size() && IsBlankOrControl(text[first])) ++first;
  return text.substr(first);
}

std::string_view TrimRight(std::string_view text) noexcept {
  std::size_t last = text.size();
  while (last > 0 && IsBlankOrControl(text[last - 1])) --last;
  return text.substr(0, last);
}

std::string_view Trim(std::string_view text) noexcept { return TrimRight(TrimLeft(text)); }

std::string_view TrimAnyOf(std::string_view text, std::string_view set) noexcept {
  const std::size_t first = text.find_first_not_of(set);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(set) - first + 1);
}

}  // namespace zendrik
