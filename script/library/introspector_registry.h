#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

class QObject;

namespace zendrik {

class TCtxIntrospector;
class TCtxScript;

/// The process-wide registry of introspectors, keyed by the name of the class each one serves
/// (case ignored). Several may serve one class: the newest is consulted first and the older
/// ones follow through `NextIntrospector`. The registry owns them.

/// Adds `introspector` in front of the chain of its class and returns it.
TCtxIntrospector& RegisterIntrospector(std::unique_ptr<TCtxIntrospector> introspector);
/// Unlinks `introspector` from its chain and destroys it.
void DestroyIntrospector(TCtxIntrospector& introspector);
/// The newest introspector registered for `className`, or null.
TCtxIntrospector* FindClassIntrospector(std::string_view className);
/// The first introspector along the class ancestry of `instance` (its class first, newest
/// registration first) that has member `name`, with `memberHandle` set; null when none has.
TCtxIntrospector* FindIntrospector(TCtxScript& script, QObject* instance, std::string_view name,
                                   std::int32_t& memberHandle);

}  // namespace zendrik
