#include "app/start_up.h"

#include "app/host_functions.h"
#include "script/dbus/dbus_automation.h"
#include "script/script_engine.h"

namespace zendrik {

void StartUp() {
  static const bool done = [] {
    RegisterScriptEngine();
    RegisterHostFunctions();
    InstallDBusAutomation();
    return true;
  }();
  (void)done;
}

}  // namespace zendrik
