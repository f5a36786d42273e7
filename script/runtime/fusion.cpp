#include "script/runtime/fusion.h"

#include <initializer_list>
#include <optional>

namespace zendrik {

namespace {

using Op = TCtxOpCode;
using F = TCtxFusedOp;

bool IsArithmetic(Op op) {
  return op == Op::Plus || op == Op::Minus || op == Op::Mul || op == Op::IDiv || op == Op::Mod ||
         op == Op::And || op == Op::Or || op == Op::Xor;
}

bool IsComparison(Op op) { return op >= Op::Greater && op <= Op::NotEqual; }

bool HasJumpTarget(Op op) {
  return op == Op::Jump || op == Op::JumpIf || op == Op::JumpIfNot || op == Op::Try;
}

// The code with the instructions that jumps and protected blocks lead to, and its frame.
class Shapes {
 public:
  explicit Shapes(const std::vector<TCtxPCodeRec>& code) : Code(code), Targets(code.size(), false) {
    int begins = 0;
    for (const TCtxPCodeRec& instruction : code) {
      const Op op = instruction.Operation();
      if (HasJumpTarget(op) && Inside(instruction.Value))
        Targets[std::size_t(instruction.Value)] = true;
      if (op == Op::Begin) ++begins;
    }
    // The one BEGIN that starts the code opens the frame every later instruction works in.
    if (begins == 1 && code.front().Operation() == Op::Begin) FrameSlots = code.front().Count;
  }

  // True when the instructions from `at` on match `pattern` (a predicate per instruction), with
  // no jump into them after the first.
  bool Matches(std::size_t at, std::initializer_list<bool (*)(Op)> pattern) const {
    if (at + pattern.size() > Code.size()) return false;
    std::size_t i = at;
    for (bool (*accepts)(Op) : pattern) {
      if (!accepts(Code[i].Operation())) return false;
      if (i > at && Targets[i]) return false;
      ++i;
    }
    return true;
  }

  bool Inside(std::int32_t index) const {
    return index >= 0 && static_cast<std::size_t>(index) < Code.size();
  }
  bool IsSlot(std::int32_t slot) const { return slot >= 0 && slot < FrameSlots; }

  // True when the instruction at `at` sets R before anything reads it, and cannot fail first:
  // R's value before it is never seen.
  bool WritesResultFirst(std::int32_t at, bool followJump = true) const {
    if (!Inside(at)) return false;
    const TCtxPCodeRec& instruction = Code[std::size_t(at)];
    switch (instruction.Operation()) {
      case Op::LoadString:
      case Op::LoadInteger:
      case Op::LoadDouble:
      case Op::LoadBool:
      case Op::LoadNull: return true;
      case Op::LoadVar:
      case Op::Inc:
      case Op::Dec: return IsSlot(instruction.Value);
      case Op::Jump: return followJump && WritesResultFirst(instruction.Value, false);
      default: return false;
    }
  }

  std::size_t Size() const { return Code.size(); }
  const TCtxPCodeRec& At(std::size_t i) const { return Code[i]; }

  std::int32_t FrameSlots = 0;

