#include "script/library/introspector_registry.h"

#include <QObject>

#include <algorithm>
#include <map>
#include <string>
#include <unordered_map>
#include <vector>

#include "base/ascii.h"
#include "script/library/introspector.h"

namespace zendrik {

namespace {

struct CaseInsensitiveLess {
  using is_transparent = void;
  bool operator()(std::string_view a, std::string_view b) const {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
      return AsciiUpper(x) < AsciiUpper(y);
    });
  }
};

struct Registry {
  std::vector<std::unique_ptr<TCtxIntrospector>> Owned;
  std::map<std::string, TCtxIntrospector*, CaseInsensitiveLess> Heads;
  // The introspectors of every class ancestry met so far, in search order; dropped whenever
  // a registration changes.
  std::unordered_map<const QMetaObject*, std::vector<TCtxIntrospector*>> Ancestries;
};

Registry& TheRegistry() {
  static Registry registry;
  return registry;
}

const std::vector<TCtxIntrospector*>& AncestryOf(const QMetaObject& metaObject) {
  Registry& registry = TheRegistry();
  auto [entry, added] = registry.Ancestries.try_emplace(&metaObject);
  if (added) {
    for (const QMetaObject* c = &metaObject; c; c = c->superClass())
      for (TCtxIntrospector* i = FindClassIntrospector(c->className()); i; i = i->NextIntrospector)
        entry->second.push_back(i);
  }
  return entry->second;
}

}  // namespace

TCtxIntrospector& RegisterIntrospector(std::unique_ptr<TCtxIntrospector> introspector) {
  Registry& registry = TheRegistry();
  TCtxIntrospector& added = *introspector;
  TCtxIntrospector*& head = registry.Heads[added.IntrospectedClass->className()];
  added.NextIntrospector = head;
  head = &added;
  registry.Owned.push_back(std::move(introspector));
  registry.Ancestries.clear();
  return added;
}

void DestroyIntrospector(TCtxIntrospector& introspector) {
  Registry& registry = TheRegistry();
  const auto head = registry.Heads.find(introspector.IntrospectedClass->className());
  if (head != registry.Heads.end()) {
    // A key whose chain becomes empty stays, with no introspector.
    for (TCtxIntrospector** link = &head->second; *link; link = &(*link)->NextIntrospector) {
      if (*link == &introspector) {
        *link = introspector.NextIntrospector;
        break;
      }
    }
  }
  registry.Ancestries.clear();
  std::erase_if(registry.Owned, [&](const auto& owned) { return owned.get() == &introspector; });
}

TCtxIntrospector* FindClassIntrospector(std::string_view className) {
  const Registry& registry = TheRegistry();
  const auto head = registry.Heads.find(className);
  return head == registry.Heads.end() ? nullptr : head->second;
}

TCtxIntrospector* FindIntrospector(TCtxScript& script, QObject* instance, std::string_view name,
                                   std::int32_t& memberHandle) {
  for (TCtxIntrospector* introspector : AncestryOf(*instance->metaObject())) {
    memberHandle = 0;
    if (introspector->FindMember(script, instance, name, memberHandle)) return introspector;
  }
  return nullptr;
}

}  // namespace zendrik
