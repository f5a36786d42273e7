#include "script/compiler/compiler_registry.h"

#include <string>
#include <vector>

#include "script/compiler/compiler.h"
#include "script/compiler/symbols.h"
#include "script/runtime/errors.h"

namespace zendrik {

namespace {

struct RegistryEntry {
  std::string Language;
  TCtxCompiler* Compiler;
};

std::vector<RegistryEntry>& Registry() {
  static std::vector<RegistryEntry> entries;
  return entries;
}

// The default compiler exists from the start of the program, as the entry for "Pascal".
[[maybe_unused]] const bool kDefaultCompilerCreated = (DefaultCompiler(), true);

}  // namespace

void RegisterCompiler(std::string_view language, TCtxCompiler& compiler) {
  for (RegistryEntry& entry : Registry()) {
    if (SameText(entry.Language, language)) {
      entry.Compiler = &compiler;
      return;
    }
  }
  Registry().push_back({std::string(language), &compiler});
}

void UnregisterCompiler(const TCtxCompiler& compiler) {
  std::erase_if(Registry(),
                [&](const RegistryEntry& entry) { return entry.Compiler == &compiler; });
}

TCtxCompiler& FindCompiler(std::string_view language) {
  TCtxCompiler& fallback = DefaultCompiler();
  if (language.empty()) return fallback;
  for (const RegistryEntry& entry : Registry())
    if (SameText(entry.Language, language)) return *entry.Compiler;
  throw ECtxScriptError::CreateFmt("Compiler not found for %s", {language});
}

TCtxCompiler& DefaultCompiler() {
  static TCtxPasCompiler compiler;
  return compiler;
}

}  // namespace zendrik
