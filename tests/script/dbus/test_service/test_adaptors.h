#pragma once

// The interfaces of the test service's one object (/org/zendrik/Test): org.zendrik.Test with
// methods of many signatures, properties, an error, a slow method and a way to end the
// service, and org.zendrik.Other, which shares one method name with it. Slots name their
// structure types in full, as QtDBus finds parameter types by name.

#include <QDBusAbstractAdaptor>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusSignature>
#include <QDBusVariant>
#include <QStringList>
#include <QVariantMap>

#include "tests/script/dbus/test_service/test_types.h"

namespace zendrik::testservice {

class TestAdaptor : public QDBusAbstractAdaptor {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.zendrik.Test")
  Q_PROPERTY(int Counter MEMBER counter_)
  Q_PROPERTY(QString Name MEMBER name_)
  Q_PROPERTY(QStringList Tags MEMBER tags_)
  Q_PROPERTY(QString Version READ Version)

 public:
  TestAdaptor(QObject* parent, QString busName);
  QString Version() const { return QStringLiteral("1.0"); }

 public slots:
  int Add(int a, int b) { return a + b; }
  QString Describe(uchar y, short n, ushort q, int i, uint u, qlonglong x, qulonglong t, bool b,
                   double d, const QString& s, const QDBusObjectPath& o, const QDBusSignature& g);
  uchar Widths(short& n, ushort& q, int& i, uint& u, qlonglong& x, qulonglong& t, bool& b,
               double& d, QString& s, QDBusObjectPath& o, QDBusSignature& g);
  QDBusVariant Echo(const QDBusVariant& value) { return value; }
  QString TypeOf(const QDBusVariant& value);
  QString Join(const QStringList& items, const QString& separator) { return items.join(separator); }
  QStringList Split(const QString& text, const QString& separator) { return text.split(separator); }
  double Sum(const QList<double>& values);
  QDBusVariant Lookup(const QVariantMap& pairs, const QString& key) {
    return QDBusVariant(pairs.value(key, QStringLiteral("(none)")));
  }
  QVariantMap Settings();
  int Total(const QMap<QString, int>& counts);
  QMap<QString, int> Tally(const QStringList& words);
  QString Where(const zendrik::testservice::Point& point);
  zendrik::testservice::Point Middle(const zendrik::testservice::Point& a,
                                     const zendrik::testservice::Point& b) {
    return {(a.X + b.X) / 2, (a.Y + b.Y) / 2};
  }
  QString Roster(const QList<zendrik::testservice::Record>& records);
  int Trace(const QList<QList<int>>& matrix);
  QByteArray Reverse(const QByteArray& bytes);
  void Nothing() {}
  QString Hello() { return QStringLiteral("test"); }
  QString Mode() { return QStringLiteral("Mode"); }
  QString MODE() { return QStringLiteral("MODE"); }
  /// Replies with the error org.zendrik.Test.Error.Refused carrying `text`.
  void Fail(const QString& text, const QDBusMessage& message);
  /// Replies with `milliseconds` after that many milliseconds, serving other calls meanwhile.
  void Sleep(int milliseconds, const QDBusMessage& message);
  /// Gives up the bus name, replies, and ends the service.
  void Quit();

 private:
  QString busName_;
  int counter_ = 0;
  QString name_ = QStringLiteral("initial");
  QStringList tags_;
};

class OtherAdaptor : public QDBusAbstractAdaptor {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.zendrik.Other")

 public:
  explicit OtherAdaptor(QObject* parent) : QDBusAbstractAdaptor(parent) {}

 public slots:
  QString Hello() { return QStringLiteral("other"); }
};

}  // namespace zendrik::testservice
