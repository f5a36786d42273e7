#include "app/examples_menu.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QStandardPaths>

namespace zendrik {

QString ExamplesDirectory(const QString& programDirectory) {
  const QFileInfo shipped(QDir(programDirectory).filePath("../share/zendrik/examples"));
  if (shipped.isDir()) return shipped.canonicalFilePath();
  return QStandardPaths::locate(QStandardPaths::GenericDataLocation, "zendrik/examples",
                                QStandardPaths::LocateDirectory);
}

void FillExamplesMenu(QMenu& menu, const QString& directory) {
  const QFileInfoList scripts =
      directory.isEmpty() ? QFileInfoList()
                          : QDir(directory).entryInfoList({"*.pas"}, QDir::Files, QDir::Name);
  for (const QFileInfo& script : scripts) {
    QAction* item = menu.addAction(script.fileName());
    item->setToolTip(script.absoluteFilePath());
    item->setData(QFile::encodeName(script.absoluteFilePath()));
  }
  if (scripts.isEmpty()) menu.addAction("(no examples found)")->setEnabled(false);
  menu.setToolTipsVisible(true);
}

std::string ExampleOf(const QAction& item) { return item.data().toByteArray().toStdString(); }

}  // namespace zendrik
