#include "script/compiler/literal_conversion.h"

#include <charconv>
#include <string>

namespace zendrik {

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
  if (text.empty() || error != std::errc() || end != last)
    throw EConvertError("'" + std::string(text) + "' is not a valid floating point value");
  return value;
}

}  // namespace zendrik
