// The package's regular-expression functions: RegExMatch, RegExFind, RegExFindAll and
// RegExReplace (script/library/regex_search.h).

#include <vector>

#include "script/library/package_support.h"
#include "script/library/regex_search.h"

namespace zendrik {

namespace {

// RegExMatch(S, Pattern).
void RegExMatch(TCtxScript& script, TCtxAccessKind, QObject*, std::int32_t) {
  const TTextArg text(Arg(script, 2, 1));
  const TRegExPattern pattern(TTextArg(Arg(script, 2, 2)));
  script.Result = TCtxValue::Boolean(pattern.Matches(text));
}

// RegExFind(S, Pattern, Group).
void RegExFind(TCtxScript& script, TCtxAccessKind, QObject*, std::int32_t) {
  const TTextArg text(Arg(script, 3, 1));
  const TRegExPattern pattern(TTextArg(Arg(script, 3, 2)));
  ReturnString(script, pattern.Find(text, ToInteger(Arg(script, 3, 3))));
}

// RegExFindAll(S, Pattern, Group): an array from index 0, empty when nothing matches.
void RegExFindAll(TCtxScript& script, TCtxAccessKind, QObject*, std::int32_t) {
  const TTextArg text(Arg(script, 3, 1));
  const TRegExPattern pattern(TTextArg(Arg(script, 3, 2)));
  std::vector<TCtxValue> found;
  for (const std::string& piece : pattern.FindAll(text, ToInteger(Arg(script, 3, 3))))
    found.push_back(TCtxValue::String(piece));
  script.Result = TCtxValue::Array(TCtxArray(0, std::move(found)));
}

// RegExReplace(S, Pattern, Replacement).
void RegExReplace(TCtxScript& script, TCtxAccessKind, QObject*, std::int32_t) {
  const TTextArg text(Arg(script, 3, 1));
  const TRegExPattern pattern(TTextArg(Arg(script, 3, 2)));
  const TTextArg replacement(Arg(script, 3, 3));
  ReturnString(script, pattern.Replace(text, replacement, kStringResultLimit));
}

constexpr TPackageFunction kFunctions[] = {
    {"RegExMatch", RegExMatch, 2},
    {"RegExFind", RegExFind, 3},
    {"RegExFindAll", RegExFindAll, 3},
    {"RegExReplace", RegExReplace, 3},
};

}  // namespace

std::span<const TPackageFunction> PatternFunctions() { return kFunctions; }

}  // namespace zendrik
