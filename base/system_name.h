#pragma once

// Names handed to the operating system (file names, directory names, addresses of local files).

#include <string>
#include <string_view>

namespace zendrik {

/// Whether the operating system receives `name` whole. Its calls end a name at the first NUL
/// byte, so a name holding one would reach another file than the one named: such a name names
/// no file at all, and every caller reports it as a name that does not exist.
constexpr bool IsSystemName(std::string_view name) noexcept {
  return name.find('\0') == std::string_view::npos;
}

/// `name` as a message shows it: each NUL byte written as \0.
std::string ShownName(std::string_view name);

}  // namespace zendrik
