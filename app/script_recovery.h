#pragma once

#include <QString>

#include <optional>
#include <string>
#include <string_view>

namespace zendrik {

/// The editor's unsaved text kept on disk, so that a crash or a forced kill loses nothing that
/// was typed: the script's bytes and the name of its file (none for an unnamed document), in
/// the user's state directory.
class TScriptRecovery {
 public:
  struct TKept {
    std::string Bytes;
    std::string ScriptFileName;
  };

  /// Keeps its files in `directory`.
  explicit TScriptRecovery(QString directory = DefaultDirectory());

  /// `$XDG_STATE_HOME/zendrik`, or `~/.local/state/zendrik` when that variable is unset.
  static QString DefaultDirectory();

  /// Replaces what is kept; false with `error` set when it cannot be written.
  bool Keep(std::string_view bytes, const std::string& scriptFileName, std::string& error) const;
  /// What is kept, if anything.
  std::optional<TKept> Kept() const;
  /// Forgets what is kept.
  void Remove() const;

 private:
  std::string TextFile() const;
  std::string NameFile() const;

  QString Directory;
};

}  // namespace zendrik
