#include "extract/byte_scan.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace zendrik {
namespace {

// Byte-at-a-time answers to hold the sixteen-byte scans against.
std::size_t PlainFindEither(std::string_view text, std::size_t from, char first, char second) {
  for (std::size_t pos = from; pos < text.size(); ++pos)
    if (text[pos] == first || text[pos] == second) return pos;
  return text.size();
}

unsigned PlainTextChanges(std::string_view text) {
  unsigned changes = 0;
  for (std::size_t pos = 0; pos < text.size(); ++pos) {
    if (text[pos] == '&') changes |= kDecodeReferences;
    if (text[pos] == '\n' || (text[pos] == ' ' && pos + 1 < text.size() && text[pos + 1] == ' '))
      changes |= kFoldSpaces;
  }
  return changes;
}

// Texts of every length up to three steps, with marks placed around the step boundaries
// (positions 14 to 18, 30 to 34) and at the very end.
std::vector<std::string> TrickyTexts(std::string_view marks) {
  std::vector<std::string> texts;
  for (std::size_t length = 0; length <= 3 * kScanWidth + 1; ++length) {
    texts.emplace_back(length, 'x');
    for (std::size_t at : {std::size_t{0}, std::size_t{14}, std::size_t{15}, std::size_t{16},
                           std::size_t{17}, std::size_t{31}, std::size_t{32}, length - 1}) {
      if (length == 0 || at >= length) continue;
      for (char mark : marks) {
        std::string text(length, 'x');
        text[at] = mark;
        texts.push_back(text);
        if (at + 1 < length) {  // a pair of marks across the boundary
          text[at + 1] = mark;
          texts.push_back(text);
        }
      }
    }
  }
  return texts;
}

TEST(ByteScan, FindEitherAgreesWithAPlainScanAtEveryStepBoundary) {
  for (const std::string& text : TrickyTexts("<&")) {
    for (std::size_t from = 0; from <= text.size(); ++from)
      ASSERT_EQ(FindEither(text, from, '<', '&'), PlainFindEither(text, from, '<', '&'))
          << '"' << text << "\" from " << from;
  }
}

TEST(ByteScan, FindEitherStopsAtTheEndOfAViewInsideALargerBuffer) {
  // The byte just past the view is a mark: the scan must not read it as part of the text.
  const std::string buffer = std::string(40, 'x') + "<";
  for (std::size_t size = 0; size <= 40; ++size)
    EXPECT_EQ(FindEither(std::string_view(buffer).substr(0, size), 0, '<', '>'), size);
}

TEST(ByteScan, CopyRunCopiesUpToTheFirstMarkAtEveryStepBoundary) {
  for (const std::string& text : TrickyTexts(" \n")) {
    std::vector<char> out(text.size() + kScanWidth, '#');
    const std::size_t copied = CopyRun(text, 0, ' ', '\n', out.data());
    ASSERT_EQ(copied, PlainFindEither(text, 0, ' ', '\n')) << '"' << text << '"';
    EXPECT_EQ(std::string(out.data(), copied), text.substr(0, copied));
  }
}

TEST(ByteScan, TextChangesAgreeWithAPlainScanAtEveryStepBoundary) {
  for (const std::string& text : TrickyTexts(" \n&"))
    ASSERT_EQ(TextChanges(text), PlainTextChanges(text)) << '"' << text << '"';
}

TEST(ByteScan, ASpaceAtTheEndOfAViewPairsOnlyWithBytesInside) {
  const std::string buffer = std::string(16, 'x') + "  ";
  EXPECT_EQ(TextChanges(std::string_view(buffer).substr(0, 17)), 0u)
      << "the space after the view is not part of the text";
  EXPECT_EQ(TextChanges(std::string_view(buffer).substr(0, 18)), unsigned{kFoldSpaces});
  EXPECT_EQ(TextChanges("a b c"), 0u) << "single spaces stay as they are";
}

}  // namespace
}  // namespace zendrik
