#include "script/runtime/conversions.h"

#include <QDate>
#include <QTime>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

#include <utility>

#include "base/ascii.h"
#include "script/runtime/errors.h"

namespace zendrik {

namespace {

// The settings of the user's locale, made once.
const TCtxFormatSettings& UserSettings() {
  static const TCtxFormatSettings settings = TCtxFormatSettings::FromLocale(QLocale());
  return settings;
}

// The settings that a running engine (or a test) put in effect on this thread.
thread_local const TCtxFormatSettings* settingsInEffect = nullptr;

// Number and boolean texts may be surrounded by spaces, tabs and line ends, but no other
// control characters, unlike the general trimming of names and texts.
constexpr std::string_view kBlanks = " \t\r\n";

std::string_view TrimNumberBlanks(std::string_view text) { return TrimAnyOf(text, kBlanks); }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

double ParseOrRaise(std::string_view text) {
  const std::optional<double> number = ParseNumber(text);
  if (!number) RaiseInvalidConversion();
  return *number;
}

// Ties-to-even rounding of a value already known to be finite.
long double RoundHalfEven(long double x) {
  const long double floor = std::floor(x);
  const long double diff = x - floor;
  if (diff > 0.5L) return floor + 1;
  if (diff < 0.5L) return floor;
  return std::fmod(floor, 2.0L) == 0 ? floor : floor + 1;
}

std::int32_t CurrencyToInteger(TCtxCurrency c) {
  const std::int64_t q = c.Scaled / kCtxCurrencyScale;
  const std::int64_t r = c.Scaled % kCtxCurrencyScale;  // sign of Scaled
  std::int64_t rounded = q;
  const std::int64_t twice = 2 * (r < 0 ? -r : r);
  if (twice > kCtxCurrencyScale || (twice == kCtxCurrencyScale && q % 2 != 0))
    rounded += r < 0 ? -1 : 1;
  if (rounded < std::numeric_limits<std::int32_t>::min() ||
      rounded > std::numeric_limits<std::int32_t>::max()) {
    RaiseInvalidConversion();
  }
  return static_cast<std::int32_t>(rounded);
}

// A number outside the 32-bit range has no integer: the conversion fails.
std::int32_t RoundOrRaise(double value) {
  const std::optional<std::int32_t> n = RoundToInteger(value);
  if (!n) RaiseInvalidConversion();
  return *n;
}

std::string DecimalText(std::int64_t n) { return std::to_string(n); }

}  // namespace

namespace {

std::string Utf8(const QString& text) { return text.toStdString(); }

// Qt's time formats end in the time zone ("t"); a date-time value carries none.
std::string WithoutTimeZone(QString format) {
  format.remove(QLatin1Char('t'));
  return Utf8(format.trimmed());
}

// The first run of characters between the fields of a pattern ("." in "dd.MM.yy"), outside
// quoted text; `fallback` when the fields are not separated.
std::string FirstSeparator(std::string_view pattern, std::string_view fallback) {
  std::size_t i = 0;
  while (i < pattern.size() && std::isalpha(static_cast<unsigned char>(pattern[i]))) ++i;
  std::size_t end = i;
  while (end < pattern.size() && !std::isalpha(static_cast<unsigned char>(pattern[end])) &&
         pattern[end] != '\'' && pattern[end] != ' ')
    ++end;
  if (end == i) return std::string(fallback);
  return std::string(pattern.substr(i, end - i));
}

// `format` with a two-digit year ("yy", outside quoted text) widened to four digits: a date
// written with two and read back could land in another century.
std::string WithFourDigitYear(std::string format) {
  bool quoted = false;
  for (std::size_t i = 0; i < format.size();) {
    if (format[i] == '\'') quoted = !quoted;
    if (quoted || format[i] != 'y') {
      ++i;
      continue;
    }
    std::size_t end = i;
    while (end < format.size() && format[end] == 'y') ++end;
    if (end - i == 2) {
      format.insert(i, "yy");
      end += 2;
    }
    i = end;
  }
  return format;
}

// The text around the amount in `formatted` (an amount of 1 written by the locale).
void SplitAroundAmount(const QString& formatted, std::string& prefix, std::string& suffix) {
  const qsizetype one = formatted.indexOf(QLatin1Char('1'));
  if (one < 0) return;
  prefix = Utf8(formatted.left(one));
  suffix = Utf8(formatted.mid(one + 1));
}

}  // namespace

TCtxFormatSettings TCtxFormatSettings::FromLocale(const QLocale& locale) {
  TCtxFormatSettings s;
  const QString point = locale.decimalPoint();
  s.DecimalSeparator =
      point.size() == 1 && point[0].unicode() < 0x80 ? static_cast<char>(point[0].unicode()) : '.';
  s.ThousandSeparator = Utf8(locale.groupSeparator());
  s.ShortDateFormat = WithFourDigitYear(Utf8(locale.dateFormat(QLocale::ShortFormat)));
  s.LongDateFormat = Utf8(locale.dateFormat(QLocale::LongFormat));
  s.ShortTimeFormat = WithoutTimeZone(locale.timeFormat(QLocale::ShortFormat));
  s.LongTimeFormat = WithoutTimeZone(locale.timeFormat(QLocale::LongFormat));
  s.DateSeparator = FirstSeparator(s.ShortDateFormat, " ");
  s.TimeSeparator = FirstSeparator(s.LongTimeFormat, ":");
  for (int day = 0; day < 7; ++day) {
    const int qtDay = day == 0 ? 7 : day;  // Qt counts from Monday (1) to Sunday (7)
    s.ShortDayNames[std::size_t(day)] = Utf8(locale.dayName(qtDay, QLocale::ShortFormat));
    s.LongDayNames[std::size_t(day)] = Utf8(locale.dayName(qtDay, QLocale::LongFormat));
  }
  for (int month = 1; month <= 12; ++month) {
    s.ShortMonthNames[std::size_t(month - 1)] = Utf8(locale.monthName(month, QLocale::ShortFormat));
    s.LongMonthNames[std::size_t(month - 1)] = Utf8(locale.monthName(month, QLocale::LongFormat));
  }
  s.TimeAMString = Utf8(locale.amText());
  s.TimePMString = Utf8(locale.pmText());
  const QString symbol = locale.currencySymbol();
  SplitAroundAmount(locale.toCurrencyString(1.0, symbol, 0), s.CurrencyPrefix, s.CurrencySuffix);
  SplitAroundAmount(locale.toCurrencyString(-1.0, symbol, 0), s.NegativeCurrencyPrefix,
                    s.NegativeCurrencySuffix);
  s.Locale = locale;
  return s;
}

const TCtxFormatSettings& FormatSettings() {
  return settingsInEffect ? *settingsInEffect : UserSettings();
}

TCtxFormatsInEffect::TCtxFormatsInEffect(const TCtxFormatSettings& settings)
    : previous_(std::exchange(settingsInEffect, &settings)) {}

TCtxFormatsInEffect::~TCtxFormatsInEffect() { settingsInEffect = previous_; }

namespace {

// The digits of a decimal number and the power of ten that scales them: value = Digits x
// 10^Exponent, Digits without leading zeros (empty for zero).
struct TDecimalText {
  bool Negative = false;
  std::string Digits;
  std::int64_t Exponent = 0;
};

// Blanks around, an optional sign, digits with the locale's decimal separator, an optional
// exponent; nothing for another text.
std::optional<TDecimalText> ReadDecimal(std::string_view text) {
  text = TrimNumberBlanks(text);
  TDecimalText number;
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) number.Negative = text[i++] == '-';
  std::size_t digits = 0;
  const auto takeDigit = [&number](char c) {
    if (!number.Digits.empty() || c != '0') number.Digits += c;
  };
  for (; i < text.size() && IsDigit(text[i]); ++i, ++digits) takeDigit(text[i]);
  if (i < text.size() && text[i] == FormatSettings().DecimalSeparator) {
    for (++i; i < text.size() && IsDigit(text[i]); ++i, ++digits) {
      takeDigit(text[i]);
      --number.Exponent;
    }
  }
  if (digits == 0) return std::nullopt;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    std::int64_t exponent = 0;
    std::size_t exponentDigits = 0;
    // Past a billion the number is zero or too large anyway.
    for (; i < text.size() && IsDigit(text[i]); ++i, ++exponentDigits)
      exponent = std::min<std::int64_t>(exponent * 10 + (text[i] - '0'), 1'000'000'000);
    if (exponentDigits == 0) return std::nullopt;
    number.Exponent += negative ? -exponent : exponent;
  }
  if (i != text.size()) return std::nullopt;
  return number;
}

}  // namespace

