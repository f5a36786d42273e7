#include "script/compiler/literal_conversion.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

#include <locale.h>

namespace zendrik {

namespace {

// The nearest double of a literal that from_chars reports as out of range: 0 or a subnormal
// number for a tiny value, infinity for one beyond the double range. The C locale keeps "." the
// decimal separator whatever the user's locale.
double NearestDouble(const std::string& literal) {
  static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t{});
  return strtod_l(literal.c_str(), nullptr, cLocale);
}

[[noreturn]] void RaiseInvalidFloat(std::string_view text) {
  throw EConvertError("'" + std::string(text) + "' is not a valid floating point value");
}

}  // namespace

std::int32_t StrToInt(std::string_view text) {
  std::int32_t value = 0;
  const char* first = text.data();
  const char* last = first + text.size();
  auto [end, error] = std::from_chars(first, last, value);
  if (text.empty() || error != std::errc() || end != last)
    throw EConvertError("'" + std::string(text) + "' is not a valid integer value");
  return value;
}

double StrToFloatLiteral(std::string_view text) {
  double value = 0;
  const char* first = text.data();
  const char* last = first + text.size();
  auto [end, error] = std::from_chars(first, last, value, std::chars_format::fixed);
  if (text.empty() || end != last) RaiseInvalidFloat(text);
  if (error == std::errc::result_out_of_range) {
    value = NearestDouble(std::string(text));
    if (std::isinf(value)) RaiseInvalidFloat(text);  // beyond the double range
  } else if (error != std::errc()) {
    RaiseInvalidFloat(text);
  }
  return value;
}

}  // namespace zendrik
