#pragma once

#include <cstddef>
#include <limits>
#include <string>

namespace zendrik {

/// Reads a whole file as bytes, at most `maxBytes` of them. Returns an empty string on success,
/// otherwise the reason (the system's error text; "File too large" beyond `maxBytes`).
std::string ReadFileBytes(const std::string& path, std::string& bytes,
                          std::size_t maxBytes = std::numeric_limits<std::size_t>::max());

}  // namespace zendrik
