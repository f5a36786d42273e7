#include <QObject>
#include <QPointer>

#include <unordered_map>
#include <vector>

#include "base/ascii.h"
#include "script/library/field_info.h"
#include "script/library/type_info_introspectors.h"
#include "script/runtime/engine.h"
#include "script/runtime/errors.h"

namespace zendrik {

namespace {

// A member handle is 32 bits: components found are kept here, guarded, and the handle is their
// position plus one.
class FoundComponents {
 public:
  std::int32_t HandleOf(QObject* component) {
    const auto [entry, added] = Positions.try_emplace(component, Components.size());
    if (added)
      Components.emplace_back(component);
    else
      Components[entry->second] = component;  // perhaps a new object at an old address
    return static_cast<std::int32_t>(entry->second + 1);
  }
  QObject* At(std::int32_t handle) const {
    if (handle < 1 || std::size_t(handle) > Components.size()) return nullptr;
    return Components[std::size_t(handle) - 1].data();
  }

 private:
  std::vector<QPointer<QObject>> Components;
  std::unordered_map<const QObject*, std::size_t> Positions;
};

FoundComponents& Found() {
  static FoundComponents found;
  return found;
}

// A top-level window: a widget without a parent (the engine knows widgets only as objects).
bool IsWindow(const QObject& object) { return object.isWidgetType() && !object.parent(); }

QObject* OwnedComponent(QObject& owner, std::string_view name) {
  if (name.empty()) return nullptr;
  const Qt::FindChildOptions depth =
      IsWindow(owner) ? Qt::FindChildrenRecursively : Qt::FindDirectChildrenOnly;
  for (QObject* child : owner.findChildren<QObject*>(QString(), depth)) {
    const QByteArray childName = child->objectName().toUtf8();
    if (SameText(std::string_view(childName.constData(), std::size_t(childName.size())), name))
      return child;
  }
  return nullptr;
}

}  // namespace

TCtxComponentIntrospector::TCtxComponentIntrospector()
    : TCtxIntrospector(QObject::staticMetaObject) {}

bool TCtxComponentIntrospector::FindMember(TCtxScript&, QObject* instance, std::string_view name,
                                           std::int32_t& memberHandle) {
  QObject* component = OwnedComponent(*instance, name);
  if (!component) return false;
  memberHandle = Found().HandleOf(component);
  return true;
}

bool TCtxComponentIntrospector::InvokeMember(TCtxScript& script, TCtxAccessKind kind,
                                             QObject* instance, std::string_view name,
                                             std::int32_t& memberHandle, std::int32_t argCount) {
  QObject* component = Found().At(memberHandle);
  if (!component) {
    if (!FindMember(script, instance, name, memberHandle)) return false;
    component = Found().At(memberHandle);
  }
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
