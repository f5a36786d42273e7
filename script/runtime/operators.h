#pragma once

#include <cstdint>

#include "script/runtime/value.h"

namespace zendrik {

/// The arithmetic and logical binary operators.
enum class TCtxBinaryOp : std::uint8_t { Plus, Minus, Mul, Div, IDiv, Mod, And, Or, Xor };

/// The six comparisons.
enum class TCtxCompareOp : std::uint8_t {
  Greater,
  Less,
  GreaterOrEqual,
  LessOrEqual,
  Equal,
  NotEqual
};

/// `left op right` by the rules of the operation classes; slow path of BinaryOperation.
TCtxValue BinaryOperationSlow(TCtxBinaryOp op, const TCtxValue& left, const TCtxValue& right);
/// Comparison by the rules of the operation classes; slow path of Compare.
bool CompareSlow(TCtxCompareOp op, const TCtxValue& left, const TCtxValue& right);

namespace detail {
inline bool BothIntegers(const TCtxValue& a, const TCtxValue& b) noexcept {
  return a.Is(TCtxType::Integer) && b.Is(TCtxType::Integer);
}
}  // namespace detail

/// `a op b` for two Integers when the result is an Integer that needs no special rule (no
/// overflow, no zero or -1 divisor, not real division); false otherwise. The one home of the
/// 32-bit rules: the plain operators, the fused runs and the loop steps all come here first.
inline bool IntegerResult(TCtxBinaryOp op, std::int32_t a, std::int32_t b, std::int32_t& result) {
  if (op == TCtxBinaryOp::Plus) return !__builtin_add_overflow(a, b, &result);  // the most frequent
  switch (op) {
    case TCtxBinaryOp::Plus: return !__builtin_add_overflow(a, b, &result);
    case TCtxBinaryOp::Minus: return !__builtin_sub_overflow(a, b, &result);
    case TCtxBinaryOp::Mul: return !__builtin_mul_overflow(a, b, &result);
    case TCtxBinaryOp::IDiv:
      if (b == 0 || b == -1) return false;
      result = a / b;
      return true;
    case TCtxBinaryOp::Mod:
      if (b == 0 || b == -1) return false;
      result = a % b;
      return true;
    case TCtxBinaryOp::And: result = a & b; return true;
    case TCtxBinaryOp::Or: result = a | b; return true;
    case TCtxBinaryOp::Xor: result = a ^ b; return true;
    case TCtxBinaryOp::Div: return false;
  }
  return false;
}

/// The comparison of two Integers, without a branch on the comparison: each accepts a set of the
/// three orders (bit 0: a < b, bit 1: a = b, bit 2: a > b).
inline bool CompareIntegers(TCtxCompareOp op, std::int32_t a, std::int32_t b) {
  // Greater, Less, GreaterOrEqual, LessOrEqual, Equal, NotEqual.
  constexpr unsigned kAccepted = 4 | 1 << 3 | 6 << 6 | 3 << 9 | 2 << 12 | 5 << 15;
  const unsigned order = unsigned(a < b) | unsigned(a == b) << 1 | unsigned(a > b) << 2;
  return ((kAccepted >> (3 * static_cast<unsigned>(op))) & order) != 0;
}

/// `left op right`. Two Integers whose result needs no special rule are computed inline.
inline TCtxValue BinaryOperation(TCtxBinaryOp op, const TCtxValue& left, const TCtxValue& right) {
  std::int32_t result;
  if (detail::BothIntegers(left, right) &&
      IntegerResult(op, left.IntegerPayload(), right.IntegerPayload(), result))
    return TCtxValue::Integer(result);
  return BinaryOperationSlow(op, left, right);
}

/// The comparison `left op right`; two Integers are compared inline.
inline bool Compare(TCtxCompareOp op, const TCtxValue& left, const TCtxValue& right) {
  if (detail::BothIntegers(left, right))
    return CompareIntegers(op, left.IntegerPayload(), right.IntegerPayload());
  return CompareSlow(op, left, right);
}

/// Unary minus: Null stays Null, integers wrap, Boolean gives the negated integer (-True = 1).
TCtxValue Negate(const TCtxValue& value);
/// NOT: Boolean complement, Null stays Null, numbers and strings give the bitwise complement
/// of their integer conversion.
TCtxValue LogicalNot(const TCtxValue& value);

/// Truth test of "JUMP IF RESULT TO": the value converts to true.
bool JumpIfResultTaken(const TCtxValue& value);
/// Truth test of "JUMP IF NOT RESULT TO": NOT of the value converts to true.
bool JumpIfNotResultTaken(const TCtxValue& value);

/// JumpIfNotResultTaken with the Boolean of a comparison decided inline.
inline bool JumpIfNotTaken(const TCtxValue& value) {
  return value.Is(TCtxType::Boolean) ? !value.BooleanPayload() : JumpIfNotResultTaken(value);
}
/// JumpIfResultTaken with a Boolean decided inline.
inline bool JumpIfTaken(const TCtxValue& value) {
  return value.Is(TCtxType::Boolean) ? value.BooleanPayload() : JumpIfResultTaken(value);
}

}  // namespace zendrik
