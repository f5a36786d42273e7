#pragma once

#include <utility>

#include "script/dbus/dbus_address.h"
#include "script/dbus/dbus_members.h"
#include "script/runtime/automation.h"

namespace zendrik {

/// What a script's automation value holds for a D-Bus object: where it is, whether a call may
/// start its service (objects of CreateOleObject) or not (those of GetActiveOleObject), and
/// its members as its introspection data gave them when it was made.
class TDBusObject final : public TCtxAutomationObject {
 public:
  TDBusObject(TDBusAddress address, bool autoStart, TDBusMembers members)
      : Address(std::move(address)), AutoStart(autoStart), Members(std::move(members)) {}

  /// The D-Bus object of an automation value; null for any other value.
  static const TDBusObject* Of(const TCtxValue& value) {
    return dynamic_cast<const TDBusObject*>(value.AutomationPayload());
  }

  const TDBusAddress Address;
  const bool AutoStart;
  const TDBusMembers Members;
};

}  // namespace zendrik
