// Cost of the standard package's text functions on long inputs: each should grow linearly.

#include <benchmark/benchmark.h>

#include <string>

#include "script/library/date_format.h"

namespace {

// FormatDateTime over a pattern of N copies of one character: a literal, a separator, a field.
void FormatDateTimePattern(benchmark::State& state, char letter) {
  const std::string pattern(static_cast<std::size_t>(state.range(0)), letter);
  for (auto _ : state) {
    std::string text = zendrik::FormatDateTimeText(pattern, 45356.5);
    benchmark::DoNotOptimize(text);
  }
  state.SetComplexityN(state.range(0));
}

void BM_FormatDateTimeLiteralPattern(benchmark::State& state) { FormatDateTimePattern(state, 'x'); }
BENCHMARK(BM_FormatDateTimeLiteralPattern)->RangeMultiplier(10)->Range(1000, 100000)->Complexity();

void BM_FormatDateTimeSeparatorPattern(benchmark::State& state) {
  FormatDateTimePattern(state, '/');
}
BENCHMARK(BM_FormatDateTimeSeparatorPattern)
    ->RangeMultiplier(10)
    ->Range(1000, 100000)
    ->Complexity();

}  // namespace

BENCHMARK_MAIN();
