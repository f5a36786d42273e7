#include "app/start_up.h"

#include "app/host_functions.h"
#include "script/compiler/default_compiler.h"
#include "script/dbus/dbus_automation.h"
#include "script/library/standard_package.h"
#include "script/library/system_scope.h"

namespace zendrik {

void StartUp() {
  static const bool done = [] {
    DefaultCompiler();
    RegisterSystemMembers();
    RegisterStandardPackage();
    RegisterHostFunctions();
    InstallDBusAutomation();
    return true;
  }();
  (void)done;
}

}  // namespace zendrik
