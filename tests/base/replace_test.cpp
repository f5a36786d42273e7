#include "base/replace.h"

#include <gtest/gtest.h>

namespace zendrik {
namespace {

TEST(ReplaceAllNoCase, ReplacesEveryOccurrenceIgnoringAsciiCaseWithoutOverlap) {
  EXPECT_EQ(ReplaceAllNoCase("aXa", "x", "b"), "aba");
  EXPECT_EQ(ReplaceAllNoCase("aaa", "aa", "b"), "ba");
  EXPECT_EQ(ReplaceAllNoCase("abababc", "ABABC", "!"), "ab!");      // a partial match falls back
  EXPECT_EQ(ReplaceAllNoCase("\xC4x\xE4", "\xE4", "-"), "\xC4x-");  // other bytes match exactly
  EXPECT_EQ(ReplaceAllNoCase("abc", "", "x"), "abc");
  EXPECT_EQ(ReplaceAllNoCase("ab", "abc", "x"), "ab");
  EXPECT_EQ(ReplaceAllNoCase("", "a", "x"), "");
}

}  // namespace
}  // namespace zendrik
