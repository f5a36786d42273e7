#include "app/file_bytes.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>

#include "base/system_name.h"
#include "extract/block_pages.h"

namespace zendrik {

namespace {

constexpr const char* kNulInName = "the name holds a NUL byte";

/// Waits until `fd` has bytes (or its end) to read; false when nothing came for `seconds`.
bool AwaitBytes(int fd, int seconds) {
  pollfd watched{fd, POLLIN, 0};
  for (;;) {
    const int ready = ::poll(&watched, 1, seconds * 1000);
    if (ready >= 0) return ready > 0;
    if (errno != EINTR) return true;  // the read that follows reports the error
  }
}

std::string QuietFor(int seconds) {
  return "Nothing arrived for " + std::to_string(seconds) + " seconds";
}

}  // namespace

std::string ReadFileBytes(const std::string& path, std::string& bytes, std::size_t maxBytes,
                          int quietSeconds) {
  if (!IsSystemName(path)) return kNulInName;
  // Without O_NONBLOCK, opening a FIFO waits for a writer, with no end if none ever comes.
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
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
  // A regular file is read straight into the string, sized once; what it holds beyond its
  // announced size (a growing file, a device) comes in chunks after that.
  if (info.st_size > 0) {
    // A large page's memory is taken in one call rather than a fault per page.
    bytes.reserve(static_cast<std::size_t>(info.st_size));
    PrefaultBlock(bytes.data(), bytes.capacity());
    bytes.resize(static_cast<std::size_t>(info.st_size));
    std::size_t filled = 0;
    while (filled < bytes.size()) {
      const ssize_t got = ::read(fd, bytes.data() + filled, bytes.size() - filled);
      if (got == 0) break;
      if (got < 0) {
        if (errno == EINTR) continue;
        const int error = errno;
        ::close(fd);
        bytes.clear();
        return std::strerror(error);
      }
      filled += static_cast<std::size_t>(got);
    }
    const bool shrank = filled < bytes.size();
    bytes.resize(filled);
    if (shrank) {
      ::close(fd);
      return {};
    }
  }
  const bool regular = S_ISREG(info.st_mode);
  char chunk[1 << 16];
  for (;;) {
    if (!regular && !AwaitBytes(fd, quietSeconds)) {
      ::close(fd);
      bytes.clear();
      return QuietFor(quietSeconds);
    }
    const ssize_t got = ::read(fd, chunk, sizeof chunk);
    if (got == 0) break;
    if (got < 0) {
      if (errno == EINTR || errno == EAGAIN) continue;
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

namespace {

namespace fs = std::filesystem;

std::string Failure(const std::string& fileName, const std::string& what, const char* reason) {
  return "Cannot " + what + " \"" + ShownName(fileName) + "\": " + reason;
}

std::string Failure(const std::string& fileName, const std::string& what, int error) {
  return Failure(fileName, what, std::strerror(error));
}

// The temporary file replaces the target, so it takes the target's permissions, or those a
// newly created file would get.
mode_t TargetMode(const fs::path& target) {
  struct stat info {};
  if (::stat(target.c_str(), &info) == 0) return info.st_mode & 07777;
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

// Writes everything or reports errno.
bool WriteAll(int fd, std::string_view data) {
  while (!data.empty()) {
    const ssize_t written = ::write(fd, data.data(), data.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

bool IsExistingNonRegularFile(const std::string& fileName) {
  struct stat info {};
  return ::stat(fileName.c_str(), &info) == 0 && !S_ISREG(info.st_mode);
}

// Devices, FIFOs and the like cannot be replaced by a renamed file: they are written in place.
SaveResult WriteInPlace(const std::string& fileName,
                        const std::function<bool(const TChunkWriter&)>& produce) {
  const int fd = ::open(fileName.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return {false, Failure(fileName, "open", errno)};
  bool written = produce([fd](std::string_view chunk) { return WriteAll(fd, chunk); });
  int error = errno;
  if (::close(fd) != 0 && written) {
    written = false;
    error = errno;
  }
  if (!written) return {false, Failure(fileName, "write", error)};
  return {true, {}};
}

}  // namespace

SaveResult SaveFileBytes(const std::string& fileName,
                         const std::function<bool(const TChunkWriter&)>& produce) {
  if (!IsSystemName(fileName)) return {false, Failure(fileName, "create", kNulInName)};
  if (IsExistingNonRegularFile(fileName)) return WriteInPlace(fileName, produce);
  std::error_code ignored;
  fs::path target = fileName;
  if (fs::is_symlink(target, ignored)) target = fs::weakly_canonical(target, ignored);
  const fs::path directory = target.has_parent_path() ? target.parent_path() : fs::path(".");
  std::string temporary = (directory / ("." + target.filename().string() + ".XXXXXX")).string();

  const int fd = ::mkstemp(temporary.data());
  if (fd < 0) return {false, Failure(fileName, "create", errno)};
  bool written = produce([fd](std::string_view chunk) { return WriteAll(fd, chunk); }) &&
                 ::fchmod(fd, TargetMode(target)) == 0;
  int error = errno;
  if (::close(fd) != 0 && written) {
    written = false;
    error = errno;
  }
  if (written && ::rename(temporary.c_str(), target.c_str()) != 0) {
    written = false;
    error = errno;
  }
  if (!written) {
    ::unlink(temporary.c_str());
    return {false, Failure(fileName, "write", error)};
  }
  return {true, {}};
}

SaveResult SaveFileBytes(const std::string& fileName, std::string_view bytes) {
  return SaveFileBytes(fileName, [bytes](const TChunkWriter& write) { return write(bytes); });
}

}  // namespace zendrik
