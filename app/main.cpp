#include "app/command_line.h"

#include <iostream>
#include <unistd.h>

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  const zendrik::TConsole console{std::cout, std::cerr, ::isatty(STDERR_FILENO) == 1};
  return zendrik::RunCommandLine(std::vector<std::string>(argv + 1, argv + argc), console);
}
