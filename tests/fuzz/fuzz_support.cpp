#include "tests/fuzz/fuzz_support.h"

#include <QPointer>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>

#include "script/library/introspector.h"
#include "script/library/package_support.h"
#include "script/runtime/conversions.h"
#include "script/script_engine.h"

namespace zendrik::fuzzing {
namespace {

constexpr std::int32_t kPollBudget = 1000;  // polls come every kPollInterval instructions
constexpr std::chrono::seconds kTimeBudget{1};

std::filesystem::path& ScratchFolder() {
  static std::filesystem::path folder;
  return folder;
}

/// A name that stays in the current directory: not empty, no separator, not "." or "..", no NUL.
bool IsPlainName(const TCtxValue& value) {
  if (!value.IsString()) return false;
  const std::string_view name = value.StringPayload();
  return !name.empty() && name != "." && name != ".." &&
         name.find_first_of(std::string_view("/\\\0", 3)) == std::string_view::npos;
}

const TPackageFunction& PackageFunction(std::string_view name) {
  for (const TPackageFunction& function : FileFunctions())
    if (function.Name == name) return function;
  throw std::logic_error("the standard package has no " + std::string(name));
}

// The package's function `Name` when its first `NameArgs` arguments are plain names, else false.
template <const char* Name, int NameArgs>
void Confined(TCtxScript& script, TCtxAccessKind kind, QObject* instance, const TCtxArgs& args) {
  for (int k = 0; k < NameArgs; ++k) {
    if (!IsPlainName(args[k])) {
      script.Result = TCtxValue::Boolean(false);
      return;
    }
  }
  PackageFunction(Name).Callback(script, kind, instance, args);
}

void NoSleep(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  ToInteger(args[0]);  // the argument is still converted, with its errors
  script.Result = TCtxValue();
}

// Print(Args...), which the engine's test scripts use: the arguments' text forms, dropped.
void Print(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  for (std::int32_t k = 0; k < args.Count(); ++k) ValueToText(args[k], script.StackCells());
}

void StayHere(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs&) {
  script.Result = TCtxValue::Boolean(false);
}

constexpr char kDeleteFile[] = "DeleteFile";
constexpr char kRenameFile[] = "RenameFile";
constexpr char kFileSetAttr[] = "FileSetAttr";
constexpr char kCreateDir[] = "CreateDir";
constexpr char kRemoveDir[] = "RemoveDir";

void RegisterHostMembers() {
  TCtxCustomIntrospector& host = TCtxCustomIntrospector::Create(TFuzzHost::staticMetaObject);
  host.AddMethod(kDeleteFile, Confined<kDeleteFile, 1>, 1);
  host.AddMethod(kRenameFile, Confined<kRenameFile, 2>, 2);
  host.AddMethod(kFileSetAttr, Confined<kFileSetAttr, 1>, 2);
  host.AddMethod(kCreateDir, Confined<kCreateDir, 1>, 1);
  host.AddMethod(kRemoveDir, Confined<kRemoveDir, 1>, 1);
  host.AddMethod("SetCurrentDir", StayHere, 1);
  host.AddMethod("Sleep", NoSleep, 1);
  host.AddMethod("Print", Print, -1);
}

void RemoveScratchFolder() {
  std::error_code ignored;
  ClearScratchFolder();
  std::filesystem::remove(ScratchFolder(), ignored);
}

}  // namespace

void StartFuzzing() {
  static const bool started = [] {
    RegisterScriptEngine();
    RegisterHostMembers();
    std::string pattern = (std::filesystem::temp_directory_path() / "zendrik-fuzz-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) std::abort();
    ScratchFolder() = pattern;
    std::filesystem::current_path(ScratchFolder());
    std::atexit(RemoveScratchFolder);
    if (!std::freopen("/dev/null", "w", stdout)) std::abort();
    return true;
  }();
  (void)started;
}

void ClearScratchFolder() {
  std::error_code ignored;
  for (const auto& entry : std::filesystem::directory_iterator(ScratchFolder(), ignored)) {
    // A script may have made an entry read-only; the owner can always open it up again.
    std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(entry.path(), ignored);
  }
}

void RunBudgeted(TCtxScript& engine, std::string_view text) {
  auto host = std::make_unique<TFuzzHost>();
  const QPointer<TFuzzHost> alive(host.get());
  std::int32_t polls = 0;
  const auto deadline = std::chrono::steady_clock::now() + kTimeBudget;
  engine.OnPoll = [&polls, deadline](TCtxScript& sender) {
    if (++polls > kPollBudget || std::chrono::steady_clock::now() > deadline) sender.Terminate();
  };
  TCtxValue value;
  try {
    engine.RunText(text, host.get(), value);
  } catch (const std::exception&) {
    // Compile errors and run-time errors are the expected ends of most inputs.
  }
  engine.OnPoll = nullptr;
  if (!alive) (void)host.release();  // the script freed its host itself
  ClearScratchFolder();
}

}  // namespace zendrik::fuzzing
