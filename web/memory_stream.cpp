#include "web/memory_stream.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <stdexcept>

#include "base/system_name.h"

namespace zendrik {

void TMemoryStream::Seek(std::size_t position) noexcept { Pos = std::min(position, Data.size()); }

std::size_t TMemoryStream::Read(char* buffer, std::size_t count) noexcept {
  const std::size_t n = std::min(count, Data.size() - Pos);
  std::memcpy(buffer, Data.data() + Pos, n);
  Pos += n;
  return n;
}

void TMemoryStream::Append(std::string_view bytes) {
  Data.append(bytes);
  Pos = Data.size();
}

void TMemoryStream::Clear() noexcept {
  Data.clear();
  Pos = 0;
}

void TMemoryStream::LoadFromFile(const std::string& fileName) {
  const auto fail = [&fileName] {
    throw std::runtime_error("Cannot open file \"" + fileName + "\": " + std::strerror(errno));
  };
  if (!IsSystemName(fileName)) {
    errno = ENOENT;  // such a name names no file
    fail();
  }
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(fileName.c_str(), "rb"),
                                                       &std::fclose);
  if (!file) {
    fail();
  }
  std::string bytes;
  char chunk[65536];
  std::size_t n;
  while ((n = std::fread(chunk, 1, sizeof chunk, file.get())) > 0) {
    bytes.append(chunk, n);
  }
  if (std::ferror(file.get())) {
    fail();
  }
  Data = std::move(bytes);
  Pos = 0;
}

}  // namespace zendrik
