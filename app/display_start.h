#pragma once

#include <QString>
#include <QtGlobal>

namespace zendrik {

/// True when windows can be shown somewhere: DISPLAY or WAYLAND_DISPLAY is set, or
/// QT_QPA_PLATFORM names the platform to draw on.
bool HasDisplay();

/// While the application starts on a display: Qt's remarks about the display are kept, and when
/// it cannot start at all (it would abort), one line says why and what to do instead, and the
/// program ends with status 1.
class TDisplayStart {
 public:
  /// `instead` says what to do without a display; it must outlive the object.
  explicit TDisplayStart(const char* instead);
  ~TDisplayStart();
  TDisplayStart(const TDisplayStart&) = delete;
  TDisplayStart& operator=(const TDisplayStart&) = delete;

 private:
  static void Handle(QtMsgType type, const QMessageLogContext& context, const QString& text);

  static inline QString Reason;
  static inline const char* Instead = "";
  QtMessageHandler Previous;
};

}  // namespace zendrik
