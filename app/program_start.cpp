#include "app/program_start.h"

#include <QApplication>
#include <QTimer>

#include <cstdlib>
#include <iostream>
#include <optional>

#include "app/main_form.h"
#include "app/product_info.h"
#include "app/stop_signals.h"

namespace zendrik {

namespace {

const char* const kWithoutWindow =
    "use --extract ADDRESS, or give a script to run it without a window";

// While the application starts on a display: Qt's remarks about the display are kept, and
// when it cannot start at all (it would abort), one line says why and the program ends with
// status 1.
class TDisplayStart {
 public:
  explicit TDisplayStart(const char* instead) {
    Instead = instead;
    Previous = qInstallMessageHandler(Handle);
  }
  ~TDisplayStart() { qInstallMessageHandler(Previous); }
  TDisplayStart(const TDisplayStart&) = delete;
  TDisplayStart& operator=(const TDisplayStart&) = delete;

 private:
  static void Handle(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type != QtFatalMsg) {
      // The platform's first word on it says why (Qt's later ones say that it gave up).
      if (Reason.isEmpty() && QLatin1String(context.category).startsWith(QLatin1String("qt.qpa")))
        Reason = text;
      return;
    }
    std::cerr << "zendrik: no usable display ("
              << (Reason.isEmpty() ? QString("the platform could not start") : Reason).toStdString()
              << "); " << Instead << std::endl;
    std::_Exit(1);
  }

  static inline QString Reason;
  static inline const char* Instead = "";
  QtMessageHandler Previous;
};

}  // namespace

bool HasDisplay() {
  return !qEnvironmentVariableIsEmpty("DISPLAY") ||
         !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
         !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

int RunWindow(int& argc, char** argv) {
  if (!HasDisplay()) {
    std::cerr << "zendrik: no display (DISPLAY and WAYLAND_DISPLAY are unset); " << kWithoutWindow
              << std::endl;
    return 1;
  }
  std::optional<TDisplayStart> starting(std::in_place, kWithoutWindow);
  QApplication application(argc, argv);
  starting.reset();
  QApplication::setApplicationName(kApplicationTitle);
  TScreenMessageBoxes boxes;
  TMainForm window(boxes);
  window.show();
  QTimer::singleShot(0, &window, [&window] { window.OfferRecovery(); });
  return QApplication::exec();
}

bool IsHeadless() {
  return (qEnvironmentVariableIsEmpty("DISPLAY") &&
          qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) ||
         qgetenv("QT_QPA_PLATFORM") == "offscreen";
}

namespace {

// Without a display, standard error carries the script's message boxes, one line each: Qt's
// own remarks about the environment (a missing runtime directory, fonts) stay out of it.
void KeepQtRemarksOffStandardError(QtMsgType type, const QMessageLogContext&, const QString& text) {
  if (type == QtCriticalMsg || type == QtFatalMsg) std::cerr << text.toStdString() << std::endl;
}

}  // namespace

int RunBatch(int& argc, char** argv, const std::string& scriptFile) {
  const TStopSignals stopSignals;
  const bool headless = IsHeadless();
  if (headless) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(KeepQtRemarksOffStandardError);
  }
  std::optional<TDisplayStart> starting;
  if (!headless)
    starting.emplace("unset DISPLAY and WAYLAND_DISPLAY to run the script without a display");
  QApplication application(argc, argv);
  starting.reset();
  QApplication::setApplicationName(kApplicationTitle);
  TScreenMessageBoxes screen;
  THeadlessMessageBoxes console(std::cerr);
  TMainForm window(headless ? static_cast<TMessageBoxes&>(console) : screen);
  window.Controller().WatchStopFlag(stopSignals.Flag());
  try {
    window.Document().OpenFileWithName(scriptFile);
  } catch (const std::exception& error) {
    window.ShowError(error.what());
    return 1;
  }
  // The window is never shown: the run is the whole of the program's work.
  TScriptRunResult result = window.RunEditorScript();
  if (const int signal = stopSignals.Received(); signal != 0) {
    // Also a signal that came too late to stop the script ends the program as stopped.
    if (result.End != TScriptRunResult::TEnd::Stopped)
      result = {TScriptRunResult::TEnd::Stopped, {}, 0, 0};
    std::cerr << BatchReport(scriptFile, result) << std::endl;
    return 128 + signal;
  }
  if (result.End == TScriptRunResult::TEnd::Done) return 0;
  std::cerr << BatchReport(scriptFile, result) << std::endl;
  if (!headless) window.ShowError(result.Message);
  return 1;
}

}  // namespace zendrik
