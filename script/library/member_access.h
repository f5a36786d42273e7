#pragma once

// How the interpreter reaches members through the introspectors: the per-instruction cache,
// the order of the scopes for unqualified names, and the search by name. Start-up installs
// the resolver (`IntrospectionResolver`) into the engine's run time.

#include <cstdint>
#include <string_view>

#include "script/runtime/member_resolver.h"

namespace zendrik {

/// Finds member `name` of `instance` afresh and performs the access with `argCount`
/// arguments; false when the object has no such member.
bool InvokeByName(TCtxScript& script, TCtxAccessKind kind, QObject* instance, std::string_view name,
                  std::int32_t argCount);

/// The resolver of the introspectors, for the engine: the process's one.
TCtxMemberResolver& IntrospectionResolver();

}  // namespace zendrik
