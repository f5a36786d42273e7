#include "app/typed_address.h"

#include "base/ascii.h"
#include "base/system_name.h"

#include <filesystem>
#include <system_error>

namespace zendrik {

bool IsWebAddress(std::string_view address) {
  return address.find("://") != std::string_view::npos || StartsWithNoCase(address, "www.");
}

namespace {

// The path `typed` names, or an empty one for a text that names no local path.
std::filesystem::path TypedPath(std::string_view typed, const std::string& currentDirectory,
                                const std::string& home) {
  namespace fs = std::filesystem;
  if (typed.empty() || IsWebAddress(typed) || !IsSystemName(typed)) return {};
  if (typed.starts_with("~/"))
    return home.empty() ? fs::path() : fs::path(home) / fs::path(typed.substr(2));
  const fs::path path(typed);
  return path.is_absolute() ? path : fs::path(currentDirectory) / path;
}

}  // namespace

std::string TypedAddress(std::string_view typed, const std::string& currentDirectory,
                         const std::string& home) {
  const std::filesystem::path path = TypedPath(typed, currentDirectory, home);
  std::error_code error;
  if (path.empty() || !std::filesystem::is_regular_file(path, error)) return std::string(typed);
  return "file://" + path.lexically_normal().string();
}

}  // namespace zendrik
