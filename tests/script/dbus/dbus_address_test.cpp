#include "script/dbus/dbus_address.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace zendrik {
namespace {

std::string ErrorOf(std::string_view text) {
  try {
    ParseDBusAddress(text);
  } catch (const std::exception& e) {
    return e.what();
  }
  return "no error";
}

TEST(DBusAddress, ABusNameAloneNamesTheObjectAtItsDottedPathOnTheSessionBus) {
  const TDBusAddress address = ParseDBusAddress("org.freedesktop.Notifications");
  EXPECT_EQ(address.Bus, TDBusBus::Session);
  EXPECT_EQ(address.Service, "org.freedesktop.Notifications");
  EXPECT_EQ(address.Path, "/org/freedesktop/Notifications");
  EXPECT_EQ(address.Interface, "");
  EXPECT_EQ(address.Text(), "org.freedesktop.Notifications:/org/freedesktop/Notifications");
}

TEST(DBusAddress, PathAndInterfaceFollowTheNameAfterColonsAndSystemChoosesTheSystemBus) {
  const TDBusAddress address = ParseDBusAddress(
      "system:org.freedesktop.login1:/org/freedesktop/login1/session/self:"
      "org.freedesktop.login1.Session");
  EXPECT_EQ(address.Bus, TDBusBus::System);
  EXPECT_EQ(address.Service, "org.freedesktop.login1");
  EXPECT_EQ(address.Path, "/org/freedesktop/login1/session/self");
  EXPECT_EQ(address.Interface, "org.freedesktop.login1.Session");
  EXPECT_EQ(ParseDBusAddress("org.example.App:/").Path, "/");
}

TEST(DBusAddress, AUniqueNameKeepsItsLeadingColonAndHasTheRootPath) {
  const TDBusAddress address = ParseDBusAddress(":1.42");
  EXPECT_EQ(address.Service, ":1.42");
  EXPECT_EQ(address.Path, "/");
  EXPECT_EQ(ParseDBusAddress("system::1.7:/a/b").Path, "/a/b");
}

TEST(DBusAddress, HyphensOfTheNameBecomeUnderscoresOfTheDefaultPath) {
  EXPECT_EQ(DefaultObjectPath("org.example.my-app"), "/org/example/my_app");
}

TEST(DBusAddress, NamesThatBreakTheBusRulesAreRefusedWithWhatIsWrong) {
  const std::string help =
      " (write BUS_NAME, BUS_NAME:/object/path or BUS_NAME:/object/path:interface, after "
      "system: for the system bus)";
  EXPECT_EQ(ErrorOf("Excel.Application x"),
            "'Excel.Application x' names no D-Bus object: the bus name is not valid" + help);
  EXPECT_EQ(ErrorOf("Notifications"),
            "'Notifications' names no D-Bus object: the bus name is not valid" + help);
  EXPECT_EQ(ErrorOf("org.example.App:relative/path"),
            "'org.example.App:relative/path' names no D-Bus object: the object path is not "
            "valid" +
                help);
  EXPECT_EQ(ErrorOf("org.example.App:/a/:org.example.I").substr(0, 56),
            "'org.example.App:/a/:org.example.I' names no D-Bus objec");
  EXPECT_NE(ErrorOf("org.example.App:/a:Iface").find("the interface name is not valid"),
            std::string::npos);
  for (const char* bad : {"", "system:", "org..example", "org.3d.App", "org.example.App:",
                          "org.example.App:/a//b", "org.example.App:/a:org.ex-ample.I", ":1"})
    EXPECT_NE(ErrorOf(bad), "no error") << bad;
}

TEST(DBusAddress, TheNameRulesOfTheBus) {
  EXPECT_TRUE(IsValidBusName("org.example.my-app"));
  EXPECT_TRUE(IsValidBusName(":1.42"));
  EXPECT_FALSE(IsValidBusName("org"));
  EXPECT_FALSE(IsValidBusName("org.example." + std::string(250, 'a')));
  EXPECT_TRUE(IsValidObjectPath("/org/example/x_1"));
  EXPECT_FALSE(IsValidObjectPath("/org/example-x"));
  EXPECT_TRUE(IsValidInterfaceName("org.example.I_1"));
  EXPECT_FALSE(IsValidInterfaceName("org.example.my-app"));
}

}  // namespace
}  // namespace zendrik
