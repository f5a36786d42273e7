#include "script/runtime/automation.h"

#include <utility>

namespace zendrik {

namespace {

TCtxAutomation*& Server() {
  static TCtxAutomation* server = nullptr;
  return server;
}

}  // namespace

TCtxAutomation* AutomationServer() { return Server(); }

TCtxAutomation* SetAutomationServer(TCtxAutomation* server) {
  return std::exchange(Server(), server);
}

}  // namespace zendrik
