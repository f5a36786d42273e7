#include "app/cell_text.h"

#include <gtest/gtest.h>

#include <string>

namespace zendrik {
namespace {

TEST(CellText, RecognisesWellFormedUtf8Only) {
  const struct {
    std::string Bytes;
    bool Valid;
  } cases[] = {
      {"", true},
      {"plain ascii", true},
      {"Stra\xC3\x9F" "e", true},             // two bytes
      {"\xE2\x82\xAC 5", true},               // euro sign, three bytes
      {"\xF0\x9F\x98\x80", true},             // four bytes
      {"\xF4\x8F\xBF\xBF", true},             // U+10FFFF, the last code point
      {"Stra\xDF" "e", false},                // Latin-1
      {"\xC0\xAF", false},                    // overlong '/'
      {"\xE0\x80\xAF", false},                // overlong, three bytes
      {"\xF0\x8F\xBF\xBF", false},            // overlong, four bytes
      {"\xED\xA0\x80", false},                // surrogate half
      {"\xF4\x90\x80\x80", false},            // past U+10FFFF
      {"\xE2\x82", false},                    // cut off at the end
      {"\x80 stray continuation", false},
      {"\xE2\x28\xA1", false},                // bad continuation
      {"\xF8\x88\x80\x80\x80", false},        // five-byte form
  };
  for (const auto& c : cases)
    EXPECT_EQ(IsValidUtf8(c.Bytes), c.Valid) << c.Bytes;
}

TEST(CellText, ShowsUtf8AsUtf8AndAnythingElseAsLatin1) {
  EXPECT_EQ(DisplayText("Stra\xC3\x9F" "e"), QString::fromUtf8("Stra\u00DFe"));
  EXPECT_EQ(DisplayText("Stra\xDF" "e"), QString::fromUtf8("Stra\u00DFe"));
  // One bad byte makes the whole text Latin-1: every byte is shown, none is lost.
  EXPECT_EQ(DisplayText("\xC3\x9F\xFF"), QString::fromUtf8("\u00C3\u009F\u00FF"));
  EXPECT_EQ(DisplayText(std::string("a\x01" "b", 3)), QString::fromLatin1("a\x01" "b"));
}

} // namespace
} // namespace zendrik
