#include "app/csv_export.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

namespace zendrik {
namespace fs = std::filesystem;

namespace {

void AppendEscaped(std::string& out, std::string_view text) {
  for (char c : text) {
    if (c == '\\' || c == '"') out.push_back('\\');
    out.push_back(c);
  }
}

}  // namespace

std::string EscapeCell(std::string_view text) {
  std::string escaped;
  escaped.reserve(text.size() + 2);
  AppendEscaped(escaped, text);
  return escaped;
}

void AppendCsvLine(std::string& out, TCellStore& row) {
  bool first = true;
  row.First();
  while (row.Next()) {
    if (!first) out.push_back(',');
    first = false;
    out.push_back('"');
    AppendEscaped(out, *row.Current);
    out.push_back('"');
  }
  out += "\r\n";
}

namespace {

std::string Failure(const std::string& fileName, const std::string& what, int error) {
  return "Cannot " + what + " \"" + fileName + "\": " + std::strerror(error);
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

}  // namespace

bool WriteCsv(TCellTable& table, const std::function<bool(std::string_view chunk)>& write) {
  constexpr std::size_t flushSize = 1 << 20;
  std::string buffer;
  buffer.reserve(flushSize + 4096);
  table.Rows.First();
  while (table.Rows.Next()) {
    AppendCsvLine(buffer, **table.Rows.Current);
    if (buffer.size() >= flushSize) {
      if (!write(buffer)) return false;
      buffer.clear();
    }
  }
  return buffer.empty() || write(buffer);
}

namespace {

// Devices, FIFOs and the like cannot be replaced by a renamed file: they are written in place.
SaveResult WriteInPlace(TCellTable& table, const std::string& fileName) {
  const int fd = ::open(fileName.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return {false, Failure(fileName, "open", errno)};
  bool written = WriteCsv(table, [fd](std::string_view chunk) { return WriteAll(fd, chunk); });
  int error = errno;
  if (::close(fd) != 0 && written) {
    written = false;
    error = errno;
  }
  if (!written) return {false, Failure(fileName, "write", error)};
  return {true, {}};
}

bool IsExistingNonRegularFile(const std::string& fileName) {
  struct stat info {};
  return ::stat(fileName.c_str(), &info) == 0 && !S_ISREG(info.st_mode);
}

}  // namespace

SaveResult SaveTable(TCellTable& table, const std::string& fileName) {
  if (IsExistingNonRegularFile(fileName)) return WriteInPlace(table, fileName);
  std::error_code ignored;
  fs::path target = fileName;
  if (fs::is_symlink(target, ignored)) target = fs::weakly_canonical(target, ignored);
  const fs::path directory = target.has_parent_path() ? target.parent_path() : fs::path(".");
  std::string temporary = (directory / ("." + target.filename().string() + ".XXXXXX")).string();

  const int fd = ::mkstemp(temporary.data());
  if (fd < 0) return {false, Failure(fileName, "create", errno)};
  bool written = WriteCsv(table, [fd](std::string_view chunk) { return WriteAll(fd, chunk); }) &&
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

}  // namespace zendrik
