#include "tests/script/script_test_support.h"

#include "script/library/field_info.h"
#include "script/library/introspector.h"
#include "script/library/introspector_registry.h"
#include "script/library/standard_package.h"
#include "script/library/system_scope.h"
#include "script/runtime/conversions.h"
#include "script/runtime/errors.h"
#include "script/script_engine.h"

#include <memory>
#include <new>
#include <utility>

namespace zendrik::testsupport {

namespace {

std::vector<std::string>& Printed() {
  static std::vector<std::string> lines;
  return lines;
}

// Print(Args...): one line of the arguments' text forms.
void Print(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  std::string line;
  for (std::int32_t k = 0; k < args.Count(); ++k) {
    if (!line.empty()) line += ' ';
    line += ValueToText(args[k], script.StackCells());
  }
  Printed().push_back(line);
}

// PopMore(x): pops two cells although it is given one argument.
void PopMore(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs&) {
  script.Pop();
  script.Pop();
}

// Fail(Message): raises an engine error with that message.
void Fail(TCtxScript&, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  throw ECtxScriptError(ToStringPlain(args[0]));
}

// Swap(var a, var b): exchanges two variables through their references.
void Swap(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  const TCtxValue a = script.ReadReference(args[0]);
  script.WriteReference(args[0], script.ReadReference(args[1]));
  script.WriteReference(args[1], a);
}

// MakeArray(Count): an array of Count Unassigned elements from index 0.
void MakeArray(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  const std::int32_t count = ToInteger(args[0]);
  script.Result = TCtxValue::Array(TCtxArray({TCtxArrayBounds{0, count - 1}}));
}

// Traced: the running execution's TraceMode.
void Traced(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs&) {
  script.Result = TCtxValue::Boolean(script.TraceMode());
}

// NoMemory: fails as an allocation does when memory has run out.
void NoMemory(TCtxScript&, TCtxAccessKind, QObject*, const TCtxArgs&) { throw std::bad_alloc(); }

// NewHost: a free-standing host object, for Free and qualified calls.
void NewHost(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs&) {
  script.Result =
      TCtxValue::Object(std::make_unique<TTestHost>().release());  // the script frees it
}

TTestHost& Host(QObject* instance) { return static_cast<TTestHost&>(*instance); }

void GetCaption(TCtxScript& script, TCtxAccessKind, QObject* instance, const TCtxArgs&) {
  script.Result = TCtxValue::String(Host(instance).Caption);
}

void SetCaption(TCtxScript& script, TCtxAccessKind, QObject* instance, const TCtxArgs&) {
  Host(instance).Caption = ToStringPlain(script.Result);
}

void Twice(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  script.Result = TCtxValue::Integer(ToInteger(args[0]) * 2);
}

void Items(TCtxScript& script, TCtxAccessKind, QObject* instance, const TCtxArgs&) {
  script.Result = TCtxValue::Object(instance);
}

// "_": the host's default indexed member, over its cells.
void DefaultMember(TCtxScript& script, TCtxAccessKind kind, QObject* instance,
                   const TCtxArgs& args) {
  CheckArgCount(args.Count(), 1, -1);
  const std::int32_t index = ToInteger(args[0]);
  if (index < 0 || index >= static_cast<std::int32_t>(Host(instance).Cells.size()))
    throw ECtxScriptError("Index out of range");
  TCtxValue& cell = Host(instance).Cells[static_cast<std::size_t>(index)];
  if (kind == TCtxAccessKind::akGetIndexed)
    script.Result = cell;
  else
    cell = script.Result;
}

void Owned(TCtxScript& script, TCtxAccessKind, QObject* instance, const TCtxArgs&) {
  script.Result = TCtxValue::Object(instance->findChild<QObject*>("Owned"));
}

// The host's default member is an indexed access, which custom members reach through
// AccessArray only; a small introspector serves it directly.
class DefaultMemberIntrospector : public TCtxIntrospector {
 public:
  using TCtxIntrospector::TCtxIntrospector;
  bool FindMember(TCtxScript&, QObject*, std::string_view name, std::int32_t& handle) override {
    if (name != "_") return false;
    handle = 1;
    return true;
  }
  bool InvokeMember(TCtxScript& script, TCtxAccessKind kind, QObject* instance,
                    std::string_view name, std::int32_t& handle, std::int32_t argCount) override {
    if (!FindMember(script, instance, name, handle)) return false;
    DefaultMember(script, kind, instance, TCtxArgs(script, argCount));
    return true;
  }
};

void RegisterTestMembers() {
  TCtxCustomIntrospector& global =
      TCtxCustomIntrospector::Create(TCtxSystemScope::staticMetaObject);
  global.AddMethod("Print", Print, -1);
  global.AddMethod("PopMore", PopMore, 1);
  global.AddMethod("Fail", Fail, 1);
  global.AddMethod("NoMemory", NoMemory, 0);
  global.AddMethod("Swap", Swap, 2);
  global.AddMethod("NewHost", NewHost, 0);
  global.AddMethod("MakeArray", MakeArray, 1);
  global.AddProperty("Traced", Traced);
  global.AddConst("Answer", TCtxValue::Integer(42));
  TCtxCustomIntrospector& host = TCtxCustomIntrospector::Create(TTestHost::staticMetaObject);
  host.AddProperty("Caption", GetCaption, SetCaption);
  host.AddMethod("Twice", Twice, 1);
  host.AddProperty("Items", Items);
  host.AddProperty("Owned", Owned);
  RegisterIntrospector(std::make_unique<DefaultMemberIntrospector>(TTestHost::staticMetaObject));
}

}  // namespace

TTestHost::TTestHost(QObject* parent) : QObject(parent) {
  auto* owned = new QObject(this);
  owned->setObjectName("Owned");
}

std::vector<std::string> TakePrinted() { return std::exchange(Printed(), {}); }

RunOutcome RunScript(TCtxScript& engine, std::string_view text, QObject* host) {
  RunOutcome outcome;
  TakePrinted();
  try {
    engine.RunText(text, host, outcome.Value);
  } catch (const std::exception& error) {
    outcome.Failed = true;
    outcome.Error = error.what();
  }
  outcome.Printed = TakePrinted();
  return outcome;
}

void StartScriptEngineForTests() {
  static const bool started = [] {
    RegisterScriptEngine();
    RegisterTestMembers();
    return true;
  }();
  (void)started;
}

}  // namespace zendrik::testsupport
