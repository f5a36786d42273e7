#pragma once

// The structures the test service's methods take and give, with their D-Bus forms.

#include <QDBusArgument>
#include <QList>
#include <QMap>
#include <QString>

namespace zendrik::testservice {

/// (ii)
struct Point {
  int X = 0;
  int Y = 0;
};

/// (si)
struct Record {
  QString Name;
  int Count = 0;
};

QDBusArgument& operator<<(QDBusArgument& out, const Point& point);
const QDBusArgument& operator>>(const QDBusArgument& in, Point& point);
QDBusArgument& operator<<(QDBusArgument& out, const Record& record);
const QDBusArgument& operator>>(const QDBusArgument& in, Record& record);

/// Registers the types above with QtDBus; before any adaptor is made.
void RegisterTypes();

}  // namespace zendrik::testservice
