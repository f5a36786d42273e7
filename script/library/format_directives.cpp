#include "script/library/format_directives.h"

#include <QObject>

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "base/ascii.h"
#include "script/library/decimal_digits.h"
#include "script/library/package_support.h"
#include "script/runtime/conversions.h"
#include "script/runtime/errors.h"

namespace zendrik {

namespace {

struct TDirective {
  int Index = -1;  // -1: the next value
  bool LeftAlign = false;
  std::size_t Width = 0;
  int Precision = -1;  // -1: none given
  char Type = 0;       // lower case
};

[[noreturn]] void RaiseInvalid(std::string_view format) {
  throw ECtxScriptError::CreateFmt("Format '%s' invalid or incompatible with argument", {format});
}

[[noreturn]] void RaiseTooLong() { throw ECtxScriptError("Format string too long"); }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Widths, precisions and indexes beyond the result limit all read as just past it: no result
// can use more, and what a directive makes of them is checked against the limit.
constexpr std::size_t kLargestNumber = kStringResultLimit + 1;

// A run of digits at `i`; false when there is none.
bool ReadNumber(std::string_view text, std::size_t& i, std::size_t& number) {
  if (i >= text.size() || !IsDigit(text[i])) return false;
  number = 0;
  for (; i < text.size() && IsDigit(text[i]); ++i)
    number = std::min(number * 10 + static_cast<std::size_t>(text[i] - '0'), kLargestNumber);
  return true;
}

// Reads the directive after its "%" at `i`; false when it is malformed.
bool ReadDirective(std::string_view format, std::size_t& i, TDirective& d) {
  std::size_t number = 0;
  bool haveWidth = ReadNumber(format, i, number);
  if (haveWidth && i < format.size() && format[i] == ':') {
    d.Index = static_cast<int>(number);
    ++i;
    haveWidth = false;
  }
  if (!haveWidth && i < format.size() && format[i] == '-') {
    d.LeftAlign = true;
    ++i;
  }
  if (!haveWidth) haveWidth = ReadNumber(format, i, number);
  if (haveWidth) d.Width = number;
  if (i < format.size() && format[i] == '.') {
    ++i;
    d.Precision = ReadNumber(format, i, number) ? static_cast<int>(number) : 0;
  }
  if (i >= format.size()) return false;
  d.Type = AsciiLower(format[i++]);
  return std::string_view("duefgnmpsx").find(d.Type) != std::string_view::npos;
}

bool IsIntegerKind(const TCtxValue& v) {
  return v.Is(TCtxType::Integer) || v.Is(TCtxType::SmallInt) || v.Is(TCtxType::Byte);
}

bool IsFloatingKind(const TCtxValue& v) {
  return v.Is(TCtxType::Floating) || v.Is(TCtxType::Single) || v.Is(TCtxType::Date) ||
         v.Is(TCtxType::Currency);
}

std::string ZeroPadded(std::string digits, int precision) {
  if (static_cast<std::size_t>(std::max(precision, 0)) > kStringResultLimit) RaiseTooLong();
  if (precision > static_cast<int>(digits.size()))
    digits.insert(0, static_cast<std::size_t>(precision) - digits.size(), '0');
  return digits;
}

std::string HexDigits(std::uint64_t value) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  do {
    out.insert(out.begin(), kHex[value & 15]);
    value >>= 4;
  } while (value != 0);
  return out;
}

std::string IntegerText(char type, std::int32_t value, int precision) {
  if (type == 'x') return ZeroPadded(HexDigits(static_cast<std::uint32_t>(value)), precision);
  if (type == 'u') return ZeroPadded(std::to_string(static_cast<std::uint32_t>(value)), precision);
  const std::int64_t wide = value;
  const std::string digits = ZeroPadded(std::to_string(wide < 0 ? -wide : wide), precision);
  return wide < 0 ? "-" + digits : digits;
}

TDecimalDigits DigitsOfValue(const TCtxValue& v) {
  return v.Is(TCtxType::Currency) ? DigitsOf(v.CurrencyPayload()) : DigitsOf(v.FloatingPayload());
}

// "d.ddddE+ddd" with `precision` digits in all (2 to 17, 15 when not given).
std::string ScientificText(TDecimalDigits number, int precision) {
  precision = precision < 0 ? 15 : std::clamp(precision, 2, 17);
  RoundToSignificant(number, precision);
  std::string out = number.Negative && !number.IsZero() ? "-" : "";
  out += number.DigitAt(0);
  out += FormatSettings().DecimalSeparator;
  for (int i = 1; i < precision; ++i) out += number.DigitAt(i);
  const int exponent = number.IsZero() ? 0 : number.Exponent - 1;
  out += exponent < 0 ? "E-" : "E+";
  out += ZeroPadded(std::to_string(exponent < 0 ? -exponent : exponent), 3);
  return out;
}

// Fixed notation with `decimals` places, optionally grouped; the sign is left to the caller.
std::string FixedDigits(TDecimalDigits& number, int decimals, bool grouped) {
  RoundToDecimals(number, decimals);
  const std::string whole = IntegerDigits(number);
  std::string out = grouped ? GroupThousands(whole, FormatSettings().ThousandSeparator) : whole;
  if (decimals > 0) {
    out += FormatSettings().DecimalSeparator;
    out += FractionDigits(number, decimals);
  }
  return out;
}

std::string FloatingText(char type, const TCtxValue& v, int precision) {
  const double asDouble = v.Is(TCtxType::Currency) ? ToFloating(v) : v.FloatingPayload();
  if (!std::isfinite(asDouble)) return FloatToText(asDouble);
  if (type == 'g') return FloatToText(asDouble, precision < 0 ? 15 : std::clamp(precision, 2, 15));
  TDecimalDigits number = DigitsOfValue(v);
  if (type == 'e') return ScientificText(number, precision);
  const TCtxFormatSettings& settings = FormatSettings();
  if (type == 'm') {
    const std::string amount = FixedDigits(
        number, std::clamp(precision < 0 ? settings.CurrencyDecimals : precision, 0, 18), true);
    const bool negative = number.Negative && !number.IsZero();
    return negative ? settings.NegativeCurrencyPrefix + amount + settings.NegativeCurrencySuffix
                    : settings.CurrencyPrefix + amount + settings.CurrencySuffix;
  }
  const std::string digits =
      FixedDigits(number, std::clamp(precision < 0 ? 2 : precision, 0, 18), type == 'n');
  return number.Negative && !number.IsZero() ? "-" + digits : digits;
}

std::string PointerText(const TCtxValue& v) {
  if (IsIntegerKind(v))
    return ZeroPadded(HexDigits(static_cast<std::uint32_t>(v.IntegerPayload())), 8);
  const auto address = reinterpret_cast<std::uintptr_t>(v.ObjectAddress());
  return ZeroPadded(HexDigits(address), static_cast<int>(2 * sizeof(void*)));
}

// The text of one directive without its width, or nothing when the value does not suit it.
bool DirectiveText(const TDirective& d, const TCtxValue& v, std::string& text) {
  switch (d.Type) {
    case 'd':
    case 'u':
    case 'x':
      if (!IsIntegerKind(v)) return false;
      text = IntegerText(d.Type, v.IntegerPayload(), d.Precision);
      return true;
    case 'e':
    case 'f':
    case 'g':
    case 'n':
    case 'm':
      if (!IsFloatingKind(v)) return false;
      text = FloatingText(d.Type, v, d.Precision);
      return true;
    case 's':
      if (!v.IsString()) return false;
      text = v.StringPayload().substr(
          0, d.Precision < 0 ? std::string_view::npos : static_cast<std::size_t>(d.Precision));
      return true;
    case 'p':
      if (!IsIntegerKind(v) && !v.IsObject()) return false;
      text = PointerText(v);
      return true;
    default: return false;
  }
}

void AppendPadded(std::string& out, const TDirective& d, std::string_view text) {
  const std::size_t padding = d.Width > text.size() ? d.Width - text.size() : 0;
  if (out.size() + text.size() + padding > kStringResultLimit) RaiseTooLong();
  if (!d.LeftAlign) out.append(padding, ' ');
  out += text;
  if (d.LeftAlign) out.append(padding, ' ');
}

}  // namespace

std::string FormatText(std::string_view format, std::span<const TCtxValue> values) {
  std::string out;
  out.reserve(format.size() + 16 * values.size());
  std::size_t next = 0;
  std::size_t i = 0;
  while (i < format.size()) {
    const std::size_t percent = format.find('%', i);
    out.append(format.substr(i, percent - i));
    if (percent == std::string_view::npos) break;
    i = percent + 1;
    if (i < format.size() && format[i] == '%') {
      out += '%';
      ++i;
      continue;
    }
    TDirective d;
    if (!ReadDirective(format, i, d)) RaiseInvalid(format);
    if (d.Index >= 0) next = static_cast<std::size_t>(d.Index);
    if (next >= values.size())
      throw ECtxScriptError::CreateFmt("No argument for format '%s'", {format});
    std::string text;
    if (!DirectiveText(d, values[next++], text)) RaiseInvalid(format);
    AppendPadded(out, d, text);
  }
  if (out.size() > kStringResultLimit) RaiseTooLong();
  return out;
}

}  // namespace zendrik
