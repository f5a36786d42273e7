// The program as a process that meets the limits of the machine: a script that runs out of
// memory gets an error it can handle, and the program goes on.

#include <gtest/gtest.h>

#include <string>

#include "base/sanitizer.h"
#include "tests/app/headless_program.h"

namespace zendrik {
namespace {

class BatchLimits : public testsupport::HeadlessProgram {
 protected:
  void SetUp() override {
    HeadlessProgram::SetUp();
#if ZENDRIK_ADDRESS_SANITIZER
    GTEST_SKIP() << "AddressSanitizer's shadow memory does not fit under a data limit";
#endif
  }

  // Runs the script without a display, with 768 MiB of data memory.
  testsupport::ChildResult RunWithLittleMemory(const std::string& script) const {
    testsupport::ChildOptions options;
    options.Environment = {{"DISPLAY", ""}, {"WAYLAND_DISPLAY", ""}, {"QT_QPA_PLATFORM", ""}};
    options.WorkingDirectory = Directory.string();
    options.DataLimitBytes = std::size_t{768} << 20;
    return testsupport::RunChild({ZENDRIK_PROGRAM, script}, options);
  }
};

TEST_F(BatchLimits, ScriptsThatRunOutOfMemoryHandleTheErrorAndGoOn) {
  const std::string script = Script("grow.pas", R"(var s, a;
begin
  s := 'x';
  try
    while true do s := s + s;
  except
    writeln('string: ', exception);
  end;
  s := '';
  try
    a := VarArrayCreate(2000000000);
  except
    writeln('array: ', exception);
  end;
  try
    SetLength(@s, 2147483647);
  except
    writeln('length: ', exception);
  end;
  writeln('went on');
end;
)");
  const testsupport::ChildResult run = RunWithLittleMemory(script);
  EXPECT_EQ(run.ExitStatus, 0) << run.Err;
  EXPECT_EQ(run.Out,
            "string: Out of memory\narray: Out of memory\nlength: String too long\nwent on\n");
}

TEST_F(BatchLimits, MemoryThatRunsOutWhereNoBlockHandlesItEndsTheRunWithItsMessage) {
  const std::string script =
      Script("grow.pas", "var s;\nbegin\n  s := 'x';\n  while true do s := s + s;\nend;\n");
  const testsupport::ChildResult run = RunWithLittleMemory(script);
  EXPECT_EQ(run.ExitStatus, 1);
  EXPECT_NE(run.Err.find("Out of memory"), std::string::npos) << run.Err;
}

}  // namespace
}  // namespace zendrik
