#pragma once

#include <csignal>

namespace zendrik {

/// While it lives, SIGINT and SIGTERM no longer end the process at once: they are noted in a
/// flag that the run controller watches, so that a batch run ends through the engine's
/// `Terminate` and says where it stopped. The earlier handlers come back when it goes.
class TStopSignals {
 public:
  TStopSignals();
  ~TStopSignals();
  TStopSignals(const TStopSignals&) = delete;
  TStopSignals& operator=(const TStopSignals&) = delete;

  /// Set (to the signal's number) once a stop signal arrived.
  const volatile std::sig_atomic_t* Flag() const;
  /// The signal that arrived last, or 0.
  int Received() const;

 private:
  struct sigaction PreviousInterrupt {};
  struct sigaction PreviousTerminate {};
};

}  // namespace zendrik
