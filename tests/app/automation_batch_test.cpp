// Automation objects in batch mode: the program reaches the session bus named by its
// environment on a script's first use, and says clearly when there is none.

#include <gtest/gtest.h>

#include <string>

#include "tests/app/headless_program.h"
#include "tests/support/private_bus.h"

namespace zendrik {
namespace {

using AutomationBatch = testsupport::HeadlessProgram;

TEST_F(AutomationBatch, AScriptAttachesToTheBusDaemonOfTheSessionBus) {
  testsupport::PrivateBus bus;
  const std::string script =
      Script("bus.pas",
             "var b;\nbegin\n  b := GetActiveOleObject('org.freedesktop.DBus');\n"
             "  writeln(b.NameHasOwner('org.freedesktop.DBus'), ' ', "
             "b.GetNameOwner('org.freedesktop.DBus'));\n"
             "  writeln(VarToStrEx(b.ListActivatableNames));\nend;\n");
  const testsupport::ChildResult run = Run({script}, {{"DBUS_SESSION_BUS_ADDRESS", bus.Address()}});
  EXPECT_EQ(run.ExitStatus, 0) << run.Err;
  EXPECT_EQ(run.Out, "True org.freedesktop.DBus\n[org.freedesktop.DBus]\n");
}

TEST_F(AutomationBatch, WithoutASessionBusTheFirstUseFailsClearlyAndTheScriptRanUntilThen) {
  const std::string missing = (Directory / "no-bus").string();
  const std::string script = Script(
      "nobus.pas",
      "begin\n  writeln('before');\n  CreateOleObject('org.freedesktop.Notifications');\nend;\n");
  const testsupport::ChildResult run =
      Run({script}, {{"DBUS_SESSION_BUS_ADDRESS", "unix:path=" + missing}});
  EXPECT_EQ(run.ExitStatus, 1);
  EXPECT_EQ(run.Out, "before\n");
  EXPECT_EQ(run.Err, "zendrik: " + script +
                         ":3: The D-Bus session bus cannot be reached: "
                         "org.freedesktop.DBus.Error.FileNotFound: Failed to connect to socket " +
                         missing + ": No such file or directory\n");
}

}  // namespace
}  // namespace zendrik
