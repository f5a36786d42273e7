#pragma once

// Replacing every occurrence of a text in a byte text, ASCII case ignored, in linear time.

#include <string>
#include <string_view>

namespace zendrik {

/// `text` with every occurrence of `from` (ASCII letters compared without regard to case,
/// other bytes exactly) replaced by `to`, scanning left to right without overlaps. An empty
/// `from` replaces nothing. Linear in the sizes of `text` and `from`, whatever their bytes.
std::string ReplaceAllNoCase(std::string_view text, std::string_view from, std::string_view to);

}  // namespace zendrik
