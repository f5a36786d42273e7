#pragma once

#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

namespace zendrik {

/// NUL-terminated copies of texts, packed one after the other into large blocks: a text costs
/// its bytes and its NUL, with no allocation of its own. Copies live until `Clear`.
class TTextArena {
 public:
  /// A NUL-terminated copy of `text`. An allocation that fails reports the size of the block
  /// it asked for (FailAllocation).
  char* Copy(std::string_view text);
  /// Frees every copy.
  void Clear();
  /// Bytes handed out since the last `Clear`, NULs included.
  std::size_t Used() const { return UsedBytes; }

 private:
  char* Room(std::size_t bytes);

  std::vector<std::unique_ptr<char[]>> Blocks;
  char* Top = nullptr;
  char* Limit = nullptr;
  std::size_t NextBlock = kFirstBlock;
  std::size_t UsedBytes = 0;

  // Small tables stay small; blocks double up to the largest size.
  static constexpr std::size_t kFirstBlock = 4 << 10;
  static constexpr std::size_t kLargestBlock = 1 << 20;
};

}  // namespace zendrik
