#pragma once

#include <string>

namespace zendrik {

class TMainForm;

/// The program with no arguments, or with a page file: the main window, until it is closed.
/// A `pageFile` is shown as a table once the window is up. Returns the exit status.
int RunWindow(int& argc, char** argv, const std::string& pageFile = {});

/// Puts the local page `pageFile` into the address field as a file address and extracts it.
void ShowPageFile(TMainForm& window, const std::string& pageFile);

/// True when there is no display to show windows on: neither DISPLAY nor WAYLAND_DISPLAY is set,
/// or Qt is told to draw offscreen.
bool IsHeadless();

/// Batch mode: opens `scriptFile`, runs it with the (hidden) main window as host, and ends.
/// With a display, message boxes are shown and wait; without one, each is a line on standard
/// error and takes its default answer. Returns 0 after a clean run, 1 when the file cannot be
/// read, the script does not compile, or an error leaves it.
int RunBatch(int& argc, char** argv, const std::string& scriptFile);

}  // namespace zendrik
