#pragma once

#include <cstddef>
#include <exception>
#include <functional>
#include <string_view>

namespace zendrik {

/// Receives the message shown when memory runs out during an extraction. The window shows it in
/// an error box; the command-line tool prints it on standard error (the default).
using AllocationReporter = std::function<void(std::string_view message)>;

/// Replaces the reporter; returns the previous one so that callers can restore it.
AllocationReporter SetAllocationReporter(AllocationReporter reporter);

/// The user-facing text for a failed allocation of `bytes`, written into `buffer` without
/// allocating; returns the text.
std::string_view FormatAllocationFailure(std::size_t bytes, char (&buffer)[96]) noexcept;

/// Ends the operation that could not allocate, after the reporter has shown the message. It
/// carries its message in place: throwing it allocates nothing on the heap.
class TableAllocationError : public std::exception {
 public:
  explicit TableAllocationError(std::size_t bytes) noexcept;
  const char* what() const noexcept override { return Message; }
  std::size_t Bytes;

 private:
  char Message[96];
};

/// Shows the message for a failed allocation of `bytes` through the reporter.
void ReportAllocationFailure(std::size_t bytes) noexcept;

/// Reports the failure through the reporter, then throws TableAllocationError.
[[noreturn]] void FailAllocation(std::size_t bytes);

/// The size of the last request that `operator new` could not satisfy on this thread, so that
/// a `std::bad_alloc` caught far from its cause can still be reported with its size.
std::size_t LastFailedAllocationSize() noexcept;

}  // namespace zendrik
