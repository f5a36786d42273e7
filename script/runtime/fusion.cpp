#include "script/runtime/fusion.h"

#include <initializer_list>

namespace zendrik {

namespace {

using Op = TCtxOpCode;

bool IsArithmetic(Op op) {
  return op == Op::Plus || op == Op::Minus || op == Op::Mul || op == Op::IDiv || op == Op::Mod ||
         op == Op::And || op == Op::Or || op == Op::Xor;
}

bool IsComparison(Op op) { return op >= Op::Greater && op <= Op::NotEqual; }

// The code with the instructions that jumps and protected blocks lead to.
class Shapes {
 public:
  explicit Shapes(const std::vector<TCtxPCodeRec>& code) : Code(code), Targets(code.size(), false) {
    for (const TCtxPCodeRec& instruction : code) {
      const Op op = instruction.Operation();
      const bool jumps = op == Op::Jump || op == Op::JumpIf || op == Op::JumpIfNot || op == Op::Try;
      if (jumps && instruction.Value >= 0 && std::size_t(instruction.Value) < code.size())
        Targets[std::size_t(instruction.Value)] = true;
    }
  }

  // True when the instructions from `at` on match `pattern` (a predicate per instruction), all
  // on one line, with no jump into them after the first.
  bool Matches(std::size_t at, std::initializer_list<bool (*)(Op)> pattern) const {
    if (at + pattern.size() > Code.size()) return false;
    std::size_t i = at;
    for (bool (*accepts)(Op) : pattern) {
      if (!accepts(Code[i].Operation())) return false;
      if (i > at && (Targets[i] || Code[i].Line != Code[at].Line)) return false;
      ++i;
    }
    return true;
  }

  const TCtxPCodeRec& At(std::size_t i) const { return Code[i]; }

 private:
  const std::vector<TCtxPCodeRec>& Code;
  std::vector<bool> Targets;
};

bool LoadVar(Op op) { return op == Op::LoadVar; }
bool PushResult(Op op) { return op == Op::PushResult; }
bool LoadInteger(Op op) { return op == Op::LoadInteger; }
bool StoreVar(Op op) { return op == Op::StoreVar; }
bool JumpIfNot(Op op) { return op == Op::JumpIfNot; }
bool Arithmetic(Op op) { return IsArithmetic(op); }
bool Comparison(Op op) { return IsComparison(op); }

TCtxFusedRun Run(TCtxFusedOp op, std::size_t length, Op operation, std::int32_t a = 0,
                 std::int32_t b = 0, std::int32_t c = 0, std::int32_t target = 0) {
  return {op, static_cast<std::uint8_t>(length), operation, 0, a, b, c, target};
}

// The longest fused run that starts at `i`, or an ordinary instruction.
TCtxFusedRun RunAt(const Shapes& s, std::size_t i) {
  using F = TCtxFusedOp;
  const auto value = [&s, i](std::size_t k) { return s.At(i + k).Value; };
  const auto op = [&s, i](std::size_t k) { return s.At(i + k).Operation(); };
  if (s.Matches(i, {LoadVar, PushResult, LoadInteger, Comparison, JumpIfNot}))
    return Run(F::VarCmpConstJump, 5, op(3), value(0), value(2), 0, value(4));
  if (s.Matches(i, {LoadVar, PushResult, LoadVar, Comparison, JumpIfNot}))
    return Run(F::VarCmpVarJump, 5, op(3), value(0), value(2), 0, value(4));
  if (s.Matches(i, {LoadVar, PushResult, LoadInteger, Arithmetic, StoreVar}))
    return Run(F::VarOpConstStore, 5, op(3), value(0), value(2), value(4));
  if (s.Matches(i, {LoadVar, PushResult, LoadVar, Arithmetic, StoreVar}))
    return Run(F::VarOpVarStore, 5, op(3), value(0), value(2), value(4));
  if (s.Matches(i, {LoadVar, PushResult, LoadInteger, Arithmetic}))
    return Run(F::VarOpConst, 4, op(3), value(0), value(2));
  if (s.Matches(i, {LoadVar, PushResult, LoadVar, Arithmetic}))
    return Run(F::VarOpVar, 4, op(3), value(0), value(2));
  if (s.Matches(i, {PushResult, LoadInteger, Comparison, JumpIfNot}))
    return Run(F::PushCmpConstJump, 4, op(2), 0, value(1), 0, value(3));
  if (s.Matches(i, {LoadVar, PushResult})) return Run(F::PushVar, 2, Op::Nop, value(0));
  if (s.Matches(i, {LoadInteger, PushResult})) return Run(F::PushConst, 2, Op::Nop, value(0));
  if (s.Matches(i, {Comparison, JumpIfNot})) return Run(F::CmpJump, 2, op(0), 0, 0, 0, value(1));
  switch (op(0)) {
    case Op::LoadVar: return Run(F::LoadVar, 1, Op::Nop, value(0));
    case Op::StoreVar: return Run(F::StoreVar, 1, Op::Nop, value(0));
    case Op::LoadInteger: return Run(F::LoadInteger, 1, Op::Nop, value(0));
    case Op::PushResult: return Run(F::PushResult, 1, Op::Nop);
    case Op::Inc: return Run(F::Inc, 1, Op::Nop, value(0));
    case Op::Dec: return Run(F::Dec, 1, Op::Nop, value(0));
    case Op::Jump: return Run(F::Jump, 1, Op::Nop, 0, 0, 0, value(0));
    case Op::CallMethod: return Run(F::CallMethod, 1, Op::Nop);
    default: return {};
  }
}

}  // namespace

void FuseInstructions(const std::vector<TCtxPCodeRec>& code, std::vector<TCtxFusedRun>& runs) {
  runs.assign(code.size(), TCtxFusedRun{});
  const Shapes shapes(code);
  for (std::size_t i = 0; i < code.size(); ++i) {
    runs[i] = RunAt(shapes, i);
    runs[i].Line = code[i].Line;
  }
}

}  // namespace zendrik
