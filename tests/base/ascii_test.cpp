#include "base/ascii.h"

#include <gtest/gtest.h>

namespace zendrik {
namespace {

TEST(Ascii, CaseMappingTouchesOnlyAsciiLetters) {
  // Bytes next to the letter ranges, and Latin-1 and UTF-8 bytes, keep their value.
  const std::string mixed = "@AZ[`az{ 09 \xC4\xE4 \xC3\xA4";
  EXPECT_EQ(UpperCase(mixed), "@AZ[`AZ{ 09 \xC4\xE4 \xC3\xA4");
  EXPECT_EQ(LowerCase(mixed), "@az[`az{ 09 \xC4\xE4 \xC3\xA4");
  for (int c = 0; c < 256; ++c) {
    const char byte = static_cast<char>(c);
    const bool upper = c >= 'A' && c <= 'Z', lower = c >= 'a' && c <= 'z';
    EXPECT_EQ(AsciiUpper(byte), lower ? static_cast<char>(c - 32) : byte) << c;
    EXPECT_EQ(AsciiLower(byte), upper ? static_cast<char>(c + 32) : byte) << c;
  }
}

TEST(Ascii, AssignUpperCaseReplacesTheWholeText) {
  std::string out = "a longer text than the next";
  AssignUpperCase(out, "td");
  EXPECT_EQ(out, "TD");
  AssignUpperCase(out, "");
  EXPECT_EQ(out, "");
}

TEST(Ascii, SameTextIgnoresAsciiCaseOnly) {
  EXPECT_TRUE(SameText("GetCell", "GETCELL"));
  EXPECT_TRUE(SameText("", ""));
  EXPECT_FALSE(SameText("abc", "abcd"));
  // '@' and '`' differ from 'A' and 'a' by the case bit but are not letters.
  EXPECT_FALSE(SameText("@", "`"));
  EXPECT_FALSE(SameText("[", "{"));
  EXPECT_FALSE(SameText("\xC4", "\xE4"));
}

TEST(Ascii, StartsWithNoCaseComparesThePrefixOnly) {
  EXPECT_TRUE(StartsWithNoCase("HTTP://host/", "http://"));
  EXPECT_TRUE(StartsWithNoCase("Location: x", "location:"));
  EXPECT_TRUE(StartsWithNoCase("anything", ""));
  EXPECT_FALSE(StartsWithNoCase("www", "www."));
  EXPECT_FALSE(StartsWithNoCase("wwx.", "www."));
}

TEST(Ascii, TrimRemovesBlanksAndControlCharactersAtTheEnds) {
  EXPECT_EQ(Trim(" \t\r\n\x01 a b \x1F\x7F "), "a b \x1F\x7F");  // DEL (127) is not trimmed
  EXPECT_EQ(Trim("\xA0x\xA0"), "\xA0x\xA0");                     // nor is Latin-1's no-break space
  EXPECT_EQ(Trim(" \t "), "");
  EXPECT_EQ(TrimLeft("  a  "), "a  ");
  EXPECT_EQ(TrimRight("  a  "), "  a");
  EXPECT_EQ(TrimLeft(""), "");
}

TEST(Ascii, TrimAnyOfRemovesOnlyTheGivenBytes) {
  EXPECT_EQ(TrimAnyOf("\v 12 \r\n", " \t\r\n"), "\v 12");
  EXPECT_EQ(TrimAnyOf("    ", " "), "");
  EXPECT_EQ(TrimAnyOf("x", " "), "x");
}

}  // namespace
}  // namespace zendrik
