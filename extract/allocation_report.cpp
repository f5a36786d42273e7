#include "extract/allocation_report.h"

#include "base/sanitizer.h"

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <new>
#include <utility>

namespace zendrik {
namespace {

AllocationReporter& Reporter() {
  static AllocationReporter reporter = [](std::string_view message) {
    std::cerr << message << '\n';
  };
  return reporter;
}

thread_local std::size_t lastFailedSize = 0;

}  // namespace

AllocationReporter SetAllocationReporter(AllocationReporter reporter) {
  return std::exchange(Reporter(), std::move(reporter));
}

std::string_view FormatAllocationFailure(std::size_t bytes, char (&buffer)[96]) noexcept {
  const int length =
      std::snprintf(buffer, sizeof buffer,
                    "Error while trying to allocate %zu bytes of RAM. Not enough memory.", bytes);
  return std::string_view(buffer, length < 0 ? 0 : static_cast<std::size_t>(length));
}

TableAllocationError::TableAllocationError(std::size_t bytes) noexcept : Bytes(bytes) {
  FormatAllocationFailure(bytes, Message);
}

void ReportAllocationFailure(std::size_t bytes) noexcept {
  char buffer[96];
  const std::string_view message = FormatAllocationFailure(bytes, buffer);
  try {
    if (Reporter()) Reporter()(message);
  } catch (...) {
    // A reporter that fails (a message box without memory) leaves the message unshown; the
    // operation still ends cleanly.
  }
}

void FailAllocation(std::size_t bytes) {
  ReportAllocationFailure(bytes);
  throw TableAllocationError(bytes);
}

std::size_t LastFailedAllocationSize() noexcept { return lastFailedSize; }

}  // namespace zendrik

// The program's operator new: the standard behaviour (malloc, then the new-handler, then
// std::bad_alloc), and it notes the size it could not get for LastFailedAllocationSize. It is
// linked into every program that reports allocation failures, as it shares this object file.
// The array and nothrow forms of the standard library call this one; the default operator
// delete frees what malloc gave. Under AddressSanitizer its own operator new stays, so that it
// can pair allocations with their release (the size is then not noted).
#if !ZENDRIK_ADDRESS_SANITIZER
void* operator new(std::size_t size) {
  for (;;) {
    if (void* block = std::malloc(size == 0 ? 1 : size)) return block;
    zendrik::lastFailedSize = size;
    const std::new_handler handler = std::get_new_handler();
    if (!handler) throw std::bad_alloc();
    handler();
  }
}
#endif
