#include "script/dbus/dbus_call.h"

#include <QDBusPendingCall>
#include <QDBusPendingCallWatcher>
#include <QEventLoop>
#include <QPointer>
#include <QTimer>

#include "script/runtime/engine.h"
#include "script/runtime/errors.h"

namespace zendrik {

namespace {

// How often a waiting call looks whether its script was stopped.
constexpr std::chrono::milliseconds kStopCheckInterval(50);

}  // namespace

void RaiseDBusError(const QString& name, const QString& message) {
  throw ECtxScriptError((name + QStringLiteral(": ") + message).toStdString());
}

QDBusMessage CallAndWait(TCtxScript& script, const QDBusConnection& connection,
                         const QDBusMessage& message, std::chrono::milliseconds timeout) {
  QDBusPendingCall pending = connection.asyncCall(message, static_cast<int>(timeout.count()));
  if (!pending.isFinished()) {
    QPointer<TCtxScript> engine(&script);
    QEventLoop loop;
    QDBusPendingCallWatcher watcher(pending);
    QObject::connect(&watcher, &QDBusPendingCallWatcher::finished, &loop, &QEventLoop::quit);
    QTimer stopCheck;
    QObject::connect(&stopCheck, &QTimer::timeout, &loop, [&] {
      if (!engine || engine->Terminated) loop.quit();
    });
    stopCheck.start(kStopCheckInterval);
    loop.exec();
    // The loop also ends when the application quits: the script stops then too.
    if (!pending.isFinished() && engine && !engine->Terminated) engine->Terminate();
    if (!engine || engine->Terminated) throw ECtxScriptError("Process terminated by user");
  }
  const QDBusMessage reply = pending.reply();
  if (reply.type() == QDBusMessage::ErrorMessage)
    RaiseDBusError(reply.errorName(), reply.errorMessage());
  return reply;
}

}  // namespace zendrik
