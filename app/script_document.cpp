#include "app/script_document.h"

#include "app/file_bytes.h"

#include <QFile>
#include <QFileInfo>

#include <stdexcept>

namespace zendrik {

namespace {

// A script text larger than this is no script a person wrote; an endless device given as a
// script (zendrik /dev/zero) ends with "File too large" instead of taking all memory.
constexpr std::size_t kMaxScriptBytes = std::size_t{256} << 20;

// A script file's lines: split at CR LF, CR or LF; a line end at the very end adds no line.
QString EditorText(std::string_view bytes) {
  QString text = DisplayText(bytes);
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  if (text.endsWith(QLatin1Char('\n'))) text.chop(1);
  return text;
}

}  // namespace

TScriptDocument::TScriptDocument(TDocumentEditor& editor, TDocumentPrompts& prompts,
                                 TScriptRecovery recovery)
    : Editor(editor), Prompts(prompts), Recovery(std::move(recovery)) {}

QString TScriptDocument::FileNameOnly() const {
  return QFileInfo(QFile::decodeName(FileName.c_str())).fileName();
}

QString TScriptDocument::CaptionSuffix() const {
  const QString name = FileName.empty() ? QStringLiteral("noname.pas") : FileNameOnly();
  return " - [" + name + (Changed_ ? "*]" : "]");
}

void TScriptDocument::Changes() {
  if (OnStateChanged) OnStateChanged();
}

void TScriptDocument::SetChanged() {
  Changed_ = true;
  Changes();
}

void TScriptDocument::SetUnChanged() {
  Changed_ = false;
  Changes();
}

void TScriptDocument::Load(std::string_view bytes) {
  Encoding = DisplayEncoding(bytes);
  Editor.SetText(EditorText(bytes));
}

void TScriptDocument::NewAll() {
  Editor.SetText({});
  FileName.clear();
  Encoding = TTextEncoding::Utf8;
  SetUnChanged();
}

int TScriptDocument::OpenFile() {
  const std::optional<std::string> chosen =
      Prompts.ChooseFile(TDocumentPrompts::TFileChoice::OpenScript);
  if (!chosen) return 0;
  return OpenFileWithName(*chosen);
}

int TScriptDocument::OpenFileWithName(const std::string& name) {
  std::string bytes;
  if (std::string reason = ReadFileBytes(name, bytes, kMaxScriptBytes); !reason.empty())
    throw std::runtime_error("Cannot open file \"" + name + "\". " + reason);
  FileName = name;
  Load(bytes);
  SetUnChanged();
  return 1;
}

std::string TScriptDocument::ScriptText() const {
  QString text = Editor.Text();
  if (text.isEmpty()) return {};
  text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
  return DisplayedBytes(text, Encoding) + "\r\n";
}

bool TScriptDocument::SaveTheFile() {
  const SaveResult saved = SaveFileBytes(FileName, ScriptText());
  if (!saved) throw std::runtime_error(saved.Error);
  SetUnChanged();
  Recovery.Remove();
  return true;
}

bool TScriptDocument::SaveFile() {
  if (!FileName.empty()) return SaveTheFile();
  return SaveAs();
}

bool TScriptDocument::SaveAs() {
  const std::optional<std::string> chosen =
      Prompts.ChooseFile(TDocumentPrompts::TFileChoice::SaveScript);
  if (!chosen) return false;
  FileName = *chosen;
  return SaveTheFile();
}

bool TScriptDocument::AskToSaveChanges(const QString& caption) {
  if (!Changed_) return true;
  using TAnswer = TDocumentPrompts::TAnswer;
  const TAnswer answer = Prompts.Ask(
      caption, "The existing script has not been saved. Do you want to save the script now?",
      TDocumentPrompts::TButtons::YesNoCancel);
  if (answer == TAnswer::Yes) return SaveFile();
  return answer == TAnswer::No;
}

bool TScriptDocument::NewAsked() {
  if (!AskToSaveChanges("New script")) return false;
  NewAll();
  Recovery.Remove();
  return true;
}

std::string TScriptDocument::KeepForRecovery() const {
  std::string error;
  if (Changed_ && !Recovery.Keep(ScriptText(), FileName, error)) return error;
  return {};
}

bool TScriptDocument::OfferRecovery() {
  const std::optional<TScriptRecovery::TKept> kept = Recovery.Kept();
  if (!kept) return false;
  const TDocumentPrompts::TAnswer answer =
      Prompts.Ask("Restore script",
                  "A script was not saved when the program last ended. Do you want to restore it?",
                  TDocumentPrompts::TButtons::YesNo);
  if (answer != TDocumentPrompts::TAnswer::Yes) {
    Recovery.Remove();
    return false;
  }
  FileName = kept->ScriptFileName;
  Load(kept->Bytes);
  SetChanged();
  return true;
}

}  // namespace zendrik
