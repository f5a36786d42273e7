// Fetching a 50 MB page from a loopback server: the transfer alone (Retrieve), the whole fetch
// (transfer, signature check, lines and returned text), a page that arrives compressed
// behind the compressed-body signature (transfer of the compressed bytes plus inflating), and
// the whole extraction (fetch, then the page laid out as a table).
#include "extract/extraction_driver.h"
#include "tests/support/compression_fixtures.h"
#include "tests/support/loopback_http_server.h"
#include "web/body_encodings.h"
#include "web/ie_http.h"

#include <benchmark/benchmark.h>

namespace {

using zendrik::TIEHTTP;
using zendrik::testsupport::HttpReply;
using zendrik::testsupport::LoopbackHttpServer;

constexpr std::size_t kPageBytes = 50'000'000;

/// A table page of 50 MB, one row per line, lines ending in LF as most servers send them.
std::string LargePage() {
  const std::string tail = "</table></body></html>\n";
  std::string page = "<html><body><table>\n";
  for (int row = 0;; ++row) {
    const std::string line = "<tr><td>" + std::to_string(row) + "</td><td><a href=\"/item/" +
                             std::to_string(row) + "\">Artikel</a></td><td>9,99 EUR</td></tr>\n";
    if (page.size() + line.size() + tail.size() > kPageBytes) {
      break;
    }
    page += line;
  }
  page.resize(kPageBytes - tail.size(), '\n');
  return page + tail;
}

LoopbackHttpServer& Server() {
  static LoopbackHttpServer server;
  static const bool served = [] {
    const std::string page = LargePage();
    server.Serve("/page.html", HttpReply::Page(page));
    server.Serve("/signature.html", HttpReply::Page(std::string(zendrik::kCompressedBodySignature) +
                                                    zendrik::testsupport::ZlibStream(page)));
    return true;
  }();
  (void)served;
  return server;
}

void BM_RetrieveOnly(benchmark::State& state) {
  const std::string address = Server().Url("/page.html");
  TIEHTTP http;
  zendrik::TMemoryStream body;
  for (auto _ : state) {
    body.Clear();
    http.Retrieve(address, body);
    benchmark::DoNotOptimize(body.Bytes().data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kPageBytes));
}

void BM_Fetch(benchmark::State& state) {
  const std::string address = Server().Url("/page.html");
  TIEHTTP http;
  for (auto _ : state) {
    const std::string text = http.Fetch(address);
    benchmark::DoNotOptimize(text.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kPageBytes));
}

void BM_FetchSignatureBody(benchmark::State& state) {
  const std::string address = Server().Url("/signature.html");
  TIEHTTP http;
  for (auto _ : state) {
    const std::string text = http.Fetch(address);
    benchmark::DoNotOptimize(text.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kPageBytes));
}

// The window's part of an extraction costs nothing here: only the fetch and the table count.
class TSilentView : public zendrik::TExtractionView {
 public:
  void ShowAddress(const std::string&) override {}
  void ProcessPendingMessages() override {}
  void RepaintGrid() override {}
  void ReportFailure(const std::string& message) override { Failure = message; }
  std::string Failure;
};

void BM_FetchAndExtract(benchmark::State& state) {
  const std::string address = Server().Url("/page.html");
  TIEHTTP http;
  zendrik::TCellTable table;
  TSilentView view;
  for (auto _ : state) {
    zendrik::DownloadIt(address, table, http, view);
    if (!view.Failure.empty()) state.SkipWithError(view.Failure.c_str());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kPageBytes));
  state.counters["rows"] = table.RowCount();
}

BENCHMARK(BM_RetrieveOnly)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Fetch)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_FetchSignatureBody)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_FetchAndExtract)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
