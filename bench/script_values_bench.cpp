// Cost of the script value operations that the interpreter runs for every instruction:
// integer arithmetic and comparison on their fast path, the class-table path for mixed kinds,
// string concatenation, and copying values of the common kinds.

#include <benchmark/benchmark.h>

#include "script/runtime/operators.h"
#include "script/runtime/value.h"

namespace {

using zendrik::BinaryOperation;
using zendrik::Compare;
using zendrik::TCtxBinaryOp;
using zendrik::TCtxCompareOp;
using zendrik::TCtxValue;

void BM_IntegerPlus(benchmark::State& state) {
  TCtxValue left = TCtxValue::Integer(12345), right = TCtxValue::Integer(678);
  for (auto _ : state) {
    benchmark::DoNotOptimize(left);
    benchmark::DoNotOptimize(right);
    TCtxValue sum = BinaryOperation(TCtxBinaryOp::Plus, left, right);
    benchmark::DoNotOptimize(sum);
  }
}
BENCHMARK(BM_IntegerPlus);

void BM_IntegerLess(benchmark::State& state) {
  TCtxValue left = TCtxValue::Integer(12345), right = TCtxValue::Integer(678);
  for (auto _ : state) {
    benchmark::DoNotOptimize(left);
    benchmark::DoNotOptimize(right);
    bool less = Compare(TCtxCompareOp::Less, left, right);
    benchmark::DoNotOptimize(less);
  }
}
BENCHMARK(BM_IntegerLess);

void BM_FloatingPlusInteger(benchmark::State& state) {
  TCtxValue left = TCtxValue::Floating(1.5), right = TCtxValue::Integer(2);
  for (auto _ : state) {
    benchmark::DoNotOptimize(left);
    TCtxValue sum = BinaryOperation(TCtxBinaryOp::Plus, left, right);
    benchmark::DoNotOptimize(sum);
  }
}
BENCHMARK(BM_FloatingPlusInteger);

void BM_StringEqual(benchmark::State& state) {
  TCtxValue left = TCtxValue::String("Download"), right = TCtxValue::String("Download");
  for (auto _ : state) {
    benchmark::DoNotOptimize(left);
    bool equal = Compare(TCtxCompareOp::Equal, left, right);
    benchmark::DoNotOptimize(equal);
  }
}
BENCHMARK(BM_StringEqual);

void BM_StringConcatenation(benchmark::State& state) {
  TCtxValue left = TCtxValue::String("http://127.0.0.1/page"), right = TCtxValue::String("?id=42");
  for (auto _ : state) {
    benchmark::DoNotOptimize(left);
    TCtxValue joined = BinaryOperation(TCtxBinaryOp::Plus, left, right);
    benchmark::DoNotOptimize(joined);
  }
}
BENCHMARK(BM_StringConcatenation);

void CopyLoop(benchmark::State& state, const TCtxValue& source) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(&source);
    TCtxValue copy = source;
    benchmark::DoNotOptimize(copy);
  }
}

void BM_CopyInteger(benchmark::State& state) { CopyLoop(state, TCtxValue::Integer(7)); }
BENCHMARK(BM_CopyInteger);

void BM_CopyFloating(benchmark::State& state) { CopyLoop(state, TCtxValue::Floating(2.5)); }
BENCHMARK(BM_CopyFloating);

void BM_CopySharedString(benchmark::State& state) {
  CopyLoop(state, TCtxValue::String("a shared string"));
}
BENCHMARK(BM_CopySharedString);

}  // namespace

BENCHMARK_MAIN();
