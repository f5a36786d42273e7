#pragma once

namespace zendrik {

/// The program's registrations, made once before any window exists and any script runs, in
/// this order: the script engine's (the Pascal compiler and the system members), then the
/// host functions; then the D-Bus automation server, which connects to a bus only when a script
/// first uses it.
void StartUp();

}  // namespace zendrik
