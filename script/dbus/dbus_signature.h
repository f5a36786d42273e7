#pragma once

// D-Bus type signatures, read one complete type at a time, and the Qt meta types that let
// QtDBus write a container whose element type is known only at run time.

#include <QMetaType>

#include <optional>
#include <string_view>
#include <vector>

namespace zendrik {

/// The length of the complete type at the start of `signature` ("i", "as", "a{sv}", "(ii)"),
/// or 0 when no valid one starts there. Containers nest at most 32 deep, as D-Bus allows.
std::size_t CompleteTypeLength(std::string_view signature);

/// The complete types of `signature` in order; nothing when it is not a valid signature.
std::optional<std::vector<std::string_view>> SplitSignature(std::string_view signature);

/// Whether `type` is one of the basic types (a single letter: y b n q i u x t d s o g h).
bool IsBasicType(std::string_view type);

/// A meta type that QtDBus writes with the signature `type` (one valid complete type): Qt's
/// own type for the basic types and for v, as, ay, av and a{sv}; for any other container a
/// carrier type registered with that signature on first use. Raises when a process has used
/// more distinct container types than there are carriers (256).
QMetaType MetaTypeOfSignature(std::string_view type);

/// The words a message uses for a type: "i (int32)", "a{sv} (dictionary of string to
/// variant)" ... short and plain.
std::string DescribeType(std::string_view type);

}  // namespace zendrik
