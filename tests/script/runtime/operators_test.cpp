#include "script/runtime/operators.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "script/runtime/errors.h"
#include "value_test_support.h"

namespace zendrik {
namespace {

using namespace zendrik::testing;

// Applies the script operator `op` and describes the outcome: "Kind text" or the error message.
std::string Apply(const TCtxValue& left, std::string_view op, const TCtxValue& right) {
  static const std::map<std::string_view, TCtxBinaryOp, std::less<>> binary = {
      {"+", TCtxBinaryOp::Plus},  {"-", TCtxBinaryOp::Minus},  {"*", TCtxBinaryOp::Mul},
      {"/", TCtxBinaryOp::Div},   {"div", TCtxBinaryOp::IDiv}, {"mod", TCtxBinaryOp::Mod},
      {"and", TCtxBinaryOp::And}, {"or", TCtxBinaryOp::Or},    {"xor", TCtxBinaryOp::Xor}};
  static const std::map<std::string_view, TCtxCompareOp, std::less<>> compare = {
      {">", TCtxCompareOp::Greater},         {"<", TCtxCompareOp::Less},
      {">=", TCtxCompareOp::GreaterOrEqual}, {"<=", TCtxCompareOp::LessOrEqual},
      {"=", TCtxCompareOp::Equal},           {"<>", TCtxCompareOp::NotEqual}};
  try {
    if (auto it = binary.find(op); it != binary.end())
      return Describe(BinaryOperation(it->second, left, right));
    return Describe(TCtxValue::Boolean(Compare(compare.at(op), left, right)));
  } catch (const std::exception& e) {
    return e.what();
  }
}

struct BinaryCase {
  TCtxValue left;
  const char* op;
  TCtxValue right;
  const char* expected;
};

class Operators : public ::testing::Test {
 protected:
  PinnedCLocale locale_;
  void Check(const std::vector<BinaryCase>& cases) {
    for (const BinaryCase& c : cases) {
      EXPECT_EQ(Apply(c.left, c.op, c.right), c.expected)
          << Describe(c.left) << " " << c.op << " " << Describe(c.right);
    }
  }
};

TEST_F(Operators, ArithmeticFollowsTheOperationClasses) {
  Check({
      {S("1"), "+", I(2), "Floating 3"},
      {S("1"), "+", S("2"), "String 12"},
      {S("a"), "+", I(1), "Invalid variant type conversion"},
      {Un(), "+", I(1), "Invalid variant operation"},
      {I(1), "+", Un(), "Invalid variant operation"},
      {Nul(), "+", I(1), "Null Null"},
      {I(1), "-", Nul(), "Null Null"},
      {Nul(), "+", Un(), "Invalid variant operation"},
      {I(7), "div", I(2), "Integer 3"},
      {I(-7), "div", I(2), "Integer -3"},
      {I(-7), "mod", I(2), "Integer -1"},
      {I(7), "mod", I(-2), "Integer 1"},
      {I(7), "/", I(2), "Floating 3.5"},
      {I(6), "/", I(2), "Floating 3"},
      {I(2147483647), "+", I(1), "Floating 2147483648"},
      {I(-2147483647 - 1), "-", I(1), "Floating -2147483649"},
      {I(65536), "*", I(65536), "Floating 4294967296"},
      {I(-2147483647 - 1), "div", I(-1), "Floating 2147483648"},
      {I(-2147483647 - 1), "mod", I(-1), "Integer 0"},
      {B(true), "+", I(1), "Integer 0"},
      {B(true), "+", B(true), "Floating -2"},
      {F(7.5), "div", I(2), "Integer 4"},
      {F(2.5), "mod", I(2), "Integer 0"},
      {F(0.5), "+", I(1), "Floating 1.5"},
      {S("2.5"), "*", S("2"), "Floating 5"},
      {S(" 1e3 "), "-", I(1), "Floating 999"},
      {TCtxValue::SmallInt(3), "+", TCtxValue::Byte(4), "Integer 7"},
      {TCtxValue::Single(0.5f), "*", I(3), "Floating 1.5"},
  });
}

TEST_F(Operators, DivisionFaultsRaiseTheirOwnMessages) {
  Check({
      {I(1), "div", I(0), "Division by zero"},
      {I(1), "mod", I(0), "Division by zero"},
      {F(1.5), "div", F(0.2), "Division by zero"},
      {I(1), "/", I(0), "Floating point division by zero"},
      {I(-1), "/", F(0), "Floating point division by zero"},
      {I(0), "/", I(0), "Invalid floating point operation"},
      {F(1e308), "*", F(10), "Floating point overflow"},
  });
}

TEST_F(Operators, LogicalOperatorsAreBitwiseOnIntegersAndLogicalOnBooleans) {
  Check({
      {B(true), "and", I(5), "Integer 5"},
      {B(true), "and", B(false), "Boolean False"},
      {B(true), "or", B(false), "Boolean True"},
      {B(true), "xor", B(true), "Boolean False"},
      {S("True"), "and", B(true), "Boolean True"},
      {S("0"), "or", B(false), "Boolean False"},
      {I(12), "and", I(10), "Integer 8"},
      {I(12), "or", I(3), "Integer 15"},
      {I(12), "xor", I(10), "Integer 6"},
      {F(2.5), "or", I(1), "Integer 3"},
      {S("6"), "and", I(3), "Integer 2"},
  });
}

TEST_F(Operators, CurrencyKeepsFourDecimals) {
  Check({
      {C(15000), "+", I(1), "Currency 2.5"},
      {C(15000), "*", C(15000), "Currency 2.25"},
      {C(1), "*", C(5000), "Currency 0"},  // 0.0001 * 0.5 = 0.00005, ties to even
      {C(3), "*", C(5000), "Currency 0.0002"},
      {C(10000), "/", I(4), "Currency 0.25"},
      {I(1), "/", C(40000), "Floating 0.25"},
      {C(10000), "/", I(0), "Floating point division by zero"},
      {C(75000), "div", I(2), "Integer 4"},  // 7.5 rounds to 8
      {S("1.5"), "+", C(10000), "Currency 2.5"},
      {C(INT64_MAX), "+", C(1), "Variant overflow"},
  });
}

TEST_F(Operators, DatesMoveByDaysAndSubtractToDays) {
  Check({
      {D(45356), "+", I(1), "Date 06.03.2024"},
      {D(45356), "-", F(0.5), "Date 04.03.2024 12:00:00"},
      {D(45356.75), "-", D(45356), "Floating 0.75"},
      {I(1), "+", D(45356), "Date 06.03.2024"},
      {D(10), "*", I(2), "Floating 20"},
      {D(7.6), "div", I(2), "Integer 4"},
  });
}

TEST_F(Operators, ComparisonsOrderNullBelowEverything) {
  Check({
      {Nul(), "=", Nul(), "Boolean True"},
      {I(5), "=", Nul(), "Boolean False"},
      {Nul(), "<", I(0), "Boolean True"},
      {Nul(), "<", S(""), "Boolean True"},
      {B(false), ">", Nul(), "Boolean True"},
      {Nul(), "<>", Nul(), "Boolean False"},
      {Un(), "=", Nul(), "Invalid variant operation"},
      {Un(), "=", Un(), "Invalid variant operation"},
  });
}

TEST_F(Operators, ComparisonsCompareByOperationClass) {
  Check({
      {S("B"), "<", S("a"), "Boolean True"},
      {S("abc"), "<", S("abd"), "Boolean True"},
      {S("ab"), "<", S("abc"), "Boolean True"},
      {S(""), "<", S("a"), "Boolean True"},
      {S("\xE4"), ">", S("z"), "Boolean True"},  // bytes compare unsigned
      {S("abc"), "=", S("abc"), "Boolean True"},
      {S("10"), ">", I(9), "Boolean True"},    // as numbers, not as text
      {S("10"), "<", S("9"), "Boolean True"},  // as text
      {S("x"), "=", I(1), "Invalid variant type conversion"},
      {I(-1), "=", B(true), "Boolean True"},
      {B(false), "<", B(true), "Boolean True"},
      {S("true"), "=", B(true), "Boolean True"},
      {F(2.5), ">", I(2), "Boolean True"},
      {F(0.1), "<>", F(0.1), "Boolean False"},
      {C(25000), "=", F(2.5), "Boolean True"},
      {D(1.5), ">=", I(1), "Boolean True"},
      {I(2147483647), ">", I(-2147483647 - 1), "Boolean True"},
      {I(3), "<=", I(3), "Boolean True"},
      {TCtxValue::Object(nullptr), "=", TCtxValue::Object(nullptr), "Invalid variant operation"},
      {TCtxValue::Reference(0), "=", I(1), "Invalid variant operation"},
  });
}

TEST_F(Operators, ErrorClassCodesAreRefusedOnEitherSide) {
  const TCtxValue refused[] = {Un(),
                               TCtxValue::OfBareType(9),
                               TCtxValue::OfBareType(10),
                               TCtxValue::OfBareType(13),
                               TCtxValue::Object(nullptr),
                               TCtxValue::Reference(1),
                               TCtxValue::Array(TCtxArray(0, {I(1)}))};
  for (const TCtxValue& bad : refused) {
    for (const char* op : {"+", "/", "mod", "and", "<", "="}) {
      EXPECT_EQ(Apply(bad, op, I(1)), "Invalid variant operation") << Describe(bad) << op;
      EXPECT_EQ(Apply(Nul(), op, bad), "Invalid variant operation") << Describe(bad) << op;
    }
  }
}

TEST(UnaryOperators, NegateAndNotFollowTheKind) {
  const PinnedCLocale locale;
  struct Case {
    TCtxValue operand;
    const char* negated;
    const char* inverted;
  };
  const Case cases[] = {
      {I(5), "Integer -5", "Integer -6"},
      {I(0), "Integer 0", "Integer -1"},
      {I(1), "Integer -1", "Integer -2"},
      {I(-2147483647 - 1), "Integer -2147483648", "Integer 2147483647"},
      {B(true), "Integer 1", "Boolean False"},
      {B(false), "Integer 0", "Boolean True"},
      {Nul(), "Null Null", "Null Null"},
      {F(2.5), "Floating -2.5", "Integer -3"},
      {S("3"), "Floating -3", "Integer -4"},
      {S("x"), "Invalid variant type conversion", "Invalid variant type conversion"},
      {C(15000), "Currency -1.5", "Integer -3"},
      {D(1), "Date 29.12.1899", "Integer -2"},
      {Un(), "Invalid variant operation", "Invalid variant operation"},
      {TCtxValue::Object(nullptr), "Invalid variant operation", "Invalid variant operation"},
  };
  auto outcome = [](auto&& f) -> std::string {
    try {
      return Describe(f());
    } catch (const std::exception& e) {
      return e.what();
    }
  };
  for (const Case& c : cases) {
    EXPECT_EQ(outcome([&] { return Negate(c.operand); }), c.negated) << Describe(c.operand);
    EXPECT_EQ(outcome([&] { return LogicalNot(c.operand); }), c.inverted) << Describe(c.operand);
  }
}

TEST(ConditionalJumps, JumpIfNotTreatsEveryIntegerButMinusOneAsFalse) {
  const PinnedCLocale locale;
  struct Case {
    TCtxValue r;
    bool ifResult;
    bool ifNotResult;
  };
  const Case cases[] = {
      {B(true), true, false}, {B(false), false, true}, {I(1), true, true},   {I(-1), true, false},
      {I(0), false, true},    {S("1"), true, true},    {F(0.4), true, true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(JumpIfResultTaken(c.r), c.ifResult) << Describe(c.r);
    EXPECT_EQ(JumpIfNotResultTaken(c.r), c.ifNotResult) << Describe(c.r);
  }
  EXPECT_FALSE(JumpIfResultTaken(S("False")));
  EXPECT_THROW(JumpIfNotResultTaken(S("False")),
               EVariantError);  // NOT converts a string to integer
  EXPECT_FALSE(JumpIfResultTaken(Un()));
  EXPECT_THROW(JumpIfNotResultTaken(Un()), EVariantError);  // NOT of Unassigned is refused
  EXPECT_THROW(JumpIfNotResultTaken(Nul()), EVariantError);
  EXPECT_THROW(JumpIfResultTaken(Nul()), EVariantError);
}

}  // namespace
}  // namespace zendrik
