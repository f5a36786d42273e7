// The D-Bus service of the automation tests: owns the bus name given as its argument
// (org.zendrik.Test by default) with one object, /org/zendrik/Test, and ends when its bus does.

#include <QCoreApplication>
#include <QDBusConnection>
#include <QObject>
#include <QTimer>

#include <cstdio>

#include "tests/script/dbus/test_service/test_adaptors.h"

int main(int argc, char** argv) {
  using namespace zendrik::testservice;
  QCoreApplication app(argc, argv);
  const QString busName = argc > 1 ? QString::fromLocal8Bit(argv[1]) : "org.zendrik.Test";
  RegisterTypes();
  QDBusConnection bus = QDBusConnection::sessionBus();
  QObject object;
  new TestAdaptor(&object, busName);  // owned by the object
  new OtherAdaptor(&object);
  if (!bus.registerObject(QStringLiteral("/org/zendrik/Test"), &object) ||
      !bus.registerService(busName)) {
    std::fprintf(stderr, "test service: %s\n", qPrintable(bus.lastError().message()));
    return 1;
  }
  QTimer watch;  // a service of a private bus ends with it
  QObject::connect(&watch, &QTimer::timeout, &app, [&] {
    if (!bus.isConnected()) app.quit();
  });
  watch.start(200);
  return app.exec();
}
