#include "script/runtime/errors.h"

#include "script/runtime/conversions.h"

namespace zendrik {

ECtxScriptError ECtxScriptError::CreateFmt(std::string_view format,
                                           std::initializer_list<FormatArg> args) {
  std::string message;
  message.reserve(format.size() + 16);
  auto next = args.begin();
  for (std::size_t i = 0; i < format.size(); ++i) {
    const char c = format[i];
    if (c == '%' && i + 1 < format.size() && (format[i + 1] == 'd' || format[i + 1] == 's') &&
        next != args.end()) {
      if (const auto* number = std::get_if<std::int64_t>(&*next)) {
        message += std::to_string(*number);
      } else {
        message += std::get<std::string_view>(*next);
      }
      ++next;
      ++i;
    } else {
      message += c;
    }
  }
  return ECtxScriptError(message);
}

namespace {

// The plain text of a raised value; a value without one (an array, an object) is described
// instead, so that raising it never fails with a conversion error and loses the value.
std::string RaisedValueMessage(const TCtxValue& value) {
  std::string text;
  try {
    text = ToStringPlain(value);
  } catch (const EVariantError&) {
    // An automation object has no text at all: the message says what was raised.
    text = value.Type() == TCtxType::Automation ? "Exception raised with an automation object"
                                                : ValueToText(value);
  }
  return text.empty() ? std::string(kEmptyRaisedValue) : text;
}

}  // namespace

EVariantException::EVariantException(TCtxValue value)
    : std::runtime_error(RaisedValueMessage(value)), value_(std::move(value)) {}

const TCtxValue& OutOfMemoryValue() {
  static const TCtxValue value = TCtxValue::String(kOutOfMemory);
  return value;
}

const ECtxScriptError& OutOfMemoryError() {
  static const ECtxScriptError error{std::string(kOutOfMemory)};
  return error;
}

void RaiseMethodNotFound(std::string_view name) {
  throw ECtxScriptError::CreateFmt("Method not found. Method: %s", {name});
}

void RaiseNilObject(std::string_view name) {
  throw ECtxScriptError::CreateFmt("Error accessing a field or method %s of nil object", {name});
}

void RaiseInvalidOperation() { throw EVariantError(std::string(kInvalidVariantOperation)); }

void RaiseInvalidConversion() { throw EVariantError(std::string(kInvalidVariantConversion)); }

}  // namespace zendrik
