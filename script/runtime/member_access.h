#pragma once

// The interpreter's way to the members of objects and scopes. The introspection library
// (script/library/) implements these; the interpreter knows nothing else of it.

#include <cstdint>
#include <string_view>

#include "script/runtime/access_kind.h"

class QObject;

namespace zendrik {

class TCtxScript;
struct TCtxPCodeRec;

/// Performs the access of an unqualified named instruction: on the execution's scope object,
/// the engine's global scope, then the system scope, using and refreshing the instruction's
/// cache. Raises "Method not found. Method: %s" when none answers.
void InvokeUnqualified(TCtxScript& script, TCtxPCodeRec& instruction, TCtxAccessKind kind);

/// Performs the access of a named instruction on `instance` (not nil), using and refreshing
/// the instruction's cache; false when the object has no such member.
bool InvokeOnObject(TCtxScript& script, TCtxPCodeRec& instruction, QObject* instance,
                    TCtxAccessKind kind);

/// Finds member `name` of `instance` afresh and performs the access with `argCount`
/// arguments; false when the object has no such member.
bool InvokeByName(TCtxScript& script, TCtxAccessKind kind, QObject* instance, std::string_view name,
                  std::int32_t argCount);

}  // namespace zendrik
