#pragma once

#include <string>

namespace zendrik {

class TMainForm;

/// The program with no arguments, or with a page file: the main window, until it is closed.
/// A `pageFile` is shown as a table once the window is up. Returns the exit status.
int RunWindow(int& argc, char** argv, const std::string& pageFile = {});

/// Puts the local page `pageFile` into the address field as a file address and extracts it.
void ShowPageFile(TMainForm& window, const std::string& pageFile);

}  // namespace zendrik
