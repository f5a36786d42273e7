#include "base/utf8.h"

#include <gtest/gtest.h>

#include <string>

namespace zendrik {
namespace {

TEST(Utf8, RecognisesWellFormedUtf8Only) {
  const struct {
    std::string Bytes;
    bool Valid;
  } cases[] = {
      {"plain", true},
      {"Stra\xC3\x9F"
       "e",
       true},
      {"\xE2\x82\xAC", true},
      {"\xF4\x8F\xBF\xBF", true},  // U+10FFFF
      {"Stra\xDF"
       "e",
       false},              // Latin-1
      {"\xC0\xAF", false},  // overlong
      {"\xF0\x8F\xBF\xBF", false},
      {"\xED\xA0\x80", false},  // overlong, surrogate
      {"\xF4\x90\x80\x80", false},
      {"\xE2\x82", false},  // past U+10FFFF, cut off
      {"\x80", false},
      {"\xE2\x28\xA1", false},
  };
  for (const auto& c : cases) EXPECT_EQ(IsValidUtf8(c.Bytes), c.Valid) << c.Bytes;
}

TEST(Utf8, FirstCharacterTakesAWholeSequenceOrOneByte) {
  EXPECT_EQ(FirstCharacterLength(""), 0u);
  EXPECT_EQ(FirstCharacterLength("ab"), 1u);
  EXPECT_EQ(FirstCharacterLength("\xC2\xABx"), 2u);
  EXPECT_EQ(FirstCharacterLength("\xE2\x82\xAC"), 3u);
  EXPECT_EQ(FirstCharacterLength("\xAB\xC2"), 1u);
  EXPECT_TRUE(IsAscii("abc"));
  EXPECT_FALSE(IsAscii("ab\x80"));
}

}  // namespace
}  // namespace zendrik
