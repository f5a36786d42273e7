#include "extract/table.h"

#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>

namespace zendrik {
namespace {

struct FreeBuffer {
  void operator()(char* buffer) const { std::free(buffer); }
};
using CellBuffer = std::unique_ptr<char, FreeBuffer>;

// A cell buffer holds the text and a terminating NUL, nothing more. A cell never contains a
// NUL, so one in the text ends it.
CellBuffer NewCellBuffer(std::string_view text) {
  text = text.substr(0, text.find('\0'));
  CellBuffer buffer(static_cast<char*>(std::malloc(text.size() + 1)));
  if (!buffer) FailAllocation(text.size() + 1);
  if (!text.empty())  // an empty view may carry no address at all
    std::memcpy(buffer.get(), text.data(), text.size());
  buffer.get()[text.size()] = '\0';
  return buffer;
}

}  // namespace

TCellTable::~TCellTable() { clearall(); }

void TCellTable::clearall() {
  Rows.First();
  while (Rows.Next()) {
    std::unique_ptr<TCellStore> row(*CurRow);
    row->First();
    while (row->Next()) std::free(*CurCell);
  }
  Rows.Clear();
}

void TCellTable::AppendRow() {
  // The store exists before its slot does, so that a failure leaves no empty slot behind.
  std::unique_ptr<TCellStore> row;
  try {
    row = std::make_unique<TCellStore>(&CurCell);
  } catch (const std::bad_alloc&) {
    FailAllocation(sizeof(TCellStore));
  }
  TCellStore** slot = Rows.Add();
  *slot = row.release();  // owned by the table until clearall
}

void TCellTable::AppendCell(std::string_view text) {
  TCellStore* row = *Rows.Select(static_cast<int>(Rows.Count) - 1);
  CellBuffer buffer = NewCellBuffer(text);
  char** slot = row->Add();
  *slot = buffer.release();
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
    CellBuffer buffer = NewCellBuffer({});
    char** slot = cells->Add();
    *slot = buffer.release();
  }
}

void TCellTable::ReplaceCurrentCell(std::string_view text) {
  CellBuffer buffer = NewCellBuffer(text);
  std::free(*CurCell);
  *CurCell = buffer.release();
}

}  // namespace zendrik
