#include "app/script_recovery.h"

#include <QDir>
#include <QFile>

#include "app/file_bytes.h"

namespace zendrik {

TScriptRecovery::TScriptRecovery(QString directory) : Directory(std::move(directory)) {}

QString TScriptRecovery::DefaultDirectory() {
  QString state = qEnvironmentVariable("XDG_STATE_HOME");
  if (state.isEmpty() || QDir::isRelativePath(state)) state = QDir::homePath() + "/.local/state";
  return state + "/zendrik";
}

std::string TScriptRecovery::TextFile() const {
  return QFile::encodeName(Directory + "/unsaved-script.pas").toStdString();
}

std::string TScriptRecovery::NameFile() const {
  return QFile::encodeName(Directory + "/unsaved-script.name").toStdString();
}

bool TScriptRecovery::Keep(std::string_view bytes, const std::string& scriptFileName,
                           std::string& error) const {
  if (!QDir().mkpath(Directory)) {
    error = "Cannot create the directory \"" + QFile::encodeName(Directory).toStdString() + "\"";
    return false;
  }
  // The name first: a text without its name is restored as unnamed, never as another file.
  SaveResult saved = SaveFileBytes(NameFile(), scriptFileName);
  if (saved) saved = SaveFileBytes(TextFile(), bytes);
  error = saved.Error;
  return saved.Ok;
}

std::optional<TScriptRecovery::TKept> TScriptRecovery::Kept() const {
  TKept kept;
  if (!ReadFileBytes(TextFile(), kept.Bytes).empty()) return std::nullopt;
  if (!ReadFileBytes(NameFile(), kept.ScriptFileName).empty()) kept.ScriptFileName.clear();
  return kept;
}

void TScriptRecovery::Remove() const {
  QFile::remove(QFile::decodeName(TextFile().c_str()));
  QFile::remove(QFile::decodeName(NameFile().c_str()));
}

}  // namespace zendrik
