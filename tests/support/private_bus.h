#pragma once

// A D-Bus daemon of a test's own, so that tests of D-Bus clients and services need no bus of
// the machine's and leave nothing behind.

#include <sys/types.h>

#include <filesystem>
#include <string>
#include <vector>

namespace zendrik::testsupport {

/// A service that the bus starts when a client asks for its name.
struct BusService {
  std::string Name;
  /// The program and its arguments, separated by blanks.
  std::string Command;
};

/// A bus daemon (dbus-daemon) of the session kind in a fresh directory, which allows everything
/// and can start `services`. It ends with this object, or with the test process.
class PrivateBus {
 public:
  explicit PrivateBus(const std::vector<BusService>& services = {});
  ~PrivateBus();
  PrivateBus(const PrivateBus&) = delete;
  PrivateBus& operator=(const PrivateBus&) = delete;

  /// The address for DBUS_SESSION_BUS_ADDRESS or DBUS_SYSTEM_BUS_ADDRESS.
  const std::string& Address() const { return address_; }

 private:
  /// Ends the daemon and removes its directory.
  void Stop();

  std::filesystem::path directory_;
  pid_t pid_ = -1;
  std::string address_;
};

}  // namespace zendrik::testsupport
