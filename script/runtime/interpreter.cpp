// The run loop: one instruction after the other on the result register and the stack, until
// EXIT. Handlers are short; the work lives in the helpers below the loop.

#include <cstdint>
#include <string>
#include <utility>

#include "script/runtime/automation.h"
#include "script/runtime/conversions.h"
#include "script/runtime/engine.h"
#include "script/runtime/errors.h"
#include "script/runtime/fusion.h"
#include "script/runtime/operators.h"
#include "script/runtime/pcode.h"
#include "script/runtime/script_code.h"

namespace zendrik {

namespace {

using Op = TCtxOpCode;
using Kind = TCtxAccessKind;

[[noreturn]] void RaiseUnsupported() { throw ECtxScriptError("Unsupported instruction"); }

[[noreturn]] void RaiseNotAnArray() { throw ECtxScriptError("Variable is not an array"); }

TCtxAccessKind AccessKindOf(Op op) {
  switch (op) {
    case Op::GetIndexed:
    case Op::GetObjectIndexed: return Kind::akGetIndexed;
    case Op::SetProperty:
    case Op::SetObjectProperty: return Kind::akSet;
    case Op::SetIndexed:
    case Op::SetObjectIndexed: return Kind::akSetIndexed;
    default: return Kind::akGet;
  }
}

void CheckOneIndex(const TCtxPCodeRec& instruction) {
  if (instruction.Count != 1) throw ECtxScriptError("Multidimensional arrays are not supported");
}

// The 1-based position `index` of a text; raises outside it.
std::size_t CheckedStringIndex(std::int32_t index, std::size_t length) {
  if (index < 1 || static_cast<std::size_t>(index) > length)
    throw ECtxScriptError::CreateFmt("String index %d out of range", {index});
  return static_cast<std::size_t>(index);
}

}  // namespace

void TCtxScript::Run() {
  for (;;) {
    try {
      if (RunInstructions()) return;
    } catch (...) {
      if (!CatchException()) throw;
    }
  }
}

bool TCtxScript::UsesFusion() const {
  // Fused runs may span lines: a hook that follows the lines needs every instruction alone.
  const bool hookFollowsLines =
      OnDebugHook && DebugOptions.Contains(TCtxDebugOption::cdoStopOnBreakpoint);
  return Fusion && !hookFollowsLines;
}

bool TCtxScript::RunInstructions() {
  if (!UsesFusion()) return RunLoop<true>();
  try {
    const bool ended = RunLoop<false>();
    NoteLineOfPC();
    return ended;
  } catch (...) {
    NoteLineOfPC();
    throw;
  }
}

void TCtxScript::NoteLineOfPC() {
  const std::vector<TCtxPCodeRec>& code = std::as_const(*State.Code).PCode();
  if (static_cast<std::size_t>(State.PC) < code.size())
    State.CurrentLine = code[static_cast<std::size_t>(State.PC)].Line;
}

// The loop. While it follows the lines, it notes every change of line and calls the debug hook
// there; otherwise it notes only the instruction, whose line is read when someone asks.
template <bool followLines>
bool TCtxScript::RunLoop() {
  using F = TCtxFusedOp;
  TCtxScriptCode& running = *State.Code;
  const TCtxLoopForm& form = running.LoopForm(!followLines);
  const TCtxFusedRun* const runs = form.Runs.data();
  TCtxPCodeRec* const code = running.RunnableInstructions();
  const auto size = static_cast<std::uint32_t>(running.InstructionCount());
  std::int32_t pc = State.PC;
  // Kept at hand: only a single instruction (BEGIN) changes the frame.
  TCtxFrame frame = FastFrame(form.FrameSlots);
  if (Terminated) return true;
  for (;;) {
    if (static_cast<std::uint32_t>(pc) >= size)
      throw ECtxScriptError::CreateFmt("Instruction %d lies outside the code", {pc});
    const TCtxFusedRun& run = runs[pc];
    if constexpr (followLines) {
      if (code[pc].Line != State.CurrentLine) {
        State.PC = pc;
        State.CurrentLine = code[pc].Line;
        DebugHook(false);
        if (Terminated) return true;
      }
    } else {
      State.PC = pc;
    }
    // Every loop goes through a single instruction or a fused jump: those count for the poll.
    if (run.Polls && --PollCountdown <= 0 && Poll(pc, !followLines)) return Terminated;
    switch (run.Op) {
      case F::Single:
        pc = Step(code[pc], pc);
        if (pc == kRunEnds) return true;
        frame = FastFrame(form.FrameSlots);
        break;
      case F::PushVar:
        if (!frame.Slots) {
          pc = StepRun(pc, run.Length);
          break;
        }
        Result = frame[run.A];
        Push(Result);
        pc += 2;
        break;
      case F::PushConst:
        Result.AssignInteger(run.A);
        Push(Result);
        pc += 2;
        break;
      case F::VarOpConst: pc = Arithmetic<F::VarOpConst>(run, frame, pc); break;
      case F::VarOpConstStore: pc = Arithmetic<F::VarOpConstStore>(run, frame, pc); break;
      case F::VarOpVar: pc = Arithmetic<F::VarOpVar>(run, frame, pc); break;
      case F::VarOpVarStore: pc = Arithmetic<F::VarOpVarStore>(run, frame, pc); break;
      case F::VarCmpConstJump: pc = LoopTest<F::VarCmpConstJump>(run, frame, pc); break;
      case F::VarCmpVarJump: pc = LoopTest<F::VarCmpVarJump>(run, frame, pc); break;
      case F::JumpTestConst: pc = LoopTest<F::JumpTestConst>(run, frame, pc); break;
      case F::JumpTestVar: pc = LoopTest<F::JumpTestVar>(run, frame, pc); break;
      case F::ForStepConst: pc = LoopTest<F::ForStepConst>(run, frame, pc); break;
      case F::ForStepVar: pc = LoopTest<F::ForStepVar>(run, frame, pc); break;
      case F::CallStore:
        // The call as its instruction makes it; then its value straight into the slot.
        EnterCall(code[pc], pc);
        AccessUnqualified(code[pc], TCtxAccessKind::akGet);
        if (Terminated) return true;
        ++pc;
        if (frame.Slots) {
          frame[run.C] = Result;
          ++pc;
        }
        break;
      case F::PushCmpConstJump: {
        if (!Result.Is(TCtxType::Integer) || !RoomToPush()) {
          pc = StepRun(pc, run.Length);
          break;
        }
        const bool holds = CompareIntegers(run.Comparison(), Result.IntegerPayload(), run.B);
        Result.AssignBoolean(holds);
        pc = holds ? pc + run.Length : run.Target;
        break;
      }
      case F::CmpJump:
        Result = TCtxValue::Boolean(Compare(run.Comparison(), Pop(), Result));
        pc = JumpIfNotTaken(Result) ? run.Target : pc + run.Length;
        break;
    }
    if (pc == kRunEnds) return true;
  }
}

// A variable combined with a constant or another variable, the result stored or left in R.
// Operands that need the general rules run the instructions one by one. Returns the next
// instruction, or kRunEnds.
template <TCtxFusedOp op>
inline std::int32_t TCtxScript::Arithmetic(const TCtxFusedRun& run, TCtxFrame frame,
                                           std::int32_t pc) {
  using F = TCtxFusedOp;
  if (!frame.Slots || !RoomToPush()) return StepRun(pc, run.Length);
  const TCtxValue& left = frame[run.A];
  constexpr bool withVariable = op == F::VarOpVar || op == F::VarOpVarStore;
  const TCtxValue& right = withVariable ? frame[run.B] : left;
  std::int32_t result;
  if (!left.Is(TCtxType::Integer) || !right.Is(TCtxType::Integer) ||
      !IntegerResult(run.Arithmetic(), left.IntegerPayload(),
                     withVariable ? right.IntegerPayload() : run.B, result))
    return StepRun(pc, run.Length);
  if constexpr (op == F::VarOpConstStore || op == F::VarOpVarStore) {
    if (run.ResultDead) {
      frame[run.C].AssignInteger(result);
    } else {
      Result.AssignInteger(result);
      frame[run.C] = Result;
    }
  } else {
    Result.AssignInteger(result);
  }
  return pc + run.Length;
}

// The loop tests and steps: a variable compared with a constant or another variable, after a
// jump back to the test and an increment or decrement for a for loop. Operands that need the
// general rules run the instructions one by one. Returns the next instruction, or kRunEnds.
template <TCtxFusedOp op>
inline std::int32_t TCtxScript::LoopTest(const TCtxFusedRun& run, TCtxFrame frame,
                                         std::int32_t pc) {
  using F = TCtxFusedOp;
  if (!frame.Slots || !RoomToPush()) return StepRun(pc, run.Length);
  TCtxValue& variable = frame[run.A];
  constexpr bool againstVariable =
      op == F::VarCmpVarJump || op == F::JumpTestVar || op == F::ForStepVar;
  const TCtxValue& limit = againstVariable ? frame[run.B] : variable;
  if (!variable.Is(TCtxType::Integer) || !limit.Is(TCtxType::Integer))
    return StepRun(pc, run.Length);
  std::int32_t value = variable.IntegerPayload();
  if constexpr (op == F::ForStepConst || op == F::ForStepVar) {
    if (__builtin_add_overflow(value, run.Delta, &value)) return StepRun(pc, run.Length);
    variable.AssignInteger(value);
  }
  // The limit is read after the step: it may be the variable itself.
  const std::int32_t bound = againstVariable ? limit.IntegerPayload() : run.B;
  const bool holds = CompareIntegers(run.Comparison(), value, bound);
  if (!(holds ? run.ResultDeadOnTrue : run.ResultDeadOnFalse)) Result.AssignBoolean(holds);
  constexpr bool jumpsToTest = op != F::VarCmpConstJump && op != F::VarCmpVarJump;
  return holds ? (jumpsToTest ? run.C : pc + run.Length) : run.Target;
}

bool TCtxScript::Poll(std::int32_t pc, bool fused) {
  PollCountdown = kPollInterval;
  State.PC = pc;
  if (fused) NoteLineOfPC();  // the host may ask where the script is
  if (OnPoll) OnPoll(*this);
  return Terminated || UsesFusion() != fused;
}

TCtxAutomation* TCtxScript::AutomationServer() const {
  return Automation ? Automation : InstalledAutomationServer();
}

inline TCtxMemberResolver& TCtxScript::Members() const {
  TCtxMemberResolver* resolver = Resolver ? Resolver : InstalledMemberResolver();
  if (!resolver)
    throw ECtxScriptError("No member resolver is installed: the engine finds no names");
  return *resolver;
}

// A callback may look at where the script is (a host saying where it stopped): the registers
// tell it exactly, also while the loop does not follow the lines.
void TCtxScript::EnterCall(const TCtxPCodeRec& instruction, std::int32_t at) {
  State.PC = at;
  State.CurrentLine = instruction.Line;
}

std::int32_t TCtxScript::StepRun(std::int32_t pc, int length) {
  TCtxPCodeRec* const code = State.Code->RunnableInstructions();
  for (int i = 0; i < length && pc != kRunEnds; ++i) {
    State.PC = pc;  // a fused run may span lines: each instruction has its own
    pc = Step(code[pc], pc);
  }
  return pc;
}

// The instruction at `at`; returns the next one, or kRunEnds when the run ends here (EXIT, or a
// termination requested during a call).
inline std::int32_t TCtxScript::Step(TCtxPCodeRec& instruction, std::int32_t at) {
  std::int32_t next = at + 1;
  switch (instruction.Operation()) {
    case Op::Nop:
    case Op::BreakPoint: break;
    case Op::Plus: {
      TCtxValue left = Pop();
      if (!AppendInPlace(left, at)) Result = BinaryOperation(TCtxBinaryOp::Plus, left, Result);
      break;
    }
    case Op::Minus:
    case Op::Mul:
    case Op::Div:
    case Op::IDiv:
    case Op::Mod:
    case Op::And:
    case Op::Or:
    case Op::Xor:
      Result = BinaryOperation(BinaryOpOf(instruction.Operation()), Pop(), Result);
      break;
    case Op::Greater:
    case Op::Less:
    case Op::GreaterOrEqual:
    case Op::LessOrEqual:
    case Op::Equal:
    case Op::NotEqual:
      Result = TCtxValue::Boolean(Compare(CompareOpOf(instruction.Operation()), Pop(), Result));
      break;
    case Op::UMinus: Result = Negate(Result); break;
    case Op::Not: Result = LogicalNot(Result); break;
    case Op::LoadString: Result = TCtxValue::String(instruction.Name); break;
    case Op::LoadInteger: Result = TCtxValue::Integer(instruction.Value); break;
    case Op::LoadDouble: Result = TCtxValue::Floating(instruction.DoubleValue); break;
    case Op::LoadBool: Result = TCtxValue::Boolean(instruction.BoolValue != 0); break;
    case Op::LoadNull: Result = TCtxValue::Null(); break;
    case Op::LoadVar: Result = Slot(instruction.Value); break;
    case Op::LoadVarByRef: Result = ByRefTarget(instruction.Value); break;
    case Op::LoadElement: ReadElement(instruction, Slot(instruction.Value)); break;
    case Op::LoadElementByRef: ReadElement(instruction, ByRefTarget(instruction.Value)); break;
    case Op::LoadVarAddress:
      Slot(instruction.Value);  // checks the cell
      Result = TCtxValue::Reference(State.FrameBase + instruction.Value + 1);
      break;
    case Op::StoreVar: Slot(instruction.Value) = Result; break;
    case Op::StoreVarByRef: ByRefTarget(instruction.Value) = Result; break;
    case Op::StoreElement: WriteElement(instruction, Slot(instruction.Value)); break;
    case Op::StoreElementByRef: WriteElement(instruction, ByRefTarget(instruction.Value)); break;
    case Op::CallMethod:
    case Op::GetIndexed:
    case Op::SetProperty:
    case Op::SetIndexed:
      EnterCall(instruction, at);
      AccessUnqualified(instruction, AccessKindOf(instruction.Operation()));
      return Terminated ? kRunEnds : next;
    case Op::CallObjectMethod:
    case Op::GetObjectIndexed:
    case Op::SetObjectProperty:
    case Op::SetObjectIndexed:
      EnterCall(instruction, at);
      AccessQualified(instruction, AccessKindOf(instruction.Operation()));
      return Terminated ? kRunEnds : next;
    case Op::Inc:
    case Op::Dec: {
      TCtxValue& variable = Slot(instruction.Value);
      Result = variable;
      variable = BinaryOperation(
          instruction.Operation() == Op::Inc ? TCtxBinaryOp::Plus : TCtxBinaryOp::Minus, Result,
          TCtxValue::Integer(1));
      break;
    }
    case Op::PopResult: Result = Pop(); break;
    case Op::PushResult: Push(Result); break;
    case Op::Jump: next = instruction.Value; break;
    case Op::JumpIfNot:
      if (JumpIfNotTaken(Result)) next = instruction.Value;
      break;
    case Op::JumpIf:
      if (JumpIfTaken(Result)) next = instruction.Value;
      break;
    case Op::Try: OpenProtectedBlock(instruction.Value); break;
    case Op::EndTry: CloseProtectedBlock(); break;
    case Op::RaiseException: RaiseHandledAgain();
    case Op::RaiseResult:
      // A reference would outlive the cell it designates: the value it designates is raised.
      throw EVariantException(Result.IsReference() ? ReadReference(Result) : Result);
    case Op::ClearException: EndHandler(); break;
    case Op::LoadException: Result = State.ExceptValue; break;
    case Op::Begin: OpenFrame(instruction); break;
    case Op::Exit: State.PC = at; return kRunEnds;
    case Op::UPlus:
    case Op::WithResult:
    case Op::WithEnd:
    default: RaiseUnsupported();
  }
  return next;
}

// `s := s + t` on a string that nothing else shares appends to it in place, so that a loop of
// appends stays linear: the next instruction stores into the slot `left` was loaded from, so
// the slot's old share is dead. With no debug hook call in between (same line), nothing can
// tell the difference. False, with nothing changed, when the pattern does not apply.
bool TCtxScript::AppendInPlace(TCtxValue& left, std::int32_t pc) {
  if (!left.Is(TCtxType::String) || !Result.IsString()) return false;
  const std::vector<TCtxPCodeRec>& pcode = std::as_const(*State.Code).PCode();
  if (static_cast<std::size_t>(pc) + 1 >= pcode.size()) return false;
  const TCtxPCodeRec& next = pcode[static_cast<std::size_t>(pc) + 1];
  if (next.Operation() != Op::StoreVar || next.Line != pcode[static_cast<std::size_t>(pc)].Line)
    return false;
  TCtxValue& target = Slot(next.Value);
  if (!target.SharesStringWith(left)) return false;
  target = TCtxValue();
  if (!left.HoldsUniqueString()) {
    target = left;
    return false;
  }
  try {
    left.AppendToString(Result.StringPayload());
  } catch (...) {
    target = left;
    throw;
  }
  Result = std::move(left);
  return true;
}

void TCtxScript::OpenFrame(const TCtxPCodeRec& instruction) {
  const std::int32_t frameBase = State.SP - instruction.Value;
  const std::int32_t top = frameBase + instruction.Count;
  if (top >= StackSize()) GrowStack(top);
  for (std::int32_t cell = State.SP; cell > top; --cell)  // fewer slots than arguments
    Stack[static_cast<std::size_t>(cell)] = TCtxValue();
  State.FrameBase = frameBase;
  State.SP = top;
  const TSymbols& symbols = State.Code->Symbols();
  for (int i = 0; i < symbols.Count(); ++i) {
    const TSymbol& symbol = symbols.At(i);
    // A const parameter (below the incoming arguments) keeps the argument it was given.
    if (symbol.SymbolKind() == TSymbolKind::Constant && i >= instruction.Value)
      Slot(i) = symbol.Value;
    else if (symbol.SymbolKind() == TSymbolKind::OutParam)
      ByRefTarget(i) = TCtxValue::Null();
  }
}

void TCtxScript::ReadElement(const TCtxPCodeRec& instruction, const TCtxValue& variable) {
  CheckOneIndex(instruction);
  // The index lies above the frame's slots: popping it leaves `variable` in place.
  if (variable.IsArray()) {
    const std::int32_t index = ToInteger(Pop());
    Result = variable.ArrayPayload().At(index);
  } else if (variable.IsString()) {
    const std::int32_t index = ToInteger(Pop());
    const std::string_view bytes = variable.StringPayload();
    Result = TCtxValue::String(bytes.substr(CheckedStringIndex(index, bytes.size()) - 1, 1));
  } else if (variable.IsObject()) {
    IndexObject(Kind::akGetIndexed, variable);
  } else {
    RaiseNotAnArray();
  }
}

void TCtxScript::WriteElement(const TCtxPCodeRec& instruction, TCtxValue& variable) {
  CheckOneIndex(instruction);
  if (variable.IsArray()) {
    const std::int32_t index = ToInteger(Pop());
    variable.MutableArray().At(index) = Result;
  } else if (variable.IsString()) {
    const std::string text = ToStringPlain(Result);
    const char byte = text.empty() ? '\0' : text.front();
    const std::int32_t index = ToInteger(Pop());
    variable.SetStringByte(CheckedStringIndex(index, variable.StringPayload().size()), byte);
  } else if (variable.IsObject()) {
    IndexObject(Kind::akSetIndexed, TCtxValue(variable));
  } else {
    RaiseNotAnArray();
  }
}

// An object variable indexed like an array: its default member "_" takes the index.
void TCtxScript::IndexObject(TCtxAccessKind kind, const TCtxValue& variable) {
  const std::int32_t level = State.SP - 1;
  try {
    QObject* object = variable.ToObject();
    if (!object) RaiseNilObject("_");
    if (!Members().InvokeByName(*this, kind, object, "_", 1)) RaiseNotAnArray();
  } catch (...) {
    if (State.SP >= level) DropTo(level);
    throw;
  }
  DropTo(level);
}

void TCtxScript::AccessUnqualified(TCtxPCodeRec& instruction, TCtxAccessKind kind) {
  const std::int32_t level = State.SP - instruction.Count;
  if (level < -1) throw ECtxScriptError("Stack underflow");
  try {
    Members().InvokeUnqualified(*this, instruction, kind);
  } catch (...) {
    if (State.SP >= level) DropTo(level);
    throw;
  }
  DropTo(level);
}

void TCtxScript::AccessQualified(TCtxPCodeRec& instruction, TCtxAccessKind kind) {
  const std::int32_t level = State.SP - instruction.Count - 1;
  if (level < -1) throw ECtxScriptError("Stack underflow");
  try {
    const TCtxValue receiver = GetParam(instruction.Count + 1);
    if (receiver.Type() == TCtxType::Automation)
      AccessAutomation(instruction, kind, receiver);
    else
      AccessObject(instruction, kind, receiver);
  } catch (...) {
    if (State.SP >= level) DropTo(level);
    throw;
  }
  DropTo(level);
}

void TCtxScript::AccessObject(TCtxPCodeRec& instruction, TCtxAccessKind kind,
                              const TCtxValue& receiver) {
  if (!receiver.IsObject()) RaiseMethodNotFound(instruction.Name);
  QObject* object = receiver.ToObject();
  if (!object) RaiseNilObject(instruction.Name.view());
  if (!Members().InvokeOnObject(*this, instruction, object, kind))
    RaiseMethodNotFound(instruction.Name);
}

// A member of an automation object, directly or through the by-reference flag: the server
// answers, not an introspector.
void TCtxScript::AccessAutomation(const TCtxPCodeRec& instruction, TCtxAccessKind kind,
                                  const TCtxValue& receiver) {
  if (kind == Kind::akGetIndexed || kind == Kind::akSetIndexed)
    RaiseMethodNotFound(instruction.Name);
  if (kind == Kind::akGet && instruction.Count > kMaxAutomationArguments)
    throw ECtxScriptError("Too many arguments");
  TCtxAutomation* server = AutomationServer();
  if (!server) throw ECtxScriptError("Automation objects are not available on this platform");
  if (kind == Kind::akSet) {
    server->Put(*this, receiver, instruction.Name, Result);
  } else if (instruction.Count == 0) {
    Result = server->Get(*this, receiver, instruction.Name);
  } else {
    std::vector<TCtxValue> arguments;
    arguments.reserve(instruction.Count);
    for (int k = instruction.Count; k >= 1; --k) arguments.push_back(GetParam(k));
    Result = server->Call(*this, receiver, instruction.Name, arguments);
  }
}

}  // namespace zendrik
