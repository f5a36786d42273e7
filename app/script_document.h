#pragma once

#include "app/cell_text.h"
#include "app/script_recovery.h"

#include <QString>

#include <functional>
#include <optional>
#include <string>

namespace zendrik {

/// The editor that holds a script document's text, as the document sees it.
class TDocumentEditor {
 public:
  virtual ~TDocumentEditor() = default;
  virtual QString Text() const = 0;
  /// Replaces the whole text (a file loaded, the editor emptied).
  virtual void SetText(const QString& text) = 0;
};

/// The questions and file choices a script document asks of the person at the window.
class TDocumentPrompts {
 public:
  enum class TAnswer { Yes, No, Cancel };
  enum class TButtons { YesNo, YesNoCancel };
  enum class TFileChoice { OpenScript, SaveScript };

  virtual ~TDocumentPrompts() = default;
  /// A question under `caption` whose default answer is Yes.
  virtual TAnswer Ask(const QString& caption, const QString& text, TButtons buttons) = 0;
  /// The file chosen in the open or the save-as dialog; nothing when it was cancelled.
  virtual std::optional<std::string> ChooseFile(TFileChoice choice) = 0;
};

/// The script document of the window: the file the editor's text belongs to, whether the text
/// changed since it was created, opened or saved, how its bytes are read (UTF-8 or Latin-1),
/// the commands that open and save it, the question before unsaved work is dropped, and the
/// recovery file that keeps typed text safe from a crash. It knows no widget: the editor and
/// the prompts are interfaces.
///
/// Failures to read or write a file throw std::runtime_error naming the file; the document
/// then keeps what was set before the failing step.
class TScriptDocument {
 public:
  /// `editor` and `prompts` must outlive the document.
  TScriptDocument(TDocumentEditor& editor, TDocumentPrompts& prompts,
                  TScriptRecovery recovery = TScriptRecovery());

  /// The full path of the document's script file; empty for an unnamed document.
  const std::string& ScriptFileName() const { return FileName; }
  /// The name of the document's file without its directory; empty for an unnamed document.
  QString FileNameOnly() const;
  /// The text was changed since the document was created, opened or saved.
  bool Changed() const { return Changed_; }
  /// What the window's caption shows after its base caption: " - [NAME]" with the file's name
  /// without its directory ("noname.pas" when unnamed), and "*" before "]" when changed.
  QString CaptionSuffix() const;
  /// Called whenever the file name or the changed mark changes (the caption follows).
  std::function<void()> OnStateChanged;

  void SetChanged();
  void SetUnChanged();
  /// Handler of every change of the editor's text.
  void Memo1Change() { SetChanged(); }
  /// Empties the editor: an unnamed, unchanged document.
  void NewAll();
  /// The open dialog; on OK the chosen file is opened. 1 when a file was opened, 0 when the
  /// dialog was cancelled.
  int OpenFile();
  /// Loads the script file `name`, its lines split at CR, LF or CR LF, and makes it the
  /// unchanged document's file. When it cannot be read, the editor is unchanged. Returns 1.
  int OpenFileWithName(const std::string& name);
  /// Writes the text to `ScriptFileName` (never destroying the earlier file on a failure) and
  /// clears the changed mark and what was kept for recovery. Returns true.
  bool SaveTheFile();
  /// Saves to the document's file, asking for a name when it has none; false when that dialog
  /// was cancelled.
  bool SaveFile();
  /// The save-as dialog, then saves under the chosen name; false when it was cancelled.
  bool SaveAs();
  /// The question before unsaved work is dropped, asked only when the text is changed: true
  /// when the command may go on (saved, or the answer No), false when it stops.
  bool AskToSaveChanges(const QString& caption);
  /// "New script": the question above, then an empty, unnamed document with nothing kept for
  /// recovery. False when the question stopped it.
  bool NewAsked();
  /// The text as the script's bytes: every line followed by CR LF.
  std::string ScriptText() const;

  /// Keeps the changed text for recovery; the reason when it cannot be written, else empty.
  std::string KeepForRecovery() const;
  /// Offers to restore text that an earlier session left unsaved; declined, it is forgotten.
  /// True when text was restored.
  bool OfferRecovery();
  /// The window closed normally: nothing is left to recover.
  void ForgetRecovery() const { Recovery.Remove(); }

 private:
  void Load(std::string_view bytes);
  void Changes();

  TDocumentEditor& Editor;
  TDocumentPrompts& Prompts;
  TScriptRecovery Recovery;
  std::string FileName;
  bool Changed_ = false;
  // How the editor's text stands for the script's bytes (see DisplayedBytes).
  TTextEncoding Encoding = TTextEncoding::Utf8;
};

}  // namespace zendrik
