#include "script/dbus/dbus_address.h"

#include <algorithm>

#include "script/runtime/errors.h"

namespace zendrik {

namespace {

constexpr std::string_view kSystemPrefix = "system:";
constexpr std::size_t kMaxNameLength = 255;

bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Dot-separated elements of letters, digits, "_" and, when `hyphens`, "-"; a digit may begin
// an element only when `digitFirst`.
bool AreDottedElements(std::string_view text, std::size_t minElements, bool hyphens,
                       bool digitFirst) {
  if (text.empty() || text.size() > kMaxNameLength) return false;
  std::size_t elements = 0;
  std::size_t start = 0;
  while (start <= text.size()) {
    const std::size_t dot = std::min(text.find('.', start), text.size());
    const std::string_view element = text.substr(start, dot - start);
    if (element.empty() || (IsDigit(element[0]) && !digitFirst)) return false;
    for (char c : element)
      if (!IsLetter(c) && !IsDigit(c) && !(hyphens && c == '-')) return false;
    ++elements;
    start = dot + 1;
  }
  return elements >= minElements;
}

[[noreturn]] void RaiseBadName(std::string_view text, std::string_view reason) {
  throw ECtxScriptError::CreateFmt(
      "'%s' names no D-Bus object: %s (write BUS_NAME, BUS_NAME:/object/path or "
      "BUS_NAME:/object/path:interface, after system: for the system bus)",
      {text, reason});
}

}  // namespace

bool IsValidBusName(std::string_view name) {
  if (name.size() > kMaxNameLength) return false;
  if (!name.empty() && name[0] == ':') return AreDottedElements(name.substr(1), 2, true, true);
  return AreDottedElements(name, 2, true, false);
}

bool IsValidObjectPath(std::string_view path) {
  if (path == "/") return true;
  if (path.empty() || path[0] != '/' || path.back() == '/') return false;
  char previous = '/';
  for (char c : path.substr(1)) {
    if (c == '/' && previous == '/') return false;
    if (c != '/' && !IsLetter(c) && !IsDigit(c)) return false;
    previous = c;
  }
  return true;
}

bool IsValidInterfaceName(std::string_view name) {
  return AreDottedElements(name, 2, false, false);
}

std::string DefaultObjectPath(std::string_view busName) {
  if (busName.empty() || busName[0] == ':') return "/";
  std::string path = "/";
  path.reserve(busName.size() + 1);
  for (char c : busName) path += c == '.' ? '/' : c == '-' ? '_' : c;
  return path;
}

TDBusAddress ParseDBusAddress(std::string_view text) {
  TDBusAddress address;
  std::string_view rest = text;
  if (rest.substr(0, kSystemPrefix.size()) == kSystemPrefix) {
    address.Bus = TDBusBus::System;
    rest.remove_prefix(kSystemPrefix.size());
  }
  // A unique name begins with ":", so the bus name ends at the first ":" after its start.
  const std::size_t nameEnd = std::min(rest.find(':', 1), rest.size());
  address.Service = std::string(rest.substr(0, nameEnd));
  if (!IsValidBusName(address.Service)) RaiseBadName(text, "the bus name is not valid");
  rest.remove_prefix(nameEnd);
  if (rest.empty()) {
    address.Path = DefaultObjectPath(address.Service);
    return address;
  }
  rest.remove_prefix(1);  // the ":" after the bus name
  const std::size_t pathEnd = std::min(rest.find(':'), rest.size());
  address.Path = std::string(rest.substr(0, pathEnd));
  if (!IsValidObjectPath(address.Path)) RaiseBadName(text, "the object path is not valid");
  if (pathEnd == rest.size()) return address;
  address.Interface = std::string(rest.substr(pathEnd + 1));
  if (!IsValidInterfaceName(address.Interface))
    RaiseBadName(text, "the interface name is not valid");
  return address;
}

std::string TDBusAddress::Text() const {
  std::string text = Bus == TDBusBus::System ? std::string(kSystemPrefix) : std::string();
  text += Service;
  text += ':';
  text += Path;
  if (!Interface.empty()) {
    text += ':';
    text += Interface;
  }
  return text;
}

}  // namespace zendrik
