#include "app/window_mode.h"

#include <QApplication>
#include <QTimer>

#include <string>
#include <utility>
#include <vector>

#include "app/main_form.h"
#include "app/product_info.h"
#include "script/library/standard_package.h"
#include "script/runtime/engine.h"

namespace zendrik {

int RunWindow(int& argc, char** argv) {
  std::vector<std::string> parameters =
      CommandLineParameters(argc, argv);  // before Qt takes its own
  QApplication application(argc, argv);
  QApplication::setApplicationName(kApplicationTitle);
  TScreenMessageBoxes boxes;
  TMainForm window(boxes);
  window.CtxScript1().Parameters = std::move(parameters);
  window.show();
  QTimer::singleShot(0, &window, [&window] { window.OfferRecovery(); });
  return QApplication::exec();
}

}  // namespace zendrik
