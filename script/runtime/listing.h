#pragma once

#include <string>

namespace zendrik {

class TCtxScriptCode;

/// The instructions of a compiled code, one line each: the index (width 4), the source line
/// (width 2) and the listing text, separated by blanks ("   3  4  Result <- INT 2"), every
/// line ended by "\n". Compiles the code first if needed (raising its compile error).
std::string ListCode(TCtxScriptCode& code);

}  // namespace zendrik
