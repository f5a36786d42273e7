#pragma once

namespace zendrik {

/// The program with no arguments: the main window, until it is closed. Returns the exit status.
int RunWindow(int& argc, char** argv);

}  // namespace zendrik
