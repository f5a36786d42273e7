#pragma once

namespace zendrik {

/// Makes the script engine ready: the Pascal compiler registered as the default, the member
/// resolver installed, the system members and the standard package registered on the system
/// scope, in this order. Start-up and every test call it; calls after the first do nothing.
void RegisterScriptEngine();

}  // namespace zendrik
