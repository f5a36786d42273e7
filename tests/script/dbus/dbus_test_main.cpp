// The D-Bus tests run with buses of their own: a session bus that can start the test service
// (org.zendrik.Test) and an empty system bus, both ended with the program.

#include <gtest/gtest.h>

#include <QCoreApplication>

#include <cstdlib>
#include <memory>

#include "tests/support/private_bus.h"

namespace {

class PrivateBuses : public ::testing::Environment {
 public:
  void SetUp() override {
    using zendrik::testsupport::PrivateBus;
    session_ = std::make_unique<PrivateBus>(std::vector<zendrik::testsupport::BusService>{
        {"org.zendrik.Test", ZENDRIK_DBUS_TEST_SERVICE " org.zendrik.Test"}});
    system_ = std::make_unique<PrivateBus>();
    ::setenv("DBUS_SESSION_BUS_ADDRESS", session_->Address().c_str(), 1);
    ::setenv("DBUS_SYSTEM_BUS_ADDRESS", system_->Address().c_str(), 1);
    ::unsetenv("DBUS_STARTER_ADDRESS");
    ::unsetenv("DBUS_STARTER_BUS_TYPE");
  }
  void TearDown() override {
    session_.reset();
    system_.reset();
  }

 private:
  std::unique_ptr<zendrik::testsupport::PrivateBus> session_;
  std::unique_ptr<zendrik::testsupport::PrivateBus> system_;
};

}  // namespace

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  QCoreApplication application(argc, argv);
  ::testing::AddGlobalTestEnvironment(new PrivateBuses);  // owned by GoogleTest
  return RUN_ALL_TESTS();
}
