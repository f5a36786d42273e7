// The package's process functions (command-line parameters, Sleep) and the automation
// functions, which hand their names to the automation server that start-up installed.

#include <QCoreApplication>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <thread>

#include "script/library/package_support.h"
#include "script/library/standard_package.h"
#include "script/runtime/automation.h"
#include "script/runtime/errors.h"

namespace zendrik {

namespace {

void ParamStr(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  const std::int32_t n = ToInteger(args[0]);
  const std::vector<std::string>& parameters = script.Parameters;
  const bool present = n >= 0 && static_cast<std::size_t>(n) < parameters.size();
  ReturnString(script, present ? parameters[static_cast<std::size_t>(n)] : std::string());
}

void ParamCount(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs&) {
  const std::size_t size = script.Parameters.size();
  script.Result = TCtxValue::Integer(size == 0 ? 0 : static_cast<std::int32_t>(size - 1));
}

// Sleep(Milliseconds): waits in short slices, letting pending events through when there is an
// application (so that a window stays alive and its Stop reaches the engine), and returns as
// soon as the run is to end.
void Sleep(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  using TClock = std::chrono::steady_clock;
  constexpr std::chrono::milliseconds kSlice{10};
  const std::int32_t milliseconds = ToInteger(args[0]);
  const TClock::time_point end =
      TClock::now() + std::chrono::milliseconds(std::max(milliseconds, 0));
  for (;;) {
    if (QCoreApplication::instance()) QCoreApplication::processEvents();
    const auto left = end - TClock::now();
    if (script.Terminated || left <= TClock::duration::zero()) return;
    std::this_thread::sleep_for(std::min<TClock::duration>(left, kSlice));
  }
}

// The automation server, or the error that there is none, naming the call that needed it.
TCtxAutomation& Server(const TCtxScript& script, std::string_view function, std::string_view name) {
  TCtxAutomation* server = script.AutomationServer();
  if (!server)
    throw ECtxScriptError::CreateFmt(
        "%s('%s'): automation objects are not available on this platform", {function, name});
  return *server;
}

void CreateOleObject(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  const std::string name = Text0(args[0]);
  script.Result = Server(script, "CreateOleObject", name).Create(script, name);
}

void GetActiveOleObject(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  const std::string name = Text0(args[0]);
  script.Result = Server(script, "GetActiveOleObject", name).GetActive(script, name);
}

void CreateComObject(TCtxScript&, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  const std::string classId = Text0(args[0]);  // the argument is still converted
  throw ECtxScriptError::CreateFmt(
      "CreateComObject('%s'): class identifiers name no objects on this platform; "
      "CreateOleObject takes the name of a D-Bus service",
      {classId});
}

constexpr TPackageFunction kFunctions[] = {
    {"CreateOleObject", CreateOleObject, 1}, {"GetActiveOleObject", GetActiveOleObject, 1},
    {"CreateComObject", CreateComObject, 1}, {"ParamStr", ParamStr, 1},
    {"ParamCount", ParamCount, 0},           {"Sleep", Sleep, 1},
};

}  // namespace

std::span<const TPackageFunction> SystemFunctions() { return kFunctions; }

std::vector<std::string> CommandLineParameters(int argc, char** argv) {
  std::vector<std::string> parameters(argv, argv + argc);
  std::error_code error;
  const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
  if (!error && !parameters.empty()) parameters[0] = program.string();
  return parameters;
}

}  // namespace zendrik
