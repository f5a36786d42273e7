#pragma once

#include <cstdint>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>

#include "script/runtime/value.h"

namespace zendrik {

/// A run-time error detected by the script engine itself.
class ECtxScriptError : public std::runtime_error {
 public:
  explicit ECtxScriptError(const std::string& message) : std::runtime_error(message) {}

  /// One argument of CreateFmt: an integer for %d or a text for %s.
  using FormatArg = std::variant<std::int64_t, std::string_view>;
  /// The error with `format` whose %d and %s placeholders are replaced by `args` in order.
  static ECtxScriptError CreateFmt(std::string_view format, std::initializer_list<FormatArg> args);
};

/// A value raised by a script; its message is the plain text of the value (for a value that has
/// none, such as an array or an object, its display text; for an empty one, a sentence saying so).
class EVariantException : public std::runtime_error {
 public:
  explicit EVariantException(TCtxValue value);
  const TCtxValue& Value() const noexcept { return value_; }

 private:
  TCtxValue value_;
};

/// Faults of the value rules (the automation variant's errors on other platforms).
class EVariantError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

/// Arithmetic faults of integer and floating division.
class EScriptMathError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

inline constexpr std::string_view kEmptyRaisedValue = "Exception raised with an empty value";
inline constexpr std::string_view kInvalidVariantOperation = "Invalid variant operation";
inline constexpr std::string_view kInvalidVariantConversion = "Invalid variant type conversion";
inline constexpr std::string_view kVariantNotAnObject = "Variant is not an object";
inline constexpr std::string_view kVariantIndexOutOfBounds = "Variant array index out of bounds";
inline constexpr std::string_view kVariantArrayCreateError = "Error creating variant or safe array";
inline constexpr std::string_view kVariantOverflow = "Variant overflow";
inline constexpr std::string_view kDivisionByZero = "Division by zero";
inline constexpr std::string_view kFloatDivisionByZero = "Floating point division by zero";
inline constexpr std::string_view kInvalidFloatOperation = "Invalid floating point operation";

inline constexpr std::string_view kOutOfMemory = "Out of memory";

/// The text "Out of memory" as a script value and as an engine error, made in advance, so
/// that handing them on when memory has run out needs none.
const TCtxValue& OutOfMemoryValue();
const ECtxScriptError& OutOfMemoryError();

/// "Method not found. Method: %s": no scope or receiver answers to `name`.
[[noreturn]] void RaiseMethodNotFound(std::string_view name);
/// "Error accessing a field or method %s of nil object": a member `name` of a nil object.
[[noreturn]] void RaiseNilObject(std::string_view name);

[[noreturn]] void RaiseInvalidOperation();
[[noreturn]] void RaiseInvalidConversion();

}  // namespace zendrik
