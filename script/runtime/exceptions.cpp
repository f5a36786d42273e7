// Protected blocks, the catching of exceptions inside a run, and the debug hook.

#include <new>
#include <utility>

#include "script/runtime/conversions.h"
#include "script/runtime/engine.h"
#include "script/runtime/errors.h"
#include "script/runtime/script_code.h"

namespace zendrik {

namespace {

// The value a caught exception leaves pending: a raised value as it is, any other error as the
// text of its message.
TCtxValue ExceptionValue(const std::exception_ptr& exception) {
  try {
    try {
      std::rethrow_exception(exception);
    } catch (const EVariantException& raised) {
      return raised.Value();
    } catch (const std::bad_alloc&) {
      throw;
    } catch (const std::exception& error) {
      return TCtxValue::String(error.what());
    } catch (...) {
      return TCtxValue::String("Unknown exception");
    }
  } catch (const std::bad_alloc&) {
    // Also when the message itself finds no memory: the shared text needs none.
    return OutOfMemoryValue();
  }
}

}  // namespace

// A block is three cells: the exception being handled when it opened (restored when its
// handler ends), the handler target and the enclosing block's cell.
void TCtxScript::OpenProtectedBlock(std::int32_t handler) {
  Push(State.ExceptValue);
  Push(TCtxValue::Integer(handler));
  Push(TCtxValue::Integer(State.TryTop));
  State.TryTop = State.SP;
}

void TCtxScript::CloseProtectedBlock() {
  State.TryTop = ToInteger(Pop());
  Pop();  // the handler target
  Pop();  // the exception being handled outside the block, which is still the pending one
}

void TCtxScript::EndHandler() { State.ExceptValue = Pop(); }

void TCtxScript::RaiseHandledAgain() {
  TCtxValue raised = std::exchange(State.ExceptValue, Pop());
  throw EVariantException(std::move(raised));
}

bool TCtxScript::CatchException() {
  const std::int32_t tryTop = State.TryTop;
  // A stop leaves every execution; a script cannot handle it.
  if (tryTop < 0 || Terminated) return false;
  // A block whose cells a faulty callback removed cannot be resumed: the exception leaves.
  if (tryTop < 2 || tryTop > State.SP) return false;
  const TCtxValue& savedTryTop = Stack[static_cast<std::size_t>(tryTop)];
  const TCtxValue& handler = Stack[static_cast<std::size_t>(tryTop) - 1];
  if (!savedTryTop.Is(TCtxType::Integer) || !handler.Is(TCtxType::Integer)) return false;

  State.ExceptValue = ExceptionValue(std::current_exception());
  DebugHook(true);
  DropTo(tryTop);
  State.TryTop = Pop().IntegerPayload();
  State.PC = Pop().IntegerPayload();
  // The block's first cell stays: the handler ends by restoring the exception it holds.
  return true;
}

void TCtxScript::DebugHook(bool exception) {
  if (Paused || !OnDebugHook) return;
  if (!DebugOptions.Contains(TCtxDebugOption::cdoStopOnBreakpoint) &&
      !(exception && DebugOptions.Contains(TCtxDebugOption::cdoStopOnException)))
    return;
  OnDebugHook(*this, exception);
  Paused = false;
}

void TCtxScript::Terminate() {
  if (!Paused && !State.Code) return;
  Terminated = true;
  Paused = false;
}

}  // namespace zendrik
