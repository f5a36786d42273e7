#pragma once

#include "extract/allocation_report.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <type_traits>

namespace zendrik {

/// A growable array of plain elements with a built-in cursor that it publishes into a variable
/// of its owner. Storage grows in steps of 100 zero-filled elements, so a freshly added element
/// always reads as zero. Elements are never removed one by one; `Clear` empties the store.
///
/// Iteration protocol used everywhere: `First`, then `Next` until it returns false. After each
/// successful `Next`, `Current` (and the cursor variable) point at the visited element and
/// `Index` is its 1-based position.
template <typename T>
class TDynaArray {
  static_assert(std::is_trivially_copyable_v<T>, "elements are copied as raw bytes");

 public:
  static constexpr int Granularity = 100;
  static constexpr int ElementSize = sizeof(T);

  /// `cursorVar` (may be null) receives the address of the current element whenever the cursor
  /// moves, and null on `Clear`. It is not written on creation.
  explicit TDynaArray(T** cursorVar = nullptr) : CursorVar(cursorVar) {}
  ~TDynaArray() { std::free(Data); }
  TDynaArray(const TDynaArray&) = delete;
  TDynaArray& operator=(const TDynaArray&) = delete;

  /// Appends one zero element, growing the block when needed, and selects it.
  T* Add() {
    ++Count;
    Grow();
    std::memset(static_cast<void*>(Data + Count - 1), 0, ElementSize);
    return Select(Count - 1);
  }

  /// Selects element `i` (0 <= i < Count; not range-checked) and publishes it.
  T* Select(int i) {
    Index = i;
    Current = Data + i;
    if (CursorVar) *CursorVar = Current;
    return Current;
  }

  void First() {
    if (Count > 0) Select(0);
  }

  /// Visits the element at `Index`, then advances `Index`; false once past the end.
  bool Next() {
    if (Count == 0 || Index < 0 || Index > static_cast<int>(Count) - 1) return false;
    Select(Index);
    ++Index;
    return true;
  }

  void Clear() {
    Count = 0;
    std::free(Data);
    Data = nullptr;
    Allocated = 0;
    Capacity = 0;
    Index = -1;
    Current = nullptr;
    if (CursorVar) *CursorVar = nullptr;
  }

  /// Element `i` without moving the cursor (for readers that must not disturb it).
  T& At(unsigned i) const { return Data[i]; }

  T** CursorVar;
  T* Current = nullptr;
  unsigned Count = 0;
  int Index = -1;
  /// Size of the data block in bytes.
  int Capacity = 0;

 private:
  // `Capacity` is room for Count elements rounded up to whole steps of 100. The memory behind
  // it is committed independently: a store of three cells holds 4 elements, not 100, doubling
  // up to the first step; past it the block grows by half its size, so that appending stays
  // linear with any allocator. What a caller sees is the same: every element it can reach is
  // there, and fresh ones read as zero.
  void Grow() {
    const std::size_t required =
        std::size_t(Granularity) * ((Count - 1) / Granularity + 1) * ElementSize;
    if (Count > Allocated) {
      const std::size_t step = required / ElementSize;
      const std::size_t elements =
          step <= std::size_t(Granularity)
              ? std::min(std::max<std::size_t>(4, 2 * std::size_t(Allocated)), step)
              : std::max(step, std::size_t(Allocated) + Allocated / 2);
      Commit(elements, required);
    }
    Capacity = static_cast<int>(required);
  }

  // Resizes the block to `elements`; realloc keeps the old contents and lets large blocks grow
  // in place. The new part is zeroed element by element as `Add` reaches it, so that room not
  // yet used costs no memory pages. A failure reports the size of the whole block.
  void Commit(std::size_t elements, std::size_t blockBytes) {
    void* block = std::realloc(Data, elements * ElementSize);
    if (!block) {
      --Count;
      FailAllocation(blockBytes);
    }
    Data = static_cast<T*>(block);
    Allocated = static_cast<unsigned>(elements);
  }

  T* Data = nullptr;
  unsigned Allocated = 0;  // elements actually backed by memory
};

}  // namespace zendrik
