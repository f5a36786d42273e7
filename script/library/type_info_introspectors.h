#pragma once

// The members that objects have without any registration, from Qt's meta-object system: owned
// components by name, published properties (Q_PROPERTY) and published fields (dynamic
// properties holding an object). Each is registered once, for QObject, so it answers for every
// object; the component introspector is consulted first, then the properties, then `Free`,
// `Invoke` and `Self`, then the fields.

#include "script/library/introspector.h"

namespace zendrik {

/// Owned components: for a top-level window (a widget without a parent), every named object
/// inside it; for any other object, its named children. Names are compared without regard to case.
/// Reading yields the component as an object value; assigning is refused. A component destroyed
/// since it was found is looked up again by name, never used.
class TCtxComponentIntrospector : public TCtxIntrospector {
 public:
  TCtxComponentIntrospector();
  bool FindMember(TCtxScript& script, QObject* instance, std::string_view name,
                  std::int32_t& memberHandle) override;
  bool InvokeMember(TCtxScript& script, TCtxAccessKind kind, QObject* instance,
                    std::string_view name, std::int32_t& memberHandle,
                    std::int32_t argCount) override;
};

/// Published properties: the Q_PROPERTY declarations of the instance's class and its
/// ancestors, names compared without regard to case; values convert by `GetPropertyValue` and
/// `SetPropertyValue`. A property of a type that scripts have no value of stands aside.
class TCtxPersistentIntrospector : public TCtxIntrospector {
 public:
  TCtxPersistentIntrospector();
  bool FindMember(TCtxScript& script, QObject* instance, std::string_view name,
                  std::int32_t& memberHandle) override;
  bool InvokeMember(TCtxScript& script, TCtxAccessKind kind, QObject* instance,
                    std::string_view name, std::int32_t& memberHandle,
                    std::int32_t argCount) override;
  bool StandsAside(QObject* instance, std::int32_t memberHandle) const override;
};

/// Published fields: the instance's dynamic properties that hold an object. Reading yields the
/// object; assigning stores the object of an object value, guarded so that it reads as nil once
/// destroyed.
class TCtxObjectIntrospector : public TCtxIntrospector {
 public:
  TCtxObjectIntrospector();
  bool FindMember(TCtxScript& script, QObject* instance, std::string_view name,
                  std::int32_t& memberHandle) override;
  bool InvokeMember(TCtxScript& script, TCtxAccessKind kind, QObject* instance,
                    std::string_view name, std::int32_t& memberHandle,
                    std::int32_t argCount) override;
};

}  // namespace zendrik
