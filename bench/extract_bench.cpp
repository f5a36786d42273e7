// Throughput of the page-to-table road (split + tokenize + walk) and of CSV writing, on a
// generated page: a table of rows with links and images, plus an entity-heavy and a
// whitespace-heavy text section. The size argument is in MB; compare 10, 20 and 40 to see that
// the time grows linearly.
#include "app/csv_export.h"
#include "extract/page_walk.h"

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <filesystem>
#include <string>

namespace {

using namespace zendrik;

std::string GeneratePage(std::size_t targetBytes) {
  std::string page = "<html><head><title>Generated</title></head><body>\n<table>\n";
  const std::size_t tableBytes = targetBytes * 6 / 10;
  for (int row = 0; page.size() < tableBytes; ++row) {
    const std::string n = std::to_string(row);
    page += "<tr>\n  <td><a href=\"/item/" + n + ".html\">Item " + n + "</a></td>\n  <td>" + n +
            ",50 &euro;</td>\n  <td><img src=\"img/" + n + ".gif\" alt=\"\"></td>\n</tr>\n";
  }
  page += "</table>\n<p>";
  const std::size_t entityBytes = targetBytes * 8 / 10;
  while (page.size() < entityBytes)
    page += "AT&amp;T &lt;b&gt; caf&eacute; &#65;&#x42; &nbsp;&nbsp; &copy; 2024 &unknown; x ";
  page += "</p>\n<pre>";
  while (page.size() < targetBytes)
    page += "word      \t  other        word\n\n      spaced     out    text          \n";
  page += "</pre></body></html>\n";
  return page;
}

const std::string& Page(std::size_t megabytes) {
  static std::string pages[64];
  std::string& page = pages[megabytes];
  if (page.empty()) page = GeneratePage(megabytes << 20);
  return page;
}

void BM_ExtractPage(benchmark::State& state) {
  const std::string& page = Page(static_cast<std::size_t>(state.range(0)));
  std::size_t cells = 0;
  std::size_t tableBytes = 0;
  TCellTable table;
  for (auto _ : state) {
    const std::size_t before = mallinfo2().uordblks;
    ExtractPage(page, table);
    state.PauseTiming();
    cells = 0;
    for (unsigned r = 0; r < table.RowCount(); ++r) cells += table.Row(r).Count;
    tableBytes = mallinfo2().uordblks - before;
    table.clearall();
    state.ResumeTiming();
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * page.size()));
  state.counters["cells"] = static_cast<double>(cells);
  state.counters["table_bytes_per_cell"] = static_cast<double>(tableBytes) / cells;
}
BENCHMARK(BM_ExtractPage)->Arg(10)->Arg(20)->Arg(40)->Unit(benchmark::kMillisecond);

// Rows appended one by one, as a long page or a script's writes make them: the time per row
// must not grow with the number of rows, whatever the allocator does with a growing block.
void BM_AppendRows(benchmark::State& state) {
  const int rows = static_cast<int>(state.range(0));
  for (auto _ : state) {
    TCellTable table;
    for (int row = 0; row < rows; ++row) {
      table.AppendRow();
      table.AppendCell("x");
    }
    benchmark::DoNotOptimize(table.RowCount());
  }
  state.SetItemsProcessed(state.iterations() * rows);
}
BENCHMARK(BM_AppendRows)
    ->Arg(16 << 10)
    ->Arg(128 << 10)
    ->Arg(1 << 20)
    ->Unit(benchmark::kMillisecond);

void BM_SaveTable(benchmark::State& state) {
  TCellTable table;
  ExtractPage(Page(static_cast<std::size_t>(state.range(0))), table);
  const std::string file = (std::filesystem::temp_directory_path() / "zendrik_bench.csv").string();
  for (auto _ : state) {
    if (!SaveTable(table, file)) state.SkipWithError("save failed");
  }
  const auto bytes = std::filesystem::file_size(file);
  std::filesystem::remove(file);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
}
BENCHMARK(BM_SaveTable)->Arg(20)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