std::optional<double> ParseNumber(std::string_view text) {
  const std::optional<TDecimalText> number = ReadDecimal(text);
  if (!number) return std::nullopt;
  // The digits and the exponent in the form from_chars reads, which rounds correctly.
  std::string normal = number->Negative ? "-" : "";
  normal += number->Digits.empty() ? "0" : number->Digits;
  normal += 'e';
  normal += std::to_string(number->Exponent);
  double value = 0;
  const auto [end, error] = std::from_chars(normal.data(), normal.data() + normal.size(), value);
  if (error != std::errc() || end != normal.data() + normal.size()) return std::nullopt;
  return value;
}

std::optional<TCtxCurrency> ParseCurrency(std::string_view text) {
  const std::optional<TDecimalText> number = ReadDecimal(text);
  if (!number) return std::nullopt;
  const std::string& digits = number->Digits;
  if (digits.empty()) return TCtxCurrency{0};
  const std::int64_t shift = number->Exponent + 4;  // in units of 1/10000
  const auto size = static_cast<std::int64_t>(digits.size());
  // The digits that make whole units; those after them are rounded away.
  const std::int64_t whole = size + std::min<std::int64_t>(shift, 0);
  if (whole + std::max<std::int64_t>(shift, 0) > 19) return std::nullopt;  // 2^63 has 19 digits
  unsigned __int128 units = 0;
  for (std::int64_t k = 0; k < whole; ++k)
    units = units * 10 + static_cast<unsigned>(digits[static_cast<std::size_t>(k)] - '0');
  for (std::int64_t k = 0; k < shift; ++k) units *= 10;
  if (whole >= 0 && whole < size) {  // to the nearest unit, ties to the even one
    const auto first = static_cast<std::size_t>(whole);
    const char dropped = digits[first];
    const bool exactHalf =
        dropped == '5' && digits.find_first_not_of('0', first + 1) == std::string::npos;
    if (dropped > '5' || (dropped == '5' && (!exactHalf || units % 2 != 0))) ++units;
  }
  const unsigned __int128 largest =
      static_cast<unsigned __int128>(std::numeric_limits<std::int64_t>::max()) + number->Negative;
  if (units > largest) return std::nullopt;
  const auto magnitude = static_cast<std::uint64_t>(units);
  return TCtxCurrency{static_cast<std::int64_t>(number->Negative ? 0 - magnitude : magnitude)};
}

