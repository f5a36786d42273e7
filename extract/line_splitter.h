#pragma once

#include "extract/byte_scan.h"

#include <string_view>

namespace zendrik {

/// Calls `onLine` with every line of `body`, in order, as a view into it. A line ends at a CR,
/// an LF or the pair CR LF; a NUL ends its line's text (the rest of that line is dropped). A
/// final line end adds no empty line, and an empty body has no lines.
template <typename OnLine>
void ForEachLine(std::string_view body, OnLine&& onLine) {
  // NULs are rare: their positions are looked up once for the whole body, not per line.
  std::size_t nextNul = body.find('\0');
  std::size_t pos = 0;
  while (pos < body.size()) {
    std::size_t end = FindEither(body, pos, '\r', '\n');
    if (nextNul < pos) nextNul = body.find('\0', pos);
    onLine(body.substr(pos, (nextNul < end ? nextNul : end) - pos));
    if (end + 1 < body.size() && body[end] == '\r' && body[end + 1] == '\n') ++end;
    pos = end + 1;
  }
}

}  // namespace zendrik
