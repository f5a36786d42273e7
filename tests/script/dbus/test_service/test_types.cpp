#include "tests/script/dbus/test_service/test_types.h"

#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusSignature>

namespace zendrik::testservice {

QDBusArgument& operator<<(QDBusArgument& out, const Point& point) {
  out.beginStructure();
  out << point.X << point.Y;
  out.endStructure();
  return out;
}

const QDBusArgument& operator>>(const QDBusArgument& in, Point& point) {
  in.beginStructure();
  in >> point.X >> point.Y;
  in.endStructure();
  return in;
}

QDBusArgument& operator<<(QDBusArgument& out, const Record& record) {
  out.beginStructure();
  out << record.Name << record.Count;
  out.endStructure();
  return out;
}

const QDBusArgument& operator>>(const QDBusArgument& in, Record& record) {
  in.beginStructure();
  in >> record.Name >> record.Count;
  in.endStructure();
  return in;
}

void RegisterTypes() {
  qRegisterMetaType<QDBusObjectPath>();
  qRegisterMetaType<QDBusSignature>();
  qDBusRegisterMetaType<Point>();
  qDBusRegisterMetaType<Record>();
  qDBusRegisterMetaType<QList<Record>>();
  qDBusRegisterMetaType<QMap<QString, int>>();
  qDBusRegisterMetaType<QList<QList<int>>>();
  qDBusRegisterMetaType<QList<double>>();
}

}  // namespace zendrik::testservice
