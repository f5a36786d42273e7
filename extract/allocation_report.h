#pragma once

#include <cstddef>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace zendrik {

/// Receives the message shown when a table store cannot get memory. The window shows it in an
/// error box; the command-line tool prints it on standard error (the default).
using AllocationReporter = std::function<void(std::string_view message)>;

/// Replaces the reporter; returns the previous one so that callers can restore it.
AllocationReporter SetAllocationReporter(AllocationReporter reporter);

/// Ends the operation that could not allocate, after the reporter has shown the message.
class TableAllocationError : public std::runtime_error {
 public:
  explicit TableAllocationError(const std::string& message) : std::runtime_error(message) {}
};

/// The user-facing text for a failed allocation of `bytes`.
std::string AllocationFailureMessage(std::size_t bytes);

/// Reports the failure through the reporter, then throws TableAllocationError.
[[noreturn]] void FailAllocation(std::size_t bytes);

}  // namespace zendrik
