#pragma once

// Perl-compatible regular expressions over byte texts, through QRegularExpression. Patterns,
// texts and replacements are read as UTF-8 when they are well-formed UTF-8 and as Latin-1
// otherwise; results go back the way their text came.

#include <QRegularExpression>

#include <chrono>
#include <string>
#include <string_view>
#include <vector>

namespace zendrik {

/// The longest that one function may spend on all the matches it makes.
inline constexpr std::chrono::milliseconds kRegExTimeLimit{10000};

/// A compiled pattern. Every search ends: a match that backtracks past the engine's match
/// limit, or a function that goes on past its time limit, raises "Regular expression match
/// took too long".
class TRegExPattern {
 public:
  /// Raises "Invalid regular expression: REASON at offset N", N counting the pattern's bytes
  /// from 0.
  explicit TRegExPattern(std::string_view pattern,
                         std::chrono::milliseconds timeLimit = kRegExTimeLimit);

  /// Whether the pattern matches somewhere in `text`.
  bool Matches(std::string_view text) const;
  /// The text of `group` (0: the whole match) in the first match; empty when nothing matches
  /// or the group took no part. A group the pattern does not have raises "The regular
  /// expression has no group N".
  std::string Find(std::string_view text, int group) const;
  /// The text of `group` in every match, left to right, matches not overlapping.
  std::vector<std::string> FindAll(std::string_view text, int group) const;
  /// `text` with every match replaced by `replacement`, in which \0 to \9 stand for the text
  /// of a group (empty for a group the pattern does not have) and \\ for a backslash. A result
  /// beyond `maxLength` characters raises "String too long".
  std::string Replace(std::string_view text, std::string_view replacement,
                      std::size_t maxLength) const;

 private:
  void CheckGroup(int group) const;
  QRegularExpressionMatch Checked(const QRegularExpressionMatch& match) const;

  QRegularExpression Expression;
  std::chrono::milliseconds TimeLimit;
};

}  // namespace zendrik
