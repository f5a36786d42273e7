#pragma once

#include <string>
#include <string_view>

namespace zendrik {

/// The address of the page fetched last, for the whole process; the base of relative
/// addresses. Starts empty.
std::string& CurrentAddress();

/// Resolves `address` against CurrentAddress() and makes the result the new CurrentAddress().
/// The rules are textual: "http://", "https://", "file://" and "www." addresses are absolute, a
/// leading '/' goes to the root of the current address (for a file address, "file://" and its
/// host), anything else is relative to its directory.
std::string ResolveAddress(std::string_view address);

}  // namespace zendrik
