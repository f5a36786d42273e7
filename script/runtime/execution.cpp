// The stack and the execution states: entering and leaving an execution, pushing and popping,
// slots and references.

#include "script/runtime/engine.h"
#include "script/runtime/errors.h"
#include "script/runtime/script_code.h"

namespace zendrik {

void TCtxScript::RaiseStackUnderflow() { throw ECtxScriptError("Stack underflow"); }

void TCtxScript::RaiseIncorrectRestoration(std::int32_t top, std::int32_t level) {
  throw ECtxScriptError::CreateFmt(
      "Incorrect stack restoration after execute. SPRT = %d, saved_SPTR = %d.", {top, level});
}

void TCtxScript::ResetState() {
  State.Code = nullptr;
  State.FrameBase = -1;
  State.PC = 0;
  State.CurrentLine = 0;
  State.SP = -1;
  State.TryTop = -1;
  State.ExceptValue = TCtxValue();
}

void TCtxScript::GrowStack(std::int32_t top) {
  if (top + kStackGrowth > kMaxStackCells) throw ECtxScriptError("Stack overflow");
  StackLength = top + kStackGrowth;  // the cells beyond the old length are Unassigned
}

const TCtxValue& TCtxScript::NullParam() {
  static const TCtxValue null = TCtxValue::Null();
  return null;
}

void TCtxScript::RaiseBadCell(std::int64_t cell) {
  if (cell < 0) RaiseStackUnderflow();
  // A frame opened by BEGIN holds all its slots; hand-made code must still stay inside.
  throw ECtxScriptError("Stack overflow");
}

TCtxValue& TCtxScript::ReferencedCell(const TCtxValue& reference) {
  const std::int32_t cell = reference.ReferenceCell();
  if (cell < 0 || cell >= StackSize())
    throw ECtxScriptError::CreateFmt("Invalid variable reference ^%d", {cell});
  return Stack[static_cast<std::size_t>(cell)];
}

TCtxValue& TCtxScript::ByRefTarget(std::int32_t slot) {
  TCtxValue& value = Slot(slot);
  return value.IsReference() ? ReferencedCell(value) : value;
}

TCtxValue TCtxScript::ReadReference(const TCtxValue& reference) const {
  if (!reference.IsReference()) throw ECtxScriptError("Variable reference expected");
  return const_cast<TCtxScript*>(this)->ReferencedCell(reference);
}

void TCtxScript::WriteReference(const TCtxValue& reference, const TCtxValue& value) {
  if (!reference.IsReference()) throw ECtxScriptError("Variable reference expected");
  ReferencedCell(reference) = value;
}

void TCtxScript::Enter(TCtxScriptCode& code, const TCtxValue& params, QObject* scope) {
  if (State.Code) {
    if (SavedCount() >= kMaxNestedExecutions) throw ECtxScriptError("Stack overflow");
    if (SavedCount() == SavedStatesCapacity) {
      SavedStatesCapacity = SavedCount() + 5;
      SavedStates.reserve(static_cast<std::size_t>(SavedStatesCapacity));
    }
    SavedStates.push_back(State);
    State.TraceMode = TraceInto;
    State.TryTop = -1;  // the new execution owns no protected block of the suspended one
  }
  // From here on, a failure leaves the saved state in place for Leave to restore.
  State.Code = &code;
  try {
    if (params.IsArray()) {
      // The elements of the first dimension, from its low bound to its high bound.
      const TCtxArray& array = params.ArrayPayload();
      const std::int32_t count = array.DimensionCount() > 0 ? array.Bounds(0).Length() : 0;
      for (std::int32_t i = 0; i < count; ++i) Push(array.Elements()[static_cast<std::size_t>(i)]);
    } else if (!params.IsUnassigned()) {
      Push(params);
    }
    State.PC = 0;
    State.CurrentLine = 0;
    State.Scope = scope;
    State.FrameBase = State.SP;
    if (TCtxScriptCode* parent = code.ParentCode()) {
      auto saved = SavedStates.rbegin();
      while (saved != SavedStates.rend() && saved->Code != parent) ++saved;
      if (saved == SavedStates.rend()) throw ECtxScriptError("Parent process not found");
      State.FrameBase = saved->FrameBase;
      State.Scope = saved->Scope;
    }
  } catch (...) {
    Leave();
    throw;
  }
}

void TCtxScript::Leave() {
  const std::int32_t top = State.SP;
  if (!SavedStates.empty()) {
    State = std::move(SavedStates.back());
    SavedStates.pop_back();
  } else {
    ResetState();
  }
  const std::int32_t level = State.SP;
  if (top < level || level < -1) RaiseIncorrectRestoration(top, level);
  for (std::int32_t cell = top; cell > level; --cell)
    Stack[static_cast<std::size_t>(cell)] = TCtxValue();
}

}  // namespace zendrik
