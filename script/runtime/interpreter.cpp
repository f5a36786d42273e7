// The run loop: one instruction after the other on the result register and the stack, until
// EXIT. Handlers are short; the work lives in the helpers below the loop.

#include <string>

#include "script/runtime/conversions.h"
#include "script/runtime/engine.h"
#include "script/runtime/errors.h"
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
      RunInstructions();
      return;
    } catch (...) {
      if (!CatchException()) throw;
    }
  }
}

void TCtxScript::RunInstructions() {
  std::vector<TCtxPCodeRec>& pcode = State.Code->PCode();
  TCtxPCodeRec* const code = pcode.data();
  const auto size = static_cast<std::uint32_t>(pcode.size());
  while (!Terminated) {
    const std::int32_t pc = State.PC;
    if (static_cast<std::uint32_t>(pc) >= size)
      throw ECtxScriptError::CreateFmt("Instruction %d lies outside the code", {pc});
    TCtxPCodeRec& instruction = code[pc];
    if (instruction.Line != State.CurrentLine) {
      State.CurrentLine = instruction.Line;
      DebugHook(false);
    }
    switch (instruction.Operation()) {
      case Op::Nop:
      case Op::BreakPoint: break;
      case Op::Plus: {
        TCtxValue left = Pop();
        if (!AppendInPlace(left, pc)) Result = BinaryOperation(TCtxBinaryOp::Plus, left, Result);
        break;
      }
      case Op::Minus: Result = BinaryOperation(TCtxBinaryOp::Minus, Pop(), Result); break;
      case Op::Mul: Result = BinaryOperation(TCtxBinaryOp::Mul, Pop(), Result); break;
      case Op::Div: Result = BinaryOperation(TCtxBinaryOp::Div, Pop(), Result); break;
      case Op::IDiv: Result = BinaryOperation(TCtxBinaryOp::IDiv, Pop(), Result); break;
      case Op::Mod: Result = BinaryOperation(TCtxBinaryOp::Mod, Pop(), Result); break;
      case Op::And: Result = BinaryOperation(TCtxBinaryOp::And, Pop(), Result); break;
      case Op::Or: Result = BinaryOperation(TCtxBinaryOp::Or, Pop(), Result); break;
      case Op::Xor: Result = BinaryOperation(TCtxBinaryOp::Xor, Pop(), Result); break;
      case Op::Greater: Result = TCtxValue::Boolean(Compare(TCtxCompareOp::Greater, Pop(), Result)); break;
      case Op::Less: Result = TCtxValue::Boolean(Compare(TCtxCompareOp::Less, Pop(), Result)); break;
      case Op::GreaterOrEqual:
        Result = TCtxValue::Boolean(Compare(TCtxCompareOp::GreaterOrEqual, Pop(), Result));
        break;
      case Op::LessOrEqual:
        Result = TCtxValue::Boolean(Compare(TCtxCompareOp::LessOrEqual, Pop(), Result));
        break;
      case Op::Equal: Result = TCtxValue::Boolean(Compare(TCtxCompareOp::Equal, Pop(), Result)); break;
      case Op::NotEqual:
        Result = TCtxValue::Boolean(Compare(TCtxCompareOp::NotEqual, Pop(), Result));
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
      case Op::CallMethod: AccessUnqualified(instruction, Kind::akGet); break;
      case Op::GetIndexed: AccessUnqualified(instruction, Kind::akGetIndexed); break;
      case Op::CallObjectMethod: AccessQualified(instruction, Kind::akGet); break;
      case Op::GetObjectIndexed: AccessQualified(instruction, Kind::akGetIndexed); break;
      case Op::StoreVar: Slot(instruction.Value) = Result; break;
      case Op::StoreVarByRef: ByRefTarget(instruction.Value) = Result; break;
      case Op::StoreElement: WriteElement(instruction, Slot(instruction.Value)); break;
      case Op::StoreElementByRef: WriteElement(instruction, ByRefTarget(instruction.Value)); break;
      case Op::SetProperty: AccessUnqualified(instruction, Kind::akSet); break;
      case Op::SetIndexed: AccessUnqualified(instruction, Kind::akSetIndexed); break;
      case Op::SetObjectProperty: AccessQualified(instruction, Kind::akSet); break;
      case Op::SetObjectIndexed: AccessQualified(instruction, Kind::akSetIndexed); break;
      case Op::Inc: {
        TCtxValue& variable = Slot(instruction.Value);
        Result = variable;
        variable = BinaryOperation(TCtxBinaryOp::Plus, Result, TCtxValue::Integer(1));
        break;
      }
      case Op::Dec: {
        TCtxValue& variable = Slot(instruction.Value);
        Result = variable;
        variable = BinaryOperation(TCtxBinaryOp::Minus, Result, TCtxValue::Integer(1));
        break;
      }
      case Op::PopResult: Result = Pop(); break;
      case Op::PushResult: Push(Result); break;
      case Op::Jump: State.PC = instruction.Value - 1; break;
      case Op::JumpIfNot:
        if (JumpIfNotTaken(Result)) State.PC = instruction.Value - 1;
        break;
      case Op::JumpIf:
        if (JumpIfTaken(Result)) State.PC = instruction.Value - 1;
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
      case Op::Exit: return;
      case Op::UPlus:
      case Op::WithResult:
      case Op::WithEnd:
      default: RaiseUnsupported();
    }
    ++State.PC;
  }
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
    if (!receiver.IsObject()) RaiseMethodNotFound(instruction.Name);
    QObject* object = receiver.ToObject();
    if (!object)
      throw ECtxScriptError::CreateFmt("Error accessing a field or method %s of nil object",
                                       {instruction.Name.view()});
    if (!InvokeOnObject(*this, instruction, object, kind)) RaiseMethodNotFound(instruction.Name);
  } catch (...) {
    if (State.SP >= level) DropTo(level);
    throw;
  }
  DropTo(level);
}

}  // namespace zendrik
