#include "extract/allocation_report.h"

#include <iostream>
#include <utility>

namespace zendrik {
namespace {

AllocationReporter& Reporter() {
  static AllocationReporter reporter = [](std::string_view message) {
    std::cerr << message << '\n';
  };
  return reporter;
}

}  // namespace

AllocationReporter SetAllocationReporter(AllocationReporter reporter) {
  return std::exchange(Reporter(), std::move(reporter));
}

std::string AllocationFailureMessage(std::size_t bytes) {
  return "Error while trying to allocate " + std::to_string(bytes) +
         " bytes of RAM. Not enough memory.";
}

void FailAllocation(std::size_t bytes) {
  std::string message = AllocationFailureMessage(bytes);
  if (Reporter()) Reporter()(message);
  throw TableAllocationError(message);
}

}  // namespace zendrik
