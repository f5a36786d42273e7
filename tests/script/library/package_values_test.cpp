// The package as scripts reach it: registration, standard output, and the engine's stack.

#include <gtest/gtest.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <string>

#include "script/library/introspector.h"
#include "script/library/introspector_registry.h"
#include "script/library/system_scope.h"
#include "script/runtime/conversions.h"
#include "tests/script/pinned_formats.h"
#include "tests/script/script_test_support.h"

namespace zendrik {
namespace {

class StandardPackageValues : public ::testing::Test {
 protected:
  void SetUp() override { testsupport::StartScriptEngineForTests(); }

  testsupport::PinnedFormats formats_;
};

// What `text` writes on standard output when run, read back from a temporary file.
std::string StandardOutputOf(TCtxScript& engine, std::string_view text, std::string& error) {
  std::fflush(stdout);
  std::FILE* capture = std::tmpfile();
  const int saved = ::dup(STDOUT_FILENO);
  ::dup2(::fileno(capture), STDOUT_FILENO);
  const testsupport::RunOutcome run = testsupport::RunScript(engine, text);
  std::fflush(stdout);
  ::dup2(saved, STDOUT_FILENO);
  ::close(saved);
  error = run.Error;
  std::string out;
  std::rewind(capture);
  for (int c; (c = std::fgetc(capture)) != EOF;) out += static_cast<char>(c);
  std::fclose(capture);
  return out;
}

TEST_F(StandardPackageValues, WriteAndWritelnPrintEveryArgumentButUnassignedAndNull) {
  TCtxScript engine;
  std::string error;
  EXPECT_EQ(StandardOutputOf(engine,
                             "var u; begin writeln(1, 2); write('a', Null, u, True, 2.5); "
                             "writeln(''); end;",
                             error),
            "12\naTrue2.5\n");
  EXPECT_EQ(error, "");
  EXPECT_EQ(StandardOutputOf(engine, "begin write('x', VarArrayOf(1)); end;", error), "x");
  EXPECT_EQ(error, "Invalid variant type conversion");
}

// A call passes at most 255 values (its count is one byte); write takes every one of them.
TEST_F(StandardPackageValues, WriteTakesAsManyValuesAsACallCanPass) {
  TCtxScript engine;
  std::string error;
  const auto writeCall = [](int count) {
    std::string call = "begin write('a'";
    for (int k = 1; k < count; ++k) call += ", ''";
    return call + "); end;";
  };
  EXPECT_EQ(StandardOutputOf(engine, writeCall(255), error), "a");
  EXPECT_EQ(error, "");
  StandardOutputOf(engine, writeCall(256), error);
  EXPECT_NE(error.find("Too many arguments: write"), std::string::npos) << error;
}

TEST_F(StandardPackageValues, WriteToAClosedStandardOutputFailsWithTheIoError) {
  TCtxScript engine;
  std::fflush(stdout);
  const int saved = ::dup(STDOUT_FILENO);
  ::close(STDOUT_FILENO);
  const testsupport::RunOutcome run = testsupport::RunScript(engine, "begin write('x'); end;");
  std::clearerr(stdout);
  ::dup2(saved, STDOUT_FILENO);
  ::close(saved);
  EXPECT_EQ(run.Error, "I/O error 9");  // EBADF
}

TEST_F(StandardPackageValues, EveryFunctionIsOnTheSystemScopeWithItsArgumentCount) {
  TCtxScript engine;
  // Calling a fixed-count function with one argument too many names it.
  const std::pair<const char*, int> fixed[] = {
      {"Sin", 1},        {"VarArrayRedim", 2}, {"IntToHex", 2},      {"FindFirst", 3},
      {"EncodeTime", 4}, {"GetCurrentDir", 0}, {"ParamCount", 0},    {"SetLength", 2},
      {"WrapText", 2},   {"IsDelimiter", 3},   {"FormatDateTime", 2}};
  for (const auto& [name, count] : fixed) {
    std::string call = std::string("begin ") + name + "(";
    for (int k = 0; k <= count; ++k) call += k == 0 ? "1" : ", 1";
    call += "); end;";
    EXPECT_EQ(testsupport::RunScript(engine, call).Error,
              std::string("Unable to invoke method or property ") + name + " in this manner");
  }
  EXPECT_EQ(testsupport::RunScript(engine, "begin Format('x'); end;").Error,
            "Not enough actual parameters");
  EXPECT_EQ(testsupport::RunScript(engine, "begin Max(1); end;").Error,
            "Not enough actual parameters");
}

TEST_F(StandardPackageValues, LengthTakesItsArgumentOffTheStackAndLeavesItClean) {
  TCtxScript engine;
  const testsupport::RunOutcome run = testsupport::RunScript(
      engine, "function F; var s; begin s := 'abc'; result := Length(s) + Length(s); end;");
  EXPECT_EQ(run.Error, "");
  EXPECT_EQ(ValueToText(run.Value), "6");
  EXPECT_EQ(engine.CurrentState().SP, -1);
}

// Sleep lets the application's events through while it waits, so that a Stop reaches the
// engine, and returns at once when the run is to end.
TEST_F(StandardPackageValues, SleepLetsEventsThroughAndEndsWhenTheRunIsStopped) {
  int argc = 1;
  char name[] = "tests";
  char* argv[] = {name, nullptr};
  QCoreApplication application(argc, argv);
  TCtxScript engine;
  QTimer::singleShot(50, &engine, [&engine] { engine.Terminate(); });
  const auto start = std::chrono::steady_clock::now();
  const testsupport::RunOutcome run =
      testsupport::RunScript(engine, "begin Sleep(60000); Print('went on'); end;");
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(30));
  EXPECT_EQ(run.Error, "Process terminated by user");
  EXPECT_TRUE(run.Printed.empty());
}

}  // namespace
}  // namespace zendrik
