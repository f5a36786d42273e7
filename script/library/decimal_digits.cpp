#include "script/library/decimal_digits.h"

#include <charconv>
#include <cstdint>

namespace zendrik {

namespace {

// Drops leading and trailing zeros, moving the exponent with the leading ones.
void Normalize(TDecimalDigits& number) {
  std::size_t first = 0;
  while (first < number.Digits.size() && number.Digits[first] == '0') ++first;
  number.Digits.erase(0, first);
  number.Exponent -= static_cast<int>(first);
  while (!number.Digits.empty() && number.Digits.back() == '0') number.Digits.pop_back();
  if (number.Digits.empty()) number.Exponent = 0;
}

// Keeps the first `keep` digits, rounding half away from zero on the next one.
void KeepDigits(TDecimalDigits& number, int keep) {
  if (keep >= static_cast<int>(number.Digits.size())) return;
  if (keep < 0) {
    number.Digits.clear();
    number.Exponent = 0;
    return;
  }
  const bool up = number.Digits[static_cast<std::size_t>(keep)] >= '5';
  number.Digits.resize(static_cast<std::size_t>(keep));
  if (up) {
    int i = keep - 1;
    for (; i >= 0 && number.Digits[static_cast<std::size_t>(i)] == '9'; --i)
      number.Digits[static_cast<std::size_t>(i)] = '0';
    if (i >= 0) {
      ++number.Digits[static_cast<std::size_t>(i)];
    } else {  // 999 became 1000
      number.Digits.insert(number.Digits.begin(), '1');
      ++number.Exponent;
    }
  }
  Normalize(number);
}

}  // namespace

TDecimalDigits DigitsOf(double value) {
  TDecimalDigits number;
  if (value == 0) return number;
  number.Negative = value < 0;
  // "d.dddddddddddddddde+x", independent of the C library's locale.
  char buffer[40];
  const auto [end, error] =
      std::to_chars(buffer, buffer + sizeof buffer, value < 0 ? -value : value,
                    std::chars_format::scientific, 16);
  const std::string_view text(buffer, error == std::errc() ? std::size_t(end - buffer) : 0);
  const std::size_t e = text.find('e');
  if (e == std::string_view::npos) return number;
  for (char c : text.substr(0, e))
    if (c != '.') number.Digits += c;
  int exponent = 0;
  const char* from = text.data() + e + 1;
  if (*from == '+') ++from;
  std::from_chars(from, text.data() + text.size(), exponent);
  number.Exponent = exponent + 1;
  Normalize(number);
  return number;
}

TDecimalDigits DigitsOf(TCtxCurrency value) {
  TDecimalDigits number;
  number.Negative = value.Scaled < 0;
  // The magnitude in unsigned arithmetic, so that the most negative amount is exact.
  const std::uint64_t magnitude = number.Negative ? 0 - static_cast<std::uint64_t>(value.Scaled)
                                                  : static_cast<std::uint64_t>(value.Scaled);
  number.Digits = std::to_string(magnitude);
  number.Exponent = static_cast<int>(number.Digits.size()) - 4;  // four decimals
  Normalize(number);
  return number;
}

void RoundToDecimals(TDecimalDigits& number, int decimals) {
  KeepDigits(number, number.Exponent + decimals);
}

void RoundToSignificant(TDecimalDigits& number, int count) {
  KeepDigits(number, count < 1 ? 1 : count);
}

std::string IntegerDigits(const TDecimalDigits& number) {
  if (number.Exponent <= 0) return "0";
  std::string out;
  out.reserve(static_cast<std::size_t>(number.Exponent));
  for (int i = 0; i < number.Exponent; ++i) out += number.DigitAt(i);
  return out;
}

std::string FractionDigits(const TDecimalDigits& number, int decimals) {
  std::string out;
  out.reserve(static_cast<std::size_t>(decimals > 0 ? decimals : 0));
  for (int i = 0; i < decimals; ++i) out += number.DigitAt(number.Exponent + i);
  return out;
}

std::string GroupThousands(std::string_view digits, std::string_view separator) {
  std::string out;
  out.reserve(digits.size() + digits.size() / 3 * separator.size());
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) out += separator;
    out += digits[i];
  }
  return out;
}

}  // namespace zendrik
