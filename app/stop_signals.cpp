#include "app/stop_signals.h"

namespace zendrik {
namespace {

volatile std::sig_atomic_t ReceivedSignal = 0;

extern "C" void NoteStopSignal(int signal) { ReceivedSignal = signal; }

}  // namespace

TStopSignals::TStopSignals() {
  ReceivedSignal = 0;
  struct sigaction action {};
  action.sa_handler = &NoteStopSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  sigaction(SIGINT, &action, &PreviousInterrupt);
  sigaction(SIGTERM, &action, &PreviousTerminate);
}

TStopSignals::~TStopSignals() {
  sigaction(SIGINT, &PreviousInterrupt, nullptr);
  sigaction(SIGTERM, &PreviousTerminate, nullptr);
}

const volatile std::sig_atomic_t* TStopSignals::Flag() const { return &ReceivedSignal; }

int TStopSignals::Received() const { return ReceivedSignal; }

}  // namespace zendrik
