// The engine as hosts and native callbacks see it, running compiled scripts: executions and their
// states, caches, the debug hook and termination. Behaviour that scripts can see is tested by
// the script files of interpreter_snippets_test.cpp; the engine on hand-made p-code by
// tests/script/runtime.

#include "script/runtime/engine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "script/compiler/compiler.h"
#include "script/runtime/automation.h"
#include "script/runtime/compiler_registry.h"
#include "script/runtime/conversions.h"
#include "script/runtime/errors.h"
#include "script/runtime/pcode.h"
#include "script/runtime/script_code.h"
#include "tests/script/script_test_support.h"

namespace zendrik {
namespace {

class Engine : public ::testing::Test {
 protected:
  void SetUp() override { testsupport::StartScriptEngineForTests(); }

  std::string ErrorOf(TCtxScriptCode& code, const TCtxValue& params = {}) {
    try {
      TCtxValue value;
      engine.Execute(code, params, value, &host);
    } catch (const std::exception& error) {
      return error.what();
    }
    return "no error";
  }

  testsupport::TTestHost host;
  TCtxScript engine;
};

TEST_F(Engine, DeeplyNestedCallsOverflowTheStackAndLeaveItClean) {
  std::string text = "begin Print(";
  for (int depth = 0; depth < 8; ++depth) {
    for (int i = 0; i < 200; ++i) text += "1, ";
    text += "Print(";
  }
  text += "0" + std::string(9, ')') + " end;";
  const testsupport::RunOutcome run = testsupport::RunScript(engine, text, &host);
  EXPECT_EQ(run.Error, "Stack overflow");
  EXPECT_EQ(engine.CurrentState().SP, -1);
  for (const TCtxValue& cell : engine.StackCells()) EXPECT_TRUE(cell.IsUnassigned());
}

TEST_F(Engine, ParametersArePushedAndConstParametersKeepTheirArgument) {
  TCtxScriptCode code;
  code.SetCode("procedure P(a; const c); begin Print(a, c) end;");
  TCtxValue value;
  engine.Execute(code,
                 TCtxValue::Array(TCtxArray(1, {TCtxValue::Integer(1), TCtxValue::Integer(7)})),
                 value, &host);
  EXPECT_EQ(testsupport::TakePrinted(), std::vector<std::string>{"1 7"});
  // One argument for two parameters: the first lies below the frame.
  EXPECT_EQ(ErrorOf(code, TCtxValue::String("only")), "Stack underflow");
}

TEST_F(Engine, AnOutParameterIsClearedToNullOnEntry) {
  TCtxScriptCode code;
  code.SetCode("procedure P(out o); begin Print(o) end;");
  TCtxValue value;
  engine.Execute(code, TCtxValue::Reference(0), value, &host);  // designates its own cell
  EXPECT_EQ(testsupport::TakePrinted(), std::vector<std::string>{"Null"});
}

TEST_F(Engine, AnElementWrittenThroughAVarParameterChangesTheCallersVariable) {
  engine.Push(TCtxValue::String("abc"));  // the caller's variable, in cell 0
  TCtxScriptCode code;
  code.SetCode("procedure P(var s); begin s[1] := 'X'; Print(s) end;");
  TCtxValue value;
  engine.Execute(code, TCtxValue::Reference(0), value, &host);
  EXPECT_EQ(testsupport::TakePrinted(), std::vector<std::string>{"Xbc"});
}

TEST_F(Engine, ANestedExecutionTracesAsTraceIntoSaysAndTheOuterKeepsItsMode) {
  engine.TraceInto = true;
  const testsupport::RunOutcome run =
      testsupport::RunScript(engine, "begin Print(Traced, Evaluate('Traced'), Traced) end;", &host);
  EXPECT_EQ(run.Printed, std::vector<std::string>{"False True False"}) << run.Error;
}

TEST_F(Engine, TheGlobalScopeIsSearchedAfterTheHostAndBeforeTheSystemScope) {
  testsupport::TTestHost global;
  global.Caption = "global";
  engine.GlobalScope = &global;
  testsupport::RunOutcome run =
      testsupport::RunScript(engine, "begin Print(Caption) end;", nullptr);
  EXPECT_EQ(run.Printed, std::vector<std::string>{"global"}) << run.Error;
  host.Caption = "host";
  run = testsupport::RunScript(engine, "begin Print(Caption) end;", &host);
  EXPECT_EQ(run.Printed, std::vector<std::string>{"host"}) << run.Error;
}

// Records what reaches the automation server.
class StandInAutomation : public TCtxAutomation {
 public:
  TCtxValue Create(TCtxScript&, std::string_view) override { return {}; }
  TCtxValue GetActive(TCtxScript&, std::string_view) override { return {}; }
  TCtxValue Get(TCtxScript&, const TCtxValue&, std::string_view name) override {
    Calls.push_back("get " + std::string(name));
    return TCtxValue::Integer(1);
  }
  TCtxValue Call(TCtxScript&, const TCtxValue&, std::string_view name,
                 std::span<const TCtxValue> arguments) override {
    std::string call = "call " + std::string(name);
    for (const TCtxValue& argument : arguments) call += " " + ValueToText(argument);
    Calls.push_back(call);
    return TCtxValue::Integer(2);
  }
  void Put(TCtxScript&, const TCtxValue&, std::string_view name, const TCtxValue& value) override {
    Calls.push_back("put " + std::string(name) + " " + ValueToText(value));
  }
  std::vector<std::string> Calls;
};

TEST_F(Engine, AutomationObjectsGoToTheServerWhichThisPlatformLacks) {
  const TCtxValue automation =
      TCtxValue::OfBareType(static_cast<std::uint16_t>(TCtxType::Automation));
  TCtxScriptCode code;
  code.SetCode("procedure P(o); begin Print(o.Read, o.Add(3, 'x')); o.Value := 4 end;");
  EXPECT_EQ(ErrorOf(code, automation), "Automation objects are not available on this platform");

  StandInAutomation server;
  engine.Automation = &server;
  EXPECT_EQ(ErrorOf(code, automation), "no error");
  EXPECT_EQ(server.Calls, (std::vector<std::string>{"get Read", "call Add 3 x", "put Value 4"}));
  EXPECT_EQ(testsupport::TakePrinted(), std::vector<std::string>{"1 2"});

  std::string many = "procedure P(o); begin o.Many(";
  for (int i = 0; i < 65; ++i) many += i ? ", 0" : "0";
  TCtxScriptCode tooMany;
  tooMany.SetCode(many + ") end;");
  server.Calls.clear();
  EXPECT_EQ(ErrorOf(tooMany, automation), "Too many arguments");
  EXPECT_TRUE(server.Calls.empty()) << "refused before the server is asked";
  TCtxScriptCode indexed;
  indexed.SetCode("procedure P(o); begin Print(o.Items[1]) end;");
  EXPECT_EQ(ErrorOf(indexed, automation), "Method not found. Method: Items");
}

TEST_F(Engine, ValueIsTheResultRegisterAndUntouchedWhenNothingRuns) {
  TCtxScriptCode code;
  code.SetCode("procedure P; var x; begin x := 'last' end;");
  TCtxValue value = TCtxValue::Integer(1);
  engine.Execute(code, {}, value, &host);
  EXPECT_EQ(value.StringPayload(), "last");

  TCtxCompiler empty;  // compiles every text to no instructions
  RegisterCompiler("Empty", empty);
  TCtxScriptCode nothing;
  nothing.SetLanguage("Empty");
  nothing.SetCode("anything");
  value = TCtxValue::Integer(1);
  engine.Execute(nothing, {}, value, &host);
  EXPECT_EQ(value.IntegerPayload(), 1);
}

TEST_F(Engine, AnExpressionNeedsItsParentAmongTheRunningCodes) {
  TCtxScriptCode parent;
  parent.SetCode("procedure P(a); begin end;");
  parent.CompileNow();
  TCtxValue value;
  try {
    engine.EvaluateText("a + 1", &parent, value);
    ADD_FAILURE() << "evaluated without its parent";
  } catch (const ECtxScriptError& error) {
    EXPECT_STREQ(error.what(), "Parent process not found");
  }
  EXPECT_EQ(engine.RunningCode(), nullptr);
  EXPECT_EQ(engine.SavedCount(), 0);
}

TEST_F(Engine, NestedEvaluationsSaveAndRestoreTheStates) {
  std::string expression = "1";
  for (int depth = 0; depth < 12; ++depth)
    expression = "Evaluate('" + [&] {
      std::string quoted;
      for (char c : expression) quoted += c == '\'' ? std::string("''") : std::string(1, c);
      return quoted;
    }() + "') + 1";
  TCtxScriptCode code;
  code.SetCode("function F; begin result := " + expression + " end;");
  TCtxValue value;
  engine.Execute(code, {}, value, &host);
  EXPECT_EQ(value.IntegerPayload(), 13);
  EXPECT_EQ(engine.SavedCapacity(), 15) << "ten saved states, then five more";
  EXPECT_EQ(engine.SavedCount(), 0);
}

TEST_F(Engine, MemberCachesAreWrittenOnceAndReusedByTheNextRun) {
  TCtxScriptCode code;
  code.SetCode("begin Caption := Twice(2) end;");
  TCtxValue value;
  engine.Execute(code, {}, value, &host);
  const TCtxPCodeRec& call = code.PCode()[3];
  ASSERT_EQ(call.Operation(), TCtxOpCode::CallMethod);
  ASSERT_NE(call.CachedIntrospector, nullptr);
  EXPECT_EQ(call.CachedObject, &host);
  const auto* introspector = call.CachedIntrospector;
  const std::int32_t handle = call.Value;
  engine.Execute(code, {}, value, &host);
  EXPECT_EQ(call.CachedIntrospector, introspector);
  EXPECT_EQ(call.Value, handle);
  EXPECT_EQ(host.Caption, "4");
}

TEST_F(Engine, ACacheForOneObjectIsRefreshedForAnother) {
  TCtxScriptCode code;
  code.SetCode("procedure P(o); begin o.Caption := 'set' end;");
  testsupport::TTestHost first, second;
  TCtxValue value;
  engine.Execute(code, TCtxValue::Object(&first), value, &host);
  const TCtxPCodeRec& set = code.PCode()[4];
  ASSERT_EQ(set.Operation(), TCtxOpCode::SetObjectProperty);
  EXPECT_EQ(set.CachedObject, &first);
  engine.Execute(code, TCtxValue::Object(&second), value, &host);
  EXPECT_EQ(set.CachedObject, &second);
  EXPECT_EQ(first.Caption, "set");
  EXPECT_EQ(second.Caption, "set");
}

TEST_F(Engine, DebugHookFiresOnEveryLineChangeWithBreakpointsOnly) {
  std::vector<std::int32_t> lines;
  engine.SetDebugHook([&lines](TCtxScript& sender, bool exception) {
    lines.push_back(exception ? -sender.CurrentState().CurrentLine
                              : sender.CurrentState().CurrentLine);
  });
  const std::string text =
      "var i;\nbegin\n  for i := 1 to 2 do\n    Print(i);\n  try\n    raise 1;\n  except\n  "
      "end;\nend;";
  testsupport::RunScript(engine, text, &host);
  EXPECT_TRUE(lines.empty()) << "no options, no calls";

  engine.SetDebugOptions({TCtxDebugOption::cdoStopOnBreakpoint});
  testsupport::RunScript(engine, text, &host);
  // The loop's test is on line 3, its body on 4; the handler's end on 8, EXIT on 9.
  EXPECT_EQ(lines, (std::vector<std::int32_t>{3, 4, 3, 4, 3, 6, -6, 8, 9}));

  lines.clear();
  engine.SetDebugOptions({TCtxDebugOption::cdoStopOnException});
  testsupport::RunScript(engine, text, &host);
  EXPECT_EQ(lines, (std::vector<std::int32_t>{-6}));
}

TEST_F(Engine, AFailedRunNotesTheLineOfTheOutermostScript) {
  testsupport::RunScript(engine, "begin\n  Print(1);\n  Evaluate('1 div 0');\nend;", &host);
  EXPECT_EQ(engine.LastErrorLine(), 3);
  testsupport::RunScript(engine, "begin\n  x := ;\nend;", &host);
  EXPECT_EQ(engine.LastErrorLine(), 0) << "a compile error happens before the run";
  testsupport::RunScript(engine, "begin\n  try Evaluate('1 div 0') except end;\nend;", &host);
  EXPECT_EQ(engine.LastErrorLine(), 0) << "an error the script handles";
}

TEST_F(Engine, TerminationIsIgnoredWhileIdleAndHonouredWhilePaused) {
  engine.Terminate();
  EXPECT_FALSE(engine.Terminated);
  engine.SetDebugOptions({TCtxDebugOption::cdoStopOnBreakpoint});
  int calls = 0;
  engine.SetDebugHook([&calls](TCtxScript& sender, bool) {
    if (++calls == 2) {
      sender.Paused = true;  // a front end holding the run
      sender.Terminate();
    }
  });
  const testsupport::RunOutcome run =
      testsupport::RunScript(engine, "begin\n Print(1);\n Print(2);\n Print(3);\nend;", &host);
  EXPECT_EQ(run.Printed, std::vector<std::string>{"1"});
  EXPECT_EQ(run.Error, "Process terminated by user");
  EXPECT_FALSE(engine.Paused);
  EXPECT_EQ(engine.CurrentState().SP, -1);
}

TEST_F(Engine, PollingEndsAnEndlessLoopThatNoBlockCanCatch) {
  int polls = 0;
  engine.OnPoll = [&polls](TCtxScript& sender) {
    if (++polls == 3) sender.Terminate();
  };
  const testsupport::RunOutcome run = testsupport::RunScript(
      engine,
      "var i; begin i := 0; try while true do i := i + 1; except Print('caught'); end; end;",
      &host);
  EXPECT_EQ(polls, 3);
  EXPECT_TRUE(run.Printed.empty());
  EXPECT_EQ(run.Error, "Process terminated by user");
  EXPECT_EQ(engine.CurrentState().SP, -1);
}

TEST_F(Engine, AStopDuringANestedExecutionEndsTheWholeRun) {
  engine.OnPoll = [](TCtxScript& sender) {
    if (sender.SavedCount() > 0) sender.Terminate();
  };
  const testsupport::RunOutcome run = testsupport::RunScript(
      engine,
      "var n; begin try while true do n := Evaluate('1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1') "
      "except Print('caught', exception) end; Print('after'); end;",
      &host);
  EXPECT_TRUE(run.Printed.empty());
  EXPECT_EQ(run.Error, "Process terminated by user");
  EXPECT_EQ(engine.SavedCount(), 0);
}

TEST_F(Engine, ALoopOfCaughtErrorsIsStillPolled) {
  int polls = 0;
  engine.OnPoll = [&polls](TCtxScript& sender) {
    if (++polls == 2) sender.Terminate();
  };
  const testsupport::RunOutcome run =
      testsupport::RunScript(engine, "begin while true do try raise 'x' except end; end;", &host);
  EXPECT_EQ(run.Error, "Process terminated by user");
}

TEST_F(Engine, AHookThatFailsOnACaughtExceptionEndsTheRun) {
  engine.SetDebugOptions({TCtxDebugOption::cdoStopOnException});
  engine.SetDebugHook([](TCtxScript&, bool) { throw ECtxScriptError("hook failed"); });
  const testsupport::RunOutcome run =
      testsupport::RunScript(engine, "begin try raise 1 except Print('handler') end end;", &host);
  EXPECT_EQ(run.Error, "hook failed");
  EXPECT_TRUE(run.Printed.empty());
}

}  // namespace
}  // namespace zendrik
