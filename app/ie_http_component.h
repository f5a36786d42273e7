#pragma once

#include "web/ie_http.h"

#include <QObject>

namespace zendrik {

/// The window's HTTP client as one of its components: a QObject that carries the client's
/// form name, so that the client is found by name like every other component.
class TIEHTTPComponent : public QObject {
  Q_OBJECT

 public:
  TIEHTTPComponent(const QString& name, QObject* owner) : QObject(owner) { setObjectName(name); }

  TIEHTTP Client;
};

}  // namespace zendrik
