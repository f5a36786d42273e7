#pragma once

// The automation server of this platform: automation objects are the objects of D-Bus
// services, on the session bus or on the system bus.

#include <chrono>
#include <span>
#include <string_view>

#include "script/runtime/automation.h"

#include <QVariant>

class QDBusConnection;
class QDBusMessage;

namespace zendrik {

class TDBusObject;
struct TDBusMember;
enum class TDBusBus;

/// Makes D-Bus objects for CreateOleObject and GetActiveOleObject and carries out a script's
/// member accesses on them: methods are called with the arguments converted to the types that
/// the object's introspection data gives, properties go through
/// org.freedesktop.DBus.Properties. A bus is connected on first use. Every failure is a script
/// error; those of the bus or of a service read "error.Name: message".
class TDBusAutomation final : public TCtxAutomation {
 public:
  /// The bus's own default: a call without a reply within 25 s fails.
  static constexpr std::chrono::milliseconds kDefaultTimeout{25000};

  explicit TDBusAutomation(std::chrono::milliseconds timeout = kDefaultTimeout);

  /// Starts the service when it has no owner and the bus can start it, then makes the object.
  TCtxValue Create(TCtxScript& script, std::string_view name) override;
  /// Makes the object of a service that has an owner now; its calls never start the service.
  TCtxValue GetActive(TCtxScript& script, std::string_view name) override;
  TCtxValue Get(TCtxScript& script, const TCtxValue& receiver, std::string_view name) override;
  TCtxValue Call(TCtxScript& script, const TCtxValue& receiver, std::string_view name,
                 std::span<const TCtxValue> arguments) override;
  void Put(TCtxScript& script, const TCtxValue& receiver, std::string_view name,
           const TCtxValue& value) override;

 private:
  /// The connection to `bus`, made now when there is none; raises when the bus cannot be
  /// reached.
  QDBusConnection Connection(TDBusBus bus) const;
  QDBusMessage Send(TCtxScript& script, TDBusBus bus, const QDBusMessage& message) const;
  /// Asks the bus itself (org.freedesktop.DBus) to run `method` with `arguments`; returns the
  /// first value of the reply.
  QVariant AskBus(TCtxScript& script, TDBusBus bus, const char* method,
                  const QVariantList& arguments) const;
  TCtxValue MakeObject(TCtxScript& script, std::string_view name, bool create) const;
  TCtxValue Invoke(TCtxScript& script, const TDBusObject& object, const TDBusMember& method,
                   std::span<const TCtxValue> arguments) const;
  TCtxValue ReadProperty(TCtxScript& script, const TDBusObject& object,
                         const TDBusMember& property) const;

  std::chrono::milliseconds timeout_;
};

/// Makes a TDBusAutomation with the default timeout the automation server of the process.
void InstallDBusAutomation();

}  // namespace zendrik
