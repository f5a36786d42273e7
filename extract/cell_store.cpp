#include "extract/cell_store.h"

#include "extract/allocation_report.h"
#include "extract/block_pages.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>

namespace zendrik {

static_assert(sizeof(TCellStore) == 16, "a row store costs two words");

char** TSlotPool::Take(std::size_t room) {
  const std::size_t wanted = room + 1;
  if (wanted > static_cast<std::size_t>(Limit - Top)) {
    const std::size_t size = std::max(wanted, NextBlock);
    std::unique_ptr<char*[]> block(new (std::nothrow) char*[size]);
    if (!block) FailAllocation(size * sizeof(char*));
    if (size >= kLargestBlock) PrefaultBlock(block.get(), size * sizeof(char*));
    Blocks.push_back(std::move(block));
    Top = Blocks.back().get();
    Limit = Top + size;
    NextBlock = std::min(NextBlock * 2, kLargestBlock);
  }
  Top[0] = reinterpret_cast<char*>(room);
  char** run = Top + 1;
  std::fill(run, run + room, nullptr);
  Top += wanted;
  return run;
}

bool TSlotPool::Extend(char** end) {
  if (end != Top || Top == Limit) return false;
  *Top++ = nullptr;
  return true;
}

void TSlotPool::Clear() {
  Blocks.clear();
  Top = Limit = nullptr;
  NextBlock = kFirstBlock;
}

namespace {

std::size_t Room(char** run) { return reinterpret_cast<std::size_t>(run[-1]); }

}  // namespace

char** TCellStore::Add() {
  if (Count == 1) {
    // The second cell moves the row into the pool, with room for two: the newest row then
    // grows in place, any other moves again with room to double.
    char* first = Inline;
    char** run = Shared().Slots.Take(2);
    run[0] = first;
    Data = run;
  } else if (Count > 1 && Count == Room(Data)) {
    TSlotPool& pool = Shared().Slots;
    if (pool.Extend(Data + Count)) {
      Data[-1] = reinterpret_cast<char*>(Room(Data) + 1);
    } else {
      // Moved rows double their room, so that rows written out of order still grow in
      // amortized constant time.
      char** moved = pool.Take(2 * std::size_t(Count));
      std::memcpy(moved, Data, Count * sizeof(char*));
      Data = moved;
    }
  }
  ++Count;
  return Select(static_cast<int>(Count) - 1);
}

void TStorePool::FreeBlock::operator()(void* block) const { std::free(block); }

TCellStore* TStorePool::Make() {
  if (Top == Limit) {
    void* block = std::aligned_alloc(kBlockBytes, kBlockBytes);
    if (!block) FailAllocation(kBlockBytes);
    Blocks.emplace_back(block);
    // From the second block on the table is large: the pages are taken in one go.
    if (Blocks.size() > 1) PrefaultBlock(block, kBlockBytes);
    *static_cast<TCellShared**>(block) = &Shared;
    // The stores begin after the address of the shared part, at the store size.
    Top = reinterpret_cast<TCellStore*>(static_cast<char*>(block) + sizeof(TCellStore));
    Limit = reinterpret_cast<TCellStore*>(static_cast<char*>(block) + kBlockBytes);
  }
  return new (Top++) TCellStore();
}

void TStorePool::Clear() {
  Blocks.clear();
  Top = Limit = nullptr;
}

}  // namespace zendrik
