#pragma once

#include <cstdint>
#include <stdexcept>
#include <string_view>

namespace zendrik {

/// A number text that does not convert ("'%s' is not a valid integer value").
class EConvertError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

/// A decimal integer text ("-" allowed) as a 32-bit signed value; raises EConvertError
/// "'<text>' is not a valid integer value" for anything else or a value out of range.
std::int32_t StrToInt(std::string_view text);
/// Digits with one "." as the nearest floating value, whatever the locale (a value too small for
/// a double reads as 0 or a subnormal number); raises EConvertError "'<text>' is not a valid
/// floating point value" when it does not convert or lies beyond the double range.
double StrToFloatLiteral(std::string_view text);

}  // namespace zendrik
