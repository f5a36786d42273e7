#pragma once

namespace zendrik {

class TCtxCompiler;

/// The process-wide Pascal compiler. The first call creates it, which registers it under the
/// language name "Pascal" and as the compiler of the empty language name; start-up makes that
/// call before any script is compiled.
TCtxCompiler& DefaultCompiler();

}  // namespace zendrik
