#pragma once

#include <QObject>

namespace zendrik {

/// The class the global functions are registered for: the host functions, the standard
/// package and `Evaluate`. Its one instance is the last scope an unqualified name is searched
/// in.
class TCtxSystemScope : public QObject {
  Q_OBJECT

 public:
  using QObject::QObject;
};

/// The one system scope object, alive until the process ends.
TCtxSystemScope& SystemScope();

/// The engine's start-up registrations, made once before any script runs: published fields,
/// `Evaluate` on the system scope, `Free`, `Invoke` and `Self` for every object, published
/// properties, owned components.
void RegisterSystemMembers();

}  // namespace zendrik