std::optional<std::int32_t> RoundToInteger(double value) {
  if (!std::isfinite(value)) return std::nullopt;
  const long double rounded = RoundHalfEven(value);
  if (rounded < std::numeric_limits<std::int32_t>::min() ||
      rounded > std::numeric_limits<std::int32_t>::max()) {
    return std::nullopt;
  }
  return static_cast<std::int32_t>(rounded);
}

std::optional<TCtxCurrency> RoundToCurrency(long double units) {
  if (!std::isfinite(units)) return std::nullopt;
  const long double scaled = RoundHalfEven(units * kCtxCurrencyScale);
  // 2^63 is exactly representable; anything at or beyond it does not fit.
  if (scaled >= 9223372036854775808.0L || scaled < -9223372036854775808.0L) return std::nullopt;
  return TCtxCurrency{static_cast<std::int64_t>(scaled)};
}

std::int32_t ToIntegerSlow(const TCtxValue& value) {
  switch (value.Type()) {
    case TCtxType::Unassigned: return 0;
    case TCtxType::SmallInt:
    case TCtxType::Integer:
    case TCtxType::Byte: return value.IntegerPayload();
    case TCtxType::Single:
    case TCtxType::Floating:
    case TCtxType::Date: return RoundOrRaise(value.FloatingPayload());
    case TCtxType::Currency: return CurrencyToInteger(value.CurrencyPayload());
    case TCtxType::Boolean: return value.BooleanPayload() ? -1 : 0;
    case TCtxType::String:
    case TCtxType::WideString: return RoundOrRaise(ParseOrRaise(value.StringPayload()));
    default: break;
  }
  RaiseInvalidConversion();
}

double ToFloating(const TCtxValue& value) {
  switch (value.Type()) {
    case TCtxType::Unassigned: return 0;
    case TCtxType::SmallInt:
    case TCtxType::Integer:
    case TCtxType::Byte: return value.IntegerPayload();
    case TCtxType::Single:
    case TCtxType::Floating:
    case TCtxType::Date: return value.FloatingPayload();
    case TCtxType::Currency:
      return static_cast<double>(static_cast<long double>(value.CurrencyPayload().Scaled) /
                                 kCtxCurrencyScale);
    case TCtxType::Boolean: return value.BooleanPayload() ? -1 : 0;
    case TCtxType::String:
    case TCtxType::WideString: return ParseOrRaise(value.StringPayload());
    default: break;
  }
  RaiseInvalidConversion();
}

