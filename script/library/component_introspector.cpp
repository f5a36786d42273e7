#include <QObject>
#include <QPointer>

#include "base/ascii.h"
#include "script/library/field_info.h"
#include "script/library/type_info_introspectors.h"
#include "script/runtime/engine.h"
#include "script/runtime/errors.h"

namespace zendrik {

namespace {

// A top-level window: a widget without a parent (the engine knows widgets only as objects).
bool IsWindow(const QObject& object) { return object.isWidgetType() && !object.parent(); }

// Whether an object's name is `name`, ASCII case ignored, without making a copy of it.
bool Named(const QObject& object, std::string_view name) {
  const QString objectName = object.objectName();
  if (objectName.size() != static_cast<qsizetype>(name.size())) {
    // A name beyond ASCII has another length in UTF-8 than in UTF-16.
    if (objectName.isEmpty() || name.size() < static_cast<std::size_t>(objectName.size()))
      return false;
    const QByteArray bytes = objectName.toUtf8();
    return SameText(std::string_view(bytes.constData(), std::size_t(bytes.size())), name);
  }
  for (qsizetype i = 0; i < objectName.size(); ++i) {
    const char16_t c = objectName[i].unicode();
    if (c >= 0x80) {
      const QByteArray bytes = objectName.toUtf8();
      return SameText(std::string_view(bytes.constData(), std::size_t(bytes.size())), name);
    }
    if (AsciiUpper(static_cast<char>(c)) != AsciiUpper(name[std::size_t(i)])) return false;
  }
  return true;
}

// The component `name` of `owner`, searched afresh each time: a component may be destroyed and
// another take its name, and nothing found is kept between accesses.
QObject* OwnedComponent(const QObject& owner, std::string_view name, bool recursively) {
  for (QObject* child : owner.children()) {
    if (Named(*child, name)) return child;
    if (recursively)
      if (QObject* found = OwnedComponent(*child, name, true)) return found;
  }
  return nullptr;
}

QObject* OwnedComponent(const QObject& owner, std::string_view name) {
  return name.empty() ? nullptr : OwnedComponent(owner, name, IsWindow(owner));
}

}  // namespace

TCtxComponentIntrospector::TCtxComponentIntrospector()
    : TCtxIntrospector(QObject::staticMetaObject) {}

bool TCtxComponentIntrospector::FindMember(TCtxScript&, QObject* instance, std::string_view name,
                                           std::int32_t& memberHandle) {
  if (!OwnedComponent(*instance, name)) return false;
  memberHandle = 1;  // found; the component itself is looked up at each access
  return true;
}

bool TCtxComponentIntrospector::InvokeMember(TCtxScript& script, TCtxAccessKind kind,
                                             QObject* instance, std::string_view name,
                                             std::int32_t& memberHandle, std::int32_t argCount) {
  QObject* component = OwnedComponent(*instance, name);
  if (!component) return false;
  memberHandle = 1;
  switch (kind) {
    case TCtxAccessKind::akGet: script.Result = TCtxValue::Object(component); return true;
    case TCtxAccessKind::akGetIndexed:
    case TCtxAccessKind::akSetIndexed:
      AccessArray(script, kind, instance, name, memberHandle, argCount);
      return true;
    default: RaiseUnableToInvoke(name);
  }
}

}  // namespace zendrik
