#include "app/run_controller.h"

#include "web/web_error.h"

#include <QCoreApplication>

namespace zendrik {

TRunController::TScope::TScope(TRunController& controller, TWork work)
    : Controller(controller), Work(work) {
  Controller.Enter(Work);
}

TRunController::TScope::~TScope() { Controller.Leave(Work); }

TRunController::TRunController(QObject* parent)
    : QObject(parent), PumpEvents([] { QCoreApplication::processEvents(); }) {}

bool TRunController::Running(TWork work) const {
  return (work == TWork::Script ? ScriptDepth : DownloadDepth) > 0;
}

void TRunController::Enter(TWork work) {
  const bool began = !Busy();
  ++(work == TWork::Script ? ScriptDepth : DownloadDepth);
  if (!began) return;
  Stopping = false;
  SincePump.start();
  emit BusyChanged(true);
}

void TRunController::Leave(TWork work) {
  --(work == TWork::Script ? ScriptDepth : DownloadDepth);
  if (!Busy()) emit BusyChanged(false);
}

void TRunController::Tick() {
  if (StopFlag && *StopFlag) Stop();
  if (!SincePump.hasExpired(kPumpIntervalMs)) return;
  PumpEvents();
  SincePump.start();
}

void TRunController::TickTransfer() {
  Tick();
  if (Stopping) throw EIEHTTPAborted();
}

void TRunController::Stop() {
  if (!Busy() || Stopping) return;
  Stopping = true;
  if (ScriptDepth > 0 && TerminateScript) TerminateScript();
}

}  // namespace zendrik
