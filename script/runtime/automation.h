#pragma once

#include <cstddef>
#include <span>
#include <string_view>

#include "script/runtime/value.h"

namespace zendrik {

/// What a value of the Automation kind holds: an object of the automation server, counted and
/// shared by the copies of the value, destroyed with the last of them.
class TCtxAutomationObject {
 public:
  TCtxAutomationObject() = default;
  TCtxAutomationObject(const TCtxAutomationObject&) = delete;
  TCtxAutomationObject& operator=(const TCtxAutomationObject&) = delete;
  virtual ~TCtxAutomationObject() = default;

 private:
  friend class TCtxValue;
  std::size_t refs_ = 0;
};

/// The server behind automation objects (values of the Automation kind, which a member access
/// hands to it instead of an introspector). This platform has none: automation values cannot
/// arise and using one fails with a clear error; tests put in a stand-in to follow the path.
class TCtxAutomation {
 public:
  virtual ~TCtxAutomation() = default;
  /// Reads property `name` of `receiver`, or calls it without arguments.
  virtual TCtxValue Get(const TCtxValue& receiver, std::string_view name) = 0;
  /// Calls method `name` with the arguments in the script's order; a reference among them
  /// passes the script's variable.
  virtual TCtxValue Call(const TCtxValue& receiver, std::string_view name,
                         std::span<const TCtxValue> arguments) = 0;
  /// Assigns `value` to property `name`.
  virtual void Put(const TCtxValue& receiver, std::string_view name, const TCtxValue& value) = 0;
};

/// The automation server in use, or null.
TCtxAutomation* AutomationServer();
/// Puts `server` in use (null: none); returns the one before.
TCtxAutomation* SetAutomationServer(TCtxAutomation* server);

/// Automation calls take at most this many arguments.
inline constexpr int kMaxAutomationArguments = 64;

}  // namespace zendrik
