#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace zendrik {

/// Where the command line writes: results to `Out`, messages to `Err`. Progress is shown on
/// `Err` only when it is a terminal.
struct TConsole {
  std::ostream& Out;
  std::ostream& Err;
  bool ErrIsTerminal = false;
};

/// Whether the program's first argument names a page to show in the window (its name ends in
/// ".html" or ".htm", in any case) rather than a script to run.
bool NamesPageFile(std::string_view argument);

/// Runs the program's command-line options (everything but the window) and returns the exit
/// status: 0 on success, 1 when the work failed, 2 for a usage error.
int RunCommandLine(const std::vector<std::string>& args, const TConsole& console);

}  // namespace zendrik
