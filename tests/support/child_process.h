#pragma once

// Runs a program as a child process and collects what it wrote, for tests of the program as a
// user meets it (exit status, standard output and error, limits).

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace zendrik::testsupport {

struct ChildOptions {
  /// Environment variables set (NAME, value) or, with an empty value, removed for the child.
  std::vector<std::pair<std::string, std::string>> Environment;
  /// When not zero, the child's data segment limit (RLIMIT_DATA) in bytes.
  std::size_t DataLimitBytes = 0;
  /// Written to the child's standard input, which is then closed.
  std::string Input;
  /// The child's working directory; empty keeps the current one.
  std::string WorkingDirectory;
  /// When not zero, this signal is sent to the child once its standard output holds
  /// `SignalAfterOutput`.
  int Signal = 0;
  std::string SignalAfterOutput;
};

struct ChildResult {
  /// The exit status, or -1 when a signal ended the child.
  int ExitStatus = -1;
  /// The signal that ended the child, or 0.
  int Signal = 0;
  std::string Out;
  std::string Err;
};

/// Runs `argv` (argv[0] is the program's path) and waits for it.
ChildResult RunChild(const std::vector<std::string>& argv, const ChildOptions& options = {});

}  // namespace zendrik::testsupport
