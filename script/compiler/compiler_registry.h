#pragma once

#include <string_view>

namespace zendrik {

class TCtxCompiler;

/// Registers `compiler` under `language` (case ignored), replacing an earlier entry.
void RegisterCompiler(std::string_view language, TCtxCompiler& compiler);
/// Removes every entry that names `compiler`.
void UnregisterCompiler(const TCtxCompiler& compiler);
/// The compiler of `language`; the default compiler for "". Raises ECtxScriptError
/// "Compiler not found for <language>" for an unknown name.
TCtxCompiler& FindCompiler(std::string_view language);
/// The process-wide Pascal compiler, registered as "Pascal" when first used.
TCtxCompiler& DefaultCompiler();

}  // namespace zendrik
