#pragma once

#include <string>
#include <string_view>

namespace zendrik {

class TCtxScriptCode;

/// What a code object needs of a language's compiler. The compilers live above the run-time
/// layer and register themselves here, so that a code object compiles itself without knowing
/// them.
class TCtxLanguageCompiler {
 public:
  virtual ~TCtxLanguageCompiler() = default;

  /// Compiles `code` into its instruction array and symbol table; raises the compile error.
  virtual void Compile(TCtxScriptCode& code) = 0;
  /// Reads only the header of `code`: its name, description and parameters.
  virtual void ReadHeader(TCtxScriptCode& code) = 0;
  /// Source of an empty routine with the name and parameters of `code`.
  virtual std::string MakeStub(const TCtxScriptCode& code) = 0;
};

/// Registers `compiler` under `language` (case ignored), replacing an earlier entry.
void RegisterCompiler(std::string_view language, TCtxLanguageCompiler& compiler);
/// Makes `compiler` the one used for an empty language name.
void SetDefaultCompiler(TCtxLanguageCompiler& compiler);
/// Removes every entry that names `compiler`, the default entry included.
void UnregisterCompiler(const TCtxLanguageCompiler& compiler);
/// The compiler of `language`; the default compiler for "". Raises ECtxScriptError
/// "Compiler not found for <language>" for an unknown name.
TCtxLanguageCompiler& FindCompiler(std::string_view language);

}  // namespace zendrik
