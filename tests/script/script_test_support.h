#pragma once

// What the engine and library tests share: the start-up registrations, a few test functions on
// the system scope, a host object with members of its own, and a way to run a script text and
// collect what it printed.

#include <QObject>

#include <string>
#include <string_view>
#include <vector>

#include "script/runtime/engine.h"

namespace zendrik::testsupport {

/// A host object for runs: members `Caption` (property), `Twice(x)`, `Items` (an indexed
/// property backed by `Cells`, through its default member "_") and `Owned` (a child object).
class TTestHost : public QObject {
  Q_OBJECT

 public:
  explicit TTestHost(QObject* parent = nullptr);
  std::string Caption;
  std::vector<TCtxValue> Cells = std::vector<TCtxValue>(10);
};

/// The lines printed by the test function `Print(Args...)` (the text forms of its arguments,
/// separated by blanks), collected since the last `TakePrinted`.
std::vector<std::string> TakePrinted();

/// The outcome of running a script text.
struct RunOutcome {
  std::vector<std::string> Printed;
  TCtxValue Value;
  bool Failed = false;
  std::string Error;
};

/// Runs `text` with `host` as scope on `engine` and reports what happened.
RunOutcome RunScript(TCtxScript& engine, std::string_view text, QObject* host = nullptr);

/// Makes the engine's start-up registrations and the test functions (idempotent).
void StartScriptEngineForTests();

}  // namespace zendrik::testsupport
