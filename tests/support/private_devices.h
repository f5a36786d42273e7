#pragma once

#include <filesystem>
#include <optional>

namespace zendrik::testsupport {

/// A private copy of the system's "full" device (every write fails with "No space left on
/// device") made with mknod in `directory`, so that tests never write to the system's own
/// device files. Nothing when this process may not make or open devices; tests then skip.
std::optional<std::filesystem::path> MakeFullDevice(const std::filesystem::path& directory);

/// A private copy of the "null" device (takes every write), as MakeFullDevice makes its copy.
std::optional<std::filesystem::path> MakeNullDevice(const std::filesystem::path& directory);

}  // namespace zendrik::testsupport
