// The run loop: one instruction after the other on the result register and the stack, until
// EXIT. Handlers are short; the work lives in the helpers below the loop.

#include <cstdint>
#include <string>

#include "script/runtime/automation.h"
#include "script/runtime/conversions.h"
#include "script/runtime/engine.h"
#include "script/runtime/errors.h"
#include "script/runtime/fusion.h"
#include "script/runtime/member_access.h"
#include "script/runtime/operators.h"
#include "script/runtime/pcode.h"
#include "script/runtime/script_code.h"

namespace zendrik {

namespace {

using Op = TCtxOpCode;
using Kind = TCtxAccessKind;

[[noreturn]] void RaiseUnsupported() { throw ECtxScriptError("Unsupported instruction"); }

[[noreturn]] void RaiseMethodNotFound(std::string_view name) {
  throw ECtxScriptError::CreateFmt("Method not found. Method: %s", {name});
}

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

void TCtxScript::Run(const TCtxFusedRun* runs) {
  for (;;) {
    try {
      RunInstructions(runs);
      return;
    } catch (...) {
      if (!CatchException()) throw;
    }
  }
}

namespace {

TCtxBinaryOp BinaryOpOf(Op op) {
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

TCtxCompareOp CompareOpOf(Op op) {
  return static_cast<TCtxCompareOp>(static_cast<int>(op) - static_cast<int>(Op::Greater));
}

}  // namespace

void TCtxScript::RunInstructions(const TCtxFusedRun* runs) {
  using F = TCtxFusedOp;
  std::vector<TCtxPCodeRec>& pcode = State.Code->PCode();
  TCtxPCodeRec* const code = pcode.data();
  const auto size = static_cast<std::uint32_t>(pcode.size());
  std::int32_t pc = State.PC;
  if (Terminated) return;
  for (;;) {
    if (--PollCountdown <= 0 && Poll(pc)) return;
    if (static_cast<std::uint32_t>(pc) >= size)
      throw ECtxScriptError::CreateFmt("Instruction %d lies outside the code", {pc});
    const TCtxFusedRun& run = runs[pc];
    if (run.Line != State.CurrentLine) {
      State.PC = pc;
      State.CurrentLine = run.Line;
      DebugHook(false);
      if (Terminated) return;
    }
    std::int32_t result;
    switch (run.Op) {
      case F::None:
        if (Step(code[pc], pc)) return;
        break;
      case F::PushVar:
        Result = Slot(run.A);
        Push(Result);
        pc += 2;
        break;
      case F::PushConst:
        Result.AssignInteger(run.A);
        Push(Result);
        pc += 2;
        break;
      case F::LoadVar:
        Result = Slot(run.A);
        ++pc;
        break;
      case F::CallMethod:
        State.PC = pc;
        AccessUnqualified(code[pc++], Kind::akGet);
        if (Terminated) return;
        break;
      case F::StoreVar:
        Slot(run.A) = Result;
        ++pc;
        break;
      case F::LoadInteger:
        Result.AssignInteger(run.A);
        ++pc;
        break;
      case F::PushResult:
        Push(Result);
        ++pc;
        break;
      case F::Inc:
      case F::Dec: {
        TCtxValue& variable = Slot(run.A);
        const std::int32_t step = run.Op == F::Inc ? 1 : -1;
        if (!variable.Is(TCtxType::Integer) ||
            __builtin_add_overflow(variable.IntegerPayload(), step, &result)) {
          if (Step(code[pc], pc)) return;
          break;
        }
        Result = variable;
        variable.AssignInteger(result);
        ++pc;
        break;
      }
      case F::Jump: pc = run.Target; break;
      case F::VarOpConst:
      case F::VarOpConstStore: {
        const TCtxValue& left = Slot(run.A);
        if (!left.Is(TCtxType::Integer) || !RoomToPush() ||
            !IntegerResult(BinaryOpOf(run.Operator), left.IntegerPayload(), run.B, result)) {
          if (StepRun(pc, run.Length)) return;
          break;
        }
        Result.AssignInteger(result);
        if (run.Op == F::VarOpConstStore) Slot(run.C) = Result;
        pc += run.Length;
        break;
      }
      case F::VarOpVar:
      case F::VarOpVarStore: {
        const TCtxValue& left = Slot(run.A);
        const TCtxValue& right = Slot(run.B);
        if (!detail::BothIntegers(left, right) || !RoomToPush() ||
            !IntegerResult(BinaryOpOf(run.Operator), left.IntegerPayload(), right.IntegerPayload(),
                           result)) {
          if (StepRun(pc, run.Length)) return;
          break;
        }
        Result.AssignInteger(result);
        if (run.Op == F::VarOpVarStore) Slot(run.C) = Result;
        pc += run.Length;
        break;
      }
      case F::VarCmpConstJump: {
        const TCtxValue& left = Slot(run.A);
        if (!left.Is(TCtxType::Integer) || !RoomToPush()) {
          if (StepRun(pc, run.Length)) return;
          break;
        }
        const bool holds = CompareIntegers(CompareOpOf(run.Operator), left.IntegerPayload(), run.B);
        Result.AssignBoolean(holds);
        pc = holds ? pc + run.Length : run.Target;
        break;
      }
      case F::VarCmpVarJump: {
        const TCtxValue& left = Slot(run.A);
        const TCtxValue& right = Slot(run.B);
        if (!detail::BothIntegers(left, right) || !RoomToPush()) {
          if (StepRun(pc, run.Length)) return;
          break;
        }
        const bool holds = CompareIntegers(CompareOpOf(run.Operator), left.IntegerPayload(),
                                           right.IntegerPayload());
        Result.AssignBoolean(holds);
        pc = holds ? pc + run.Length : run.Target;
        break;
      }
      case F::PushCmpConstJump: {
        if (!Result.Is(TCtxType::Integer) || !RoomToPush()) {
          if (StepRun(pc, run.Length)) return;
          break;
        }
        const bool holds =
            CompareIntegers(CompareOpOf(run.Operator), Result.IntegerPayload(), run.B);
        Result.AssignBoolean(holds);
        pc = holds ? pc + run.Length : run.Target;
        break;
      }
      case F::CmpJump:
        Result = TCtxValue::Boolean(Compare(CompareOpOf(run.Operator), Pop(), Result));
        pc = JumpIfNotTaken(Result) ? run.Target : pc + run.Length;
        break;
    }
  }
}

bool TCtxScript::Poll(std::int32_t pc) {
  PollCountdown = kPollInterval;
  if (OnPoll) {
    State.PC = pc;
    OnPoll(*this);
  }
  return Terminated;
}

bool TCtxScript::StepRun(std::int32_t& pc, int length) {
  std::vector<TCtxPCodeRec>& pcode = State.Code->PCode();
  for (int i = 0; i < length; ++i)
    if (Step(pcode[static_cast<std::size_t>(pc)], pc)) return true;
  return false;
}

// One instruction; `pc` becomes the next one. True when the run ends here (EXIT, or a
// termination requested during a call).
inline bool TCtxScript::Step(TCtxPCodeRec& instruction, std::int32_t& pc) {
  const std::int32_t at = pc++;
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
      State.PC = at;
      AccessUnqualified(instruction, AccessKindOf(instruction.Operation()));
      return Terminated;
    case Op::CallObjectMethod:
    case Op::GetObjectIndexed:
    case Op::SetObjectProperty:
    case Op::SetObjectIndexed:
      State.PC = at;
      AccessQualified(instruction, AccessKindOf(instruction.Operation()));
      return Terminated;
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
    case Op::Jump: pc = instruction.Value; break;
    case Op::JumpIfNot:
      if (JumpIfNotTaken(Result)) pc = instruction.Value;
      break;
    case Op::JumpIf:
      if (JumpIfTaken(Result)) pc = instruction.Value;
      break;
    case Op::Try: OpenProtectedBlock(instruction.Value); break;
    case Op::EndTry: CloseProtectedBlock(); break;
    case Op::RaiseException:
      if (!State.ExceptValue.IsUnassigned()) throw EVariantException(State.ExceptValue);
      break;
    case Op::RaiseResult: throw EVariantException(Result);
    case Op::ClearException: State.ExceptValue = TCtxValue(); break;
    case Op::LoadException: Result = State.ExceptValue; break;
    case Op::Begin: OpenFrame(instruction); break;
    case Op::Exit: State.PC = at; return true;
    case Op::UPlus:
    case Op::WithResult:
    case Op::WithEnd:
    default: RaiseUnsupported();
  }
  return false;
}

// `s := s + t` on a string that nothing else shares appends to it in place, so that a loop of
// appends stays linear: the next instruction stores into the slot `left` was loaded from, so
// the slot's old share is dead. With no debug hook call in between (same line), nothing can
// tell the difference. False, with nothing changed, when the pattern does not apply.
bool TCtxScript::AppendInPlace(TCtxValue& left, std::int32_t pc) {
  if (!left.Is(TCtxType::String) || !Result.IsString()) return false;
  const std::vector<TCtxPCodeRec>& pcode = State.Code->PCode();
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
    if (!object)
      throw ECtxScriptError::CreateFmt("Error accessing a field or method %s of nil object", {"_"});
    if (!InvokeByName(*this, kind, object, "_", 1)) RaiseNotAnArray();
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
    InvokeUnqualified(*this, instruction, kind);
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
  if (!object)
    throw ECtxScriptError::CreateFmt("Error accessing a field or method %s of nil object",
                                     {instruction.Name.view()});
  if (!InvokeOnObject(*this, instruction, object, kind)) RaiseMethodNotFound(instruction.Name);
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
