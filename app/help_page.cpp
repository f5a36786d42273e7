#include "app/help_page.h"

#include "app/product_info.h"

#include <QDir>
#include <QFileInfo>

namespace zendrik {

QUrl HelpPageUrl(const QString& programDirectory) {
  const QFileInfo shipped(QDir(programDirectory).filePath("../share/zendrik/help.html"));
  if (shipped.isFile()) return QUrl::fromLocalFile(shipped.canonicalFilePath());
  return QUrl(kHelpAddress);
}

}  // namespace zendrik
