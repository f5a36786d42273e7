#include "app/window_mode.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QLineEdit>
#include <QTimer>

#include <iostream>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/display_start.h"
#include "app/main_form.h"
#include "app/product_info.h"
#include "script/library/standard_package.h"
#include "script/runtime/engine.h"

namespace zendrik {

namespace {

// The desktop entry and the icons carry this name, so that task bars match the window to them.
constexpr const char* kDesktopName = "example.zendrik.Zendrik";

const char* const kWithoutWindow =
    "use --extract ADDRESS, or give a script to run it without a window";

}  // namespace

int RunWindow(int& argc, char** argv, const std::string& pageFile) {
  if (!HasDisplay()) {
    std::cerr << "zendrik: no display (DISPLAY and WAYLAND_DISPLAY are unset); " << kWithoutWindow
              << std::endl;
    return 1;
  }
  std::vector<std::string> parameters =
      CommandLineParameters(argc, argv);  // before Qt takes its own
  std::optional<TDisplayStart> starting(std::in_place, kWithoutWindow);
  QApplication application(argc, argv);
  starting.reset();
  QApplication::setApplicationName(kApplicationTitle);
  QGuiApplication::setDesktopFileName(kDesktopName);
  QApplication::setWindowIcon(QIcon::fromTheme(kDesktopName));
  TScreenMessageBoxes boxes;
  TMainForm window(boxes);
  window.CtxScript1().Parameters = std::move(parameters);
  window.show();
  QTimer::singleShot(0, &window, [&window, &pageFile] {
    window.OfferRecovery();
    if (!pageFile.empty()) ShowPageFile(window, pageFile);
  });
  return QApplication::exec();
}

void ShowPageFile(TMainForm& window, const std::string& pageFile) {
  const QString path = QFileInfo(QFile::decodeName(pageFile.c_str())).absoluteFilePath();
  window.findChild<QLineEdit*>("Edit1")->setText("file://" + path);
  window.ExtractDataBtnClick();
}

}  // namespace zendrik
