#include "app/command_line.h"
#include "app/main_form.h"
#include "app/product_info.h"
#include "app/start_up.h"

#include <QApplication>

#include <unistd.h>
#include <iostream>

namespace {

// With no arguments the program is the window; with arguments it is the command-line tool,
// which needs no display.
int RunWindow(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(zendrik::kApplicationTitle);
  zendrik::TScreenMessageBoxes boxes;
  zendrik::TMainForm window(boxes);
  window.show();
  return QApplication::exec();
}

}  // namespace

int main(int argc, char** argv) {
  zendrik::StartUp();
  if (argc <= 1) return RunWindow(argc, argv);
  std::ios::sync_with_stdio(false);
  const zendrik::TConsole console{std::cout, std::cerr, ::isatty(STDERR_FILENO) == 1};
  return zendrik::RunCommandLine(std::vector<std::string>(argv + 1, argv + argc), console);
}
