#include "script/dbus/dbus_members.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace zendrik {
namespace {

constexpr std::string_view kXml =
    R"(<!DOCTYPE node PUBLIC "-//freedesktop//DTD D-BUS Object Introspection 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/introspect.dtd">
<node>
  <interface name="org.example.Shop">
    <method name="Buy">
      <arg name="item" type="s" direction="in"/>
      <arg name="count" type="u"/>
      <arg name="receipt" type="a{sv}" direction="out"/>
      <annotation name="org.example.Note" value="x"/>
    </method>
    <method name="Close"/>
    <method name="close"/>
    <signal name="Opened"><arg type="s"/></signal>
    <property name="Owner" type="s" access="readwrite">
      <annotation name="org.freedesktop.DBus.Property.EmitsChangedSignal" value="true"/>
    </property>
  </interface>
  <interface name="org.example.Stock">
    <method name="Count"><arg type="i" direction="out"/></method>
    <method name="Get"><arg type="s"/></method>
  </interface>
  <interface name="org.example.Till">
    <method name="Count"><arg type="x" direction="out"/></method>
  </interface>
  <interface name="org.freedesktop.DBus.Properties">
    <method name="Get"><arg type="s"/><arg type="s"/><arg type="v" direction="out"/></method>
    <method name="GetAll"><arg type="s"/><arg type="a{sv}" direction="out"/></method>
  </interface>
  <node name="child">
    <interface name="org.example.Child"><method name="Hidden"/></interface>
  </node>
</node>
)";

std::string ErrorOf(const TDBusMembers& members, std::string_view name) {
  try {
    members.Find(name, "org.example:/shop");
  } catch (const std::exception& e) {
    return e.what();
  }
  return "no error";
}

TEST(DBusMembers, MethodsHaveTheirArgumentTypesInOrderAndPropertiesTheirType) {
  const TDBusMembers members = TDBusMembers::FromXml(kXml, "");
  EXPECT_EQ(members.Interfaces(),
            (std::vector<std::string>{"org.example.Shop", "org.example.Stock", "org.example.Till",
                                      "org.freedesktop.DBus.Properties"}));
  const TDBusMember& buy = members.Find("Buy", "x");
  EXPECT_FALSE(buy.IsProperty);
  EXPECT_EQ(buy.QualifiedName(), "org.example.Shop.Buy");
  EXPECT_EQ(buy.InTypes, (std::vector<std::string>{"s", "u"}));
  EXPECT_EQ(buy.OutTypes, (std::vector<std::string>{"a{sv}"}));
  const TDBusMember& owner = members.Find("Owner", "x");
  EXPECT_TRUE(owner.IsProperty);
  EXPECT_EQ(owner.InTypes, (std::vector<std::string>{"s"}));
  EXPECT_EQ(ErrorOf(members, "Opened"),
            "Unknown name: Opened is no method or property of org.example:/shop");
  EXPECT_EQ(ErrorOf(members, "Hidden"),
            "Unknown name: Hidden is no method or property of org.example:/shop")
      << "a child node is another object";
}

TEST(DBusMembers, TheExactNameWinsThenACaseInsensitiveOneWhenItIsTheOnlyOne) {
  const TDBusMembers members = TDBusMembers::FromXml(kXml, "");
  EXPECT_EQ(members.Find("close", "x").Name, "close");
  EXPECT_EQ(members.Find("Close", "x").Name, "Close");
  EXPECT_EQ(members.Find("BUY", "x").Name, "Buy");
  EXPECT_EQ(members.Find("owner", "x").Name, "Owner");
  EXPECT_EQ(ErrorOf(members, "CLOSE"),
            "Ambiguous name: CLOSE matches org.example.Shop.Close and org.example.Shop.close of "
            "org.example:/shop; write the name in its exact case or name the interface "
            "(BUS_NAME:/object/path:interface)");
}

TEST(DBusMembers, TheStandardInterfacesGiveWayAndOtherInterfacesClash) {
  const TDBusMembers members = TDBusMembers::FromXml(kXml, "");
  EXPECT_EQ(members.Find("Get", "x").Interface, "org.example.Stock");
  EXPECT_EQ(members.Find("GetAll", "x").Interface, "org.freedesktop.DBus.Properties");
  EXPECT_EQ(ErrorOf(members, "Count"),
            "Ambiguous name: Count matches org.example.Stock.Count and org.example.Till.Count of "
            "org.example:/shop; name the interface (BUS_NAME:/object/path:interface)");
}

TEST(DBusMembers, OneInterfaceNamedKeepsOnlyItsMembersButListsEveryInterface) {
  const TDBusMembers members = TDBusMembers::FromXml(kXml, "org.example.Till");
  EXPECT_EQ(members.Interfaces().size(), 4u);
  EXPECT_EQ(members.Find("count", "x").OutTypes, (std::vector<std::string>{"x"}));
  EXPECT_EQ(ErrorOf(members, "Buy"),
            "Unknown name: Buy is no method or property of org.example:/shop");
}

TEST(DBusMembers, BrokenIntrospectionDataIsAnError) {
  try {
    TDBusMembers::FromXml("<node><interface name='a.b'><method name='M'></interface></node>", "");
    ADD_FAILURE();
  } catch (const std::exception& e) {
    EXPECT_EQ(std::string(e.what()).rfind("The object's introspection data cannot be read: ", 0),
              0u)
        << e.what();
  }
}

}  // namespace
}  // namespace zendrik
