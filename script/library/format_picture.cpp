#include "script/library/format_picture.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>

#include "script/library/decimal_digits.h"
#include "script/runtime/conversions.h"

namespace zendrik {

namespace {

// What a section asks for, found in one pass over it.
struct TLayout {
  int IntegerPlaces = 0;           // "0" and "#" before the decimal point
  int FirstIntegerZero = -1;       // index of the first "0" among them
  int FractionPlaces = 0;          // "0" and "#" after the decimal point
  int RequiredFractionDigits = 0;  // up to the last "0" after the point
  bool Thousands = false;
  bool Scientific = false;
  int ExponentDigits = 0;
};

bool IsQuote(char c) { return c == '"' || c == '\''; }

// The position after the quoted text that starts at `i` (or the end of an unterminated one).
std::size_t AfterQuote(std::string_view s, std::size_t i) {
  const std::size_t close = s.find(s[i], i + 1);
  return close == std::string_view::npos ? s.size() : close + 1;
}

bool StartsExponent(std::string_view s, std::size_t i) {
  return (s[i] == 'E' || s[i] == 'e') && i + 1 < s.size() && (s[i + 1] == '+' || s[i + 1] == '-');
}

TLayout LayoutOf(std::string_view section) {
  TLayout layout;
  bool afterPoint = false;
  for (std::size_t i = 0; i < section.size();) {
    const char c = section[i];
    if (IsQuote(c)) {
      i = AfterQuote(section, i);
      continue;
    }
    if (StartsExponent(section, i)) {
      layout.Scientific = true;
      for (i += 2; i < section.size() && section[i] == '0'; ++i) ++layout.ExponentDigits;
      break;  // whatever follows the exponent is copied
    }
    if (c == '0' || c == '#') {
      if (afterPoint) {
        ++layout.FractionPlaces;
        if (c == '0') layout.RequiredFractionDigits = layout.FractionPlaces;
      } else {
        if (c == '0' && layout.FirstIntegerZero < 0) layout.FirstIntegerZero = layout.IntegerPlaces;
        ++layout.IntegerPlaces;
      }
    } else if (c == '.') {
      afterPoint = true;
    } else if (c == ',') {
      layout.Thousands = true;
    }
    ++i;
  }
  return layout;
}

// The digits to show, prepared from the number and the layout.
struct TShown {
  std::string Integer;   // every integer digit, padded to the required count
  std::string Fraction;  // trimmed of optional trailing zeros
  int Exponent = 0;
};

TShown ShownDigits(TDecimalDigits& number, const TLayout& layout) {
  TShown shown;
  if (layout.Scientific) {
    const int integerPlaces = std::max(layout.IntegerPlaces, 1);
    RoundToSignificant(number, integerPlaces + layout.FractionPlaces);
    for (int i = 0; i < integerPlaces; ++i) shown.Integer += number.DigitAt(i);
    for (int i = 0; i < layout.FractionPlaces; ++i)
      shown.Fraction += number.DigitAt(integerPlaces + i);
    shown.Exponent = number.IsZero() ? 0 : number.Exponent - integerPlaces;
  } else {
    RoundToDecimals(number, layout.FractionPlaces);
    if (number.Exponent > 0) shown.Integer = IntegerDigits(number);
    const int required =
        layout.FirstIntegerZero < 0 ? 0 : layout.IntegerPlaces - layout.FirstIntegerZero;
    if (static_cast<int>(shown.Integer.size()) < required)
      shown.Integer.insert(0, static_cast<std::size_t>(required) - shown.Integer.size(), '0');
    shown.Fraction = FractionDigits(number, layout.FractionPlaces);
  }
  while (static_cast<int>(shown.Fraction.size()) > layout.RequiredFractionDigits &&
         shown.Fraction.back() == '0')
    shown.Fraction.pop_back();
  return shown;
}

// Writes the section with the digits in the places of its placeholders.
class TEmitter {
 public:
  TEmitter(const TLayout& layout, const TShown& shown, std::string& out)
      : layout_(layout), shown_(shown), out_(out) {}

  void Run(std::string_view section) {
    for (std::size_t i = 0; i < section.size();) {
      const char c = section[i];
      if (IsQuote(c)) {
        const std::size_t close = section.find(c, i + 1);
        out_.append(section.substr(i + 1, close == std::string_view::npos ? close : close - i - 1));
        i = close == std::string_view::npos ? section.size() : close + 1;
      } else if (layout_.Scientific && StartsExponent(section, i)) {
        i = Exponent(section, i);
      } else {
        Character(c);
        ++i;
      }
    }
  }

