#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include <QLocale>

#include "script/runtime/value.h"

namespace zendrik {

/// The locale settings that conversions between numbers, dates and text use, and that the
/// standard package's formatting functions read. Texts are UTF-8 bytes.
struct TCtxFormatSettings {
  char DecimalSeparator = '.';
  /// Between groups of three digits; may be empty or longer than one byte.
  std::string ThousandSeparator = ",";
  /// Date and time patterns in QDate/QTime syntax (d, dd, M, MM, yy, yyyy, h, hh, m, mm, s, ss,
  /// AP). The short date format always writes the year in four digits.
  std::string ShortDateFormat = "d/M/yyyy";
  std::string LongDateFormat = "dddd, d MMMM yyyy";
  std::string ShortTimeFormat = "hh:mm";
  std::string LongTimeFormat = "hh:mm:ss";
  /// The first separator of the short date format and of the long time format.
  std::string DateSeparator = "/";
  std::string TimeSeparator = ":";
  /// Sunday first.
  std::array<std::string, 7> ShortDayNames = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
  std::array<std::string, 7> LongDayNames = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                             "Thursday", "Friday", "Saturday"};
  /// January first.
  std::array<std::string, 12> ShortMonthNames = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                 "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  std::array<std::string, 12> LongMonthNames = {"January",   "February", "March",    "April",
                                                "May",       "June",     "July",     "August",
                                                "September", "October",  "November", "December"};
  std::string TimeAMString = "AM";
  std::string TimePMString = "PM";
  /// A money amount is written as prefix, amount, suffix; negative amounts with their own pair
  /// (which carries the minus sign or the parentheses).
  std::string CurrencyPrefix;
  std::string CurrencySuffix;
  std::string NegativeCurrencyPrefix = "-";
  std::string NegativeCurrencySuffix;
  int CurrencyDecimals = 2;
  /// Supplies day and month names and the AM/PM texts for the patterns above, and collation.
  QLocale Locale = QLocale::c();

  /// Settings of `locale`: its separators, date and time formats (without any time-zone part),
  /// names and money format.
  static TCtxFormatSettings FromLocale(const QLocale& locale);
};

/// The settings in effect on this thread: those of the engine that runs (its `Formats`), else
/// those of the user's locale (QLocale()), made once.
const TCtxFormatSettings& FormatSettings();

/// Puts `settings` in effect on this thread for as long as it lives; they nest. An engine puts
/// its own in effect while it runs; a test pins a locale with one.
class TCtxFormatsInEffect {
 public:
  explicit TCtxFormatsInEffect(const TCtxFormatSettings& settings);
  ~TCtxFormatsInEffect();
  TCtxFormatsInEffect(const TCtxFormatsInEffect&) = delete;
  TCtxFormatsInEffect& operator=(const TCtxFormatsInEffect&) = delete;

 private:
  const TCtxFormatSettings* previous_;
};

/// Value to 32-bit integer: floating and currency round half to even; Boolean is -1 or 0;
/// strings are parsed; Unassigned is 0; Null and everything else raise a conversion error.
std::int32_t ToIntegerSlow(const TCtxValue& value);
inline std::int32_t ToInteger(const TCtxValue& value) {
  return value.Is(TCtxType::Integer) ? value.IntegerPayload() : ToIntegerSlow(value);
}
/// Value to floating: numbers as they are, currency / 10000, Boolean -1 or 0, strings parsed,
/// Unassigned 0; Null and everything else raise a conversion error.
double ToFloating(const TCtxValue& value);
/// Value to currency (fixed point, four decimals, rounded half to even).
TCtxCurrency ToCurrency(const TCtxValue& value);
/// Value to truth value: numbers are true when not zero, strings are "True"/"False" in any
/// case or a number, Unassigned is false; Null and everything else raise a conversion error.
bool ToBoolean(const TCtxValue& value);

/// Strict conversion to text: Unassigned is empty, numbers use the locale, Boolean is
/// "True"/"False"; Null, arrays, objects and references raise a conversion error.
std::string ToStringStrict(const TCtxValue& value);
/// As ToStringStrict, except that Null gives the empty string.
std::string ToStringPlain(const TCtxValue& value);

/// Display text of a value ("Unassigned", "Null", "[1, Null]", "2 dimensional array", ...).
/// `cells` is the variable stack, read for the text of a `ReferenceValue`.
std::string ValueToText(const TCtxValue& value, std::span<const TCtxValue> cells = {});

/// A floating number in general format with up to `digits` significant digits and the locale's
/// decimal separator ("3.5", "1E20", "1E-5", "-0.25").
std::string FloatToText(double value, int digits = 15);
/// A currency amount in general format ("1.5", "-12", "0.0001").
std::string CurrencyToText(TCtxCurrency value);
/// A date in the short date format followed, unless it is midnight, by the long time format:
/// the time of day is taken to the millisecond and shown truncated to the second. Raises
/// "Invalid variant type conversion" outside the years 1 to 9999.
std::string DateToText(double daysSince1899);

/// Parses a decimal number: blanks around, optional sign, digits with the locale's decimal
/// separator, optional exponent. Nothing when the text is not such a number.
std::optional<double> ParseNumber(std::string_view text);
/// Parses the same shape as ParseNumber exactly in decimal, as a currency amount rounded to the
/// fourth decimal place, ties to the even unit; nothing for another text or an amount beyond
/// the currency range.
std::optional<TCtxCurrency> ParseCurrency(std::string_view text);

/// Rounds to the nearest integer, ties to even; nothing when out of the 32-bit range or NaN.
std::optional<std::int32_t> RoundToInteger(double value);
/// Rounds a number of currency units to fixed point, ties to even; nothing when out of range.
std::optional<TCtxCurrency> RoundToCurrency(long double units);

}  // namespace zendrik
