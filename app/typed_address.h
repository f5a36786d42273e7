#pragma once

#include <string>
#include <string_view>

namespace zendrik {

/// An address with a scheme (`http://`, `https://`, `file://`, ...) or one that begins with
/// `www.`; anything else may name a local file.
bool IsWebAddress(std::string_view address);

/// What the window extracts for the text typed into its address field: a text that names an
/// existing local file (an absolute path, `~/...` in the home directory `home`, or a path
/// relative to `currentDirectory`) becomes that file's `file://` address; any other text stays
/// as typed, an address or one relative to the page fetched last.
std::string TypedAddress(std::string_view typed, const std::string& currentDirectory,
                         const std::string& home);

}  // namespace zendrik
