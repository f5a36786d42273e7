#pragma once

#include <QMetaObject>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "script/library/field_info.h"
#include "script/runtime/access_kind.h"
#include "script/runtime/member_resolver.h"

class QObject;

namespace zendrik {

class TCtxScript;

/// Exposes the members of the instances of one class (and of the classes derived from it) to
/// scripts. `MemberHandle` is the introspector's own note of a member found by name, kept by
/// the caller so that a second access can skip the search; 0 means none yet.
class TCtxIntrospector : public TCtxMemberFinder {
 public:
  explicit TCtxIntrospector(const QMetaObject& introspectedClass)
      : IntrospectedClass(&introspectedClass) {}
  virtual ~TCtxIntrospector() = default;
  TCtxIntrospector(const TCtxIntrospector&) = delete;
  TCtxIntrospector& operator=(const TCtxIntrospector&) = delete;

  /// An indexed access (akGetIndexed, akSetIndexed) of member `name`: an object-valued member
  /// passes all indices to its default member "_"; an array or string member is read at the
  /// index `GetParam(1)`. Anything else raises "%s.%s cannot be references as an array".
  virtual void AccessArray(TCtxScript& script, TCtxAccessKind kind, QObject* instance,
                           std::string_view name, std::int32_t& memberHandle,
                           std::int32_t argCount);
  /// True, with `memberHandle` set, when `instance` has member `name`.
  virtual bool FindMember(TCtxScript& script, QObject* instance, std::string_view name,
                          std::int32_t& memberHandle) = 0;
  /// Performs the access; false only when `name` is not a member, every other failure raises.
  virtual bool InvokeMember(TCtxScript& script, TCtxAccessKind kind, QObject* instance,
                            std::string_view name, std::int32_t& memberHandle,
                            std::int32_t argCount) = 0;
  /// True when the member found as `memberHandle` has no value for scripts (a property of a
  /// type without a script mapping): an unqualified name then goes on to the later scopes, so
  /// that such a property of the host never hides a function of the system scope.
  virtual bool StandsAside(QObject* instance, std::int32_t memberHandle) const;

  /// The introspector registered before this one for the same class, or null.
  TCtxIntrospector* NextIntrospector = nullptr;
  const QMetaObject* IntrospectedClass;
};

/// Members registered by name (case ignored): the global functions, the system members, the
/// host functions. The last registration of a name wins.
class TCtxCustomIntrospector : public TCtxIntrospector {
 public:
  using TCtxIntrospector::TCtxIntrospector;

  /// Creates one for `introspectedClass` and registers it; the registry owns it.
  static TCtxCustomIntrospector& Create(const QMetaObject& introspectedClass);

  void AddMethod(std::string name, TCtxNativeCallback callback, std::int32_t paramCount);
  void AddProperty(std::string name, TCtxNativeCallback getter,
                   TCtxNativeCallback setter = nullptr);
  void AddConst(std::string name, const TCtxValue& value);
  void AddField(std::unique_ptr<TCtxFieldInfo> field);

  /// Position of member `name` (case ignored) in the order of registration, or -1.
  int IndexOfMember(std::string_view name) const;
  TCtxFieldInfo& MemberAt(int position) const { return *Members.at(std::size_t(position)).Field; }
  int MemberCount() const { return static_cast<int>(Members.size()); }

  bool FindMember(TCtxScript& script, QObject* instance, std::string_view name,
                  std::int32_t& memberHandle) override;
  bool InvokeMember(TCtxScript& script, TCtxAccessKind kind, QObject* instance,
                    std::string_view name, std::int32_t& memberHandle,
                    std::int32_t argCount) override;

 private:
  struct Member {
    std::string Key;  // the name in upper case
    std::unique_ptr<TCtxFieldInfo> Field;
  };
  /// The first place of `key` in `ByKey` at or after which it would stand.
  std::vector<int>::const_iterator KeyPosition(const std::string& key) const;

  std::vector<Member> Members;  // in the order of registration
  std::vector<int> ByKey;       // positions in Members, sorted by Key
};

/// The name of a class as scripts and messages show it: without the namespace.
std::string_view ClassDisplayName(const QMetaObject& metaObject);

}  // namespace zendrik
