// The window while scripts run, offscreen: SetCell into the shown grid at N and 2N cells
// (twice the cells should take about twice the time: repaints are throttled to one per pass
// over the events), and how long a stop takes from the moment it is asked for (a timer that
// is due, as a key press would be) to the end of the run: target well under 50 ms.

#include "app/main_form.h"
#include "app/message_boxes.h"
#include "app/start_up.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <iostream>
#include <sstream>
#include <string>

namespace zendrik {
namespace {

struct Window {
  Window() : Boxes(Errors), Form(Boxes) { Form.show(); }
  std::ostringstream Errors;
  THeadlessMessageBoxes Boxes;
  TMainForm Form;
};

Window& TheWindow() {
  static Window window;
  return window;
}

void RunText(TMainForm& form, const std::string& text, TScriptRunResult::TEnd expected) {
  form.ScriptEditor().setPlainText(QString::fromStdString(text));
  if (form.RunEditorScript().End != expected) std::cerr << "the script ended otherwise\n";
}

void SetCells(benchmark::State& state) {
  TMainForm& form = TheWindow().Form;
  const std::string script = "var i; begin ClearCells; for i := 0 to " +
                             std::to_string(state.range(0) - 1) +
                             " do SetCell(i mod 10 + 1, i div 10 + 1, 'x'); end;";
  for (auto _ : state) RunText(form, script, TScriptRunResult::TEnd::Done);
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

// From the moment a stop is due to the end of an endless run.
void StopLatency(benchmark::State& state) {
  constexpr int kDueMs = 30;
  TMainForm& form = TheWindow().Form;
  for (auto _ : state) {
    QElapsedTimer sinceStart;
    sinceStart.start();
    QTimer::singleShot(kDueMs, Qt::PreciseTimer, &form, [&form] { form.Stop1Click(); });
    RunText(form, "var i; begin i := 0; while true do i := i + 1; end;",
            TScriptRunResult::TEnd::Stopped);
    state.SetIterationTime(static_cast<double>(sinceStart.nsecsElapsed()) / 1e9 - kDueMs / 1e3);
  }
}

}  // namespace
}  // namespace zendrik

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  zendrik::StartUp();
  QApplication application(argc, argv);
  benchmark::RegisterBenchmark("SetCellsInTheShownWindow", zendrik::SetCells)
      ->Arg(200'000)
      ->Arg(400'000)
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("StopToEndOfRun", zendrik::StopLatency)
      ->UseManualTime()
      ->Iterations(20)
      ->Unit(benchmark::kMillisecond);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
