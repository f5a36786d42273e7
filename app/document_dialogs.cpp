#include "app/document_dialogs.h"

#include "app/message_boxes.h"

#include <QFile>
#include <QFileDialog>

namespace zendrik {

TDocumentPrompts::TAnswer TDocumentDialogs::Ask(const QString& caption, const QString& text,
                                                TButtons buttons) {
  QMessageBox::StandardButtons offered = QMessageBox::Yes | QMessageBox::No;
  if (buttons == TButtons::YesNoCancel) offered |= QMessageBox::Cancel;
  switch (Boxes.Show(&Window, {QMessageBox::Question, caption, text, offered, QMessageBox::Yes})) {
    case QMessageBox::Yes: return TAnswer::Yes;
    case QMessageBox::No: return TAnswer::No;
    default: return TAnswer::Cancel;
  }
}

std::optional<std::string> TDocumentDialogs::ChooseFile(TFileChoice choice) {
  QFileDialog& dialog = choice == TFileChoice::OpenScript ? OpenScriptDialog() : SaveScriptDialog();
  const std::optional<QString> chosen = Boxes.ChooseFile(dialog);
  if (!chosen) return std::nullopt;
  return QFile::encodeName(*chosen).toStdString();
}

QFileDialog& TDocumentDialogs::OpenScriptDialog() {
  if (OpenDialog1) return *OpenDialog1;
  OpenDialog1 = new QFileDialog(&Window);
  OpenDialog1->setObjectName("OpenDialog1");
  OpenDialog1->setAcceptMode(QFileDialog::AcceptOpen);
  OpenDialog1->setFileMode(QFileDialog::ExistingFile);  // the directory and the file exist
  OpenDialog1->setNameFilter("Pascal script files (.pas) (*.pas)");
  OpenDialog1->setDefaultSuffix("pas");
  OpenDialog1->setSizeGripEnabled(true);
  return *OpenDialog1;
}

QFileDialog& TDocumentDialogs::SaveScriptDialog() {
  if (SaveDialog2) return *SaveDialog2;
  SaveDialog2 = new QFileDialog(&Window);
  SaveDialog2->setObjectName("SaveDialog2");
  SaveDialog2->setAcceptMode(QFileDialog::AcceptSave);  // asks before overwriting
  SaveDialog2->setFileMode(QFileDialog::AnyFile);
  SaveDialog2->setNameFilter("Pascal files (*.pas)");
  SaveDialog2->setDefaultSuffix("pas");
  SaveDialog2->setSizeGripEnabled(true);
  return *SaveDialog2;
}

}  // namespace zendrik
