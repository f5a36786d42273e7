#include "script/dbus/dbus_signature.h"

#include <gtest/gtest.h>

#include <QDBusMetaType>

#include <string>

namespace zendrik {
namespace {

TEST(DBusSignature, CompleteTypesAreReadOneAtATime) {
  EXPECT_EQ(CompleteTypeLength("i"), 1u);
  EXPECT_EQ(CompleteTypeLength("asi"), 2u);
  EXPECT_EQ(CompleteTypeLength("a{sv}s"), 5u);
  EXPECT_EQ(CompleteTypeLength("(ia(sd))x"), 8u);
  EXPECT_EQ(CompleteTypeLength("aa{sa(ii)}"), 10u);
  const auto types = SplitSignature("susssasa{sv}i");
  ASSERT_TRUE(types.has_value());
  EXPECT_EQ(*types, (std::vector<std::string_view>{"s", "u", "s", "s", "s", "as", "a{sv}", "i"}));
  EXPECT_EQ(SplitSignature("")->size(), 0u);
}

TEST(DBusSignature, BrokenSignaturesHaveNoCompleteType) {
  for (const char* bad : {"", "a", "(", "()", "(i", "a{vs}", "a{s}", "a{sii}", "{sv}", "z", ")"})
    EXPECT_EQ(CompleteTypeLength(bad), 0u) << bad;
  EXPECT_FALSE(SplitSignature("ia").has_value());
  EXPECT_EQ(CompleteTypeLength(std::string(33, 'a') + "i"), 0u) << "nested too deep";
  EXPECT_EQ(CompleteTypeLength(std::string(32, 'a') + "i"), 33u);
}

TEST(DBusSignature, EveryContainerTypeHasAMetaTypeThatQtDBusWritesWithThatSignature) {
  for (const char* type :
       {"i", "s", "v", "as", "ay", "a{sv}", "a(si)", "aai", "a{sa{sv}}", "(ii)", "a{oa{sa{sv}}}"}) {
    EXPECT_STREQ(QDBusMetaType::typeToSignature(MetaTypeOfSignature(type)), type);
  }
  EXPECT_EQ(MetaTypeOfSignature("a(si)"), MetaTypeOfSignature("a(si)")) << "one carrier a type";
}

}  // namespace
}  // namespace zendrik
