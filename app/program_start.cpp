#include "app/program_start.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QTimer>

#include <iostream>

#include "app/main_form.h"
#include "app/product_info.h"

namespace zendrik {

namespace {

// The desktop entry and the icons carry this name, so that task bars match the window to them.
constexpr const char* kDesktopName = "example.zendrik.Zendrik";

}  // namespace

int RunWindow(int& argc, char** argv, const std::string& pageFile) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(kApplicationTitle);
  QGuiApplication::setDesktopFileName(kDesktopName);
  QApplication::setWindowIcon(QIcon::fromTheme(kDesktopName));
  TScreenMessageBoxes boxes;
  TMainForm window(boxes);
  window.show();
  QTimer::singleShot(0, &window, [&window, &pageFile] {
    window.OfferRecovery();
    if (!pageFile.empty()) ShowPageFile(window, pageFile);
  });
  return QApplication::exec();
}

void ShowPageFile(TMainForm& window, const std::string& pageFile) {
  const QString path = QFileInfo(QFile::decodeName(pageFile.c_str())).absoluteFilePath();
  window.SetAddressFieldText("file://" + QFile::encodeName(path).toStdString());
  window.ExtractDataBtnClick();
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
  const bool headless = IsHeadless();
  if (headless) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(KeepQtRemarksOffStandardError);
  }
  QApplication application(argc, argv);
  QApplication::setApplicationName(kApplicationTitle);
  TScreenMessageBoxes screen;
  THeadlessMessageBoxes console(std::cerr);
  TMainForm window(headless ? static_cast<TMessageBoxes&>(console) : screen);
  try {
    window.OpenFileWithName(scriptFile);
  } catch (const std::exception& error) {
    window.ShowError(error.what());
    return 1;
  }
  // The window is never shown: the run is the whole of the program's work.
  return window.RunScriptClick() ? 0 : 1;
}

}  // namespace zendrik
