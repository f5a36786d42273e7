// Registers the Pascal compiler before any test runs, as the program's start-up does.

#include "script/compiler/default_compiler.h"

namespace zendrik {
namespace {

[[maybe_unused]] const bool kPascalRegistered = (DefaultCompiler(), true);

}  // namespace
}  // namespace zendrik
