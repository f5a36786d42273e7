#pragma once

#include <cstddef>
#include <memory>
#include <vector>

namespace zendrik {

/// The cell slots of all rows of one table, in large blocks. A row's slots are one run inside
/// a block; the run at the top of the pool grows in place, so a table built row after row
/// stores each slot once, with no room held in reserve. A run that cannot grow in place moves
/// to the top with room to double. Runs live until `Clear`.
class TSlotPool {
 public:
  /// A zero-filled run of `count` slots at the top, followed by `reserve` more.
  char** Take(std::size_t count, std::size_t reserve);
  /// Lengthens the run `[start, end)` by one slot when it ends at the top and the block has
  /// room; the new slot reads as null.
  bool Extend(char** end);
  void Clear();

 private:
  std::vector<std::unique_ptr<char*[]>> Blocks;
  char** Top = nullptr;
  char** Limit = nullptr;
  std::size_t NextBlock = kFirstBlock;

  static constexpr std::size_t kFirstBlock = 512;
  static constexpr std::size_t kLargestBlock = 64 << 10;
};

/// What all rows of one table share: the variable their cursors publish into, and the pool
/// their slots come from.
struct TCellShared {
  char*** CursorVar;
  TSlotPool Slots;
};

/// The cells of one row: an array of slots, each referring to a NUL-terminated text, with the
/// cursor protocol of TDynaArray (`First`, then `Next` until it returns false; `Select`; `Add`)
/// publishing into the table's one cell cursor. Fresh slots read as null. Slots stay where
/// they are until an `Add` moves the row (which republishes the cursor).
class TCellStore {
 public:
  explicit TCellStore(TCellShared& shared) : Shared(&shared) {}

  /// Appends one null slot and selects it.
  char** Add();
  /// Selects slot `i` (0 <= i < Count; not range-checked) and publishes it.
  char** Select(int i) {
    Index = i;
    CurrentAt = i;
    *Shared->CursorVar = Data + i;
    return Data + i;
  }
  void First() {
    if (Count > 0) Select(0);
  }
  /// Visits the slot at `Index`, then advances `Index`; false once past the end.
  bool Next() {
    if (Count == 0 || Index < 0 || Index > static_cast<int>(Count) - 1) return false;
    Select(Index);
    ++Index;
    return true;
  }
  /// The selected slot, or null before any selection.
  char** Current() const { return CurrentAt < 0 ? nullptr : Data + CurrentAt; }
  /// Slot `i` without moving the cursor.
  char*& At(unsigned i) const { return Data[i]; }

  unsigned Count = 0;
  int Index = -1;

 private:
  TCellShared* Shared;
  char** Data = nullptr;
  unsigned Allocated = 0;
  int CurrentAt = -1;
};

}  // namespace zendrik
