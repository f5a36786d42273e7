// Compiled scripts through the interpreter and the standard package, with the fused run loop
// and without it, each run ended after a budget of instructions; file functions stay in a
// scratch folder.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace zendrik;
  fuzzing::StartFuzzing();
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  for (const bool fusion : {true, false}) {
    TCtxScript engine;
    engine.Fusion = fusion;
    fuzzing::RunBudgeted(engine, text);
  }
  return 0;
}
