#include "script/runtime/operators.h"

#include <array>
#include <cmath>
#include <limits>

#include "script/runtime/conversions.h"
#include "script/runtime/errors.h"

namespace zendrik {

namespace {

// Operand and operation classes, in the order that the Null comparison ranks them.
enum class OpClass : std::uint8_t { Error, Null, Int, Real, Curr, Str, Bool, Date };

OpClass ClassOf(const TCtxValue& value) {
  switch (value.Type()) {
    case TCtxType::Null: return OpClass::Null;
    case TCtxType::SmallInt:
    case TCtxType::Integer:
    case TCtxType::Byte: return OpClass::Int;
    case TCtxType::Single:
    case TCtxType::Floating: return OpClass::Real;
    case TCtxType::Currency: return OpClass::Curr;
    case TCtxType::WideString:
    case TCtxType::String: return OpClass::Str;
    case TCtxType::Boolean: return OpClass::Bool;
    case TCtxType::Date: return OpClass::Date;
    default: return OpClass::Error;
  }
}

using E = OpClass;
// Operation class of (left class, right class).
constexpr std::array<std::array<OpClass, 8>, 8> kOperationClass = {{
    //        Error     Null     Int      Real     Curr     Str      Bool     Date
    /*Error*/ {E::Error, E::Error, E::Error, E::Error, E::Error, E::Error, E::Error, E::Error},
    /*Null */ {E::Error, E::Null, E::Null, E::Null, E::Null, E::Null, E::Null, E::Null},
    /*Int  */ {E::Error, E::Null, E::Int, E::Real, E::Curr, E::Real, E::Int, E::Date},
    /*Real */ {E::Error, E::Null, E::Real, E::Real, E::Curr, E::Real, E::Real, E::Date},
    /*Curr */ {E::Error, E::Null, E::Curr, E::Curr, E::Curr, E::Curr, E::Curr, E::Date},
    /*Str  */ {E::Error, E::Null, E::Real, E::Real, E::Curr, E::Str, E::Bool, E::Date},
    /*Bool */ {E::Error, E::Null, E::Int, E::Real, E::Curr, E::Bool, E::Bool, E::Date},
    /*Date */ {E::Error, E::Null, E::Date, E::Date, E::Date, E::Date, E::Date, E::Date},
}};

OpClass OperationClass(OpClass left, OpClass right) {
  return kOperationClass[static_cast<std::size_t>(left)][static_cast<std::size_t>(right)];
}

bool IsIntegerOnly(TCtxBinaryOp op) {
  return op == TCtxBinaryOp::IDiv || op == TCtxBinaryOp::Mod || op == TCtxBinaryOp::And ||
         op == TCtxBinaryOp::Or || op == TCtxBinaryOp::Xor;
}

[[noreturn]] void RaiseOverflow() { throw EVariantError(std::string(kVariantOverflow)); }

// A floating result; a finite computation that leaves the double range is an overflow.
TCtxValue FloatingResult(long double result) {
  const double narrowed = static_cast<double>(result);
  if (std::isinf(narrowed)) throw EScriptMathError("Floating point overflow");
  return TCtxValue::Floating(narrowed);
}

long double CheckedQuotient(long double left, long double right) {
  if (right == 0) {
    if (left == 0 || std::isnan(left)) throw EScriptMathError(std::string(kInvalidFloatOperation));
    throw EScriptMathError(std::string(kFloatDivisionByZero));
  }
  return left / right;
}

long double RealArithmetic(TCtxBinaryOp op, long double l, long double r) {
  switch (op) {
    case TCtxBinaryOp::Plus: return l + r;
    case TCtxBinaryOp::Minus: return l - r;
    case TCtxBinaryOp::Mul: return l * r;
    default: return CheckedQuotient(l, r);
  }
}

TCtxValue RealOperation(TCtxBinaryOp op, const TCtxValue& left, const TCtxValue& right) {
  return FloatingResult(RealArithmetic(op, ToFloating(left), ToFloating(right)));
}

// 32-bit integer computation: the plain rule of IntegerResult, then the special ones. PLUS,
// MINUS, MUL that overflow and the one overflowing quotient (-2147483648 div -1) are redone in
// floating point.
TCtxValue IntegerOperation(TCtxBinaryOp op, std::int32_t a, std::int32_t b) {
  std::int32_t result;
  if (IntegerResult(op, a, b, result)) return TCtxValue::Integer(result);
  switch (op) {
    case TCtxBinaryOp::Plus: return FloatingResult(static_cast<long double>(a) + b);
    case TCtxBinaryOp::Minus: return FloatingResult(static_cast<long double>(a) - b);
    case TCtxBinaryOp::Mul: return FloatingResult(static_cast<long double>(a) * b);
    case TCtxBinaryOp::IDiv:
      if (b == 0) throw EScriptMathError(std::string(kDivisionByZero));
      // b is -1: only the smallest integer has no 32-bit negation.
      return a == std::numeric_limits<std::int32_t>::min()
                 ? TCtxValue::Floating(-static_cast<double>(a))
                 : TCtxValue::Integer(-a);
    case TCtxBinaryOp::Mod:
      if (b == 0) throw EScriptMathError(std::string(kDivisionByZero));
      return TCtxValue::Integer(0);  // b is -1
    default: break;
  }
  return FloatingResult(CheckedQuotient(a, b));
}

TCtxValue IntegerOperation(TCtxBinaryOp op, const TCtxValue& left, const TCtxValue& right) {
  return IntegerOperation(op, ToInteger(left), ToInteger(right));
}

TCtxValue CurrencyResult(std::optional<TCtxCurrency> amount) {
  if (!amount) RaiseOverflow();
  return TCtxValue::Currency(*amount);
}

TCtxValue CurrencyOperation(TCtxBinaryOp op, const TCtxValue& left, const TCtxValue& right) {
  if (IsIntegerOnly(op)) return IntegerOperation(op, left, right);
  if (op == TCtxBinaryOp::Div) {
    if (right.Is(TCtxType::Currency)) return RealOperation(op, left, right);
    const long double units = static_cast<long double>(ToCurrency(left).Scaled) / kCtxCurrencyScale;
    return CurrencyResult(RoundToCurrency(CheckedQuotient(units, ToFloating(right))));
  }
  const std::int64_t a = ToCurrency(left).Scaled, b = ToCurrency(right).Scaled;
  std::int64_t sum = 0;
  switch (op) {
    case TCtxBinaryOp::Plus:
      if (__builtin_add_overflow(a, b, &sum)) RaiseOverflow();
      return TCtxValue::Currency({sum});
    case TCtxBinaryOp::Minus:
      if (__builtin_sub_overflow(a, b, &sum)) RaiseOverflow();
      return TCtxValue::Currency({sum});
    default: {
      // The product of two scaled amounts carries the scale twice; rescale, ties to even.
      const __int128 product = static_cast<__int128>(a) * b;
      __int128 quotient = product / kCtxCurrencyScale;
      const __int128 rest = product % kCtxCurrencyScale;
      const __int128 twice = 2 * (rest < 0 ? -rest : rest);
      if (twice > kCtxCurrencyScale || (twice == kCtxCurrencyScale && quotient % 2 != 0))
        quotient += rest < 0 ? -1 : 1;
      if (quotient > std::numeric_limits<std::int64_t>::max() ||
          quotient < std::numeric_limits<std::int64_t>::min()) {
        RaiseOverflow();
      }
      return TCtxValue::Currency({static_cast<std::int64_t>(quotient)});
    }
  }
}

TCtxValue DateOperation(TCtxBinaryOp op, const TCtxValue& left, const TCtxValue& right) {
  if (IsIntegerOnly(op)) return IntegerOperation(op, left, right);
  if (op != TCtxBinaryOp::Plus && op != TCtxBinaryOp::Minus) return RealOperation(op, left, right);
  const long double result = RealArithmetic(op, ToFloating(left), ToFloating(right));
  if (op == TCtxBinaryOp::Minus && left.Is(TCtxType::Date) && right.Is(TCtxType::Date))
    return FloatingResult(result);
  return TCtxValue::Date(FloatingResult(result).FloatingPayload());
}

TCtxValue Concatenate(const TCtxValue& left, const TCtxValue& right) {
  return TCtxValue::String(TCtxString::Concat(left.StringPayload(), right.StringPayload()));
}

// -1, 0 or 1 as left is below, equal to or above right.
template <class T>
int ThreeWay(const T& a, const T& b) {
  return a < b ? -1 : (b < a ? 1 : 0);
}

// Byte-wise order of two strings: char_traits<char> compares as unsigned bytes, and a proper
// prefix is the smaller.
int StringOrder(const TCtxValue& left, const TCtxValue& right) {
  const int c = left.StringPayload().compare(right.StringPayload());
  return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

int Order(const TCtxValue& left, const TCtxValue& right) {
  if (left.Is(TCtxType::String) && right.Is(TCtxType::String)) return StringOrder(left, right);
  const OpClass l = ClassOf(left), r = ClassOf(right);
  switch (OperationClass(l, r)) {
    case OpClass::Error: RaiseInvalidOperation();
    case OpClass::Null: return ThreeWay(static_cast<int>(l), static_cast<int>(r));
    case OpClass::Int: return ThreeWay(ToInteger(left), ToInteger(right));
    case OpClass::Real:
    case OpClass::Date: return ThreeWay(ToFloating(left), ToFloating(right));
    case OpClass::Curr: return ThreeWay(ToCurrency(left).Scaled, ToCurrency(right).Scaled);
    case OpClass::Str: return StringOrder(left, right);
    case OpClass::Bool: return ThreeWay(ToBoolean(left), ToBoolean(right));
  }
  RaiseInvalidOperation();
}

}  // namespace

TCtxValue BinaryOperationSlow(TCtxBinaryOp op, const TCtxValue& left, const TCtxValue& right) {
  if (left.Is(TCtxType::String) && right.Is(TCtxType::String) && op == TCtxBinaryOp::Plus) {
    return Concatenate(left, right);
  }
  switch (OperationClass(ClassOf(left), ClassOf(right))) {
    case OpClass::Error: RaiseInvalidOperation();
    case OpClass::Null: return TCtxValue::Null();
    case OpClass::Int:
      if (op == TCtxBinaryOp::Div) return RealOperation(op, left, right);
      return IntegerOperation(op, left, right);
    case OpClass::Real: break;
    case OpClass::Curr: return CurrencyOperation(op, left, right);
    case OpClass::Str:
      if (op == TCtxBinaryOp::Plus) return Concatenate(left, right);
      break;
    case OpClass::Bool:
      if (op == TCtxBinaryOp::And) return TCtxValue::Boolean(ToBoolean(left) && ToBoolean(right));
      if (op == TCtxBinaryOp::Or) return TCtxValue::Boolean(ToBoolean(left) || ToBoolean(right));
      if (op == TCtxBinaryOp::Xor) return TCtxValue::Boolean(ToBoolean(left) != ToBoolean(right));
      break;
    case OpClass::Date: return DateOperation(op, left, right);
  }
  if (IsIntegerOnly(op)) return IntegerOperation(op, left, right);
  return RealOperation(op, left, right);
}

bool CompareSlow(TCtxCompareOp op, const TCtxValue& left, const TCtxValue& right) {
  const int order = Order(left, right);
  switch (op) {
    case TCtxCompareOp::Greater: return order > 0;
    case TCtxCompareOp::Less: return order < 0;
    case TCtxCompareOp::GreaterOrEqual: return order >= 0;
    case TCtxCompareOp::LessOrEqual: return order <= 0;
    case TCtxCompareOp::Equal: return order == 0;
    case TCtxCompareOp::NotEqual: return order != 0;
  }
  return false;
}

TCtxValue Negate(const TCtxValue& value) {
  switch (ClassOf(value)) {
    case OpClass::Error: RaiseInvalidOperation();
    case OpClass::Null: return TCtxValue::Null();
    case OpClass::Int:
    case OpClass::Bool:
      // Negation in unsigned arithmetic wraps -2147483648 onto itself.
      return TCtxValue::Integer(
          static_cast<std::int32_t>(0u - static_cast<std::uint32_t>(ToInteger(value))));
    case OpClass::Real:
    case OpClass::Str: return TCtxValue::Floating(-ToFloating(value));
    case OpClass::Curr: {
      const std::int64_t scaled = value.CurrencyPayload().Scaled;
      if (scaled == std::numeric_limits<std::int64_t>::min()) RaiseOverflow();
      return TCtxValue::Currency({-scaled});
    }
    case OpClass::Date: return TCtxValue::Date(-value.FloatingPayload());
  }
  RaiseInvalidOperation();
}

TCtxValue LogicalNot(const TCtxValue& value) {
  switch (ClassOf(value)) {
    case OpClass::Error: RaiseInvalidOperation();
    case OpClass::Null: return TCtxValue::Null();
    case OpClass::Bool: return TCtxValue::Boolean(!value.BooleanPayload());
    default: return TCtxValue::Integer(~ToInteger(value));
  }
}

bool JumpIfResultTaken(const TCtxValue& value) {
  if (value.Is(TCtxType::Boolean)) return value.BooleanPayload();
  return ToBoolean(value);
}

bool JumpIfNotResultTaken(const TCtxValue& value) {
  if (value.Is(TCtxType::Boolean)) return !value.BooleanPayload();
  if (value.Is(TCtxType::Integer)) return value.IntegerPayload() != -1;
  return ToBoolean(LogicalNot(value));
}

}  // namespace zendrik
