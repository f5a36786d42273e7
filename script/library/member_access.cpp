// How the interpreter reaches members: the per-instruction cache, the order of the scopes for
// unqualified names, and the search by name.

#include "script/library/member_access.h"

#include "script/library/introspector.h"
#include "script/library/introspector_registry.h"
#include "script/library/system_scope.h"
#include "script/runtime/engine.h"
#include "script/runtime/errors.h"
#include "script/runtime/pcode.h"

namespace zendrik {

namespace {

// Whether the member `name` of `scope` stands aside for an unqualified name.
bool StandsAside(TCtxScript& script, QObject* scope, std::string_view name) {
  std::int32_t handle = 0;
  const TCtxIntrospector* found = FindIntrospector(script, scope, name, handle);
  return found && found->StandsAside(scope, handle);
}

// The introspector noted in an instruction's cache.
TCtxIntrospector* CachedIn(const TCtxPCodeRec& instruction) {
  return static_cast<TCtxIntrospector*>(instruction.CachedIntrospector);
}

bool InvokeOnObject(TCtxScript& script, TCtxPCodeRec& instruction, QObject* instance,
                    TCtxAccessKind kind) {
  if (!instance) RaiseNilObject(instruction.Name.view());
  // The cache is keyed by the object: a destroyed one reads as nil and never matches.
  if (!instruction.CachedIntrospector || instruction.CachedObject.data() != instance) {
    TCtxIntrospector* found =
        FindIntrospector(script, instance, instruction.Name, instruction.Value);
    instruction.CachedIntrospector = found;
    if (!found) return false;
    instruction.CachedObject = instance;
  }
  return CachedIn(instruction)
      ->InvokeMember(script, kind, instance, instruction.Name, instruction.Value,
                     instruction.Count);
}

void InvokeUnqualified(TCtxScript& script, TCtxPCodeRec& instruction, TCtxAccessKind kind) {
  static QObject* const system = &SystemScope();
  QObject* const cached =
      instruction.CachedIntrospector ? instruction.CachedObject.data() : nullptr;
  // Global functions, the most frequent names, are found on the system scope: asked first.
  if (cached && (cached == system || cached == script.CurrentState().Scope.data() ||
                 cached == script.GlobalScope.data())) {
    // The cache already names this object's introspector: no need to check it again.
    if (CachedIn(instruction)
            ->InvokeMember(script, kind, cached, instruction.Name, instruction.Value,
                           instruction.Count))
      return;
    RaiseMethodNotFound(instruction.Name);
  }
  // A member that stands aside lets the search go on; it is reached only when no later scope
  // has the name, and then says itself why it cannot be used.
  QObject* passedOver = nullptr;
  QObject* const scopes[] = {script.CurrentState().Scope.data(), script.GlobalScope.data(), system};
  for (QObject* scope : scopes) {
    if (!scope) continue;
    if (StandsAside(script, scope, instruction.Name)) {
      if (!passedOver) passedOver = scope;
      continue;
    }
    if (InvokeOnObject(script, instruction, scope, kind)) return;
  }
  if (passedOver && InvokeOnObject(script, instruction, passedOver, kind)) return;
  RaiseMethodNotFound(instruction.Name);
}

class TIntrospectionResolver final : public TCtxMemberResolver {
 public:
  void InvokeUnqualified(TCtxScript& script, TCtxPCodeRec& instruction,
                         TCtxAccessKind kind) override {
    zendrik::InvokeUnqualified(script, instruction, kind);
  }
  bool InvokeOnObject(TCtxScript& script, TCtxPCodeRec& instruction, QObject* instance,
                      TCtxAccessKind kind) override {
    return zendrik::InvokeOnObject(script, instruction, instance, kind);
  }
  bool InvokeByName(TCtxScript& script, TCtxAccessKind kind, QObject* instance,
                    std::string_view name, std::int32_t argCount) override {
    return zendrik::InvokeByName(script, kind, instance, name, argCount);
  }
};

}  // namespace

TCtxMemberResolver& IntrospectionResolver() {
  static TIntrospectionResolver resolver;
  return resolver;
}

bool InvokeByName(TCtxScript& script, TCtxAccessKind kind, QObject* instance, std::string_view name,
                  std::int32_t argCount) {
  std::int32_t memberHandle = 0;
  TCtxIntrospector* introspector = FindIntrospector(script, instance, name, memberHandle);
  return introspector &&
         introspector->InvokeMember(script, kind, instance, name, memberHandle, argCount);
}

}  // namespace zendrik
