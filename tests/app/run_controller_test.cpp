// The run controller and the script runner without a window: when events are let through,
// how a stop reaches a script and a transfer, and how runs end.

#include "app/run_controller.h"
#include "app/script_run.h"
#include "script/runtime/engine.h"
#include "web/web_error.h"

#include <QElapsedTimer>
#include <QThread>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace zendrik {
namespace {

using TWork = TRunController::TWork;
using TEnd = TScriptRunResult::TEnd;

class RunControllerTest : public testing::Test {
 protected:
  RunControllerTest() {
    controller.PumpEvents = [this] {
      ++pumps;
      if (OnPump) OnPump();
    };
    QObject::connect(&controller, &TRunController::BusyChanged,
                     [this](bool busy) { busyChanges.push_back(busy); });
  }

  TRunController controller;
  int pumps = 0;
  std::function<void()> OnPump;
  std::vector<bool> busyChanges;
};

TEST_F(RunControllerTest, EventsGoThroughOnlyAfterThePumpInterval) {
  const TRunController::TScope work(controller, TWork::Script);
  controller.Tick();
  controller.Tick();
  EXPECT_EQ(pumps, 0) << "ticks right after the start wait for the interval";
  QThread::msleep(TRunController::kPumpIntervalMs + 5);
  controller.Tick();
  controller.Tick();
  EXPECT_EQ(pumps, 1) << "the interval starts again after each pass";
}

TEST_F(RunControllerTest, NestedWorkIsOneBusySpanAndStopOnlyActsWhileBusy) {
  int terminations = 0;
  controller.TerminateScript = [&terminations] { ++terminations; };
  controller.Stop();
  EXPECT_FALSE(controller.StopRequested()) << "nothing runs: nothing to stop";
  {
    const TRunController::TScope script(controller, TWork::Script);
    {
      const TRunController::TScope download(controller, TWork::Download);
      EXPECT_TRUE(controller.Running(TWork::Script));
      EXPECT_TRUE(controller.Running(TWork::Download));
      controller.Stop();
      controller.Stop();
      EXPECT_THROW(controller.TickTransfer(), EIEHTTPAborted);
    }
    EXPECT_TRUE(controller.Busy());
    EXPECT_FALSE(controller.Running(TWork::Download));
  }
  EXPECT_EQ(terminations, 1);
  EXPECT_EQ(busyChanges, (std::vector<bool>{true, false}));
  const TRunController::TScope next(controller, TWork::Download);
  EXPECT_FALSE(controller.StopRequested()) << "a new piece of work starts unstopped";
  EXPECT_NO_THROW(controller.TickTransfer());
}

TEST_F(RunControllerTest, AFlagSetBySignalHandlerStopsAtTheNextTick) {
  volatile std::sig_atomic_t flag = 0;
  controller.WatchStopFlag(&flag);
  const TRunController::TScope work(controller, TWork::Download);
  controller.Tick();
  EXPECT_FALSE(controller.StopRequested());
  flag = SIGTERM;
  EXPECT_THROW(controller.TickTransfer(), EIEHTTPAborted);
}

class ScriptRunnerTest : public RunControllerTest {
 protected:
  // Runs `text`, stopping it at the first pass over the events once `stopAfterMs` passed.
  TScriptRunResult RunStoppedAfter(const std::string& text, int stopAfterMs) {
    QElapsedTimer running;
    running.start();
    OnPump = [this, &running, stopAfterMs] {
      if (running.elapsed() >= stopAfterMs) controller.Stop();
    };
    return runner.Run(text, nullptr);
  }

  TCtxScript engine;
  TScriptRunner runner{engine, controller};
};

TEST_F(ScriptRunnerTest, AnEndlessLoopIsStoppedAtItsLineAndTheNextRunWorks) {
  const TScriptRunResult stopped = RunStoppedAfter(
      "var i;\nbegin\n  i := 0;\n  while true do try i := i + 1; except end;\nend;\n", 50);
  EXPECT_EQ(stopped.End, TEnd::Stopped);
  EXPECT_EQ(stopped.Line, 4);
  EXPECT_EQ(StopReport(stopped), "Script stopped at line 4");
  EXPECT_GT(pumps, 1) << "events went through while it ran";
  EXPECT_EQ(busyChanges, (std::vector<bool>{true, false}));

  OnPump = nullptr;
  const TScriptRunResult next = runner.Run("begin end;", nullptr);
  EXPECT_EQ(next.End, TEnd::Done);
  EXPECT_EQ(engine.CurrentState().SP, -1);
}

TEST_F(ScriptRunnerTest, AStopInsideAnEvaluatedExpressionIsPlacedAtTheScriptsLine) {
  // Stopped only while the expression runs, as a nested execution.
  OnPump = [this] {
    if (engine.SavedCount() > 0) controller.Stop();
  };
  const TScriptRunResult stopped = runner.Run(
      "var e, i, x;\nbegin\n  e := '0';\n  for i := 1 to 5000 do e := e + '+1';\n  x := 0;\n\n"
      "  while true do x := x + Evaluate(e);\nend;\n",
      nullptr);
  EXPECT_EQ(stopped.End, TEnd::Stopped);
  EXPECT_EQ(stopped.Line, 7);
  EXPECT_EQ(engine.SavedCount(), 0);
}

TEST_F(ScriptRunnerTest, ErrorsTellTheirKindPlaceAndText) {
  const struct {
    const char* Text;
    TEnd End;
    int Line;
    int Column;
    const char* Report;
  } cases[] = {
      {"begin\n  x := ;\nend;", TEnd::CompileError, 2, 8,
       "zendrik: s.pas:2:8: Error compiling . Syntax Error: ; at line 2, pos 8"},
      {"begin\n\n  raise 'gave up';\nend;", TEnd::RunError, 3, 0, "zendrik: s.pas:3: gave up"},
      {"begin\n  Evaluate('1 +');\nend;", TEnd::RunError, 2, 0,
       "zendrik: s.pas:2: Error compiling . Syntax Error at line 1, pos 5"},
      {"begin end;", TEnd::Done, 0, 0, nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Text);
    const TScriptRunResult result = runner.Run(c.Text, nullptr);
    EXPECT_EQ(result.End, c.End);
    EXPECT_EQ(result.Line, c.Line);
    EXPECT_EQ(result.Column, c.Column);
    if (c.Report) {
      EXPECT_EQ(BatchReport("s.pas", result), c.Report);
    }
  }
  EXPECT_EQ(BatchReport("s.pas", {TEnd::Stopped, {}, 0, 0}), "zendrik: s.pas: stopped");
  EXPECT_EQ(BatchReport("s.pas", {TEnd::RunError, "a\r\nb\nc", 0, 0}), "zendrik: s.pas: a b c");
  EXPECT_EQ(StopReport({TEnd::Stopped, {}, 0, 0}), "Script stopped");
}

}  // namespace
}  // namespace zendrik
