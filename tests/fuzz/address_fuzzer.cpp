// Addresses through resolution against the page fetched last, the typed-address rules of the
// window, and the HTTP client's own parsing. The input is the current address, a line feed, and
// the address to resolve.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "app/typed_address.h"
#include "base/system_name.h"
#include "extract/address_resolution.h"
#include "web/ie_http.h"
#include "web/transfer_setup.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace zendrik;
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::size_t split = input.find('\n');
  const std::string_view current = input.substr(0, split);
  const std::string_view address =
      split == std::string_view::npos ? std::string_view() : input.substr(split + 1);

  CurrentAddress() = current;
  const std::string resolved = ResolveAddress(address);
  // The address itself always ends the result, which is the new current address.
  if (!resolved.ends_with(address) || CurrentAddress() != resolved) std::abort();

  TypedAddress(address, "/nonexistent-folder", "/nonexistent-home");
  if (IsSystemName(resolved)) ParseOpenableAddress(resolved);
  TIEHTTP http;
  try {
    http.SetURL(resolved);
  } catch (const EIEHTTPError&) {
    // an address that libcurl cannot split has its own error
  }
  return 0;
}
