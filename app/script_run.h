#pragma once

#include <QObject>

#include <cstdint>
#include <string>
#include <string_view>

namespace zendrik {

class TCtxScript;
class TRunController;

/// How a script run ended, and where.
struct TScriptRunResult {
  enum class TEnd { Done, CompileError, RunError, Stopped };
  TEnd End = TEnd::Done;
  /// The error's text; empty for a run that ended well or was stopped.
  std::string Message;
  /// The script line of the error or the stop; 0 when it is not known.
  std::int32_t Line = 0;
  /// The column of a compile error; 0 for the others.
  std::int32_t Column = 0;
};

/// The status bar's words for a stopped run: "Script stopped at line N", or "Script stopped"
/// when the line is not known.
std::string StopReport(const TScriptRunResult& result);

/// Batch mode's line on standard error for a run that failed or was stopped, in the form
/// compilers use: "zendrik: SCRIPT:LINE:COLUMN: MESSAGE", the line and the column only where
/// known, "stopped" as the message of a stop. Line breaks in the message become spaces.
std::string BatchReport(const std::string& script, const TScriptRunResult& result);

/// Runs scripts on an engine as work of a run controller: while a script runs, the engine's
/// poll hook ticks the controller, and the controller's stop terminates the script.
class TScriptRunner {
 public:
  TScriptRunner(TCtxScript& engine, TRunController& controller);
  ~TScriptRunner();
  TScriptRunner(const TScriptRunner&) = delete;
  TScriptRunner& operator=(const TScriptRunner&) = delete;

  /// Compiles and runs `text` with `host` as the scope of unqualified names. Errors do not
  /// leave; they are described in the result. A compile error of a text without a routine name
  /// names `scriptName` instead (the script's file name), when one is given.
  TScriptRunResult Run(std::string_view text, QObject* host, std::string_view scriptName = {});

 private:
  TCtxScript& Engine;
  TRunController& Controller;
  // The line the script was on when it was told to stop.
  std::int32_t StopLine = 0;
};

}  // namespace zendrik
