#include "script/runtime/value.h"

#include <gtest/gtest.h>

#include <sys/mman.h>

#include <QObject>
#include <QPointer>
#include <memory>
#include <new>
#include <string_view>
#include <vector>

#include "script/runtime/automation.h"
#include "script/runtime/errors.h"
#include "script/runtime/operators.h"
#include "value_test_support.h"

namespace zendrik {
namespace {

using namespace zendrik::testing;

TEST(ScriptValue, FitsInSixteenBytes) { EXPECT_LE(sizeof(TCtxValue), 16u); }

TEST(ScriptValue, TypeCodesAreThoseOfTheVariantStandard) {
  const std::pair<TCtxValue, std::uint16_t> cases[] = {
      {Un(), 0},
      {Nul(), 1},
      {TCtxValue::SmallInt(1), 2},
      {I(1), 3},
      {TCtxValue::Single(1), 4},
      {F(1), 5},
      {C(1), 6},
      {D(1), 7},
      {TCtxValue::WideString("w"), 8},
      {B(true), 11},
      {TCtxValue::Object(nullptr), 14},
      {TCtxValue::Reference(0), 16},
      {TCtxValue::Byte(1), 17},
      {S("s"), 0x100},
      {TCtxValue::Array(TCtxArray(0, {})), 0x200C},
  };
  for (const auto& [value, code] : cases) EXPECT_EQ(value.TypeCode(), code) << Describe(value);
}

TEST(ScriptValue, CopiedStringsShareUntilOneIsWritten) {
  const TCtxValue original = S("abc");
  TCtxValue copy = original;
  EXPECT_EQ(copy.StringPayload().data(), original.StringPayload().data());
  copy.SetStringByte(1, 'x');
  EXPECT_EQ(copy.StringPayload(), "xbc");
  EXPECT_EQ(original.StringPayload(), "abc");

  TCtxValue sole = S("abc");
  const char* before = sole.StringPayload().data();
  sole.SetStringByte(3, 'z');  // not shared: written in place
  EXPECT_EQ(sole.StringPayload().data(), before);
  EXPECT_EQ(sole.StringPayload(), "abz");
}

TEST(ScriptValue, CopiedArraysAreIndependent) {
  TCtxValue original = TCtxValue::Array(TCtxArray(0, {I(1), S("two")}));
  TCtxValue copy = original;
  copy.MutableArray().At(0) = I(10);
  copy.MutableArray().At(1).SetStringByte(1, 'T');
  EXPECT_EQ(ValueToText(original), "[1, two]");
  EXPECT_EQ(ValueToText(copy), "[10, Two]");

  copy = original;  // assignment copies too
  original.MutableArray().At(1) = Nul();
  EXPECT_EQ(ValueToText(copy), "[1, two]");
}

TEST(ScriptValue, MovingLeavesUnassignedAndSelfAssignmentKeepsTheValue) {
  TCtxValue a = S("text");
  TCtxValue b = std::move(a);
  EXPECT_TRUE(a.IsUnassigned());
  EXPECT_EQ(b.StringPayload(), "text");
  const TCtxValue& alias = b;
  b = alias;
  EXPECT_EQ(b.StringPayload(), "text");
  b = TCtxValue::Array(TCtxArray(0, {b}));
  EXPECT_EQ(ValueToText(b), "[text]");
}

TEST(ScriptValue, ObjectValueCopiesTheBareReferenceAndNoticesDestruction) {
  auto object = std::make_unique<QObject>();
  const TCtxValue value = TCtxValue::Object(object.get());
  const TCtxValue copy = value;
  EXPECT_EQ(copy.ToObject(), object.get());
  EXPECT_TRUE(copy.ObjectAlive());
  object.reset();
  EXPECT_EQ(copy.ToObject(), nullptr);
  EXPECT_FALSE(value.ObjectAlive());
  EXPECT_NE(value.ObjectAddress(), nullptr);
  EXPECT_EQ(TCtxValue::Object(nullptr).ToObject(), nullptr);
}

TEST(ScriptValue, AnOwnedObjectGoesWithTheLastCopyOfItsValue) {
  auto object = std::make_unique<QObject>();
  QPointer<QObject> watch = object.get();
  TCtxValue value = TCtxValue::OwnedObject(std::move(object));
  TCtxValue copy = value;
  std::vector<TCtxValue> inArray = {copy};
  value = TCtxValue::Integer(1);  // overwritten: the copies still hold it
  copy.Clear();
  EXPECT_FALSE(watch.isNull());
  EXPECT_EQ(inArray[0].ToObject(), watch.data());
  inArray.clear();
  EXPECT_TRUE(watch.isNull());

  // Destroyed another way first, it is not destroyed again; the values notice.
  auto second = std::make_unique<QObject>();
  QObject* raw = second.get();
  TCtxValue held = TCtxValue::OwnedObject(std::move(second));
  { std::unique_ptr<QObject> ended(raw); }  // as FindClose ends a search
  EXPECT_EQ(held.ToObject(), nullptr);
  held.Clear();
  EXPECT_EQ(TCtxValue::OwnedObject(nullptr).ToObject(), nullptr);
}

// An automation object that counts how many of its kind are alive.
class CountedAutomationObject : public TCtxAutomationObject {
 public:
  explicit CountedAutomationObject(int& alive) : alive_(alive) { ++alive_; }
  ~CountedAutomationObject() override { --alive_; }

