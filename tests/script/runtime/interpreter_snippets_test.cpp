// Runs the scripts in tests/scripts/interpreter/<feature>/*.pas through the engine; the format
// of the case files is described in tests/script/script_cases.h.

#include <gtest/gtest.h>

#include "script/runtime/conversions.h"
#include "tests/script/script_cases.h"
#include "tests/script/script_test_support.h"

namespace zendrik {
namespace {

using Case = testsupport::ScriptCase;

class InterpreterSnippet : public ::testing::TestWithParam<Case> {
 protected:
  void SetUp() override {
    testsupport::StartScriptEngineForTests();
    SetFormatSettings(TCtxFormatSettings::FromLocale(QLocale::c()));
  }
};

TEST_P(InterpreterSnippet, RunsAsExpected) {
  const Case& c = GetParam();
  testsupport::TTestHost host;
  TCtxScript& engine = *new TCtxScript(&host);  // owned by its host, as the window owns its own
  const testsupport::RunOutcome run = testsupport::RunScript(engine, c.Text, &host);
  EXPECT_EQ(run.Printed, c.Printed) << c.Text;
  if (c.ExpectsError) {
    EXPECT_TRUE(run.Failed) << c.Text;
    EXPECT_EQ(run.Error, c.Error) << c.Text;
  } else {
    EXPECT_FALSE(run.Failed) << run.Error << "\n" << c.Text;
  }
  if (c.ChecksValue) {
    EXPECT_EQ(ValueToText(run.Value), c.Value) << c.Text;
  }
  // Whatever happened, the engine is idle again with every cell cleared.
  EXPECT_EQ(engine.RunningCode(), nullptr);
  EXPECT_EQ(engine.CurrentState().SP, -1);
  for (const TCtxValue& cell : engine.StackCells()) EXPECT_TRUE(cell.IsUnassigned());
}

INSTANTIATE_TEST_SUITE_P(
    Scripts, InterpreterSnippet,
    ::testing::ValuesIn(testsupport::ReadScriptCases(ZENDRIK_INTERPRETER_SNIPPETS)),
    [](const ::testing::TestParamInfo<Case>& info) { return info.param.Name; });

}  // namespace
}  // namespace zendrik
