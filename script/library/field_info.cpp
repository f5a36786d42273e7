#include "script/library/field_info.h"

#include "script/runtime/engine.h"
#include "script/runtime/errors.h"

namespace zendrik {

void RaiseArgCount(bool tooFew) {
  throw ECtxScriptError(tooFew ? "Not enough actual parameters" : "Too many actual parameters");
}

void RaiseUnableToInvoke(std::string_view name) {
  throw ECtxScriptError::CreateFmt("Unable to invoke method or property %s in this manner", {name});
}

void TCtxConstFieldInfo::InvokeField(TCtxScript& script, TCtxAccessKind kind, QObject*,
                                     std::int32_t argCount) {
  if (kind != TCtxAccessKind::akGet || argCount != 0) RaiseUnableToInvoke(Name);
  script.Result = ConstValue;
}

void TCtxMethodFieldInfo::InvokeField(TCtxScript& script, TCtxAccessKind kind, QObject* instance,
                                      std::int32_t argCount) {
  if (kind != TCtxAccessKind::akGet || (ParamCount >= 0 && ParamCount != argCount))
    RaiseUnableToInvoke(Name);
  Callback(script, TCtxAccessKind::akGet, instance, TCtxArgs(script, argCount));
}

void TCtxPropFieldInfo::InvokeField(TCtxScript& script, TCtxAccessKind kind, QObject* instance,
                                    std::int32_t argCount) {
  CheckArgCount(argCount, 0, -1);
  if (kind == TCtxAccessKind::akGet)
    Getter(script, kind, instance, TCtxArgs(script, argCount));
  else if (kind == TCtxAccessKind::akSet && Setter)
    Setter(script, kind, instance, TCtxArgs(script, argCount));
  else
    RaiseUnableToInvoke(Name);
}

}  // namespace zendrik
