// The package's regular-expression functions: RegExMatch, RegExFind, RegExFindAll and
// RegExReplace (script/library/regex_search.h).

#include <vector>

#include "script/library/package_support.h"
#include "script/library/regex_search.h"

namespace zendrik {

namespace {

// RegExMatch(S, Pattern).
void RegExMatch(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  const TTextArg text(args[0]);
  const TRegExPattern pattern{TTextArg(args[1])};
  script.Result = TCtxValue::Boolean(pattern.Matches(text));
}

// RegExFind(S, Pattern, Group).
void RegExFind(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  const TTextArg text(args[0]);
  const TRegExPattern pattern{TTextArg(args[1])};
  ReturnString(script, pattern.Find(text, ToInteger(args[2])));
}

// RegExFindAll(S, Pattern, Group): an array from index 0, empty when nothing matches.
void RegExFindAll(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  const TTextArg text(args[0]);
  const TRegExPattern pattern{TTextArg(args[1])};
  std::vector<TCtxValue> found;
  for (const std::string& piece : pattern.FindAll(text, ToInteger(args[2])))
    found.push_back(TCtxValue::String(piece));
  script.Result = TCtxValue::Array(TCtxArray(0, std::move(found)));
}

// RegExReplace(S, Pattern, Replacement).
void RegExReplace(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  const TTextArg text(args[0]);
  const TRegExPattern pattern{TTextArg(args[1])};
  const TTextArg replacement(args[2]);
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
