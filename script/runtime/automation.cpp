#include "script/runtime/automation.h"

namespace zendrik {

namespace {

TCtxAutomation*& Installed() {
  static TCtxAutomation* server = nullptr;
  return server;
}

}  // namespace

void InstallAutomationServer(TCtxAutomation& server) { Installed() = &server; }

TCtxAutomation* InstalledAutomationServer() { return Installed(); }

}  // namespace zendrik
