#include "extract/text_arena.h"

#include "extract/allocation_report.h"
#include "extract/block_pages.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace zendrik {

char* TTextArena::Copy(std::string_view text) {
  char* copy = Room(text.size() + 1);
  if (!text.empty())  // an empty view may carry no address at all
    std::memcpy(copy, text.data(), text.size());
  copy[text.size()] = '\0';
  return copy;
}

void TTextArena::Clear() {
  Blocks.clear();
  Top = Limit = nullptr;
  NextBlock = kFirstBlock;
  UsedBytes = 0;
}

// A text larger than a block's quarter gets a block of its own, kept before the current one so
// that the current block's rest stays in use.
char* TTextArena::Room(std::size_t bytes) {
  UsedBytes += bytes;
  if (bytes <= static_cast<std::size_t>(Limit - Top)) {
    char* room = Top;
    Top += bytes;
    return room;
  }
  const bool own = bytes > NextBlock / 4;
  const std::size_t size = own ? bytes : NextBlock;
  std::unique_ptr<char[]> block(new (std::nothrow) char[size]);
  if (!block) {
    UsedBytes -= bytes;
    FailAllocation(size);
  }
  char* room = block.get();
  if (own) {
    Blocks.insert(Blocks.empty() ? Blocks.end() : Blocks.end() - 1, std::move(block));
    return room;
  }
  if (size == kLargestBlock) PrefaultBlock(room, size);
  Blocks.push_back(std::move(block));
  Top = room + bytes;
  Limit = room + size;
  NextBlock = std::min(NextBlock * 2, kLargestBlock);
  return room;
}

}  // namespace zendrik
