#include "app/window_drops.h"

#include <QFile>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

namespace zendrik {
namespace {

TDrop FromLocalFile(const QString& path) {
  const QString suffix = QFileInfo(path).suffix().toLower();
  const std::string name = QFile::encodeName(path).toStdString();
  if (suffix == "pas") return {TDrop::TKind::OpenScript, name};
  if (suffix == "html" || suffix == "htm") return {TDrop::TKind::Extract, "file://" + name};
  return {};
}

TDrop FromUrl(const QUrl& url) {
  if (url.isLocalFile()) return FromLocalFile(url.toLocalFile());
  const QString scheme = url.scheme().toLower();
  if (scheme == "http" || scheme == "https")
    return {TDrop::TKind::Extract, url.toString(QUrl::FullyEncoded).toStdString()};
  return {};
}

}  // namespace

TDrop ReadDrop(const QMimeData& data) {
  if (data.hasUrls()) {
    const QList<QUrl> urls = data.urls();
    return urls.isEmpty() ? TDrop() : FromUrl(urls.first());
  }
  if (data.hasText()) {
    // A link dragged as text: one line that is a web address.
    const QString text = data.text().trimmed();
    if (!text.contains(u'\n')) {
      const QUrl url(text, QUrl::StrictMode);
      if (url.isValid() && !url.isLocalFile()) return FromUrl(url);
    }
  }
  return {};
}

}  // namespace zendrik
