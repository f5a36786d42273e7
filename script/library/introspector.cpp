#include "script/library/introspector.h"

#include <algorithm>

#include "base/ascii.h"
#include "script/library/introspector_registry.h"
#include "script/library/member_access.h"
#include "script/runtime/conversions.h"
#include "script/runtime/engine.h"
#include "script/runtime/errors.h"

namespace zendrik {

namespace {

[[noreturn]] void RaiseNotAnArray(const TCtxIntrospector& introspector, std::string_view name) {
  throw ECtxScriptError::CreateFmt("%s.%s cannot be references as an array",
                                   {ClassDisplayName(*introspector.IntrospectedClass), name});
}

}  // namespace

std::string_view ClassDisplayName(const QMetaObject& metaObject) {
  const std::string_view name = metaObject.className();
  const std::size_t colons = name.rfind("::");
  return colons == std::string_view::npos ? name : name.substr(colons + 2);
}

void TCtxIntrospector::AccessArray(TCtxScript& script, TCtxAccessKind kind, QObject* instance,
                                   std::string_view name, std::int32_t& memberHandle,
                                   std::int32_t argCount) {
  const TCtxValue saved = script.Result;  // for akSetIndexed: the value to store
  if (!InvokeMember(script, TCtxAccessKind::akGet, instance, name, memberHandle, 0))
    RaiseNotAnArray(*this, name);
  if (script.Result.IsObject()) {
    QObject* object = script.Result.ToObject();
    script.Result = saved;
    if (!object || !InvokeByName(script, kind, object, "_", argCount)) RaiseNotAnArray(*this, name);
    return;
  }
  if (kind != TCtxAccessKind::akGetIndexed) RaiseNotAnArray(*this, name);
  if (script.Result.IsArray()) {
    TCtxValue element = script.Result.ArrayPayload().At(ToInteger(script.GetParam(1)));
    script.Result = std::move(element);
  } else if (script.Result.IsString()) {
    const std::int32_t index = ToInteger(script.GetParam(1));
    const std::string_view text = script.Result.StringPayload();
    if (index < 1 || static_cast<std::size_t>(index) > text.size())
      throw ECtxScriptError::CreateFmt("String index %d out of range", {index});
    script.Result = TCtxValue::String(text.substr(static_cast<std::size_t>(index) - 1, 1));
  } else {
    RaiseNotAnArray(*this, name);
  }
}

TCtxCustomIntrospector& TCtxCustomIntrospector::Create(const QMetaObject& introspectedClass) {
  return static_cast<TCtxCustomIntrospector&>(
      RegisterIntrospector(std::make_unique<TCtxCustomIntrospector>(introspectedClass)));
}

void TCtxCustomIntrospector::AddMethod(std::string name, TCtxNativeCallback callback,
                                       std::int32_t paramCount) {
  AddField(std::make_unique<TCtxMethodFieldInfo>(std::move(name), callback, paramCount));
}

void TCtxCustomIntrospector::AddProperty(std::string name, TCtxNativeCallback getter,
                                         TCtxNativeCallback setter) {
  AddField(std::make_unique<TCtxPropFieldInfo>(std::move(name), getter, setter));
}

void TCtxCustomIntrospector::AddConst(std::string name, const TCtxValue& value) {
  AddField(std::make_unique<TCtxConstFieldInfo>(std::move(name), value));
}

void TCtxCustomIntrospector::AddField(std::unique_ptr<TCtxFieldInfo> field) {
  std::string key = UpperCase(field->Name);
  const auto at = std::lower_bound(Members.begin(), Members.end(), key,
                                   [](const Member& m, const std::string& k) { return m.Key < k; });
  if (at != Members.end() && at->Key == key)
    at->Field = std::move(field);
  else
    Members.insert(at, Member{std::move(key), std::move(field)});
}

int TCtxCustomIntrospector::IndexOfMember(std::string_view name) const {
  const std::string key = UpperCase(name);
  const auto at = std::lower_bound(Members.begin(), Members.end(), key,
                                   [](const Member& m, const std::string& k) { return m.Key < k; });
  return at != Members.end() && at->Key == key ? static_cast<int>(at - Members.begin()) : -1;
}

bool TCtxIntrospector::StandsAside(QObject*, std::int32_t) const { return false; }

bool TCtxCustomIntrospector::FindMember(TCtxScript&, QObject*, std::string_view name,
                                        std::int32_t& memberHandle) {
  const int position = IndexOfMember(name);
  if (position < 0) return false;
  memberHandle = position + 1;
  return true;
}

bool TCtxCustomIntrospector::InvokeMember(TCtxScript& script, TCtxAccessKind kind,
                                          QObject* instance, std::string_view name,
                                          std::int32_t& memberHandle, std::int32_t argCount) {
  // A handle kept from an earlier access is checked against the name: one comparison, most
  // often with the name as it was registered.
  const auto Matches = [&](const Member& member) {
    return member.Field->Name == name || SameText(member.Key, name);
  };
  const bool cached = memberHandle > 0 && memberHandle <= MemberCount() &&
                      Matches(Members[std::size_t(memberHandle) - 1]);
  if (!cached && !FindMember(script, instance, name, memberHandle)) return false;
  if (kind == TCtxAccessKind::akGetIndexed || kind == TCtxAccessKind::akSetIndexed)
    AccessArray(script, kind, instance, name, memberHandle, argCount);
  else
    MemberAt(memberHandle - 1).InvokeField(script, kind, instance, argCount);
  return true;
}

}  // namespace zendrik
