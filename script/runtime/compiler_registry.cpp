#include "script/runtime/compiler_registry.h"

#include <vector>

#include "base/ascii.h"
#include "script/runtime/errors.h"

namespace zendrik {

namespace {

struct RegistryEntry {
  std::string Language;
  TCtxLanguageCompiler* Compiler;
};

struct Registry {
  std::vector<RegistryEntry> Entries;
  TCtxLanguageCompiler* Default = nullptr;
};

Registry& TheRegistry() {
  static Registry registry;
  return registry;
}

}  // namespace

void RegisterCompiler(std::string_view language, TCtxLanguageCompiler& compiler) {
  for (RegistryEntry& entry : TheRegistry().Entries) {
    if (SameText(entry.Language, language)) {
      entry.Compiler = &compiler;
      return;
    }
  }
  TheRegistry().Entries.push_back({std::string(language), &compiler});
}

void SetDefaultCompiler(TCtxLanguageCompiler& compiler) { TheRegistry().Default = &compiler; }

void UnregisterCompiler(const TCtxLanguageCompiler& compiler) {
  Registry& registry = TheRegistry();
  std::erase_if(registry.Entries,
                [&](const RegistryEntry& entry) { return entry.Compiler == &compiler; });
  if (registry.Default == &compiler) registry.Default = nullptr;
}

TCtxLanguageCompiler& FindCompiler(std::string_view language) {
  const Registry& registry = TheRegistry();
  if (language.empty()) {
    if (!registry.Default) throw ECtxScriptError("Compiler not found for the default language");
    return *registry.Default;
  }
  for (const RegistryEntry& entry : registry.Entries)
    if (SameText(entry.Language, language)) return *entry.Compiler;
  throw ECtxScriptError::CreateFmt("Compiler not found for %s", {language});
}

}  // namespace zendrik
