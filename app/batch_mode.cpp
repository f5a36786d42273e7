#include "app/batch_mode.h"

#include <QApplication>

#include <iostream>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/display_start.h"
#include "app/main_form.h"
#include "app/product_info.h"
#include "app/stop_signals.h"
#include "script/library/standard_package.h"
#include "script/runtime/engine.h"

namespace zendrik {

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
  std::vector<std::string> parameters =
      CommandLineParameters(argc, argv);  // before Qt takes its own
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
  window.CtxScript1().Parameters = std::move(parameters);
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
