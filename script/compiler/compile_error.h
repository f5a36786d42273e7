#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace zendrik {

/// A compile error: where it happened, what it is and in which script. Its message reads
/// "Error compiling <script>. <text>[: <detail>] at line <line>, pos <pos>".
class ECtxScriptCompileError : public std::runtime_error {
 public:
  /// `text` is the message text of `code` ("Error <code>" when empty).
  ECtxScriptCompileError(const std::string& text, const std::string& detail,
                         const std::string& script, std::int32_t pos, std::int32_t line,
                         std::int32_t code);

  std::int32_t ErrorCode;
  std::int32_t ErrorLine;
  std::int32_t ErrorPos;
  std::string ErrorDetail;
  std::string ErrorScript;
};

}  // namespace zendrik
