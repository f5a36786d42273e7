#pragma once

#include <string>

namespace zendrik {

/// Reads a whole file as bytes. Returns an empty string on success, otherwise the reason
/// (the system's error text).
std::string ReadFileBytes(const std::string& path, std::string& bytes);

}  // namespace zendrik
