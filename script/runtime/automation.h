#pragma once

#include <cstddef>
#include <span>
#include <string_view>

#include "script/runtime/value.h"

namespace zendrik {

class TCtxScript;

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

/// The server behind automation objects: it makes them (`CreateOleObject`,
/// `GetActiveOleObject`) and answers a member access on them instead of an introspector. None
/// is installed by default; start-up installs the platform's, and an engine may be given one of
/// its own (a test's stand-in). `script` is
/// the engine whose script asked: a reference among the arguments designates one of its
/// variables, and a server that waits must give up when the script is stopped (`Terminated`).
class TCtxAutomation {
 public:
  virtual ~TCtxAutomation() = default;
  /// The object named `name`, its program started first when the platform can start it.
  virtual TCtxValue Create(TCtxScript& script, std::string_view name) = 0;
  /// The object named `name` of a program that runs now; fails when none does.
  virtual TCtxValue GetActive(TCtxScript& script, std::string_view name) = 0;
  /// Reads property `name` of `receiver`, or calls it without arguments.
  virtual TCtxValue Get(TCtxScript& script, const TCtxValue& receiver, std::string_view name) = 0;
  /// Calls method `name` with the arguments in the script's order.
  virtual TCtxValue Call(TCtxScript& script, const TCtxValue& receiver, std::string_view name,
                         std::span<const TCtxValue> arguments) = 0;
  /// Assigns `value` to property `name`.
  virtual void Put(TCtxScript& script, const TCtxValue& receiver, std::string_view name,
                   const TCtxValue& value) = 0;
};

/// Makes `server` the one engines use unless they were given one of their own; start-up calls it
/// once.
void InstallAutomationServer(TCtxAutomation& server);
/// The installed server, or null.
TCtxAutomation* InstalledAutomationServer();

/// Automation calls take at most this many arguments.
inline constexpr int kMaxAutomationArguments = 64;

}  // namespace zendrik
