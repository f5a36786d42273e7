// The registration API and the search for members: argument counts, custom introspectors,
// the registry's chains and class ancestry, and the system members.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "script/library/field_info.h"
#include "script/library/introspector.h"
#include "script/library/introspector_registry.h"
#include "script/library/member_access.h"
#include "script/library/system_scope.h"
#include "script/runtime/engine.h"
#include "script/runtime/errors.h"
#include "tests/script/script_test_support.h"

namespace zendrik {
namespace {

std::string CheckArgCountError(std::int32_t count, std::int32_t min, std::int32_t max) {
  try {
    CheckArgCount(count, min, max);
    return "passes";
  } catch (const ECtxScriptError& error) {
    return error.what();
  }
}

TEST(CheckArgCount, ANegativeMaximumDemandsExactlyTheMinimum) {
  EXPECT_EQ(CheckArgCountError(3, 2, -1), "Too many actual parameters");
  EXPECT_EQ(CheckArgCountError(1, 2, 5), "Not enough actual parameters");
  EXPECT_EQ(CheckArgCountError(5, 2, 5), "passes");
  EXPECT_EQ(CheckArgCountError(2, 2, -1), "passes");
  EXPECT_EQ(CheckArgCountError(0, 0, -1), "passes");
}

// Which callback ran, for the tests below.
std::vector<std::string>& Calls() {
  static std::vector<std::string> calls;
  return calls;
}
void First(TCtxScript&, TCtxAccessKind, QObject*, const TCtxArgs&) { Calls().push_back("first"); }
void Second(TCtxScript&, TCtxAccessKind, QObject*, const TCtxArgs&) { Calls().push_back("second"); }

// A class of its own per test, so that registrations do not meet those of other tests.
class Plain : public QObject {
  Q_OBJECT
};
class Derived : public Plain {
  Q_OBJECT
};

class Introspection : public ::testing::Test {
 protected:
  void SetUp() override {
    testsupport::StartScriptEngineForTests();
    Calls().clear();
  }

  // Calls member `name` of `object` with no arguments.
  bool Call(QObject& object, std::string_view name) {
    return InvokeByName(engine, TCtxAccessKind::akGet, &object, name, 0);
  }

