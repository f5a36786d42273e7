// The script document of the main window: its file, the changed mark in the caption, the
// commands that open and save it, the question before unsaved work is dropped, and the
// recovery file that keeps typed text safe from a crash.

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QStatusBar>
#include <QTimer>

#include <stdexcept>

#include "app/file_bytes.h"
#include "app/main_form.h"

namespace zendrik {

namespace {

// A script file's lines: split at CR LF, CR or LF; a line end at the very end adds no line.
QString EditorText(std::string_view bytes) {
  QString text = DisplayText(bytes);
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  if (text.endsWith(QLatin1Char('\n'))) text.chop(1);
  return text;
}

std::string FileNameOf(const QString& chosen) { return QFile::encodeName(chosen).toStdString(); }

}  // namespace

void TMainForm::UpdateCaption() {
  const QString name = ScriptFileName_.empty()
                           ? QStringLiteral("noname.pas")
                           : QFileInfo(QFile::decodeName(ScriptFileName_.c_str())).fileName();
  setWindowTitle(BaseCaption_ + " - [" + name + (Changed_ ? "*]" : "]"));
}

void TMainForm::SetChanged() {
  Changed_ = true;
  UpdateCaption();
}

void TMainForm::SetUnChanged() {
  Changed_ = false;
  UpdateCaption();
}

void TMainForm::Memo1Change() {
  SetChanged();
  if (!RecoveryTimer->isActive()) RecoveryTimer->start(kRecoveryDelayMs);
}

void TMainForm::NewAll() {
  Memo1->clear();
  ScriptFileName_.clear();
  ScriptEncoding = TTextEncoding::Utf8;
  SetUnChanged();
}

int TMainForm::OpenFile() {
  const std::optional<QString> chosen = Boxes.ChooseFile(OpenScriptDialog());
  if (!chosen) return 0;
  return OpenFileWithName(FileNameOf(*chosen));
}

int TMainForm::OpenFileWithName(const std::string& name) {
  std::string bytes;
  if (std::string reason = ReadFileBytes(name, bytes); !reason.empty())
    throw std::runtime_error("Cannot open file \"" + name + "\". " + reason);
  ScriptFileName_ = name;
  ScriptEncoding = DisplayEncoding(bytes);
  Memo1->setPlainText(EditorText(bytes));
  SetUnChanged();
  return 1;
}

std::string TMainForm::ScriptText() const {
  QString text = Memo1->toPlainText();
  if (text.isEmpty()) return {};
  text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
  return DisplayedBytes(text, ScriptEncoding) + "\r\n";
}

bool TMainForm::SaveTheFile() {
  const SaveResult saved = SaveFileBytes(ScriptFileName_, ScriptText());
  if (!saved) throw std::runtime_error(saved.Error);
  SetUnChanged();
  Recovery.Remove();
  return true;
}

bool TMainForm::SaveFile() {
  if (ScriptFileName_.empty()) {
    const std::optional<QString> chosen = Boxes.ChooseFile(SaveScriptDialog());
    if (!chosen) return false;
    ScriptFileName_ = FileNameOf(*chosen);
  }
  return SaveTheFile();
}

bool TMainForm::AskToSaveChanges(const QString& caption) {
  if (!Changed_) return true;
  const QMessageBox::StandardButton answer = Boxes.Show(
      this, {QMessageBox::Question, caption,
             "The existing script has not been saved. Do you want to save the script now?",
             QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes});
  if (answer == QMessageBox::Yes) return SaveFile();
  return answer == QMessageBox::No;
}

void TMainForm::Neu1Click() {
  Guarded([this] {
    if (!AskToSaveChanges("New script")) return;
    NewAll();
    Recovery.Remove();
  });
}

void TMainForm::ffnen1Click() {
  Guarded([this] {
    if (OpenFile() == 1) NoteRecentScript();
  });
}

void TMainForm::Speichern1Click() {
  Guarded([this] {
    if (SaveFile()) NoteRecentScript();
  });
}

void TMainForm::Speichernunter1Click() {
  Guarded([this] {
    const std::optional<QString> chosen = Boxes.ChooseFile(SaveScriptDialog());
    if (!chosen) return;
    ScriptFileName_ = FileNameOf(*chosen);
    SaveTheFile();
    NoteRecentScript();
  });
}

bool TMainForm::FormCloseQuery() {
  bool mayClose = false;
  Guarded([this, &mayClose] { mayClose = AskToSaveChanges("Quit"); });
  return mayClose;
}

void TMainForm::KeepForRecovery() {
  RecoveryTimer->stop();
  if (!Changed_) return;
  std::string error;
  // The work goes on when the recovery file cannot be written; the status bar says so.
  if (!Recovery.Keep(ScriptText(), ScriptFileName_, error))
    statusBar()->showMessage(DisplayText("Unsaved script not kept: " + error));
}

void TMainForm::OfferRecovery() {
  // Called from the event loop at start-up: its errors take the commands' guarded path.
  Guarded([this] {
    const std::optional<TScriptRecovery::TKept> kept = Recovery.Kept();
    if (!kept) return;
    const QMessageBox::StandardButton answer = Boxes.Show(
        this, {QMessageBox::Question, "Restore script",
               "A script was not saved when the program last ended. Do you want to restore it?",
               QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes});
    if (answer != QMessageBox::Yes) {
      Recovery.Remove();
      return;
    }
    ScriptFileName_ = kept->ScriptFileName;
    ScriptEncoding = DisplayEncoding(kept->Bytes);
    Memo1->setPlainText(EditorText(kept->Bytes));
    SetChanged();
  });
}

}  // namespace zendrik
