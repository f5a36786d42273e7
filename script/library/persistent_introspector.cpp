#include <QMetaProperty>
#include <QObject>

#include "base/ascii.h"
#include "script/library/field_info.h"
#include "script/library/property_values.h"
#include "script/library/type_info_introspectors.h"
#include "script/runtime/engine.h"
#include "script/runtime/errors.h"

namespace zendrik {

namespace {

// Index of the property `name` of the class (its ancestors' included), case ignored; -1 if none.
int PropertyIndex(const QMetaObject& metaObject, std::string_view name) {
  for (int i = 0; i < metaObject.propertyCount(); ++i)
    if (SameText(metaObject.property(i).name(), name)) return i;
  return -1;
}

}  // namespace

TCtxPersistentIntrospector::TCtxPersistentIntrospector()
    : TCtxIntrospector(QObject::staticMetaObject) {}

bool TCtxPersistentIntrospector::FindMember(TCtxScript&, QObject* instance, std::string_view name,
                                            std::int32_t& memberHandle) {
  const int index = PropertyIndex(*instance->metaObject(), name);
  if (index < 0) return false;
  memberHandle = index + 1;
  return true;
}

bool TCtxPersistentIntrospector::InvokeMember(TCtxScript& script, TCtxAccessKind kind,
                                              QObject* instance, std::string_view name,
                                              std::int32_t& memberHandle, std::int32_t argCount) {
  // A handle is a property index of the instance's class; one from another class is looked up
  // again by name.
  const QMetaObject& metaObject = *instance->metaObject();
  const bool valid = memberHandle > 0 && memberHandle <= metaObject.propertyCount() &&
                     SameText(metaObject.property(memberHandle - 1).name(), name);
  if (!valid && !FindMember(script, instance, name, memberHandle)) return false;
  const QMetaProperty property = metaObject.property(memberHandle - 1);
  switch (kind) {
    case TCtxAccessKind::akGet: script.Result = GetPropertyValue(*instance, property); return true;
    case TCtxAccessKind::akSet: SetPropertyValue(*instance, property, script.Result); return true;
    case TCtxAccessKind::akGetIndexed:
    case TCtxAccessKind::akSetIndexed:
      AccessArray(script, kind, instance, name, memberHandle, argCount);
      return true;
  }
  RaiseUnableToInvoke(name);
}

bool TCtxPersistentIntrospector::StandsAside(QObject* instance, std::int32_t memberHandle) const {
  return !HasScriptValue(instance->metaObject()->property(memberHandle - 1));
}

}  // namespace zendrik
