// Compile speed of the script compiler on generated scripts of mixed statements, long
// expressions and many string literals. Reports lines per second; the three sizes show whether
// the time grows linearly with the text.

#include <benchmark/benchmark.h>

#include <string>

#include "script/compiler/default_compiler.h"
#include "script/runtime/script_code.h"

namespace {

const char* const kStatements[] = {
    "  s := 'line ' + IntToStr(i) + ' holds ''quoted'' text' #13#10 'and more' + s2;",
    "  x := (a + b * c - d div 2) mod 7 + Max(a, b, c) * obj.Items[i, j].Value - -y / 3.25;",
    "  if (a < b) and (c >= d) or not e then x := x + 1 else y := y - $1F;",
    "  while i < 10 do begin i := i + 1; if i = 5 then break else continue end;",
    "  for j := 1 to Length(s) do t := t + Copy(s, j, 1) + ', ';  { a comment }",
    "  try Log('first', 'second', 'third') except Log(exception) end;",
    "  repeat k := k + 1; z := z xor k until (k > 3) or Done;",
    "  obj.Caption := 'The quick brown fox jumps over the lazy dog'; arr[i] := obj.Caption;",
};

// A procedure of about `lines` lines.
std::string GenerateScript(int lines) {
  std::string text =
      "procedure Generated(a, b; var c);\nvar i, j, k, x, y, z, d, e, s, s2, t, arr, obj, Done;\n";
  text += "const Limit = 100; Title = 'generated';\nbegin\n";
  for (int line = 0; line < lines - 5; ++line) {
    text += kStatements[line % std::size(kStatements)];
    text += '\n';
  }
  text += "  Done := true\nend;\n";
  return text;
}

void BM_CompileScript(benchmark::State& state) {
  const int lines = static_cast<int>(state.range(0));
  zendrik::DefaultCompiler();  // registers the Pascal compiler
  zendrik::TCtxScriptCode code;
  code.SetCode(GenerateScript(lines));
  for (auto _ : state) {
    code.ClearCompiled();
    code.CompileNow();
    benchmark::DoNotOptimize(code.PCode().data());
  }
  state.counters["lines/s"] =
      benchmark::Counter(static_cast<double>(lines) * static_cast<double>(state.iterations()),
                         benchmark::Counter::kIsRate);
  state.counters["bytes"] = static_cast<double>(code.Code().size());
  state.counters["instructions"] = static_cast<double>(code.PCode().size());
}
BENCHMARK(BM_CompileScript)->Arg(5000)->Arg(20000)->Arg(80000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
