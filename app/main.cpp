#include <unistd.h>

#include <iostream>
#include <string>
#include <vector>

#include "app/batch_mode.h"
#include "app/command_line.h"
#include "app/start_up.h"
#include "app/window_mode.h"

// No arguments: the window. A first argument that is not an option names a page to show in
// the window (.html, .htm) or a script to run in batch mode. Options (--help, --extract, ...) make
// the command-line tool, which needs no display.
int main(int argc, char** argv) {
  zendrik::StartUp();
  if (argc <= 1) return zendrik::RunWindow(argc, argv);
  const std::string first = argv[1];
  if (!first.empty() && first.front() != '-' && zendrik::NamesPageFile(first))
    return zendrik::RunWindow(argc, argv, first);
  if (first.empty() || first.front() != '-') return zendrik::RunBatch(argc, argv, first);
  std::ios::sync_with_stdio(false);
  const zendrik::TConsole console{std::cout, std::cerr, ::isatty(STDERR_FILENO) == 1};
  return zendrik::RunCommandLine(std::vector<std::string>(argv + 1, argv + argc), console);
}
