#include "extract/cell_store.h"

#include "extract/allocation_report.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace zendrik {

char** TSlotPool::Take(std::size_t count, std::size_t reserve) {
  const std::size_t wanted = count + reserve;
  if (wanted > static_cast<std::size_t>(Limit - Top)) {
    const std::size_t size = std::max(wanted, NextBlock);
    std::unique_ptr<char*[]> block(new (std::nothrow) char*[size]);
    if (!block) FailAllocation(size * sizeof(char*));
    Blocks.push_back(std::move(block));
    Top = Blocks.back().get();
    Limit = Top + size;
    NextBlock = std::min(NextBlock * 2, kLargestBlock);
  }
  char** run = Top;
  std::fill(run, run + wanted, nullptr);
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

char** TCellStore::Add() {
  if (Count == Allocated) {
    if (Shared->Slots.Extend(Data + Allocated)) {
      ++Allocated;
    } else {
      // Moved rows double their room, so that rows written out of order still grow in
      // amortized constant time; a row at the top takes exactly what it needs.
      const std::size_t reserve = Count;
      char** moved = Shared->Slots.Take(Count + 1, reserve);
      if (Count > 0) std::memcpy(moved, Data, Count * sizeof(char*));
      Data = moved;
      Allocated = Count + 1 + static_cast<unsigned>(reserve);
    }
  }
  ++Count;
  return Select(static_cast<int>(Count) - 1);
}

}  // namespace zendrik
