// Runs the scripts in tests/scripts/dbus/<family>/*.pas (format: tests/script/script_cases.h)
// with the D-Bus automation server, each case in a test program of its own and so on fresh
// private buses, where the test service (org.zendrik.Test) runs only once a case starts it.

#include <gtest/gtest.h>

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QThread>

#include "script/dbus/dbus_automation.h"
#include "script/runtime/conversions.h"
#include "tests/script/script_cases.h"
#include "tests/script/script_test_support.h"

namespace zendrik {
namespace {

using Case = testsupport::ScriptCase;

// A case expects the test service not to run until it starts it: a service that an earlier run
// started ends before the case, and its name is gone from the bus.
void EndTestService() {
  QDBusConnection bus = QDBusConnection::sessionBus();
  const QString name = QStringLiteral("org.zendrik.Test");
  if (!bus.interface()->isServiceRegistered(name)) return;
  bus.call(QDBusMessage::createMethodCall(name, QStringLiteral("/org/zendrik/Test"), name,
                                          QStringLiteral("Quit")));
  for (int wait = 0; wait < 400 && bus.interface()->isServiceRegistered(name); ++wait)
    QThread::msleep(5);
}

class DBusScript : public ::testing::TestWithParam<Case> {
 protected:
  void SetUp() override {
    testsupport::StartScriptEngineForTests();
    InstallDBusAutomation();  // the program's own server, as start-up installs it
  }

  const TCtxFormatSettings formats_ = TCtxFormatSettings::FromLocale(QLocale::c());
  const TCtxFormatsInEffect inEffect_{formats_};
};

TEST_P(DBusScript, RunsAsExpected) {
  testsupport::ExpectScriptCase(GetParam(), [](TCtxScript&) { EndTestService(); });
}

INSTANTIATE_TEST_SUITE_P(Scripts, DBusScript,
                         ::testing::ValuesIn(testsupport::ReadScriptCases(ZENDRIK_DBUS_SCRIPTS)),
                         [](const ::testing::TestParamInfo<Case>& info) {
                           return info.param.Name;
                         });

}  // namespace
}  // namespace zendrik