 private:
  int& alive_;
};

TEST(ScriptValue, AutomationObjectIsSharedByItsCopiesAndEndsWithTheLast) {
  int alive = 0;
  TCtxValue value = TCtxValue::Automation(std::make_unique<CountedAutomationObject>(alive));
  EXPECT_EQ(value.TypeCode(), 9);
  TCtxValue copy = value;
  TCtxValue inArray = TCtxValue::Array(TCtxArray(0, {copy}));
  EXPECT_EQ(copy.AutomationPayload(), value.AutomationPayload());
  EXPECT_EQ(inArray.ArrayPayload().At(0).AutomationPayload(), value.AutomationPayload());
  value = Nul();
  copy.Clear();
  EXPECT_EQ(alive, 1) << "the array's element still holds it";
  inArray = I(0);
  EXPECT_EQ(alive, 0);
  EXPECT_EQ(TCtxValue::Automation(nullptr).AutomationPayload(), nullptr);
}

TEST(ScriptValue, AutomationObjectTakesNoOperatorAndHasNoText) {
  int alive = 0;
  const TCtxValue object = TCtxValue::Automation(std::make_unique<CountedAutomationObject>(alive));
  const auto message = [](auto operation) -> std::string {
    try {
      operation();
    } catch (const std::exception& e) {
      return e.what();
    }
    return "no error";
  };
  EXPECT_EQ(message([&] { BinaryOperationSlow(TCtxBinaryOp::Plus, object, I(1)); }),
            "Invalid variant operation");
  EXPECT_EQ(message([&] { CompareSlow(TCtxCompareOp::Equal, object, object); }),
            "Invalid variant operation");
  EXPECT_EQ(message([&] { LogicalNot(object); }), "Invalid variant operation");
  EXPECT_EQ(message([&] { ValueToText(object); }), "Invalid variant type conversion");
  EXPECT_EQ(message([&] { ToStringPlain(object); }), "Invalid variant type conversion");
  EXPECT_EQ(ValueToText(TCtxValue::Automation(nullptr)), "Unassigned");
  EXPECT_STREQ(EVariantException(object).what(), "Exception raised with an automation object")
      << "raising one keeps the object as the value and says what it is";
}

TEST(ScriptValue, OnlyAnObjectValueTurnsIntoAnObject) {
  for (const TCtxValue& v : {I(0), Nul(), Un(), S("x"), TCtxValue::Reference(0)}) {
    try {
      v.ToObject();
      ADD_FAILURE() << Describe(v);
    } catch (const EVariantError& e) {
      EXPECT_STREQ(e.what(), "Variant is not an object");
    }
  }
}

TEST(VariantArray, IndicesOutsideTheBoundsAreRefused) {
  TCtxArray array(5, {I(1), I(2), I(3)});
  EXPECT_EQ(array.At(5).IntegerPayload(), 1);
  EXPECT_EQ(array.At(7).IntegerPayload(), 3);
  for (std::int32_t bad : {4, 8, -2147483647 - 1, 2147483647}) {
    try {
      array.At(bad);
      ADD_FAILURE() << bad;
    } catch (const EVariantError& e) {
      EXPECT_STREQ(e.what(), "Variant array index out of bounds");
    }
  }
}

TEST(VariantArray, ElementsOfSeveralDimensionsAreAddressedRowByRow) {
  TCtxArray grid({{1, 2}, {0, 2}});
  EXPECT_EQ(grid.Elements().size(), 6u);
  grid.At({2, 1}) = I(21);
  EXPECT_EQ(grid.Elements()[4].IntegerPayload(), 21);
  EXPECT_THROW(grid.At({0, 0}), EVariantError);
  EXPECT_THROW(grid.At(std::vector<std::int32_t>{1}), EVariantError);
  EXPECT_THROW(grid.At(1), EVariantError);  // one index for two dimensions

  EXPECT_EQ(TCtxArray({{0, -1}}).Elements().size(), 0u);
  EXPECT_THROW(TCtxArray({{0, -2}}), EVariantError);
  EXPECT_THROW(TCtxArray({{0, 100000}, {0, 100000}}), EVariantError);
}

TEST(SharedString, AppendGrowsInPlaceOnlyWhenUnshared) {
  TCtxString s("ab");
  const TCtxString shared = s;
  s.Append("cd");
  EXPECT_EQ(s, "abcd");
  EXPECT_EQ(shared, "ab");
  for (int i = 0; i < 100; ++i) s.Append("x");
  EXPECT_EQ(s.size(), 104u);
  EXPECT_EQ(TCtxString::Concat("", ""), "");
  EXPECT_TRUE(TCtxString().empty());
}

TEST(VariantArray, MoreElementsThanTheLargestArrayAreRefusedAsMissingMemory) {
  constexpr auto kLargest = static_cast<std::int32_t>(kMaxArrayElements);
  EXPECT_THROW(TCtxArray({{0, kLargest}}), std::bad_alloc);
  EXPECT_THROW(TCtxArray({{1, 8}, {1, kLargest / 8 + 1}}), std::bad_alloc);
  EXPECT_EQ(TCtxArray({{1, 8}, {1, 2}}).Elements().size(), 16u);
}

TEST(SharedString, StringsBeyondTheLongestAreRefusedAsMissingMemory) {
  // Pages of a read-only mapping that is never touched: a long text that costs no memory.
  void* pages = ::mmap(nullptr, kMaxStringBytes, PROT_READ,
                       MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
  ASSERT_NE(pages, MAP_FAILED);
  const std::string_view longest(static_cast<const char*>(pages), kMaxStringBytes);
  const std::string_view half = longest.substr(0, kMaxStringBytes / 2 + 1);
  EXPECT_THROW(TCtxString::Concat(half, half), std::bad_alloc);
  TCtxString grown("x");
  EXPECT_THROW(grown.Append(longest), std::bad_alloc);
  EXPECT_EQ(grown, "x");
  ::munmap(pages, kMaxStringBytes);
}

TEST(ScriptErrors, FormattedMessagesAndRaisedValuesCarryTheirText) {
  EXPECT_STREQ(
      ECtxScriptError::CreateFmt("Method not found. Method: %s", {std::string_view("Foo")}).what(),
      "Method not found. Method: Foo");
  EXPECT_STREQ(
      ECtxScriptError::CreateFmt("SPRT = %d, saved_SPTR = %d.", {std::int64_t{3}, std::int64_t{-1}})
          .what(),
      "SPRT = 3, saved_SPTR = -1.");
  const PinnedCLocale locale;
  const EVariantException raised(I(42));
  EXPECT_STREQ(raised.what(), "42");
  EXPECT_EQ(raised.Value().TypeCode(), 3);
  EXPECT_STREQ(EVariantException(Nul()).what(), "Exception raised with an empty value");
  EXPECT_STREQ(EVariantException(Un()).what(), "Exception raised with an empty value");
  EXPECT_STREQ(EVariantException(S("")).what(), "Exception raised with an empty value");
}

}  // namespace
}  // namespace zendrik
