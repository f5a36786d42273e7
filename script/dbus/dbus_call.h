#pragma once

// Sending a message and waiting for its reply while the program stays responsive.

#include <QDBusConnection>
#include <QDBusMessage>

#include <chrono>

namespace zendrik {

class TCtxScript;

/// Sends `message` on `connection` and waits for the reply, letting the program's pending
/// events through meanwhile (the window repaints; a Stop reaches the engine). Returns the
/// reply. Raises the bus's error as "error.Name: message" (a call without a reply within
/// `timeout` is the bus's NoReply error), and "Process terminated by user" as soon as
/// `script` is stopped; then the reply is no longer awaited.
QDBusMessage CallAndWait(TCtxScript& script, const QDBusConnection& connection,
                         const QDBusMessage& message, std::chrono::milliseconds timeout);

/// Raises "NAME: MESSAGE", the form of every error the bus or a service sends.
[[noreturn]] void RaiseDBusError(const QString& name, const QString& message);

}  // namespace zendrik
