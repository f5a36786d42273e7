#pragma once

#include <QString>

#include <string>
#include <vector>

namespace zendrik {

/// The scripts the window opened or saved last, newest first: the program's one stored setting,
/// kept with QSettings in the user's configuration directory. The program works the same
/// without it: a file that cannot be read gives an empty list, one that cannot be written
/// keeps nothing.
class TRecentScripts {
 public:
  static constexpr int kMaxEntries = 6;

  /// Keeps the list in the settings file `settingsFile`.
  explicit TRecentScripts(QString settingsFile = DefaultFile());

  /// `$XDG_CONFIG_HOME/zendrik/zendrik.conf`, or `~/.config/zendrik/zendrik.conf`.
  static QString DefaultFile();

  /// The file names, newest first, at most `kMaxEntries`.
  std::vector<std::string> Names() const;
  /// Puts `fileName` first (once).
  void Add(const std::string& fileName);
  void Remove(const std::string& fileName);

 private:
  void Store(const std::vector<std::string>& names);

  QString SettingsFile;
};

}  // namespace zendrik
