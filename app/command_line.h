#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace zendrik {

/// Runs the program's command-line options (everything but the window) and returns the exit
/// status: 0 on success, 1 when the work failed, 2 for a usage error.
int RunCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace zendrik
