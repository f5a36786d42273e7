// Runs the scripts in tests/scripts/interpreter/<feature>/*.pas through the engine. A file holds
// cases; each starts with "// case: NAME", then the script text, then its expectations:
//   // expect: TEXT            a line the script prints with Print(...), in order
//   // expect value: TEXT      the text form of the value the run returns
//   // expect error: MESSAGE   the run fails with this message (nothing after it is run)
// A case without "expect error" must run to its end without an error.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "script/runtime/conversions.h"
#include "tests/script/script_test_support.h"
#include "tests/support/case_names.h"

namespace zendrik {
namespace {

struct Case {
  std::string Name;  // feature, file stem and case name
  std::string Text;
  std::vector<std::string> Printed;
  bool ChecksValue = false;
  std::string Value;
  bool ExpectsError = false;
  std::string Error;
};

void PrintTo(const Case& c, std::ostream* out) { *out << c.Name; }

bool StartsWith(const std::string& line, std::string_view prefix) {
  return line.compare(0, prefix.size(), prefix) == 0;
}

void ReadCases(const std::filesystem::path& file, const std::string& feature,
               std::vector<Case>& out) {
  std::ifstream in(file, std::ios::binary);
  std::string line;
  bool inScript = false;
  while (std::getline(in, line)) {
    if (StartsWith(line, "// case: ")) {
      out.push_back(Case{CaseName(feature + " " + file.stem().string() + " " + line.substr(9)),
                         {},
                         {},
                         false,
                         {},
                         false,
                         {}});
      inScript = true;
    } else if (out.empty()) {
      continue;
    } else if (StartsWith(line, "// expect: ")) {
      out.back().Printed.push_back(line.substr(11));
      inScript = false;
    } else if (line == "// expect:") {
      out.back().Printed.emplace_back();
      inScript = false;
    } else if (StartsWith(line, "// expect value: ")) {
      out.back().ChecksValue = true;
      out.back().Value = line.substr(17);
      inScript = false;
    } else if (StartsWith(line, "// expect error: ")) {
      out.back().ExpectsError = true;
      out.back().Error = line.substr(17);
      inScript = false;
    } else if (inScript) {
      out.back().Text += line + "\n";
    }
  }
}

std::vector<Case> AllCases() {
  std::vector<std::filesystem::path> files;
  for (const auto& entry :
       std::filesystem::recursive_directory_iterator(ZENDRIK_INTERPRETER_SNIPPETS))
    if (entry.path().extension() == ".pas") files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  std::vector<Case> cases;
  for (const auto& file : files) ReadCases(file, file.parent_path().filename().string(), cases);
  return cases;
}

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

INSTANTIATE_TEST_SUITE_P(Scripts, InterpreterSnippet, ::testing::ValuesIn(AllCases()),
                         [](const ::testing::TestParamInfo<Case>& info) {
                           return info.param.Name;
                         });

}  // namespace
}  // namespace zendrik
