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

std::vector<int>::const_iterator TCtxCustomIntrospector::KeyPosition(const std::string& key) const {
  return std::lower_bound(ByKey.begin(), ByKey.end(), key,
                          [this](int position, const std::string& k) {
                            return Members[std::size_t(position)].Key < k;
                          });
}

void TCtxCustomIntrospector::AddField(std::unique_ptr<TCtxFieldInfo> field) {
  std::string key = UpperCase(field->Name);
  const auto at = KeyPosition(key);
  if (at != ByKey.end() && Members[std::size_t(*at)].Key == key) {
    // The newest registration takes the name's place, and handles to it stay good.
    Members[std::size_t(*at)].Field = std::move(field);
    return;
  }
  ByKey.insert(at, MemberCount());
  Members.push_back(Member{std::move(key), std::move(field)});
}

int TCtxCustomIntrospector::IndexOfMember(std::string_view name) const {
  const std::string key = UpperCase(name);
  const auto at = KeyPosition(key);
  return at != ByKey.end() && Members[std::size_t(*at)].Key == key ? *at : -1;
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
  // A handle is the member's place in the order of registration, which never changes: one this
  // introspector gave out earlier is used as it is.
  const bool cached = memberHandle > 0 && memberHandle <= MemberCount();
  if (!cached && !FindMember(script, instance, name, memberHandle)) return false;
  if (kind == TCtxAccessKind::akGetIndexed || kind == TCtxAccessKind::akSetIndexed)
    AccessArray(script, kind, instance, name, memberHandle, argCount);
  else
    MemberAt(memberHandle - 1).InvokeField(script, kind, instance, argCount);
  return true;
}

}  // namespace zendrik
