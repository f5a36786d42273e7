#include "script/library/system_scope.h"

#include "script/library/field_info.h"
#include "script/library/introspector.h"
#include "script/library/introspector_registry.h"
#include "script/library/member_access.h"
#include "script/library/type_info_introspectors.h"
#include "script/runtime/conversions.h"
#include "script/runtime/engine.h"
#include "script/runtime/errors.h"

#include <memory>

namespace zendrik {

namespace {

// Evaluate(Text): the text as an expression in the frame of the running code, so that it sees
// the script's variables and host.
void Evaluate(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  const std::string text = ToStringPlain(args[0]);
  TCtxValue value;
  script.EvaluateText(text, script.RunningCode(), value);
  script.Result = std::move(value);
}

bool OwnsObject(const QObject& owner, const QObject* object) {
  for (; object; object = object->parent())
    if (object == &owner) return true;
  return false;
}

// Free: destroys a free-standing object, or one the engine keeps for the script (a search).
// The system scope, an object that owns the running engine (the main window) and an object
// owned by another (a window's component) are refused: destroying them would pull the engine
// or the window apart while the script runs.
void Free(TCtxScript& script, TCtxAccessKind, QObject* instance, const TCtxArgs&) {
  if (instance == &SystemScope()) RaiseUnableToInvoke("Free");
  const std::string_view name = ClassDisplayName(*instance->metaObject());
  if (OwnsObject(*instance, &script))
    throw ECtxScriptError::CreateFmt("Cannot free %s: it owns the running script engine", {name});
  if (instance->parent() && instance->parent() != &script)
    throw ECtxScriptError::CreateFmt("Cannot free %s: it is owned by another object", {name});
  std::unique_ptr<QObject> taken(instance);  // the script frees the object it was given
}

// Invoke(Args..., Name): member Name of the instance, called with the other arguments.
void Invoke(TCtxScript& script, TCtxAccessKind kind, QObject* instance, const TCtxArgs& args) {
  CheckArgCount(args.Count(), 1, 255);
  // The name comes off the stack, so that the other arguments lie on top for the member.
  const std::string name = ToStringStrict(script.Pop());
  if (!InvokeByName(script, kind, instance, name, args.Count() - 1)) RaiseMethodNotFound(name);
}

void Self(TCtxScript& script, TCtxAccessKind, QObject* instance, const TCtxArgs&) {
  script.Result = TCtxValue::Object(instance);
}

}  // namespace

TCtxSystemScope& SystemScope() {
  static TCtxSystemScope scope;
  return scope;
}

void RegisterSystemMembers() {
  SystemScope();
  // For any object the newest registration answers first: owned components, then published
  // properties, then Free, Invoke and Self, then published fields.
  RegisterIntrospector(std::make_unique<TCtxObjectIntrospector>());
  TCtxCustomIntrospector::Create(TCtxSystemScope::staticMetaObject)
      .AddMethod("Evaluate", Evaluate, 1);
  TCtxCustomIntrospector& objects = TCtxCustomIntrospector::Create(QObject::staticMetaObject);
  objects.AddMethod("Free", Free, 0);
  objects.AddMethod("Invoke", Invoke, -1);
  objects.AddProperty("Self", Self);
  RegisterIntrospector(std::make_unique<TCtxPersistentIntrospector>());
  RegisterIntrospector(std::make_unique<TCtxComponentIntrospector>());
}

}  // namespace zendrik
