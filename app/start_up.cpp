#include "app/start_up.h"

#include "script/compiler/default_compiler.h"

namespace zendrik {

void StartUp() { DefaultCompiler(); }

}  // namespace zendrik