 private:
  const std::vector<TCtxPCodeRec>& Code;
  std::vector<bool> Targets;
};

bool LoadVar(Op op) { return op == Op::LoadVar; }
bool PushResult(Op op) { return op == Op::PushResult; }
bool LoadInteger(Op op) { return op == Op::LoadInteger; }
bool StoreVar(Op op) { return op == Op::StoreVar; }
bool JumpIfNot(Op op) { return op == Op::JumpIfNot; }
bool Jump(Op op) { return op == Op::Jump; }
bool Step(Op op) { return op == Op::Inc || op == Op::Dec; }
bool Arithmetic(Op op) { return IsArithmetic(op); }
bool CallMethod(Op op) { return op == Op::CallMethod; }
bool Comparison(Op op) { return IsComparison(op); }

// The operator of a run: its arithmetic operation or comparison.
std::uint8_t OperatorOf(Op operation) {
  return IsComparison(operation) ? static_cast<std::uint8_t>(CompareOpOf(operation))
                                 : static_cast<std::uint8_t>(BinaryOpOf(operation));
}

TCtxFusedRun Run(F op, std::size_t length, Op operation, std::int32_t a = 0, std::int32_t b = 0,
                 std::int32_t c = 0, std::int32_t target = 0) {
  TCtxFusedRun run;
  run.Op = op;
  run.Length = static_cast<std::uint8_t>(length);
  run.Operator = OperatorOf(operation);
  run.A = a;
  run.B = b;
  run.C = c;
  run.Target = target;
  return run;
}

// The run that tests a loop variable at `i` (VarCmpConstJump or VarCmpVarJump), if there is one.
std::optional<TCtxFusedRun> LoopTestAt(const Shapes& s, std::size_t i) {
  const auto value = [&s, i](std::size_t k) { return s.At(i + k).Value; };
  const auto op = [&s, i](std::size_t k) { return s.At(i + k).Operation(); };
  if (s.Matches(i, {LoadVar, PushResult, LoadInteger, Comparison, JumpIfNot}))
    return Run(F::VarCmpConstJump, 5, op(3), value(0), value(2), 0, value(4));
  if (s.Matches(i, {LoadVar, PushResult, LoadVar, Comparison, JumpIfNot}))
    return Run(F::VarCmpVarJump, 5, op(3), value(0), value(2), 0, value(4));
  return std::nullopt;
}

// A jump at `jump` to a loop's test, fused with it; `length` instructions, the jump last.
std::optional<TCtxFusedRun> JumpToTest(const Shapes& s, std::size_t jump, F constOp, F varOp,
                                       std::size_t length) {
  const std::int32_t target = s.At(jump).Value;
  if (!s.Inside(target)) return std::nullopt;
  std::optional<TCtxFusedRun> run = LoopTestAt(s, std::size_t(target));
  if (!run) return std::nullopt;
  run->Op = run->Op == F::VarCmpConstJump ? constOp : varOp;
  run->C = target + run->Length;  // the loop's body, after its test
  run->Length = static_cast<std::uint8_t>(length);
  return run;
}

// The longest fused run that starts at `i`, or the instruction by itself.
TCtxFusedRun RunAt(const Shapes& s, std::size_t i) {
  const auto value = [&s, i](std::size_t k) { return s.At(i + k).Value; };
  const auto op = [&s, i](std::size_t k) { return s.At(i + k).Operation(); };
  if (const std::optional<TCtxFusedRun> test = LoopTestAt(s, i)) return *test;
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
  if (s.Matches(i, {Step, Jump})) {
    std::optional<TCtxFusedRun> step = JumpToTest(s, i + 1, F::ForStepConst, F::ForStepVar, 2);
    if (step && step->A == value(0)) {
      step->Delta = op(0) == Op::Inc ? 1 : -1;
      return *step;
    }
  }
  if (s.Matches(i, {Jump}))
    if (const std::optional<TCtxFusedRun> jump =
            JumpToTest(s, i, F::JumpTestConst, F::JumpTestVar, 1))
      return *jump;
  if (s.Matches(i, {CallMethod, StoreVar})) return Run(F::CallStore, 2, Op::Nop, 0, 0, value(1));
  if (s.Matches(i, {LoadVar, PushResult})) return Run(F::PushVar, 2, Op::Nop, value(0));
  if (s.Matches(i, {LoadInteger, PushResult})) return Run(F::PushConst, 2, Op::Nop, value(0));
  if (s.Matches(i, {Comparison, JumpIfNot})) return Run(F::CmpJump, 2, op(0), 0, 0, 0, value(1));
  return {};  // the instruction by itself
}

// The slot operands of a run lie in the frame and its jumps inside the code, so that the loop
// reaches both without checking them.
bool Sound(const Shapes& s, const TCtxFusedRun& run) {
  switch (run.Op) {
    case F::Single:
    case F::PushConst: return true;
    case F::PushVar:
    case F::VarOpConst: return s.IsSlot(run.A);
    case F::VarOpVar: return s.IsSlot(run.A) && s.IsSlot(run.B);
    case F::VarOpConstStore: return s.IsSlot(run.A) && s.IsSlot(run.C);
    case F::VarOpVarStore: return s.IsSlot(run.A) && s.IsSlot(run.B) && s.IsSlot(run.C);
    case F::CallStore: return s.IsSlot(run.C);
    case F::VarCmpConstJump: return s.IsSlot(run.A) && s.Inside(run.Target);
    case F::VarCmpVarJump: return s.IsSlot(run.A) && s.IsSlot(run.B) && s.Inside(run.Target);
    case F::PushCmpConstJump:
    case F::CmpJump: return s.Inside(run.Target);
    case F::JumpTestConst:
    case F::ForStepConst: return s.IsSlot(run.A) && s.Inside(run.Target) && s.Inside(run.C);
    case F::JumpTestVar:
    case F::ForStepVar:
      return s.IsSlot(run.A) && s.IsSlot(run.B) && s.Inside(run.Target) && s.Inside(run.C);
  }
  return false;
}

// Whether the loop counts the entry for its poll: single instructions (among them every jump
// and call) and the fused runs that jump.
bool Polls(F op) {
  switch (op) {
    case F::PushVar:
    case F::PushConst:
    case F::VarOpConst:
    case F::VarOpConstStore:
    case F::VarOpVar:
    case F::VarOpVarStore: return false;
    default: return true;
  }
}

// Notes where R is dead after the run, so that it need not be set there.
void NoteDeadResult(const Shapes& s, std::int32_t at, TCtxFusedRun& run) {
  switch (run.Op) {
    case F::VarOpConstStore:
    case F::VarOpVarStore: run.ResultDead = s.WritesResultFirst(at + run.Length); break;
    case F::VarCmpConstJump:
    case F::VarCmpVarJump:
      run.ResultDeadOnTrue = s.WritesResultFirst(at + run.Length);
      run.ResultDeadOnFalse = s.WritesResultFirst(run.Target);
      break;
    case F::JumpTestConst:
    case F::JumpTestVar:
    case F::ForStepConst:
    case F::ForStepVar:
      run.ResultDeadOnTrue = s.WritesResultFirst(run.C);
      run.ResultDeadOnFalse = s.WritesResultFirst(run.Target);
      break;
    default: break;
  }
}

}  // namespace

TCtxBinaryOp BinaryOpOf(TCtxOpCode op) {
  switch (op) {
    case Op::Minus: return TCtxBinaryOp::Minus;
    case Op::Mul: return TCtxBinaryOp::Mul;
    case Op::Div: return TCtxBinaryOp::Div;
    case Op::IDiv: return TCtxBinaryOp::IDiv;
    case Op::Mod: return TCtxBinaryOp::Mod;
    case Op::And: return TCtxBinaryOp::And;
    case Op::Or: return TCtxBinaryOp::Or;
    case Op::Xor: return TCtxBinaryOp::Xor;
    default: return TCtxBinaryOp::Plus;
  }
}

TCtxLoopForm LoopForm(const std::vector<TCtxPCodeRec>& code, bool fuse) {
  TCtxLoopForm form;
  form.Runs.resize(code.size());
  if (code.empty()) return form;
  const Shapes shapes(code);
  form.FrameSlots = shapes.FrameSlots;
  for (std::size_t i = 0; i < code.size(); ++i) {
    TCtxFusedRun& run = form.Runs[i];
    if (fuse) run = RunAt(shapes, i);
    if (!Sound(shapes, run)) run = {};
    NoteDeadResult(shapes, static_cast<std::int32_t>(i), run);
    run.Polls = Polls(run.Op);
  }
  return form;
}

}  // namespace zendrik
