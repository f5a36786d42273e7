#pragma once

// How a script names a D-Bus object: "[system:]BUS_NAME[:/object/path[:interface]]".

#include <string>
#include <string_view>

namespace zendrik {

enum class TDBusBus { Session, System };

/// One object on one bus, as a script named it.
struct TDBusAddress {
  TDBusBus Bus = TDBusBus::Session;
  /// A well-known name ("org.freedesktop.Notifications") or a unique one (":1.42").
  std::string Service;
  /// The object path; when the script gave none, the bus name with its dots as slashes.
  std::string Path;
  /// The one interface whose members the script reaches; empty: those of every interface.
  std::string Interface;

  /// The address as a script writes it, path and interface always included.
  std::string Text() const;
};

/// Reads a script's name for an object. A "system:" prefix chooses the system bus, otherwise
/// the session bus; the bus name comes next, then optionally ":" and an object path, then
/// optionally ":" and an interface name. Raises an error that names the text and what is wrong
/// with it when it breaks the D-Bus rules for these names.
TDBusAddress ParseDBusAddress(std::string_view text);

/// The object path of a bus name that names none: "/" followed by the name with its dots as
/// slashes and its hyphens as underscores ("org.example.my-app" gives "/org/example/my_app");
/// "/" for a unique name.
std::string DefaultObjectPath(std::string_view busName);

/// The D-Bus rules for names: a well-known bus name (two or more dot-separated elements of
/// letters, digits, "_" and "-", not starting with a digit) or a unique one (":" and such
/// elements, digits allowed first), at most 255 bytes.
bool IsValidBusName(std::string_view name);
/// "/" or "/"-separated elements of letters, digits and "_", none empty.
bool IsValidObjectPath(std::string_view path);
/// Two or more dot-separated elements of letters, digits and "_", not starting with a digit,
/// at most 255 bytes.
bool IsValidInterfaceName(std::string_view name);

}  // namespace zendrik
