#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace zendrik {

/// The cell slots of all rows of one table, in large blocks. A row's slots are one run inside
/// a block, after a slot that holds the run's room; the run at the top of the pool grows in
/// place, so a table built row after row stores each slot once, with no room held in reserve.
/// A run that cannot grow in place moves to the top with room to double. Runs live until
/// `Clear`.
class TSlotPool {
 public:
  /// A run with room for `room` zero-filled slots at the top; its room is recorded before it.
  char** Take(std::size_t room);
  /// Lengthens the run that ends at `end` by one slot when it ends at the top and the block has
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
///
/// A store takes 16 bytes: a row of one cell keeps its slot inside the store, longer rows
/// keep theirs in the table's slot pool, and the shared part is found through the block of
/// stores it lives in (see TStorePool), so stores exist only there.
class TCellStore {
 public:
  /// Appends one null slot and selects it.
  char** Add();
  /// Selects slot `i` (0 <= i < Count; not range-checked) and publishes it.
  char** Select(int i) {
    Index = i;
    Advanced = false;
    char** slot = Slots() + i;
    *Shared().CursorVar = slot;
    return slot;
  }
  void First() {
    if (Count > 0) Select(0);
  }
  /// Visits the slot at `Index`, then advances `Index`; false once past the end.
  bool Next() {
    if (Count == 0 || Index < 0 || Index > static_cast<int>(Count) - 1) return false;
    Select(Index);
    ++Index;
    Advanced = true;
    return true;
  }
  /// The selected slot, or null before any selection.
  char** Current() const {
    const int at = Advanced ? Index - 1 : Index;
    return at < 0 ? nullptr : Slots() + at;
  }
  /// Slot `i` without moving the cursor.
  char*& At(unsigned i) const { return Slots()[i]; }

  int Index = -1;
  unsigned Count : 31 = 0;

 private:
  friend class TStorePool;
  TCellStore() = default;

  char** Slots() const { return Count <= 1 ? const_cast<char**>(&Inline) : Data; }
  TCellShared& Shared() const;

  // Beside Count in one word.
  unsigned Advanced : 1 = false;  // the last move was a Next: the current slot is Index - 1
  union {
    char* Inline = nullptr;  // the one slot of a row of at most one cell
    char** Data;             // the run in the slot pool of a longer row
  };
};

/// The row stores of one table, in aligned blocks that begin with the address of the shared
/// part: a store finds it from its own address. Stores live until `Clear`.
class TStorePool {
 public:
  explicit TStorePool(TCellShared& shared) : Shared(shared) {}
  ~TStorePool() { Clear(); }
  TStorePool(const TStorePool&) = delete;
  TStorePool& operator=(const TStorePool&) = delete;

  /// A new empty store.
  TCellStore* Make();
  void Clear();

  /// Bytes of one block, a power of two; blocks are aligned to it.
  static constexpr std::size_t kBlockBytes = 256 << 10;

 private:
  struct FreeBlock {
    void operator()(void* block) const;
  };

  TCellShared& Shared;
  std::vector<std::unique_ptr<void, FreeBlock>> Blocks;
  TCellStore* Top = nullptr;
  TCellStore* Limit = nullptr;
};

inline TCellShared& TCellStore::Shared() const {
  const auto block = reinterpret_cast<std::uintptr_t>(this) & ~(TStorePool::kBlockBytes - 1);
  return **reinterpret_cast<TCellShared* const*>(block);
}

}  // namespace zendrik
