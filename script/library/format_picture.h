#pragma once

// `FormatFloat` and `FormatCurr`: a number laid out by a picture such as "#,##0.00;(#,##0.00)".

#include <string>
#include <string_view>

#include "script/runtime/value.h"

namespace zendrik {

/// `value` formatted by `picture`: up to three sections separated by ";" (positive, negative,
/// zero); in a section "0" is a digit always shown, "#" a digit shown when significant, "." the
/// decimal separator, "," turns on thousands separators, "E+", "E-", "e+" and "e-" start an
/// exponent, quoted text and other characters are copied. An empty picture (or section) gives
/// the general format of `FloatToStr`; so does a number with more than 17 integer digits.
/// Rounding is half away from zero on the decimal digits; a result that rounds to zero has no
/// minus sign.
std::string FormatFloatPicture(std::string_view picture, double value);
/// As FormatFloatPicture, on the exact digits of a currency amount.
std::string FormatCurrPicture(std::string_view picture, TCtxCurrency value);

}  // namespace zendrik
