// The program started without a usable display, as a process: one line that says what to do
// instead, and status 1, never an abort.

#include "tests/app/headless_program.h"

namespace zendrik {
namespace {

class ProgramStart : public testsupport::HeadlessProgram {};

TEST_F(ProgramStart, WithoutADisplayTheWindowIsOneLineAndStatusOne) {
  const testsupport::ChildResult run = Run({});
  EXPECT_EQ(run.Signal, 0);
  EXPECT_EQ(run.ExitStatus, 1);
  EXPECT_EQ(run.Out, "");
  EXPECT_EQ(run.Err,
            "zendrik: no display (DISPLAY and WAYLAND_DISPLAY are unset); use --extract ADDRESS, "
            "or give a script to run it without a window\n");
}

TEST_F(ProgramStart, ADisplayThatCannotBeOpenedIsOneLineAndStatusOne) {
  // No X server listens on this display number.
  const testsupport::ChildResult window = Run({}, {{"DISPLAY", ":64999"}});
  EXPECT_EQ(window.Signal, 0);
  EXPECT_EQ(window.ExitStatus, 1);
  EXPECT_EQ(window.Err,
            "zendrik: no usable display (could not connect to display :64999); use --extract "
            "ADDRESS, or give a script to run it without a window\n");

  const std::string script = Script("s.pas", "begin SetCell(1, 1, 'x') end;");
  const testsupport::ChildResult batch = Run({script}, {{"DISPLAY", ":64999"}});
  EXPECT_EQ(batch.Signal, 0);
  EXPECT_EQ(batch.ExitStatus, 1);
  EXPECT_EQ(batch.Err,
            "zendrik: no usable display (could not connect to display :64999); unset DISPLAY and "
            "WAYLAND_DISPLAY to run the script without a display\n");
}

}  // namespace
}  // namespace zendrik
