#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "script/runtime/access_kind.h"
#include "script/runtime/value.h"

class QObject;

namespace zendrik {

class TCtxScript;
class TCtxArgs;

/// A native callback: the engine, the access kind, the instance on which the member was found
/// (the system scope object for global functions) and its arguments, which lie on the engine's
/// stack, indexed from the first as written (`args.Count()` of them). A value-producing callback
/// leaves its value in `Result`.
using TCtxNativeCallback = void (*)(TCtxScript& script, TCtxAccessKind kind, QObject* instance,
                                    const TCtxArgs& args);

[[noreturn]] void RaiseArgCount(bool tooFew);

/// Raises "Unable to invoke method or property %s in this manner" for member `name`: an access
/// of a kind the member does not support.
[[noreturn]] void RaiseUnableToInvoke(std::string_view name);

/// Raises "Not enough actual parameters" when `count` < `min`, "Too many actual parameters"
/// when `count` > `max`; a negative `max` stands for `min`.
inline void CheckArgCount(std::int32_t count, std::int32_t min, std::int32_t max) {
  if (max < 0) max = min;
  if (count < min || count > max) RaiseArgCount(count < min);
}

enum class TCtxFieldKind : std::uint8_t { fkConst = 0, fkMethod = 1, fkProperty = 2 };

/// A member that a custom introspector exposes by name.
class TCtxFieldInfo {
 public:
  explicit TCtxFieldInfo(std::string name) : Name(std::move(name)) {}
  virtual ~TCtxFieldInfo() = default;
  TCtxFieldInfo(const TCtxFieldInfo&) = delete;
  TCtxFieldInfo& operator=(const TCtxFieldInfo&) = delete;

  /// Performs the access; raises "Unable to invoke method or property %s in this manner" for an
  /// access the member does not support.
  virtual void InvokeField(TCtxScript& script, TCtxAccessKind kind, QObject* instance,
                           std::int32_t argCount) = 0;
  virtual TCtxFieldKind FieldKind() const = 0;

  /// As registered.
  std::string Name;
};

/// A constant: readable without arguments.
class TCtxConstFieldInfo final : public TCtxFieldInfo {
 public:
  TCtxConstFieldInfo(std::string name, TCtxValue value)
      : TCtxFieldInfo(std::move(name)), ConstValue(std::move(value)) {}
  void InvokeField(TCtxScript& script, TCtxAccessKind kind, QObject* instance,
                   std::int32_t argCount) override;
  TCtxFieldKind FieldKind() const override { return TCtxFieldKind::fkConst; }

  TCtxValue ConstValue;
};

/// A method: called (kind akGet) with exactly `ParamCount` arguments, or any number when
/// `ParamCount` is negative.
class TCtxMethodFieldInfo final : public TCtxFieldInfo {
 public:
  TCtxMethodFieldInfo(std::string name, TCtxNativeCallback callback, std::int32_t paramCount)
      : TCtxFieldInfo(std::move(name)), Callback(callback), ParamCount(paramCount) {}
  void InvokeField(TCtxScript& script, TCtxAccessKind kind, QObject* instance,
                   std::int32_t argCount) override;
  TCtxFieldKind FieldKind() const override { return TCtxFieldKind::fkMethod; }

  TCtxNativeCallback Callback;
  std::int32_t ParamCount;
};

/// A property: read through `Getter`, assigned through `Setter` (read-only without one); it
/// takes no arguments.
class TCtxPropFieldInfo final : public TCtxFieldInfo {
 public:
  TCtxPropFieldInfo(std::string name, TCtxNativeCallback getter, TCtxNativeCallback setter)
      : TCtxFieldInfo(std::move(name)), Getter(getter), Setter(setter) {}
  void InvokeField(TCtxScript& script, TCtxAccessKind kind, QObject* instance,
                   std::int32_t argCount) override;
  TCtxFieldKind FieldKind() const override { return TCtxFieldKind::fkProperty; }

  TCtxNativeCallback Getter;
  TCtxNativeCallback Setter;
};

}  // namespace zendrik
