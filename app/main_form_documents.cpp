// The window's side of the script document: the caption, the document commands on the
// window's guarded path, the close question, and the timer that keeps typed text for recovery.

#include <QStatusBar>
#include <QTimer>

#include "app/cell_text.h"
#include "app/main_form.h"

namespace zendrik {

void TMainForm::UpdateCaption() { setWindowTitle(BaseCaption_ + Document_->CaptionSuffix()); }

void TMainForm::Memo1Change() {
  Document_->Memo1Change();
  if (!RecoveryTimer->isActive()) RecoveryTimer->start(kRecoveryDelayMs);
}

void TMainForm::Neu1Click() {
  Guarded([this] {
    if (Document_->NewAsked()) ShowStatus("New script");
  });
}

void TMainForm::ffnen1Click() {
  Guarded([this] {
    if (Document_->OpenFile() == 1) NoteRecentScript("Opened ");
  });
}

void TMainForm::Speichern1Click() {
  Guarded([this] {
    if (Document_->SaveFile()) NoteRecentScript("Saved ");
  });
}

void TMainForm::Speichernunter1Click() {
  Guarded([this] {
    if (Document_->SaveAs()) NoteRecentScript("Saved ");
  });
}

bool TMainForm::FormCloseQuery() {
  bool mayClose = false;
  Guarded([this, &mayClose] { mayClose = Document_->AskToSaveChanges("Quit"); });
  return mayClose;
}

void TMainForm::KeepForRecovery() {
  RecoveryTimer->stop();
  // The work goes on when the recovery file cannot be written; the status bar says so.
  if (const std::string error = Document_->KeepForRecovery(); !error.empty())
    statusBar()->showMessage(DisplayText("Unsaved script not kept: " + error));
}

void TMainForm::OfferRecovery() {
  // Called from the event loop at start-up: its errors take the commands' guarded path.
  Guarded([this] { Document_->OfferRecovery(); });
}

}  // namespace zendrik
