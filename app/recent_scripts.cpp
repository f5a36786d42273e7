#include "app/recent_scripts.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStringList>

#include <algorithm>

namespace zendrik {
namespace {

constexpr const char* kKey = "RecentScripts/Files";

}  // namespace

TRecentScripts::TRecentScripts(QString settingsFile) : SettingsFile(std::move(settingsFile)) {}

QString TRecentScripts::DefaultFile() {
  QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
  if (config.isEmpty() || QDir::isRelativePath(config)) config = QDir::homePath() + "/.config";
  return config + "/zendrik/zendrik.conf";
}

std::vector<std::string> TRecentScripts::Names() const {
  const QSettings settings(SettingsFile, QSettings::IniFormat);
  std::vector<std::string> names;
  for (const QString& name : settings.value(kKey).toStringList()) {
    if (name.isEmpty() || static_cast<int>(names.size()) == kMaxEntries) continue;
    names.push_back(QFile::encodeName(name).toStdString());
  }
  return names;
}

void TRecentScripts::Add(const std::string& fileName) {
  std::vector<std::string> names = Names();
  std::erase(names, fileName);
  names.insert(names.begin(), fileName);
  if (static_cast<int>(names.size()) > kMaxEntries) names.resize(kMaxEntries);
  Store(names);
}

void TRecentScripts::Remove(const std::string& fileName) {
  std::vector<std::string> names = Names();
  std::erase(names, fileName);
  Store(names);
}

void TRecentScripts::Store(const std::vector<std::string>& names) {
  QStringList list;
  for (const std::string& name : names) list << QFile::decodeName(name.c_str());
  QSettings settings(SettingsFile, QSettings::IniFormat);
  settings.setValue(kKey, list);
}

}  // namespace zendrik
