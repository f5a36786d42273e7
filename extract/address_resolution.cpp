#include "extract/address_resolution.h"

#include "base/ascii.h"

namespace zendrik {
namespace {

// Web addresses and local files are absolute; "www." stands for a web address without scheme.
bool IsAbsolute(std::string_view address) {
  return StartsWithNoCase(address, "http://") || StartsWithNoCase(address, "https://") ||
         StartsWithNoCase(address, "file://") || StartsWithNoCase(address, "www.");
}

// The scheme and host: everything before the first '/' that stands alone (not part of "//").
// A file address usually has an empty host ("file:///dir/page.html"): its root ends before the
// first '/' after "file://", so that its path does not count as the host.
std::string_view Root(std::string_view address) {
  constexpr std::string_view kFileScheme = "file://";
  if (StartsWithNoCase(address, kFileScheme))
    return address.substr(0, address.find('/', kFileScheme.size()));
  for (std::size_t i = 0; i < address.size(); ++i) {
    if (address[i] != '/') continue;
    const bool slashBefore = i > 0 && address[i - 1] == '/';
    const bool slashAfter = i + 1 < address.size() && address[i + 1] == '/';
    if (!slashBefore && !slashAfter) return address.substr(0, i);
  }
  return address;
}

// The directory of a page address, ending with '/'. A last segment with a '.' names a file
// and is dropped; the host is never dropped, even when it holds dots.
std::string PageBase(std::string_view current) {
  if (current.empty() || current.back() == '/') return std::string(current);
  const std::string_view root = Root(current);
  const std::size_t lastSlash = current.rfind('/');
  if (root.size() < current.size() &&
      current.substr(lastSlash + 1).find('.') != std::string_view::npos)
    return std::string(current.substr(0, lastSlash + 1));
  return std::string(current) + '/';
}

}  // namespace

std::string& CurrentAddress() {
  static std::string address;
  return address;
}

std::string ResolveAddress(std::string_view address) {
  std::string& current = CurrentAddress();
  std::string resolved;
  if (IsAbsolute(address))
    resolved = address;
  else if (!address.empty() && address.front() == '/')
    resolved = std::string(Root(current)).append(address);
  else
    resolved = PageBase(current).append(address);
  current = resolved;
  return resolved;
}

}  // namespace zendrik
