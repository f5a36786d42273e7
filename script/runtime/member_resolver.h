#pragma once

// The interpreter's way to the members of objects and scopes. An introspection library
// implements the resolver and start-up installs it, as compilers are registered; the
// interpreter knows nothing else of how members are found.

#include <cstdint>
#include <string_view>

#include "script/runtime/access_kind.h"

class QObject;

namespace zendrik {

class TCtxScript;
struct TCtxPCodeRec;

/// What a resolver notes in an instruction's cache about where it found a member; opaque to
/// the interpreter, which only keeps it.
class TCtxMemberFinder {
 protected:
  TCtxMemberFinder() = default;
  ~TCtxMemberFinder() = default;
};

class TCtxMemberResolver {
 public:
  virtual ~TCtxMemberResolver() = default;

  /// Performs the access of an unqualified named instruction: on the execution's scope object,
  /// the engine's global scope, then the system scope, using and refreshing the instruction's
  /// cache. Raises "Method not found. Method: %s" when none answers.
  virtual void InvokeUnqualified(TCtxScript& script, TCtxPCodeRec& instruction,
                                 TCtxAccessKind kind) = 0;
  /// Performs the access of a named instruction on `instance` (not nil), using and refreshing
  /// the instruction's cache; false when the object has no such member.
  virtual bool InvokeOnObject(TCtxScript& script, TCtxPCodeRec& instruction, QObject* instance,
                              TCtxAccessKind kind) = 0;
  /// Finds member `name` of `instance` afresh and performs the access with `argCount`
  /// arguments; false when the object has no such member.
  virtual bool InvokeByName(TCtxScript& script, TCtxAccessKind kind, QObject* instance,
                            std::string_view name, std::int32_t argCount) = 0;
};

namespace detail {
inline TCtxMemberResolver* installedResolver = nullptr;
}  // namespace detail

/// Makes `resolver` the one engines use unless they were given their own; start-up calls it
/// once.
inline void InstallMemberResolver(TCtxMemberResolver& resolver) {
  detail::installedResolver = &resolver;
}
/// The installed resolver, or null before start-up has installed one.
inline TCtxMemberResolver* InstalledMemberResolver() { return detail::installedResolver; }

}  // namespace zendrik
