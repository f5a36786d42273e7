#include "script/compiler/compile_error.h"

namespace zendrik {

namespace {

std::string CompileErrorMessage(const std::string& text, const std::string& detail,
                                const std::string& script, std::int32_t pos, std::int32_t line,
                                std::int32_t code) {
  std::string what = text.empty() ? "Error " + std::to_string(code) : text;
  if (!detail.empty()) what += ": " + detail;
  return "Error compiling " + script + ". " + what + " at line " + std::to_string(line) + ", pos " +
         std::to_string(pos);
}

}  // namespace

ECtxScriptCompileError::ECtxScriptCompileError(const std::string& text, const std::string& detail,
                                               const std::string& script, std::int32_t pos,
                                               std::int32_t line, std::int32_t code)
    : std::runtime_error(CompileErrorMessage(text, detail, script, pos, line, code)),
      ErrorCode(code),
      ErrorLine(line),
      ErrorPos(pos),
      ErrorDetail(detail),
      ErrorScript(script) {}

}  // namespace zendrik