  TCtxScript engine;
};

TEST_F(Introspection, TheLastRegistrationOfANameWinsWithinOneIntrospector) {
  TCtxCustomIntrospector& members = TCtxCustomIntrospector::Create(Plain::staticMetaObject);
  members.AddMethod("write", First, 0);
  members.AddMethod("Write", Second, 0);
  EXPECT_EQ(members.MemberCount(), 1);
  EXPECT_EQ(members.IndexOfMember("WRITE"), 0);
  EXPECT_EQ(members.IndexOfMember("read"), -1);
  Plain object;
  EXPECT_TRUE(Call(object, "write"));
  EXPECT_TRUE(Call(object, "WRITE"));
  EXPECT_EQ(Calls(), (std::vector<std::string>{"second", "second"}));
  DestroyIntrospector(members);
}

TEST_F(Introspection, TheNewerIntrospectorOfAClassAnswersFirstAndTheOlderStillServes) {
  TCtxCustomIntrospector& older = TCtxCustomIntrospector::Create(Plain::staticMetaObject);
  older.AddMethod("Shared", First, 0);
  older.AddMethod("OnlyOld", First, 0);
  TCtxCustomIntrospector& newer = TCtxCustomIntrospector::Create(Plain::staticMetaObject);
  newer.AddMethod("Shared", Second, 0);
  EXPECT_EQ(FindClassIntrospector(Plain::staticMetaObject.className()), &newer);
  EXPECT_EQ(newer.NextIntrospector, &older);
  Plain object;
  EXPECT_TRUE(Call(object, "Shared"));
  EXPECT_TRUE(Call(object, "OnlyOld"));
  EXPECT_EQ(Calls(), (std::vector<std::string>{"second", "first"}));
  DestroyIntrospector(newer);
  EXPECT_EQ(FindClassIntrospector(Plain::staticMetaObject.className()), &older);
  DestroyIntrospector(older);
  EXPECT_EQ(FindClassIntrospector(Plain::staticMetaObject.className()), nullptr);
}

TEST_F(Introspection, MembersOfADerivedClassShadowThoseOfItsAncestors) {
  TCtxCustomIntrospector& base = TCtxCustomIntrospector::Create(Plain::staticMetaObject);
  base.AddMethod("Name", First, 0);
  base.AddMethod("BaseOnly", First, 0);
  TCtxCustomIntrospector& derived = TCtxCustomIntrospector::Create(Derived::staticMetaObject);
  derived.AddMethod("Name", Second, 0);
  Derived object;
  std::int32_t handle = 0;
  EXPECT_EQ(FindIntrospector(engine, &object, "name", handle), &derived);
  EXPECT_EQ(FindIntrospector(engine, &object, "baseonly", handle), &base);
  EXPECT_NE(FindIntrospector(engine, &object, "Free", handle), nullptr) << "QObject's members";
  EXPECT_EQ(FindIntrospector(engine, &object, "Nothing", handle), nullptr);
  DestroyIntrospector(derived);
  DestroyIntrospector(base);
}

TEST_F(Introspection, AFixedCountMethodCalledWithAnotherCountIsRefused) {
  TCtxCustomIntrospector& members = TCtxCustomIntrospector::Create(Plain::staticMetaObject);
  members.AddMethod("Two", First, 2);
  Plain object;
  engine.Push(TCtxValue::Integer(1));
  engine.Push(TCtxValue::Integer(2));
  engine.Push(TCtxValue::Integer(3));
  try {
    InvokeByName(engine, TCtxAccessKind::akGet, &object, "Two", 3);
    ADD_FAILURE() << "called with three arguments";
  } catch (const ECtxScriptError& error) {
    EXPECT_STREQ(error.what(), "Unable to invoke method or property Two in this manner");
  }
  EXPECT_TRUE(Calls().empty());
  DestroyIntrospector(members);
}

TEST_F(Introspection, AHandleStaysGoodWhenMoreMembersAreRegistered) {
  TCtxCustomIntrospector& members = TCtxCustomIntrospector::Create(Plain::staticMetaObject);
  members.AddMethod("Beta", Second, 0);
  Plain object;
  std::int32_t handle = 0;
  ASSERT_TRUE(members.FindMember(engine, &object, "beta", handle));
  members.AddMethod("Alpha", First, 0);  // sorts before Beta
  EXPECT_TRUE(members.InvokeMember(engine, TCtxAccessKind::akGet, &object, "Beta", handle, 0));
  members.AddMethod("BETA", First, 0);  // the newest registration takes the name's place
  EXPECT_TRUE(members.InvokeMember(engine, TCtxAccessKind::akGet, &object, "Beta", handle, 0));
  EXPECT_EQ(Calls(), (std::vector<std::string>{"second", "first"}));
  handle = 0;
  EXPECT_FALSE(members.InvokeMember(engine, TCtxAccessKind::akGet, &object, "Gamma", handle, 0));
  DestroyIntrospector(members);
}

TEST_F(Introspection, FreeOnTheSystemScopeIsRefused) {
  try {
    Call(SystemScope(), "Free");
    ADD_FAILURE() << "freed the system scope";
  } catch (const ECtxScriptError& error) {
    EXPECT_STREQ(error.what(), "Unable to invoke method or property Free in this manner");
  }
}

TEST_F(Introspection, ClassNamesAreShownWithoutTheirNamespace) {
  EXPECT_EQ(ClassDisplayName(TCtxSystemScope::staticMetaObject), "TCtxSystemScope");
  EXPECT_EQ(ClassDisplayName(QObject::staticMetaObject), "QObject");
}

}  // namespace
}  // namespace zendrik

#include "introspection_test.moc"
