// The string functions beneath the package: wrapping, line breaks, quoting, integer texts and
// the locale's case mapping and collation.

#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "base/replace.h"
#include "script/library/locale_text.h"
#include "script/library/regex_search.h"
#include "script/library/text_functions.h"
#include "script/runtime/conversions.h"
#include "script/runtime/errors.h"
#include "tests/script/pinned_formats.h"

namespace zendrik {
namespace {

class StandardPackageStrings : public ::testing::Test {
 protected:
  testsupport::PinnedFormats formats_;
};

std::string Lines(std::string text) {
  for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at))
    text.replace(at, 2, "|");
  return text;
}

TEST_F(StandardPackageStrings, WrapTextKeepsLinesWithinTheColumnWhereItCanBreak) {
  EXPECT_EQ(Lines(WrapLines("The quick brown fox", 3)), "The |quick |brown |fox");
  EXPECT_EQ(Lines(WrapLines("a b c d e f", 1)), "a |b |c |d |e |f");
  EXPECT_EQ(Lines(WrapLines("a b c d e f", 0)), "a |b |c |d |e |f");
  EXPECT_EQ(Lines(WrapLines("aaaa\tbbbb\tcccc", 6)), "aaaa\t|bbbb\t|cccc");
  EXPECT_EQ(WrapLines("short", 80), "short");
  EXPECT_EQ(WrapLines("", 5), "");
  // An apostrophe opens a quote up to the line's end: nothing after it is broken.
  EXPECT_EQ(WrapLines("It's quoted text here", 6), "It's quoted text here");
  EXPECT_EQ(Lines(WrapLines("a 'b c d' e\nf g h", 3)), "a |'b c d' |e\nf g |h");
  // Free Pascal leaves "the lazy dog" and "ghi jkl" longer than the column; here they break.
  EXPECT_EQ(Lines(WrapLines("jumps over the lazy dog", 10)), "jumps over |the lazy |dog");
}

TEST_F(StandardPackageStrings, AdjustLineBreaksTakesLfCrAsOneLineEnd) {
  // Free Pascal makes LF CR two line ends; it is one, as CR LF is.
  EXPECT_EQ(AdjustLineBreaksText("a\rb\nc\n\rd\r\ne\r\r"), "a\r\nb\r\nc\r\nd\r\ne\r\n\r\n");
}

TEST_F(StandardPackageStrings, QuoteTextDoublesEveryQuoteInside) {
  EXPECT_EQ(QuoteText("it's", "'"), "'it''s'");
  EXPECT_EQ(QuoteText("''", "'"), "''''''");
  EXPECT_EQ(QuoteText("1«2«", "«"), "«1««2«««");
}

TEST_F(StandardPackageStrings, IntToHexPadsAndShowsNegativesInTwosComplement) {
  EXPECT_EQ(HexText(255, 4), "00FF");
  EXPECT_EQ(HexText(-1, 2), "FFFFFFFF");
  EXPECT_EQ(HexText(255, 40), std::string(38, '0') + "FF");
  EXPECT_EQ(HexText(INT32_MIN, -5), "80000000");
}

TEST_F(StandardPackageStrings, ParseIntegerRefusesWhatDoesNotFitThirtyTwoBits) {
  EXPECT_EQ(ParseInteger("\t 2147483647"), 2147483647);
  EXPECT_EQ(ParseInteger("-2147483648"), INT32_MIN);
  EXPECT_EQ(ParseInteger("$80000000"), INT32_MIN);
  // Free Pascal wraps these around; a value that does not fit is not a valid integer here.
  EXPECT_EQ(ParseInteger("2147483648"), std::nullopt);
  EXPECT_EQ(ParseInteger("$100000000"), std::nullopt);
  EXPECT_EQ(ParseInteger("99999999999999999999"), std::nullopt);
  EXPECT_EQ(ParseInteger("-"), std::nullopt);
  EXPECT_EQ(ParseInteger("$"), std::nullopt);
}

