// Test main for the window's tests: a QApplication on Qt's offscreen platform (unless the
// environment picks another, e.g. xcb under Xvfb), then GoogleTest.

#include "app/product_info.h"
#include "app/start_up.h"

#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // The tests keep their recovery files and settings in directories of their own, never the
  // user's.
  QTemporaryDir state;
  qputenv("XDG_STATE_HOME", state.path().toLocal8Bit());
  QTemporaryDir config;
  qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
  // File, Examples finds the example scripts the build copies beside the program.
  qputenv("XDG_DATA_DIRS", ZENDRIK_BUILD_DIR "/share");
  zendrik::StartUp();
  QApplication application(argc, argv);
  QApplication::setApplicationName(zendrik::kApplicationTitle);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
