#include "script/compiler/default_compiler.h"

#include "script/compiler/compiler.h"
#include "script/runtime/compiler_registry.h"

namespace zendrik {

TCtxCompiler& DefaultCompiler() {
  static TCtxPasCompiler compiler;  // registers itself as "Pascal"
  [[maybe_unused]] static const bool isDefault = (SetDefaultCompiler(compiler), true);
  return compiler;
}

}  // namespace zendrik
