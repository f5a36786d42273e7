#include "app/display_start.h"

#include <cstdlib>
#include <iostream>

namespace zendrik {

bool HasDisplay() {
  return !qEnvironmentVariableIsEmpty("DISPLAY") ||
         !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
         !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

TDisplayStart::TDisplayStart(const char* instead) {
  Instead = instead;
  Previous = qInstallMessageHandler(Handle);
}

TDisplayStart::~TDisplayStart() { qInstallMessageHandler(Previous); }

void TDisplayStart::Handle(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type != QtFatalMsg) {
    // The platform's first word on it says why (Qt's later ones say that it gave up).
    if (Reason.isEmpty() && QLatin1String(context.category).startsWith(QLatin1String("qt.qpa")))
      Reason = text;
    return;
  }
  std::cerr << "zendrik: no usable display ("
            << (Reason.isEmpty() ? QString("the platform could not start") : Reason).toStdString()
            << "); " << Instead << std::endl;
  std::_Exit(1);
}

}  // namespace zendrik
