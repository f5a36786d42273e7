#include "script/script_engine.h"

#include "script/compiler/default_compiler.h"
#include "script/library/member_access.h"
#include "script/library/standard_package.h"
#include "script/library/system_scope.h"
#include "script/runtime/member_resolver.h"

namespace zendrik {

void RegisterScriptEngine() {
  static const bool done = [] {
    DefaultCompiler();
    InstallMemberResolver(IntrospectionResolver());
    RegisterSystemMembers();
    RegisterStandardPackage();
    return true;
  }();
  (void)done;
}

}  // namespace zendrik
