#include "extract/table.h"

#include <cstring>
#include <new>

namespace zendrik {

void TCellTable::clearall() {
  Rows.Clear();
  CurCell = nullptr;
  Stores.Clear();
  Shared.Slots.Clear();
  Texts.Clear();
  ReplacedBytes = 0;
}

void TCellTable::AppendRow() {
  // The store exists before its slot does, so that a failure leaves no empty slot behind.
  TCellStore* row = Stores.Make();
  *Rows.Add() = row;
}

// A cell never contains a NUL, so one in the text ends it. Most cells are short: they are
// looked at byte by byte, longer ones searched in bulk.
char* TCellTable::CopyText(std::string_view text) {
  constexpr std::size_t kShortText = 16;
  std::size_t length = 0;
  if (text.size() <= kShortText) {
    while (length < text.size() && text[length] != '\0') ++length;
  } else if (const void* nul = std::memchr(text.data(), '\0', text.size())) {
    length = static_cast<std::size_t>(static_cast<const char*>(nul) - text.data());
  } else {
    length = text.size();
  }
  return Texts.Copy(text.substr(0, length));
}

void TCellTable::AppendCell(std::string_view text) {
  TCellStore* row = *Rows.Select(static_cast<int>(Rows.Count) - 1);
  char* copy = CopyText(text);
  *row->Add() = copy;
}

std::string_view TCellTable::ReadCell(int row, int column) {
  if (row < 1 || row > static_cast<int>(Rows.Count)) return {};
  TCellStore* cells = *Rows.Select(row - 1);
  if (column < 1 || column > static_cast<int>(cells->Count)) return {};
  return *cells->Select(column - 1);
}

void TCellTable::WriteCell(int row, int column, std::string_view text) {
  if (row < 1) return;
  if (row <= static_cast<int>(Rows.Count)) {
    Rows.Select(row - 1);
  } else {
    for (int missing = row - static_cast<int>(Rows.Count); missing > 0; --missing) {
      AppendRow();
      AppendCell({});
    }
  }
  if (column < 1) return;
  TCellStore* cells = *Rows.Current;
  if (column <= static_cast<int>(cells->Count))
    cells->Select(column - 1);
  else
    AppendEmptyCells(column - static_cast<int>(cells->Count));
  ReplaceCurrentCell(text);
}

void TCellTable::AppendEmptyCells(int count) {
  TCellStore* cells = *Rows.Current;
  for (; count > 0; --count) {
    char* copy = Texts.Copy({});
    *cells->Add() = copy;
  }
}

void TCellTable::ReplaceCurrentCell(std::string_view text) {
  char* copy = CopyText(text);
  ReplacedBytes += std::strlen(*CurCell) + 1;
  *CurCell = copy;
  // Texts written over again and again would fill the arena: once the replaced bytes are
  // the larger part, the live texts move into a fresh one.
  if (ReplacedBytes > (64 << 10) && 2 * ReplacedBytes > Texts.Used()) PackTexts();
}

// Copies every live text into a new arena; cursors point at slots, which stay where they are.
void TCellTable::PackTexts() {
  TTextArena packed;
  for (unsigned r = 0; r < Rows.Count; ++r) {
    const TCellStore& row = *Rows.At(r);
    for (unsigned c = 0; c < row.Count; ++c) row.At(c) = packed.Copy(row.At(c));
  }
  Texts = std::move(packed);
  ReplacedBytes = 0;
}

}  // namespace zendrik
