#pragma once

// The standard package: the global functions every script can call without a receiver
// (output, strings, numbers and formats, variant arrays, files and searches, dates, the
// command line), its constants, and the search object of FindFirst.

#include <string>
#include <vector>

namespace zendrik {

/// Registers the package's functions and constants on the system scope and the properties of
/// the search object (Name, Attr, Time, Size); once at start-up, after the engine's own
/// registrations and before the host's.
void RegisterStandardPackage();

/// The command line of this process from `main`'s arguments, with the program's absolute path
/// first when the system can tell it: what a host gives its engine's `Parameters`.
std::vector<std::string> CommandLineParameters(int argc, char** argv);

}  // namespace zendrik
