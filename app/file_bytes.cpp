#include "app/file_bytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstring>

namespace zendrik {

std::string ReadFileBytes(const std::string& path, std::string& bytes, std::size_t maxBytes) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return std::strerror(errno);
  struct stat info {};
  if (::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) {
    ::close(fd);
    return std::strerror(EISDIR);
  }
  bytes.clear();
  if (info.st_size > 0 && static_cast<std::size_t>(info.st_size) > maxBytes) {
    ::close(fd);
    return std::strerror(EFBIG);
  }
  if (info.st_size > 0) bytes.reserve(static_cast<std::size_t>(info.st_size));
  char chunk[1 << 16];
  for (;;) {
    const ssize_t got = ::read(fd, chunk, sizeof chunk);
    if (got == 0) break;
    if (got < 0) {
      if (errno == EINTR) continue;
      const int error = errno;
      ::close(fd);
      return std::strerror(error);
    }
    if (static_cast<std::size_t>(got) > maxBytes - bytes.size()) {  // a device or a growing file
      ::close(fd);
      bytes.clear();
      return std::strerror(EFBIG);
    }
    bytes.append(chunk, static_cast<std::size_t>(got));
  }
  ::close(fd);
  return {};
}

}  // namespace zendrik
