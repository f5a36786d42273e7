#pragma once

// Byte-text helpers shared by every library. Texts are 8-bit byte strings; case mapping and
// case-insensitive comparison touch the ASCII letters only, so bytes 128 to 255 (Latin-1 or
// UTF-8 sequences) stay as they are and compare exactly.

#include <string>
#include <string_view>

namespace zendrik {

// Branch-free, so that loops over texts vectorise.
constexpr char AsciiUpper(char c) noexcept {
  return static_cast<char>(c - 32 * (static_cast<unsigned char>(c - 'a') < 26));
}

constexpr char AsciiLower(char c) noexcept {
  return static_cast<char>(c + 32 * (static_cast<unsigned char>(c - 'A') < 26));
}

/// `text` with its ASCII letters in upper case.
std::string UpperCase(std::string_view text);
/// `text` with its ASCII letters in lower case.
std::string LowerCase(std::string_view text);
/// Replaces the contents of `out` by the upper case of `text`, reusing its buffer.
void AssignUpperCase(std::string& out, std::string_view text);

/// True when `a` and `b` are equal without regard to ASCII case.
constexpr bool SameText(std::string_view a, std::string_view b) noexcept {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (a[i] != b[i] && AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  return true;
}

/// True when `text` begins with `prefix`, ASCII case ignored.
constexpr bool StartsWithNoCase(std::string_view text, std::string_view prefix) noexcept {
  return text.size() >= prefix.size() && SameText(text.substr(0, prefix.size()), prefix);
}

/// True when `text` ends with `suffix`, ASCII case ignored.
constexpr bool EndsWithNoCase(std::string_view text, std::string_view suffix) noexcept {
  return text.size() >= suffix.size() && SameText(text.substr(text.size() - suffix.size()), suffix);
}

/// `text` without the blanks and control characters (bytes up to 32) at both ends.
std::string_view Trim(std::string_view text) noexcept;
/// `text` without the blanks and control characters at its start.
std::string_view TrimLeft(std::string_view text) noexcept;
/// `text` without the blanks and control characters at its end.
std::string_view TrimRight(std::string_view text) noexcept;
/// `text` without the bytes of `set` at both ends.
std::string_view TrimAnyOf(std::string_view text, std::string_view set) noexcept;

}  // namespace zendrik
