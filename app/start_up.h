#pragma once

namespace zendrik {

/// The program's registrations, made once before any window exists and any script runs, in
/// this order: the script engine's (the Pascal compiler and the system members), then the
/// host functions.
void StartUp();

}  // namespace zendrik
