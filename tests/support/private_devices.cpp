#include "tests/support/private_devices.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace zendrik::testsupport {
namespace {

// The memory devices' numbers on Linux: major 1, minor 3 for null and 7 for full.
std::optional<std::filesystem::path> MakeMemoryDevice(const std::filesystem::path& directory,
                                                      const char* name, unsigned minor) {
  const std::filesystem::path device = directory / name;
  if (::mknod(device.c_str(), S_IFCHR | 0666, ::makedev(1, minor)) != 0) return std::nullopt;
  // A container may let a device be made and still refuse to open it.
  const int fd = ::open(device.c_str(), O_WRONLY | O_CLOEXEC);
  if (fd < 0) {
    ::unlink(device.c_str());
    return std::nullopt;
  }
  ::close(fd);
  return device;
}

}  // namespace

std::optional<std::filesystem::path> MakeFullDevice(const std::filesystem::path& directory) {
  return MakeMemoryDevice(directory, "full", 7);
}

std::optional<std::filesystem::path> MakeNullDevice(const std::filesystem::path& directory) {
  return MakeMemoryDevice(directory, "null", 3);
}

}  // namespace zendrik::testsupport
