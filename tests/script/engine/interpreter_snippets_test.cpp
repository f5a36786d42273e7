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
  void SetUp() override { testsupport::StartScriptEngineForTests(); }

  const TCtxFormatSettings formats_ = TCtxFormatSettings::FromLocale(QLocale::c());
  const TCtxFormatsInEffect inEffect_{formats_};
};

TEST_P(InterpreterSnippet, RunsAsExpected) { testsupport::ExpectScriptCase(GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    Scripts, InterpreterSnippet,
    ::testing::ValuesIn(testsupport::ReadScriptCases(ZENDRIK_INTERPRETER_SNIPPETS)),
    [](const ::testing::TestParamInfo<Case>& info) { return info.param.Name; });

}  // namespace
}  // namespace zendrik
