#pragma once

#include <string>

namespace zendrik {

/// The program with no arguments: the main window, until it is closed. Returns the exit status.
/// Without a display (`HasDisplay`), or when the display cannot be opened, one line on standard
/// error says so and what to do instead, and the status is 1.
int RunWindow(int& argc, char** argv);

/// True when windows can be shown somewhere: DISPLAY or WAYLAND_DISPLAY is set, or
/// QT_QPA_PLATFORM names the platform to draw on.
bool HasDisplay();

/// True when there is no display to show windows on: neither DISPLAY nor WAYLAND_DISPLAY is set,
/// or Qt is told to draw offscreen.
bool IsHeadless();

/// Batch mode: opens `scriptFile`, runs it with the (hidden) main window as host, and ends.
/// With a display, message boxes are shown and wait; without one, each is a line on standard
/// error and takes its default answer. Returns 0 after a clean run, 1 when the file cannot be
/// read, the script does not compile, or an error leaves it.
int RunBatch(int& argc, char** argv, const std::string& scriptFile);

}  // namespace zendrik
