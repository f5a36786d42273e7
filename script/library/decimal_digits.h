#pragma once

// A number as its decimal digits, for the formatting functions: the digits of a double (17
// significant ones, enough to tell any two doubles apart) or the exact digits of a currency
// amount, rounded half away from zero at the place a format asks for.

#include <string>

#include "script/runtime/value.h"

namespace zendrik {

/// The value 0.Digits x 10^Exponent: `Digits` has no leading zero and is empty for zero.
struct TDecimalDigits {
  bool Negative = false;
  std::string Digits;
  int Exponent = 0;

  bool IsZero() const noexcept { return Digits.empty(); }
  /// Digit `index` counted from the first significant one; '0' beyond the last.
  char DigitAt(int index) const noexcept {
    return index >= 0 && index < static_cast<int>(Digits.size())
               ? Digits[static_cast<std::size_t>(index)]
               : '0';
  }
};

/// The digits of a finite double, rounded to 17 significant digits.
TDecimalDigits DigitsOf(double value);
/// The exact digits of a currency amount.
TDecimalDigits DigitsOf(TCtxCurrency value);

/// Rounds half away from zero so that no digit remains after `decimals` places behind the
/// decimal point (negative: before it). A number that rounds to zero keeps its sign.
void RoundToDecimals(TDecimalDigits& number, int decimals);
/// Rounds half away from zero to at most `count` significant digits (at least 1).
void RoundToSignificant(TDecimalDigits& number, int count);

/// The integer part's digits ("0" for none), then the fraction's first `decimals` digits.
std::string IntegerDigits(const TDecimalDigits& number);
std::string FractionDigits(const TDecimalDigits& number, int decimals);

/// `digits` (a run of decimal digits) with `separator` between groups of three from the right.
std::string GroupThousands(std::string_view digits, std::string_view separator);

}  // namespace zendrik
