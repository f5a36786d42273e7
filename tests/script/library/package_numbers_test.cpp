// Format, FormatFloat and FormatCurr. Expected texts were taken from Free Pascal's run-time
// library (fpc -Mdelphi, C locale) except where a comment says why they differ.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "script/library/format_directives.h"
#include "script/library/format_picture.h"
#include "script/runtime/conversions.h"
#include "tests/script/pinned_formats.h"

namespace zendrik {
namespace {

class StandardPackageNumbers : public ::testing::Test {
 protected:
  testsupport::PinnedFormats formats_;
};

std::string Outcome(std::string_view format, std::vector<TCtxValue> values) {
  try {
    return FormatText(format, values);
  } catch (const std::exception& error) {
    return error.what();
  }
}

TCtxValue I(std::int32_t v) { return TCtxValue::Integer(v); }
TCtxValue F(double v) { return TCtxValue::Floating(v); }
TCtxValue S(const char* v) { return TCtxValue::String(v); }

TEST_F(StandardPackageNumbers, FormatMatchesFreePascalForWidthsPrecisionsAndIndices) {
  EXPECT_EQ(Outcome("%5d|%-5d|%.3d|%-8.3d|%.3d", {I(42), I(42), I(7), I(-7)}),
            "No argument for format '%5d|%-5d|%.3d|%-8.3d|%.3d'");
  EXPECT_EQ(Outcome("%5d|%-5d|%.3d|%-8.3d", {I(42), I(42), I(7), I(-7)}),
            "   42|42   |007|-007    ");
  EXPECT_EQ(Outcome("%u|%x|%.4x|%X", {I(-1), I(255), I(255), I(-1)}),
            "4294967295|FF|00FF|FFFFFFFF");
  EXPECT_EQ(Outcome("%f|%.0f|%.4f|%8.1f", {F(3.14159), F(2.5), F(-1.0), F(3.25)}),
            "3.14|3|-1.0000|     3.3");
  EXPECT_EQ(Outcome("%.3e|%10.2e|%.0e", {F(1234.5678), F(-0.000123), F(5.5)}),
            "1.23E+003| -1.2E-004|5.5E+000");
  EXPECT_EQ(Outcome("%g|%g|%g|%.3g", {F(3.14159), F(1e20), F(0.00001), F(1234.5678)}),
            "3.14159|1E20|0.00001|1.23E3");
  EXPECT_EQ(Outcome("%n|%.0n|%n", {F(1234567.891), F(1234567.891), F(-1234.5)}),
            "1,234,567.89|1,234,568|-1,234.50");
  EXPECT_EQ(Outcome("%s|%5s|%-5s|%.2s|", {S("abc"), S("ab"), S("ab"), S("abcdef")}),
            "abc|   ab|ab   |ab|");
  EXPECT_EQ(Outcome("%1:s %0:s %s", {S("a"), S("b"), S("c")}), "b a b");
  EXPECT_EQ(Outcome("%.0f|%.0f|%.0f|%.1f", {F(0.5), F(1.5), F(-0.5), F(0.05)}), "1|2|-1|0.1");
  EXPECT_EQ(Outcome("%f|%.2f", {F(-0.001), F(-0.001)}), "0.00|0.00");
  EXPECT_EQ(Outcome("%.30f", {F(0.5)}), "0.500000000000000000");  // at most 18 decimals
  EXPECT_EQ(Outcome("%f", {F(1e20)}), "100000000000000000000.00");
  // Free Pascal's %e defaults to 17 digits; here, as FloatToStr, to 15.
  EXPECT_EQ(Outcome("%e", {F(1234.5678)}), "1.23456780000000E+003");
}

TEST_F(StandardPackageNumbers, FormatRefusesMissingValuesWrongKindsAndMalformedDirectives) {
  EXPECT_EQ(Outcome("%d %d", {I(1)}), "No argument for format '%d %d'");
  EXPECT_EQ(Outcome("%2:d", {I(1)}), "No argument for format '%2:d'");
  for (const char* format : {"%z", "%", "abc%", "%-", "%3", "%-0:5d", "%2$s"})
    EXPECT_EQ(Outcome(format, {I(5)}),
              std::string("Format '") + format + "' invalid or incompatible with argument");
  EXPECT_EQ(Outcome("%d", {S("5")}), "Format '%d' invalid or incompatible with argument");
  EXPECT_EQ(Outcome("%f", {I(5)}), "Format '%f' invalid or incompatible with argument");
  EXPECT_EQ(Outcome("%s", {TCtxValue::Boolean(true)}),
            "Format '%s' invalid or incompatible with argument");
  EXPECT_EQ(Outcome("%999999999d", {I(5)}), "Format string too long");
  EXPECT_EQ(Outcome("%%|%d|%.0d", {I(1), I(0)}), "%|1|0");
}

TEST_F(StandardPackageNumbers, FormatUsesTheSeparatorsAndMoneyFormatOfTheLocale) {
  formats_.Use(QLocale(QLocale::German, QLocale::Germany));
  EXPECT_EQ(Outcome("%n|%f|%m|%m", {F(1234567.891), F(2.5), F(1234.5), F(-3)}),
            "1.234.567,89|2,50|1.234,50\xC2\xA0€|-3,00\xC2\xA0€");  // a no-break space
  EXPECT_EQ(FormatFloatPicture("#,##0.00", 1234567.891), "1.234.567,89");
  formats_.Use(QLocale(QLocale::English, QLocale::UnitedStates));
  EXPECT_EQ(Outcome("%m|%m", {TCtxValue::Currency({12345000}), F(-2)}), "$1,234.50|($2.00)");
}

struct PictureCase {
  const char* Picture;
  double Value;
  const char* Expected;
};

TEST_F(StandardPackageNumbers, FormatFloatMatchesFreePascalPictures) {
  const PictureCase cases[] = {
      {"0.00", 1.005, "1.00"},  // 1.005 is 1.00499999999999989... as a double
      {"0.00", 2.675, "2.67"},
      {"0.00", 0.125, "0.13"},  // ties round away from zero
      {"0", 2.5, "3"},
      {"#,##0.00", 1234567.891, "1,234,567.89"},
      {"#,##0.00", -1234567.891, "-1,234,567.89"},
      {"#.##", 0.5, ".5"},
      {"#.##", 0, ""},
      {"0.##", 1.5, "1.5"},
      {"000", 7, "007"},
      {"0.00;(0.00)", -3.5, "(3.50)"},
      {"0.00;(0.00);zero", 0, "zero"},
      {"0.00;(0.00);zero", 0.001, "0.00"},
      {"0.000E+00", 1234.5, "1.235E+03"},
      {"0.000E-00", 1234.5, "1.235E03"},
      {"0.000E+00", 0.00012345, "1.234E-04"},
      {"0.000e-0", 0.00012345, "1.234e-4"},
      {"#.###E+0", 1234.5, "1.235E+3"},
      {"##0.0E+0", 1234.5, "123.5E+1"},
      {"0.0E+0", 9.96, "1.0E+1"},
      {"#.#E+0", 0.5, "5E-1"},
      {"0E+0", 0, "0E+0"},
      {"", 3.14159, "3.14159"},
      {"", 1e20, "1E20"},
      {"\"Price: \"0.00", 5, "Price: 5.00"},
      {"\"Price: \"0.00", -5, "-Price: 5.00"},
      {"'x'#", 12, "x12"},
      {"0.00 EUR", 5, "5.00 EUR"},
      {"0,000", 12, "0,012"},
      {"#,#", 1234567, "1,234,567"},
      {"0.0#", 1.234, "1.23"},
      {"0.0#", 1, "1.0"},
      {"0.#0", 1.2, "1.20"},
      {"#0.###", 0.12345, "0.123"},
      {"00.00", -1.5, "-01.50"},
      {"0-0-0", 123, "1-2-3"},
      {"#x#", 57, "5x7"},
      {"0.0.0", 1.25, "1.25"},
      {"0%", 45, "45%"},
      {"##", 1234, "1234"},
      {"0.", 5, "5"},
      {".00", 0.5, ".50"},
      {"0", 1e16, "10000000000000000"},
      {"0", 1e17, "1E17"},  // more than 17 integer digits: the general format
      {"0.00", 1.0 / 0.0, "+Inf"},
      {"0.0000000000000000000", 0.1, "0.1000000000000000100"},
      {"#,##0.00", 999.995, "1,000.00"},
      // Differ from Free Pascal, which writes "-0", "-0.00", ".00" and "0.00" here: a number that
      // rounds to zero has no sign, and optional digits that round to zero are not shown.
      {"0", -0.4, "0"},
      {"0.00", -0.004, "0.00"},
      {"#.##", 0.004, ""},
      {"0.##", 0.004, "0"},
      // Differ from Free Pascal, which falls back to the general format: an empty negative
      // section takes the positive one, with a minus sign.
      {"0.00;;zero", -3.5, "-3.50"},
  };
  for (const PictureCase& c : cases)
    EXPECT_EQ(FormatFloatPicture(c.Picture, c.Value), c.Expected) << c.Picture << " " << c.Value;
}

TEST_F(StandardPackageNumbers, FormatCurrUsesTheExactDigitsOfTheAmount) {
  EXPECT_EQ(FormatCurrPicture("#,##0.0000", TCtxCurrency{9223372036854775807}),
            "922,337,203,685,477.5807");  // Free Pascal goes through a float: ...477.5800
  EXPECT_EQ(FormatCurrPicture("0.00", TCtxCurrency{26750}), "2.68");
  EXPECT_EQ(FormatCurrPicture("", TCtxCurrency{15000}), "1.5");
  EXPECT_EQ(FormatCurrPicture("0.##", TCtxCurrency{-50}), "-0.01");
  EXPECT_EQ(FormatCurrPicture("0.00", TCtxCurrency{INT64_MIN}), "-922337203685477.58");
}

}  // namespace
}  // namespace zendrik
