// Script texts through the compiler, as a program and as an expression, then through the
// listing and the pass that makes the run loop's fused form.

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>

#include "script/runtime/listing.h"
#include "script/runtime/script_code.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

void CompileAndList(const std::string& text, bool expression) {
  zendrik::TCtxScriptCode code;
  code.SetCode(text);
  code.SetIsExpression(expression);
  try {
    code.CompileNow();
  } catch (const std::runtime_error&) {
    return;  // a compile error is the expected end of most inputs
  }
  zendrik::ListCode(code);
  code.LoopForm(true);
  code.LoopForm(false);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  zendrik::fuzzing::StartFuzzing();
  const std::string text(reinterpret_cast<const char*>(data), size);
  CompileAndList(text, false);
  CompileAndList(text, true);
  return 0;
}
