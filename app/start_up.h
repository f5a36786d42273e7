#pragma once

namespace zendrik {

/// The program's registrations, made once before any script is compiled or run: the script
/// languages' compilers.
void StartUp();

}  // namespace zendrik
