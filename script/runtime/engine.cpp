// The engine as hosts see it: running a text, evaluating an expression, executing a code.

#include "script/runtime/engine.h"

#include <new>

#include "script/runtime/errors.h"
#include "script/runtime/script_code.h"

namespace zendrik {

TCtxScript::TCtxScript(QObject* owner) : QObject(owner) {
  SavedStates.reserve(static_cast<std::size_t>(SavedStatesCapacity));
  ResetState();
  // Made now: when memory runs out there may be none left to make them.
  OutOfMemoryValue();
  OutOfMemoryError();
}

TCtxScript::~TCtxScript() {
  if (Paused) Terminate();
}

void TCtxScript::RunText(std::string_view text, QObject* host, TCtxValue& value) {
  TCtxScriptCode code;
  code.SetCode(std::string(text));
  Execute(code, TCtxValue(), value, host);
}

void TCtxScript::EvaluateText(std::string_view text, TCtxScriptCode* parentCode, TCtxValue& value) {
  TCtxScriptCode code;
  code.SetCode(std::string(text));
  code.SetIsExpression(true);
  code.SetParentCode(parentCode);
  Execute(code, TCtxValue(), value, nullptr);
}

void TCtxScript::SetDebugOptions(TCtxDebugOptions options) {
  DebugOptions = options;
  PollCountdown = 0;  // the loop looks again at its form before the next instruction
}

void TCtxScript::SetDebugHook(TOnCtxDebugHook hook) {
  OnDebugHook = std::move(hook);
  PollCountdown = 0;
}

namespace {

// The exception being handled, as a script run reports it: running out of memory is an engine
// error with its own message, anything else goes on as it is.
[[noreturn]] void RethrowAsScriptError() {
  try {
    throw;
  } catch (const std::bad_alloc&) {
    throw OutOfMemoryError();
  }
}

}  // namespace

void TCtxScript::Execute(TCtxScriptCode& code, const TCtxValue& params, TCtxValue& value,
                         QObject* host) {
  const TCtxFormatsInEffect formats(Formats);
  if (!State.Code) ErrorLine = 0;  // an outermost run starts without an error
  if (!code.Compiled()) code.SetCompiled(true);
  if (code.InstructionCount() == 0) return;
  if (!State.Code) Terminated = false;  // a nested execution must not cancel a stop
  Enter(code, params, host);
  try {
    Run();
  } catch (...) {
    ErrorLine = State.CurrentLine;  // outer executions that the error leaves too overwrite it
    try {
      Leave();
    } catch (...) {
      // The run's own failure is the one to report.
    }
    RethrowAsScriptError();
  }
  Leave();
  if (!State.Code) ErrorLine = 0;  // errors handled inside the run do not count
  if (Terminated) throw ECtxScriptError("Process terminated by user");
  value = Result;
}

}  // namespace zendrik
