#include "app/script_run.h"

#include "app/run_controller.h"
#include "base/replace.h"
#include "script/compiler/compile_error.h"
#include "script/runtime/engine.h"

#include <algorithm>
#include <exception>

namespace zendrik {

std::string StopReport(const TScriptRunResult& result) {
  if (result.Line <= 0) return "Script stopped";
  return "Script stopped at line " + std::to_string(result.Line);
}

std::string BatchReport(const std::string& script, const TScriptRunResult& result) {
  std::string report = "zendrik: " + script;
  if (result.Line > 0) report += ":" + std::to_string(result.Line);
  if (result.Line > 0 && result.Column > 0) report += ":" + std::to_string(result.Column);
  if (result.End == TScriptRunResult::TEnd::Stopped) return report + ": stopped";
  std::string message = ReplaceAllNoCase(result.Message, "\r\n", " ");
  std::replace_if(
      message.begin(), message.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
  return report + ": " + message;
}

TScriptRunner::TScriptRunner(TCtxScript& engine, TRunController& controller)
    : Engine(engine), Controller(controller) {
  Engine.OnPoll = [this](TCtxScript&) { Controller.Tick(); };
  Controller.TerminateScript = [this] {
    StopLine = Engine.CurrentState().CurrentLine;
    Engine.Terminate();
  };
}

TScriptRunner::~TScriptRunner() {
  Engine.OnPoll = nullptr;
  Controller.TerminateScript = nullptr;
}

namespace {

// A compile error's message names the routine, and nothing for a text without a header:
// then it names the script's file instead.
void NameTheScript(std::string& message, std::string_view scriptName) {
  static constexpr std::string_view kUnnamed = "Error compiling . ";
  if (scriptName.empty() || !message.starts_with(kUnnamed)) return;
  message = "Error compiling " + std::string(scriptName) + ". " + message.substr(kUnnamed.size());
}

}  // namespace

TScriptRunResult TScriptRunner::Run(std::string_view text, QObject* host,
                                    std::string_view scriptName) {
  using TEnd = TScriptRunResult::TEnd;
  const TRunController::TScope work(Controller, TRunController::TWork::Script);
  StopLine = 0;
  TScriptRunResult result;
  try {
    TCtxValue discarded;
    Engine.RunText(text, host, discarded);
    return result;
  } catch (const ECtxScriptCompileError& error) {
    result = {TEnd::CompileError, error.what(), error.ErrorLine, error.ErrorPos};
  } catch (const std::exception& error) {
    result = {TEnd::RunError, error.what(), 0, 0};
  } catch (...) {
    result = {TEnd::RunError, "The script ended with an error of unknown kind", 0, 0};
  }
  const std::int32_t scriptLine = Engine.LastErrorLine();
  if (Controller.StopRequested()) {
    // The run failed with "Process terminated by user"; a stop inside a nested execution has
    // left the line of the script that ran it.
    return {TEnd::Stopped, {}, scriptLine > 0 ? scriptLine : StopLine, 0};
  }
  if (scriptLine > 0) {
    // An error of an expression the script evaluates, even one that does not compile, is an
    // error of the line that evaluates it.
    result.End = TEnd::RunError;
    result.Line = scriptLine;
    result.Column = 0;
  }
  if (result.End == TEnd::CompileError) NameTheScript(result.Message, scriptName);
  return result;
}

}  // namespace zendrik
