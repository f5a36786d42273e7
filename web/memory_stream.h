#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zendrik {

/// A growing block of bytes with a read position: the body of a retrieval, or a value loaded
/// from a file. The bytes are reachable as a view without copying.
class TMemoryStream {
 public:
  TMemoryStream() = default;
  explicit TMemoryStream(std::string bytes) : Data(std::move(bytes)) {}

  /// All bytes, from the first to the last, whatever the position.
  std::string_view Bytes() const noexcept { return Data; }
  std::size_t Size() const noexcept { return Data.size(); }
  std::size_t Position() const noexcept { return Pos; }

  /// Moves the read position; a position past the end is clamped to the end.
  void Seek(std::size_t position) noexcept;
  /// Copies up to `count` bytes from the position on into `buffer` and advances the position.
  /// Returns the number of bytes copied.
  std::size_t Read(char* buffer, std::size_t count) noexcept;
  /// Adds bytes at the end and moves the position to the end.
  void Append(std::string_view bytes);
  /// Makes room for `capacity` bytes in total, so that appends up to there do not reallocate.
  void Reserve(std::size_t capacity) { Data.reserve(capacity); }
  /// Drops every byte and returns the position to 0.
  void Clear() noexcept;

  /// Replaces the contents with the bytes of a file and positions at the start. Throws
  /// std::runtime_error naming the file when it cannot be read; the contents are then unchanged.
  void LoadFromFile(const std::string& fileName);

 private:
  std::string Data;
  std::size_t Pos = 0;
};

}  // namespace zendrik