TEST_F(StandardPackageStrings, LocaleCaseMappingReadsUtf8AsUtf8AndOtherBytesAsLatin1) {
  EXPECT_EQ(LocaleUpperCase("straße ä"), "STRASSE Ä");
  EXPECT_EQ(LocaleLowerCase("ÄÖÜ"), "äöü");
  EXPECT_EQ(LocaleUpperCase("\xE4\xF6 x"), "\xC4\xD6 X");  // Latin-1 bytes stay Latin-1
  EXPECT_EQ(LocaleUpperCase("\xFF\xB5"), "\xFF\xB5");      // upper cases outside Latin-1
  EXPECT_EQ(LocaleUpperCase("plain"), "PLAIN");
}

TEST_F(StandardPackageStrings, LocaleCollationFollowsTheLocaleInEffect) {
  formats_.Use(QLocale::c());
  EXPECT_GT(LocaleCompare("a", "B"), 0);  // code points
  formats_.Use(QLocale(QLocale::German, QLocale::Germany));
  EXPECT_LT(LocaleCompare("a", "B"), 0);
  EXPECT_LT(LocaleCompare("ä", "b"), 0);
  EXPECT_NE(LocaleCompare("a", "A"), 0);
  EXPECT_EQ(LocaleCompareNoCase("äBc", "ÄbC"), 0);
  EXPECT_NE(LocaleCompareNoCase("ä", "a"), 0);
}

TEST_F(StandardPackageStrings, StringReplaceStaysLinearOnRepetitiveText) {
  const std::string text(4'000'000, 'a');
  const std::string pattern = std::string(2000, 'a') + "b";
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(ReplaceAllNoCase(text, pattern, "x"), text);
  const auto elapsed = std::chrono::steady_clock::now() - start;
  // A quadratic search would compare some 8e9 bytes here.
  EXPECT_LT(elapsed, std::chrono::seconds(2));
  EXPECT_EQ(ReplaceAllNoCase("AbAbab", "ab", "-"), "---");
}

TEST(RegExPattern, AnInvalidPatternNamesTheByteWhereItGoesWrong) {
  const auto error = [](std::string_view pattern) {
    try {
      TRegExPattern{pattern};
    } catch (const std::exception& e) {
      return std::string(e.what());
    }
    return std::string();
  };
  EXPECT_EQ(error("a(b"), "Invalid regular expression: missing closing parenthesis at offset 3");
  // "ü" is two bytes of UTF-8 and one character.
  EXPECT_EQ(error("\xC3\xBC(b"),
            "Invalid regular expression: missing closing parenthesis at offset 4");
  EXPECT_EQ(error("\xFC(b"), "Invalid regular expression: missing closing parenthesis at offset 3");
}

TEST(RegExPattern, ManyMatchesEndAtTheTimeLimit) {
  const TRegExPattern quick("a", std::chrono::milliseconds(0));
  const std::string text(100000, 'a');
  EXPECT_THROW(quick.FindAll(text, 0), ECtxScriptError);
  EXPECT_THROW(quick.Replace(text, "b", 1 << 20), ECtxScriptError);
  EXPECT_EQ(TRegExPattern("a").FindAll(text, 0).size(), text.size());
}

TEST(RegExPattern, ALatin1TextGetsItsResultsInLatin1UnlessTheyCannotBe) {
  const TRegExPattern pattern("r");
  EXPECT_EQ(pattern.Replace("Gr\xFCn", "rr", 100), "Grr\xFCn");
  // The euro sign has no Latin-1 byte: the whole result is written as UTF-8.
  EXPECT_EQ(pattern.Replace("Gr\xFCn", "\xE2\x82\xAC", 100), "G\xE2\x82\xAC\xC3\xBCn");
  EXPECT_THROW(pattern.Replace("rrr", "xx", 5), ECtxScriptError);
}

}  // namespace
}  // namespace zendrik
