#pragma once

// The script engine as the fuzz targets of scripts use it: started once, in a scratch folder that
// is the current directory, with a host whose file functions cannot reach outside that folder and
// a run that ends after a budget of instructions and of time.

#include <QObject>

#include <string_view>

#include "script/runtime/engine.h"

namespace zendrik::fuzzing {

/// The host object of fuzzed runs. Its members shadow the standard package's functions that
/// change the file system (they act only on plain names in the scratch folder, which is the
/// current directory, and fail otherwise) and `Sleep` (which returns at once); `Print(Args...)`
/// takes the text forms of its arguments, as the engine's test scripts expect, and drops them.
class TFuzzHost : public QObject {
  Q_OBJECT

 public:
  using QObject::QObject;
};

/// Registers the engine and the host's members and moves into a new scratch folder, removed when
/// the process ends; standard output is discarded. Idempotent.
void StartFuzzing();

/// Compiles and runs `text` on `engine` with a fresh host, ending the run after about a million
/// instructions or a second; every error is caught. Empties the scratch folder afterwards.
void RunBudgeted(TCtxScript& engine, std::string_view text);

/// Empties the scratch folder, whatever a run left in it.
void ClearScratchFolder();

}  // namespace zendrik::fuzzing