TCtxCurrency ToCurrency(const TCtxValue& value) {
  if (value.Is(TCtxType::Currency)) return value.CurrencyPayload();
  // A text is read in decimal: through a double it could round to another amount.
  const std::optional<TCtxCurrency> c =
      value.IsString() ? ParseCurrency(value.StringPayload()) : RoundToCurrency(ToFloating(value));
  if (!c) RaiseInvalidConversion();
  return *c;
}

bool ToBoolean(const TCtxValue& value) {
  switch (value.Type()) {
    case TCtxType::Unassigned: return false;
    case TCtxType::Boolean: return value.BooleanPayload();
    case TCtxType::SmallInt:
    case TCtxType::Integer:
    case TCtxType::Byte: return value.IntegerPayload() != 0;
    case TCtxType::Single:
    case TCtxType::Floating:
    case TCtxType::Date: return value.FloatingPayload() != 0;
    case TCtxType::Currency: return value.CurrencyPayload().Scaled != 0;
    case TCtxType::String:
    case TCtxType::WideString: {
      const std::string_view text = TrimNumberBlanks(value.StringPayload());
      if (SameText(text, "True")) return true;
      if (SameText(text, "False")) return false;
      return ParseOrRaise(text) != 0;
    }
    default: break;
  }
  RaiseInvalidConversion();
}

std::string FloatToText(double value, int digits) {
  if (std::isnan(value)) return "Nan";
  if (std::isinf(value)) return value > 0 ? "+Inf" : "-Inf";
  if (value == 0) return "0";
  // "%.*e" gives the digits rounded to `digits` significant places and the decimal exponent.
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*e", digits - 1, value);
  std::string_view s(buffer);
  const bool negative = s.front() == '-';
  if (negative) s.remove_prefix(1);
  const std::size_t e = s.find('e');
  int exponent = 0;
  std::from_chars(s.data() + e + 1 + (s[e + 1] == '+'), s.data() + s.size(), exponent);
  std::string mantissa;
  for (char c : s.substr(0, e)) {
    if (IsDigit(c)) mantissa += c;
  }
  while (mantissa.size() > 1 && mantissa.back() == '0') mantissa.pop_back();

  const char separator = FormatSettings().DecimalSeparator;
  std::string out = negative ? "-" : "";
  if (exponent >= digits || exponent < -5) {
    out += mantissa[0];
    if (mantissa.size() > 1) {
      out += separator;
      out.append(mantissa, 1);
    }
    out += 'E';
    out += std::to_string(exponent);
  } else if (exponent < 0) {
    out += '0';
    out += separator;
    out.append(static_cast<std::size_t>(-exponent - 1), '0');
    out += mantissa;
  } else {
    const std::size_t whole = static_cast<std::size_t>(exponent) + 1;
    if (mantissa.size() <= whole) {
      out += mantissa;
      out.append(whole - mantissa.size(), '0');
    } else {
      out.append(mantissa, 0, whole);
      out += separator;
      out.append(mantissa, whole);
    }
  }
  return out;
}

std::string CurrencyToText(TCtxCurrency value) {
  const bool negative = value.Scaled < 0;
  // Magnitude in unsigned arithmetic so that the most negative amount is exact.
  const std::uint64_t magnitude = negative ? 0 - static_cast<std::uint64_t>(value.Scaled)
                                           : static_cast<std::uint64_t>(value.Scaled);
  std::string out = negative ? "-" : "";
  out += std::to_string(magnitude / kCtxCurrencyScale);
  std::uint64_t fraction = magnitude % kCtxCurrencyScale;
  if (fraction != 0) {
    std::string decimals = std::to_string(fraction + kCtxCurrencyScale).substr(1);
    while (decimals.back() == '0') decimals.pop_back();
    out += FormatSettings().DecimalSeparator;
    out += decimals;
  }
  return out;
}

