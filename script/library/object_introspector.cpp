#include <QObject>
#include <QPointer>
#include <QVariant>

#include "base/ascii.h"
#include "script/library/field_info.h"
#include "script/library/type_info_introspectors.h"
#include "script/runtime/engine.h"
#include "script/runtime/errors.h"

namespace zendrik {

namespace {

// A field holds an object pointer, or the guarded pointer that scripts store.
bool IsGuarded(const QVariant& value) {
  return value.metaType() == QMetaType::fromType<QPointer<QObject>>();
}

bool HoldsObject(const QVariant& value) {
  return IsGuarded(value) || (value.metaType().flags() & QMetaType::PointerToQObject);
}

QObject* HeldObject(const QVariant& value) {
  return IsGuarded(value) ? value.value<QPointer<QObject>>().data() : value.value<QObject*>();
}

// Position (plus one) of the dynamic property `name` that holds an object; 0 if none.
std::int32_t FieldHandle(const QObject& instance, std::string_view name) {
  const QList<QByteArray> names = instance.dynamicPropertyNames();
  for (qsizetype i = 0; i < names.size(); ++i) {
    const std::string_view field(names[i].constData(), std::size_t(names[i].size()));
    if (SameText(field, name) && HoldsObject(instance.property(names[i].constData())))
      return static_cast<std::int32_t>(i + 1);
  }
  return 0;
}

}  // namespace

TCtxObjectIntrospector::TCtxObjectIntrospector() : TCtxIntrospector(QObject::staticMetaObject) {}

bool TCtxObjectIntrospector::FindMember(TCtxScript&, QObject* instance, std::string_view name,
                                        std::int32_t& memberHandle) {
  const std::int32_t handle = FieldHandle(*instance, name);
  if (handle == 0) return false;
  memberHandle = handle;
  return true;
}

bool TCtxObjectIntrospector::InvokeMember(TCtxScript& script, TCtxAccessKind kind,
                                          QObject* instance, std::string_view name,
                                          std::int32_t& memberHandle, std::int32_t argCount) {
  // Dynamic properties come and go: the field is found by name each time.
  if (!FindMember(script, instance, name, memberHandle)) return false;
  const QByteArray field = instance->dynamicPropertyNames()[memberHandle - 1];
  switch (kind) {
    case TCtxAccessKind::akGet:
      script.Result = TCtxValue::Object(HeldObject(instance->property(field.constData())));
      return true;
    case TCtxAccessKind::akSet:
      instance->setProperty(field.constData(),
                            QVariant::fromValue(QPointer<QObject>(script.Result.ToObject())));
      return true;
    case TCtxAccessKind::akGetIndexed:
    case TCtxAccessKind::akSetIndexed:
      AccessArray(script, kind, instance, name, memberHandle, argCount);
      return true;
  }
  RaiseUnableToInvoke(name);
}

}  // namespace zendrik
