#pragma once

#include <cstdint>

namespace zendrik {

/// How the interpreter accesses a named member. The arguments or indices lie on the engine's
/// stack, the last one on top; for the assigning kinds the engine's `Result` holds the value.
enum class TCtxAccessKind : std::uint8_t {
  akGet = 0,         // read a value or call a method; the result goes to `Result`
  akGetIndexed = 1,  // read one element of an indexed member
  akSet = 2,         // assign `Result`
  akSetIndexed = 3,  // assign `Result` to one element of an indexed member
};

}  // namespace zendrik
