// What the scripts cannot show by themselves: the call timeout, a stop while a call waits, and
// the server's errors outside a script.

#include "script/dbus/dbus_automation.h"

#include <gtest/gtest.h>

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDeadlineTimer>
#include <QProcess>
#include <QThread>
#include <QTimer>

#include <chrono>
#include <string>

#include "tests/script/script_test_support.h"

namespace zendrik {
namespace {

using namespace std::chrono_literals;

class DBusAutomation : public ::testing::Test {
 protected:
  void SetUp() override {
    testsupport::StartScriptEngineForTests();
    engine_.Automation = &server_;
  }

  testsupport::RunOutcome Run(std::string_view text) {
    return testsupport::RunScript(engine_, text, &host_);
  }
  // Starts the test service, so that later runs only attach to it.
  void StartTestService() {
    const testsupport::RunOutcome run = Run("begin CreateOleObject('org.zendrik.Test') end;");
    ASSERT_FALSE(run.Failed) << run.Error;
  }

  TDBusAutomation server_;
  testsupport::TTestHost host_;
  TCtxScript engine_{&host_};
};

TEST_F(DBusAutomation, ACallWithoutAReplyWithinTheTimeoutFailsWithTheBusNoReplyError) {
  StartTestService();
  TDBusAutomation impatient(2s);
  engine_.Automation = &impatient;
  const testsupport::RunOutcome run =
      Run("var t; begin t := GetActiveOleObject('org.zendrik.Test');"
          " try t.Sleep(20000) except Print(exception) end; Print(t.Add(1, 2)) end;");
  ASSERT_FALSE(run.Failed) << run.Error;
  ASSERT_EQ(run.Printed.size(), 2u);
  EXPECT_EQ(run.Printed[0].rfind("org.freedesktop.DBus.Error.NoReply: ", 0), 0u) << run.Printed[0];
  EXPECT_EQ(run.Printed[1], "3") << "the service answers the next call";
}

TEST_F(DBusAutomation, AStopWhileACallWaitsEndsTheRunAndNoProtectedBlockCatchesIt) {
  StartTestService();
  bool eventsArrived = false;
  QTimer::singleShot(300ms, &engine_, [&] {
    eventsArrived = true;
    engine_.Terminate();
  });
  const testsupport::RunOutcome run =
      Run("var t; begin t := GetActiveOleObject('org.zendrik.Test');"
          " try t.Sleep(60000) except Print('caught') end; Print('went on') end;");
  EXPECT_TRUE(eventsArrived) << "the program's events run while the call waits";
  EXPECT_TRUE(run.Failed);
  EXPECT_EQ(run.Error, "Process terminated by user");
  EXPECT_TRUE(run.Printed.empty());
  EXPECT_EQ(engine_.RunningCode(), nullptr);

  const testsupport::RunOutcome next =
      Run("begin Print(GetActiveOleObject('org.zendrik.Test').Add(2, 2)) end;");
  EXPECT_FALSE(next.Failed) << next.Error;
  EXPECT_EQ(next.Printed, std::vector<std::string>{"4"});
}

TEST_F(DBusAutomation, CreatingAttachesToARunningServiceThatTheBusCannotStart) {
  QProcess service;
  service.start(QStringLiteral(ZENDRIK_DBUS_TEST_SERVICE), {QStringLiteral("org.zendrik.Running")});
  QDBusConnectionInterface* bus = QDBusConnection::sessionBus().interface();
  const QDeadlineTimer deadline(10s);
  while (!bus->isServiceRegistered(QStringLiteral("org.zendrik.Running")) && !deadline.hasExpired())
    QThread::msleep(20);
  const testsupport::RunOutcome run =
      Run("begin Print(CreateOleObject('org.zendrik.Running:/org/zendrik/Test').Add(2, 3)) end;");
  EXPECT_FALSE(run.Failed) << run.Error;
  EXPECT_EQ(run.Printed, std::vector<std::string>{"5"});
  service.kill();
  service.waitForFinished();
}

TEST_F(DBusAutomation, TheServerRefusesAValueThatHoldsNoDBusObject) {
  const TCtxValue none = TCtxValue::Automation(nullptr);
  try {
    server_.Get(engine_, none, "Name");
    ADD_FAILURE();
  } catch (const std::exception& e) {
    EXPECT_STREQ(e.what(), "The automation object holds no D-Bus object");
  }
}

}  // namespace
}  // namespace zendrik
