// Makes the program's start-up registrations before any test runs, as main() does.

#include "app/start_up.h"

namespace zendrik {
namespace {

[[maybe_unused]] const bool kStartedUp = (StartUp(), true);

}  // namespace
}  // namespace zendrik
