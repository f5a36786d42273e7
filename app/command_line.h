#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace zendrik {

/// Where the command line writes: results to `Out`, messages to `Err`. Progress is shown on
/// `Err` only when it is a terminal.
struct TConsole {
  std::ostream& Out;
  std::ostream& Err;
  bool ErrIsTerminal = false;
};

/// Runs the program's command-line options (everything but the window) and returns the exit
/// status: 0 on success, 1 when the work failed, 2 for a usage error.
int RunCommandLine(const std::vector<std::string>& args, const TConsole& console);

}  // namespace zendrik
