#include "script/runtime/conversions.h"

#include <gtest/gtest.h>

#include <QObject>
#include <memory>

#include "script/runtime/errors.h"
#include "script/runtime/operators.h"
#include "value_test_support.h"

namespace zendrik {
namespace {

using namespace zendrik::testing;

template <class F>
std::string Outcome(F&& f) {
  try {
    return f();
  } catch (const std::exception& e) {
    return e.what();
  }
}

class Conversions : public ::testing::Test {
 protected:
  PinnedCLocale locale_;
};

TEST_F(Conversions, ToIntegerRoundsHalfToEven) {
  const std::pair<TCtxValue, const char*> cases[] = {
      {F(2.5), "2"},
      {F(3.5), "4"},
      {F(-2.5), "-2"},
      {F(-2.6), "-3"},
      {F(2.4999), "2"},
      {C(25000), "2"},
      {C(35000), "4"},
      {C(-15000), "-2"},
      {C(12345), "1"},
      {B(true), "-1"},
      {B(false), "0"},
      {Un(), "0"},
      {S(" 12 "), "12"},
      {S("2.5"), "2"},
      {S("-1e2"), "-100"},
      {D(1.75), "2"},
      {TCtxValue::SmallInt(-3), "-3"},
      {TCtxValue::Byte(200), "200"},
      {Nul(), "Invalid variant type conversion"},
      {S("x"), "Invalid variant type conversion"},
      {S(""), "Invalid variant type conversion"},
      {S("1,5"), "Invalid variant type conversion"},
      {F(3e9), "Invalid variant type conversion"},
      {F(-2147483648.6), "Invalid variant type conversion"},
      {C(30000000000000), "Invalid variant type conversion"},
      {S("3e9"), "Invalid variant type conversion"},
      {F(-2147483648.4), "-2147483648"},
      {TCtxValue::Array(TCtxArray(0, {})), "Invalid variant type conversion"},
  };
  for (const auto& [value, expected] : cases) {
    EXPECT_EQ(Outcome([&v = value] { return std::to_string(ToInteger(v)); }), expected)
        << Describe(value);
  }
}

TEST_F(Conversions, ToFloatingAndToBoolean) {
  EXPECT_DOUBLE_EQ(ToFloating(C(12345)), 1.2345);
  EXPECT_DOUBLE_EQ(ToFloating(B(true)), -1);
  EXPECT_DOUBLE_EQ(ToFloating(S("  +.5E1")), 5);
  EXPECT_DOUBLE_EQ(ToFloating(Un()), 0);
  EXPECT_THROW(ToFloating(Nul()), EVariantError);
  EXPECT_THROW(ToFloating(S("1e")), EVariantError);
  EXPECT_THROW(ToFloating(S("1e999")), EVariantError);

  const std::pair<TCtxValue, const char*> truth[] = {
      {S("true"), "1"},
      {S(" FALSE "), "0"},
      {S("0"), "0"},
      {S("-2.5"), "1"},
      {F(0), "0"},
      {C(1), "1"},
      {Un(), "0"},
      {I(-1), "1"},
      {S("yes"), "Invalid variant type conversion"},
      {Nul(), "Invalid variant type conversion"},
  };
  for (const auto& [value, expected] : truth) {
    EXPECT_EQ(Outcome([&v = value] { return std::to_string(ToBoolean(v)); }), expected)
        << Describe(value);
  }
}

TEST_F(Conversions, FloatingTextHasFifteenSignificantDigits) {
  // Expected texts as a Pascal run-time library's FloatToStr gives them.
  const std::pair<double, const char*> cases[] = {
      {3.5, "3.5"},
      {1e20, "1E20"},
      {1e15, "1E15"},
      {1e14, "100000000000000"},
      {999999999999999.0, "999999999999999"},
      {9999999999999999.0, "1E16"},
      {123456789012345678.0, "1.23456789012346E17"},
      {0.0001, "0.0001"},
      {0.00001, "0.00001"},
      {0.000012345, "0.000012345"},
      {0.000001, "1E-6"},
      {0.0000012345, "1.2345E-6"},
      {1.0 / 3, "0.333333333333333"},
      {2.0 / 3, "0.666666666666667"},
      {-0.25, "-0.25"},
      {0.1 + 0.2, "0.3"},
      {1.5e-300, "1.5E-300"},
      {-1e-10, "-1E-10"},
      {2147483648.0, "2147483648"},
      {123456.7890123456789, "123456.789012346"},
      {0, "0"},
  };
  for (const auto& [number, expected] : cases) EXPECT_EQ(FloatToText(number), expected) << number;
  EXPECT_EQ(ToStringStrict(TCtxValue::Single(0.1f)), "0.1");
}

TEST_F(Conversions, StrictAndPlainTextDifferOnlyForNull) {
  const std::pair<TCtxValue, const char*> cases[] = {
      {Un(), ""},
      {I(-42), "-42"},
      {F(2.5), "2.5"},
      {B(true), "True"},
      {B(false), "False"},
      {S("abc"), "abc"},
      {C(15000), "1.5"},
      {C(-120000), "-12"},
      {C(1), "0.0001"},
      {C(INT64_MIN), "-922337203685477.5808"},
      {D(45356), "05.03.2024"},
      {D(45356.5441550926), "05.03.2024 13:03:35"},
      {TCtxValue::Object(nullptr), "Invalid variant type conversion"},
      {TCtxValue::Reference(0), "Invalid variant type conversion"},
      {TCtxValue::Array(TCtxArray(0, {I(1)})), "Invalid variant type conversion"},
  };
  for (const auto& [value, expected] : cases) {
    EXPECT_EQ(Outcome([&v = value] { return ToStringStrict(v); }), expected) << Describe(value);
    EXPECT_EQ(Outcome([&v = value] { return ToStringPlain(v); }), expected) << Describe(value);
  }
  EXPECT_EQ(Outcome([] { return ToStringStrict(Nul()); }), "Invalid variant type conversion");
  EXPECT_EQ(ToStringPlain(Nul()), "");
}

TEST_F(Conversions, DateTextLeavesOutMidnightAndCountsFromTheEpoch) {
  const std::pair<double, const char*> cases[] = {
      {0, "30.12.1899"},
      {1.25, "31.12.1899 06:00:00"},
      {-1.25, "29.12.1899 06:00:00"},   // the fraction is the time on either side of the epoch
      {45356.999999999, "06.03.2024"},  // within half a millisecond of the next midnight
      {45657 + 86399.5 / 86400, "31.12.2024 23:59:59"},  // seconds are cut, not rounded
      {45657 + 3599.9 / 86400, "31.12.2024 00:59:59"},
      {2958465, "31.12.9999"},
      {-657006, "05.03.0101"},
      {-675268, "05.03.0051"},  // years before 100 have a text too
      {-693593, "01.01.0001"},
  };
  for (const auto& [days, expected] : cases) EXPECT_EQ(DateToText(days), expected) << days;
  EXPECT_THROW(DateToText(1e10), EVariantError);
  EXPECT_THROW(DateToText(-693594), EVariantError);
  EXPECT_THROW(DateToText(std::nan("")), EVariantError);
}

class LocaleConversions : public ::testing::Test {
 protected:
  PinnedCLocale locale_;
};

TEST_F(LocaleConversions, GermanLocaleUsesCommaAndItsDatePattern) {
  locale_.Settings = TCtxFormatSettings::FromLocale(QLocale(QLocale::German, QLocale::Germany));
  EXPECT_EQ(FormatSettings().DecimalSeparator, ',');
  EXPECT_EQ(ToStringStrict(F(3.5)), "3,5");
  EXPECT_EQ(ToStringStrict(C(15000)), "1,5");
  EXPECT_DOUBLE_EQ(ToFloating(S("3,5")), 3.5);
  EXPECT_THROW(ToFloating(S("3.5")), EVariantError);
  EXPECT_EQ(ToStringStrict(D(45356.5)), "05.03.2024 12:00:00");
  EXPECT_EQ(Describe(BinaryOperation(TCtxBinaryOp::Plus, S("1,5"), I(1))), "Floating 2,5");

  locale_.Settings =
      TCtxFormatSettings::FromLocale(QLocale(QLocale::English, QLocale::UnitedStates));
  EXPECT_EQ(ToStringStrict(D(45356.5441550926)), "3/5/2024 1:03:35 PM");
}

TEST_F(Conversions, ValueToTextNamesEveryKind) {
  std::vector<TCtxValue> cells = {I(5), TCtxValue::Reference(0), Un()};
  cells.push_back(TCtxValue::Reference(3));  // designates itself
  TCtxArray grid({{0, 1}, {0, 1}});
  const std::pair<TCtxValue, const char*> cases[] = {
      {Un(), "Unassigned"},
      {TCtxValue::OfBareType(9), "Unassigned"},
      {Nul(), "Null"},
      {B(false), "False"},
      {F(1.5), "1.5"},
      {TCtxValue::Object(nullptr), "nil object"},
      {TCtxValue::Array(TCtxArray(0, {I(1), Nul()})), "[1, Null]"},
      {TCtxValue::Array(TCtxArray(0, {})), "[]"},
      {TCtxValue::Array(TCtxArray(1, {S("a"), TCtxValue::Array(TCtxArray(0, {B(true)}))})),
       "[a, [True]]"},
      {TCtxValue::Array(grid), "2 dimensional array"},
      {TCtxValue::Reference(0), "^5"},
      {TCtxValue::Reference(1), "^^5"},
      {TCtxValue::Reference(2), "^Unassigned"},
      {TCtxValue::Reference(99), "^Unassigned"},
      {TCtxValue::Reference(3), "^^^^^^..."},
  };
  for (const auto& [value, expected] : cases)
    EXPECT_EQ(ValueToText(value, cells), expected) << Describe(value);
}

TEST_F(Conversions, ValueToTextOfAnObjectNoticesItsDestruction) {
  auto object = std::make_unique<QObject>();
  const TCtxValue value = TCtxValue::Object(object.get());
  const std::string text = ValueToText(value);
  EXPECT_TRUE(text.starts_with("QObject at ")) << text;
  const std::string address = text.substr(std::string("QObject at ").size());
  EXPECT_GE(address.size(), 8u);
  EXPECT_EQ(address.find_first_not_of("0123456789ABCDEF"), std::string::npos) << address;

  object.reset();
  EXPECT_EQ(ValueToText(value), "Invalid object at $" + address);
  EXPECT_EQ(value.ToObject(), nullptr);
}

}  // namespace
}  // namespace zendrik
