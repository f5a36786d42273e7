// The stages of page to table to CSV measured one by one inside one process, for the bench
// runner (bench/run), which prints them beside the whole-process timings:
//
//   page_stages extract PAGE   tokenizer and walk alone: median seconds and MB/s over RUNS
//                              runs, the table's cells and its bytes per cell beyond the text
//   page_stages csv PAGE       writing the page's table as CSV into memory: median seconds,
//                              MB/s of CSV written; the CSV goes to PAGE.csv for the peers
//   page_stages cells N        a table of N cells (ten to a row, texts of 1 to 16 bytes) built
//                              cell by cell: its heap bytes per cell beyond the text
//
// Output is one line of key=value pairs.
#include "app/csv_export.h"
#include "app/file_bytes.h"
#include "extract/page_walk.h"

#include <malloc.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using namespace zendrik;
using Clock = std::chrono::steady_clock;

int Runs() {
  const char* runs = std::getenv("RUNS");
  return runs ? std::max(1, std::atoi(runs)) : 5;
}

template <typename Work>
double MedianSeconds(Work&& work) {
  std::vector<double> times;
  for (int run = 0; run < Runs(); ++run) {
    const auto start = Clock::now();
    work();
    times.push_back(std::chrono::duration<double>(Clock::now() - start).count());
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

// Bytes allocated on the heap, including blocks that malloc maps on their own.
std::size_t HeapBytes() {
  const struct mallinfo2 info = mallinfo2();
  return info.uordblks + info.hblkhd;
}

struct TTableSize {
  std::size_t Cells = 0;
  std::size_t TextBytes = 0;
};

TTableSize SizeOf(const TCellTable& table) {
  TTableSize size;
  for (unsigned r = 0; r < table.RowCount(); ++r) {
    const TCellStore& row = table.Row(r);
    size.Cells += row.Count;
    for (unsigned c = 0; c < row.Count; ++c) size.TextBytes += TCellTable::CellText(row, c).size();
  }
  return size;
}

void PrintTableCost(const TCellTable& table, std::size_t heapBytes) {
  const TTableSize size = SizeOf(table);
  std::printf(" cells=%zu text_bytes=%zu bytes_per_cell_over_text=%.2f", size.Cells, size.TextBytes,
              (static_cast<double>(heapBytes) - static_cast<double>(size.TextBytes)) /
                  static_cast<double>(std::max<std::size_t>(size.Cells, 1)));
}

std::string ReadPage(const char* path) {
  std::string page;
  if (const std::string reason = ReadFileBytes(path, page); !reason.empty()) {
    std::fprintf(stderr, "page_stages: cannot read %s: %s\n", path, reason.c_str());
    std::exit(1);
  }
  return page;
}

int Extract(const char* path) {
  const std::string page = ReadPage(path);
  TCellTable table;
  const double seconds = MedianSeconds([&] {
    table.clearall();
    ExtractPage(page, table);
  });
  table.clearall();
  const std::size_t before = HeapBytes();
  ExtractPage(page, table);
  const std::size_t heap = HeapBytes() - before;
  std::printf("seconds=%.6f mb_per_s=%.1f", seconds, page.size() / seconds / 1e6);
  PrintTableCost(table, heap);
  std::printf("\n");
  return 0;
}

int Csv(const char* path) {
  const std::string page = ReadPage(path);
  TCellTable table;
  ExtractPage(page, table);
  std::string csv;
  const double seconds = MedianSeconds([&] {
    csv.clear();
    WriteCsv(table, [&csv](std::string_view chunk) {
      csv.append(chunk);
      return true;
    });
  });
  if (!SaveFileBytes(std::string(path) + ".csv", csv)) return 1;
  std::printf("seconds=%.6f mb_per_s=%.1f csv_bytes=%zu\n", seconds, csv.size() / seconds / 1e6,
              csv.size());
  return 0;
}

int Cells(long count) {
  const std::size_t before = HeapBytes();
  TCellTable table;
  const std::string texts = "abcdefghijklmnop";
  for (long i = 0; i < count; ++i) {
    if (i % 10 == 0) table.AppendRow();
    table.AppendCell(std::string_view(texts).substr(0, 1 + i * 7 % 16));
  }
  const std::size_t heap = HeapBytes() - before;
  std::printf("heap_bytes=%zu", heap);
  PrintTableCost(table, heap);
  std::printf("\n");
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string mode = argc == 3 ? argv[1] : "";
  if (mode == "extract") return Extract(argv[2]);
  if (mode == "csv") return Csv(argv[2]);
  if (mode == "cells") return Cells(std::atol(argv[2]));
  std::fprintf(stderr, "usage: page_stages extract|csv PAGE | page_stages cells N\n");
  return 2;
}
