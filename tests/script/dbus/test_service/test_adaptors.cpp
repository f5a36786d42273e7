#include "tests/script/dbus/test_service/test_adaptors.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMetaType>
#include <QTimer>

#include <algorithm>
#include <numeric>

namespace zendrik::testservice {

TestAdaptor::TestAdaptor(QObject* parent, QString busName)
    : QDBusAbstractAdaptor(parent), busName_(std::move(busName)) {}

QString TestAdaptor::Describe(uchar y, short n, ushort q, int i, uint u, qlonglong x, qulonglong t,
                              bool b, double d, const QString& s, const QDBusObjectPath& o,
                              const QDBusSignature& g) {
  return QStringLiteral("y=%1 n=%2 q=%3 i=%4 u=%5 x=%6 t=%7 b=%8 d=%9 s=%10 o=%11 g=%12")
      .arg(y)
      .arg(n)
      .arg(q)
      .arg(i)
      .arg(u)
      .arg(x)
      .arg(t)
      .arg(b ? "true" : "false")
      .arg(d)
      .arg(s, o.path(), g.signature());
}

uchar TestAdaptor::Widths(short& n, ushort& q, int& i, uint& u, qlonglong& x, qulonglong& t,
                          bool& b, double& d, QString& s, QDBusObjectPath& o, QDBusSignature& g) {
  n = -300;
  q = 65535;
  i = -70000;
  u = 4000000000u;
  x = -5000000000LL;
  t = 9007199254740992ULL;
  b = true;
  d = 2.5;
  s = QStringLiteral("gr\u00FC\u00DF");
  o = QDBusObjectPath(QStringLiteral("/org/zendrik/Test"));
  g = QDBusSignature(QStringLiteral("a{sv}"));
  return 255;
}

QString TestAdaptor::TypeOf(const QDBusVariant& value) {
  const QVariant content = value.variant();
  if (content.metaType() == QMetaType::fromType<QDBusArgument>())
    return qvariant_cast<QDBusArgument>(content).currentSignature();
  return QString::fromLatin1(QDBusMetaType::typeToSignature(content.metaType()));
}

double TestAdaptor::Sum(const QList<double>& values) {
  return std::accumulate(values.begin(), values.end(), 0.0);
}

QVariantMap TestAdaptor::Settings() {
  return {{QStringLiteral("count"), 3},
          {QStringLiteral("name"), QStringLiteral("zendrik")},
          {QStringLiteral("on"), true}};
}

int TestAdaptor::Total(const QMap<QString, int>& counts) {
  return std::accumulate(counts.begin(), counts.end(), 0);
}

QMap<QString, int> TestAdaptor::Tally(const QStringList& words) {
  QMap<QString, int> counts;
  for (const QString& word : words) ++counts[word];
  return counts;
}

QString TestAdaptor::Where(const Point& point) {
  return QStringLiteral("(%1, %2)").arg(point.X).arg(point.Y);
}

QString TestAdaptor::Roster(const QList<Record>& records) {
  QStringList parts;
  for (const Record& record : records) parts << record.Name + ':' + QString::number(record.Count);
  return parts.join(',');
}

int TestAdaptor::Trace(const QList<QList<int>>& matrix) {
  int trace = 0;
  for (qsizetype i = 0; i < matrix.size(); ++i)
    if (i < matrix[i].size()) trace += matrix[i][i];
  return trace;
}

QByteArray TestAdaptor::Reverse(const QByteArray& bytes) {
  QByteArray reversed = bytes;
  std::reverse(reversed.begin(), reversed.end());
  return reversed;
}

void TestAdaptor::Fail(const QString& text, const QDBusMessage& message) {
  message.setDelayedReply(true);
  QDBusConnection::sessionBus().send(
      message.createErrorReply(QStringLiteral("org.zendrik.Test.Error.Refused"), text));
}

void TestAdaptor::Sleep(int milliseconds, const QDBusMessage& message) {
  message.setDelayedReply(true);
  QTimer::singleShot(milliseconds, this, [message, milliseconds] {
    QDBusConnection::sessionBus().send(message.createReply(milliseconds));
  });
}

void TestAdaptor::Quit() {
  QDBusConnection::sessionBus().unregisterService(busName_);
  QTimer::singleShot(0, qApp, &QCoreApplication::quit);
}

}  // namespace zendrik::testservice
