#pragma once

// Script cases kept as files: tests/scripts/<area>/<feature>/*.pas. A file holds cases; each
// starts with "// case: NAME", then the script text, then its expectations:
//   // expect: TEXT            a line the script prints with Print(...), in order
//   // expect value: TEXT      the text form of the value the run returns
//   // expect error: MESSAGE   the run fails with this message (nothing after it is run)
// A case without "expect error" must run to its end without an error.

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "script/runtime/conversions.h"
#include "tests/script/script_test_support.h"
#include "tests/support/case_names.h"

namespace zendrik::testsupport {

struct ScriptCase {
  std::string Name;  // feature, file stem and case name
  std::string Text;
  std::vector<std::string> Printed;
  bool ChecksValue = false;
  std::string Value;
  bool ExpectsError = false;
  std::string Error;
};

inline void PrintTo(const ScriptCase& c, std::ostream* out) { *out << c.Name; }

namespace detail {

inline bool StartsWith(const std::string& line, std::string_view prefix) {
  return line.compare(0, prefix.size(), prefix) == 0;
}

inline void ReadCases(const std::filesystem::path& file, const std::string& feature,
                      std::vector<ScriptCase>& out) {
  std::ifstream in(file, std::ios::binary);
  std::string line;
  bool inScript = false;
  while (std::getline(in, line)) {
    if (StartsWith(line, "// case: ")) {
      ScriptCase c;
      c.Name = CaseName(feature + " " + file.stem().string() + " " + line.substr(9));
      out.push_back(std::move(c));
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

}  // namespace detail

/// The cases of every .pas file below `root`, in the order of the files' paths; the feature of
/// a case is the name of its file's folder.
inline std::vector<ScriptCase> ReadScriptCases(const std::filesystem::path& root) {
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(root))
    if (entry.path().extension() == ".pas") files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  std::vector<ScriptCase> cases;
  for (const auto& file : files)
    detail::ReadCases(file, file.parent_path().filename().string(), cases);
  return cases;
}

/// A name generator for INSTANTIATE_TEST_SUITE_P over script cases.
inline std::string ScriptCaseName(const ScriptCase& c) { return c.Name; }

/// Runs case `c` on `engine` with `host` as scope and checks what it printed, returned and
/// raised, and that the engine is idle again with every cell cleared, whatever happened.
inline void ExpectScriptCaseOn(TCtxScript& engine, TTestHost& host, const ScriptCase& c) {
  const RunOutcome run = RunScript(engine, c.Text, &host);
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
  EXPECT_EQ(engine.RunningCode(), nullptr);
  EXPECT_EQ(engine.CurrentState().SP, -1);
  for (const TCtxValue& cell : engine.StackCells()) EXPECT_TRUE(cell.IsUnassigned());
}

/// Runs case `c` with a test host that owns its engine, as the window owns its own: once with
/// fused runs and once with every instruction alone, so that the two forms of the loop cannot
/// drift apart. `prepare` makes the engine and the world what the case expects before each run.
inline void ExpectScriptCase(const ScriptCase& c,
                             const std::function<void(TCtxScript&)>& prepare = {}) {
  for (const bool fusion : {true, false}) {
    SCOPED_TRACE(fusion ? "with fused runs" : "every instruction alone");
    TTestHost host;
    TCtxScript& engine = *new TCtxScript(&host);  // owned by the host
    engine.Fusion = fusion;
    if (prepare) prepare(engine);
    ExpectScriptCaseOn(engine, host, c);
  }
}

}  // namespace zendrik::testsupport