 private:
  void Character(char c) {
    if ((c == '0' || c == '#') && !pointSeen_) {
      IntegerPlace();
    } else if ((c == '0' || c == '#') && !exponentSeen_) {
      if (fractionIndex_ < shown_.Fraction.size()) out_ += shown_.Fraction[fractionIndex_];
      ++fractionIndex_;
    } else if (c == '.') {
      if (pointSeen_) return;
      pointSeen_ = true;
      if (layout_.IntegerPlaces == 0) IntegerDigits(0, shown_.Integer.size());
      if (!shown_.Fraction.empty()) out_ += FormatSettings().DecimalSeparator;
    } else if (c != ',') {
      out_ += c;
    }
  }

  // The digits are aligned to the right of the integer placeholders; the first placeholder
  // also takes the digits that have no place of their own.
  void IntegerPlace() {
    const int length = static_cast<int>(shown_.Integer.size());
    const int offset = layout_.IntegerPlaces - length;  // placeholders without a digit
    if (integerIndex_ == 0 && offset < 0) IntegerDigits(0, static_cast<std::size_t>(-offset));
    const int digit = integerIndex_ - offset;
    if (digit >= 0 && digit < length)
      IntegerDigits(static_cast<std::size_t>(digit), static_cast<std::size_t>(digit) + 1);
    ++integerIndex_;
  }

  void IntegerDigits(std::size_t from, std::size_t to) {
    const std::size_t length = shown_.Integer.size();
    for (std::size_t k = from; k < to; ++k) {
      out_ += shown_.Integer[k];
      const std::size_t after = length - 1 - k;
      if (layout_.Thousands && !layout_.Scientific && after > 0 && after % 3 == 0)
        out_ += FormatSettings().ThousandSeparator;
    }
  }

  std::size_t Exponent(std::string_view section, std::size_t i) {
    exponentSeen_ = true;
    out_ += section[i];
    const int exponent = shown_.Exponent;
    if (exponent < 0)
      out_ += '-';
    else if (section[i + 1] == '+')
      out_ += '+';
    std::string digits = std::to_string(exponent < 0 ? -exponent : exponent);
    if (static_cast<int>(digits.size()) < layout_.ExponentDigits)
      digits.insert(0, static_cast<std::size_t>(layout_.ExponentDigits) - digits.size(), '0');
    out_ += digits;
    for (i += 2; i < section.size() && section[i] == '0';) ++i;
    return i;
  }

  const TLayout& layout_;
  const TShown& shown_;
  std::string& out_;
  int integerIndex_ = 0;
  std::size_t fractionIndex_ = 0;
  bool pointSeen_ = false;
  bool exponentSeen_ = false;
};

// Splits the picture at the ";" outside quotes: at most three sections.
std::array<std::string_view, 3> Sections(std::string_view picture, int& count) {
  std::array<std::string_view, 3> sections;
  count = 0;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= picture.size() && count < 3;) {
    if (i < picture.size() && IsQuote(picture[i])) {
      i = AfterQuote(picture, i);
      continue;
    }
    if (i == picture.size() || picture[i] == ';') {
      sections[static_cast<std::size_t>(count++)] = picture.substr(start, i - start);
      start = i + 1;
    }
    ++i;
  }
  return sections;
}

std::string FormatDigits(std::string_view picture, TDecimalDigits number,
                         const std::function<std::string()>& general) {
  int count = 0;
  const std::array<std::string_view, 3> sections = Sections(picture, count);
  std::string_view section = sections[0];
  bool signShown = number.Negative;
  if (number.Negative && count >= 2 && !sections[1].empty()) {
    section = sections[1];
    signShown = false;
  } else if (number.IsZero() && count >= 3 && !sections[2].empty()) {
    section = sections[2];
  }
  if (section.empty()) return general();
  const TLayout layout = LayoutOf(section);
  if (!layout.Scientific) {
    TDecimalDigits rounded = number;
    RoundToDecimals(rounded, layout.FractionPlaces);
    if (rounded.Exponent > 17) return general();
  }
  const TShown shown = ShownDigits(number, layout);
  std::string out;
  if (signShown && !number.IsZero()) out += '-';
  TEmitter(layout, shown, out).Run(section);
  return out;
}

}  // namespace

std::string FormatFloatPicture(std::string_view picture, double value) {
  if (!std::isfinite(value) || picture.empty()) return FloatToText(value);
  return FormatDigits(picture, DigitsOf(value), [value] { return FloatToText(value); });
}

std::string FormatCurrPicture(std::string_view picture, TCtxCurrency value) {
  if (picture.empty()) return CurrencyToText(value);
  return FormatDigits(picture, DigitsOf(value), [value] { return CurrencyToText(value); });
}

}  // namespace zendrik
