#pragma once

#include <string>

namespace zendrik {

class TMainForm;

/// The program with no arguments, or with a page file: the main window, until it is closed.
/// A `pageFile` is shown as a table once the window is up. Returns the exit status. Without a
/// display (`HasDisplay`), or when the display cannot be opened, one line on standard error says
/// so and what to do instead, and the status is 1.
int RunWindow(int& argc, char** argv, const std::string& pageFile = {});

/// Puts the local page `pageFile` into the address field as a file address and extracts it.
void ShowPageFile(TMainForm& window, const std::string& pageFile);

}  // namespace zendrik