std::string DateToText(double daysSince1899) {
  // The years 1 to 9999.
  if (!(daysSince1899 >= -693593.0 && daysSince1899 < 2958466.0)) RaiseInvalidConversion();
  constexpr std::int64_t kMillisecondsPerDay = 86400000;
  const double whole = std::trunc(daysSince1899);
  // The fraction is the time of day on either side of the epoch, taken to the millisecond and
  // shown without its milliseconds: a time never shows as the next second, nor as the next day.
  std::int64_t days = static_cast<std::int64_t>(whole);
  std::int64_t ms = std::llround(std::fabs(daysSince1899 - whole) * kMillisecondsPerDay);
  if (ms >= kMillisecondsPerDay) {
    ++days;
    ms -= kMillisecondsPerDay;
  }
  const QDate date = QDate(1899, 12, 30).addDays(days);
  const TCtxFormatSettings& settings = FormatSettings();
  std::string out = settings.Locale.toString(date, QString::fromStdString(settings.ShortDateFormat))
                        .toStdString();
  if (ms != 0) {
    const QTime time = QTime(0, 0).addMSecs(static_cast<int>(ms));
    out += ' ';
    out += settings.Locale.toString(time, QString::fromStdString(settings.LongTimeFormat))
               .toStdString();
  }
  return out;
}

std::string ToStringStrict(const TCtxValue& value) {
  switch (value.Type()) {
    case TCtxType::Unassigned: return {};
    case TCtxType::SmallInt:
    case TCtxType::Integer:
    case TCtxType::Byte: return DecimalText(value.IntegerPayload());
    case TCtxType::Single: return FloatToText(value.FloatingPayload(), 7);
    case TCtxType::Floating: return FloatToText(value.FloatingPayload());
    case TCtxType::Currency: return CurrencyToText(value.CurrencyPayload());
    case TCtxType::Date: return DateToText(value.FloatingPayload());
    case TCtxType::Boolean: return value.BooleanPayload() ? "True" : "False";
    case TCtxType::String:
    case TCtxType::WideString: return std::string(value.StringPayload());
    default: break;
  }
  RaiseInvalidConversion();
}

std::string ToStringPlain(const TCtxValue& value) {
  if (value.IsNull()) return {};
  return ToStringStrict(value);
}

namespace {

void AppendText(std::string& out, const TCtxValue& value, std::span<const TCtxValue> cells,
                std::size_t hops) {
  if (value.IsReference()) {
    out += '^';
    const std::int32_t cell = value.ReferenceCell();
    // A chain of references longer than the stack must loop; stop instead of recursing forever.
    if (hops > cells.size()) {
      out += "...";
    } else if (cell >= 0 && static_cast<std::size_t>(cell) < cells.size()) {
      AppendText(out, cells[static_cast<std::size_t>(cell)], cells, hops + 1);
    } else {
      out += "Unassigned";  // cells beyond the stack's length have never been written
    }
    return;
  }
  if (value.IsObject()) {
    char address[32];
    std::snprintf(
        address, sizeof address, "%08llX",
        static_cast<unsigned long long>(reinterpret_cast<std::uintptr_t>(value.ObjectAddress())));
    if (!value.ObjectAddress()) {
      out += "nil object";
    } else if (const QObject* object = value.ToObject()) {
      out += object->metaObject()->className();
      out += " at ";
      out += address;
    } else {
      out += "Invalid object at $";
      out += address;
    }
    return;
  }
  if (value.IsArray()) {
    const TCtxArray& array = value.ArrayPayload();
    if (array.DimensionCount() != 1) {
      out += std::to_string(array.DimensionCount());
      out += " dimensional array";
      return;
    }
    out += '[';
    bool first = true;
    for (const TCtxValue& element : array.Elements()) {
      if (!first) out += ", ";
      first = false;
      AppendText(out, element, cells, hops);
    }
    out += ']';
    return;
  }
  switch (value.Type()) {
    case TCtxType::Boolean: out += value.BooleanPayload() ? "True" : "False"; return;
    case TCtxType::Unassigned: out += "Unassigned"; return;
    case TCtxType::Automation:
      // An automation object has no text of its own: the plain conversion refuses it.
      out += value.AutomationPayload() ? ToStringPlain(value) : "Unassigned";
      return;
    case TCtxType::Null: out += "Null"; return;
    default: out += ToStringPlain(value); return;
  }
}

}  // namespace

std::string ValueToText(const TCtxValue& value, std::span<const TCtxValue> cells) {
  std::string out;
  AppendText(out, value, cells, 0);
  return out;
}

}  // namespace zendrik
