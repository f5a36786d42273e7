// Work in the main window: script runs and their reports, Stop, the state of the window while
// work runs, and closing the window during a run.

#include <QCloseEvent>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>

#include "app/main_form.h"
#include "script/runtime/engine.h"

namespace zendrik {

namespace {

const char* const kRunningText = "Running script... (Esc stops it)";

}  // namespace

TScriptRunResult TMainForm::RunEditorScript() { return Runner->Run(Document_->ScriptText(), this); }

bool TMainForm::RunScriptClick() {
  const TScriptRunResult result = RunEditorScript();
  using TEnd = TScriptRunResult::TEnd;
  switch (result.End) {
    case TEnd::Done: return true;
    case TEnd::Stopped:
      statusBar()->showMessage(QString::fromStdString(StopReport(result)));
      return false;
    case TEnd::CompileError:
      ShowError(result.Message);
      Memo1->MoveCursorTo(result.Line, result.Column);
      return false;
    case TEnd::RunError:
      ShowError(result.Message);
      if (result.Line > 0) Memo1->MoveCursorTo(result.Line);
      return false;
  }
  return false;
}

void TMainForm::RunFromWindow() {
  KeepForRecovery();
  statusBar()->showMessage(kRunningText);
  RunScriptClick();
  if (statusBar()->currentMessage() == kRunningText) statusBar()->clearMessage();
}

bool TMainForm::Guarded(const std::function<void()>& command, TWindowCommands::TKind kind) {
  return Commands->Run(kind, command);
}

void TMainForm::Stop1Click() { Work->Stop(); }

void TMainForm::WorkBusyChanged(bool busy) {
  // While work runs the grid repaints once per pass over the events, not once per change.
  Grid_->SetDeferredRepaint(busy);
  Memo1->setReadOnly(busy);
  Stop1->setEnabled(busy);
  StopBtn->setEnabled(busy);
  if (!busy && CloseWhenIdle) {
    CloseWhenIdle = false;
    QTimer::singleShot(0, this, &QWidget::close);
  }
}

bool TMainForm::StopToClose() {
  const bool script = Work->Running(TRunController::TWork::Script);
  const QMessageBox::StandardButton answer = Boxes.Show(
      this, {QMessageBox::Question, "Quit",
             script ? "A script is running. Do you want to stop it and close the window?"
                    : "A download is running. Do you want to stop it and close the window?",
             QMessageBox::Yes | QMessageBox::No, QMessageBox::No});
  if (answer != QMessageBox::Yes) return false;
  CloseWhenIdle = true;
  Work->Stop();
  return true;
}

void TMainForm::closeEvent(QCloseEvent* event) {
  // The work runs inside this event's caller: the window closes once it has unwound.
  if (Work->Busy()) {
    event->ignore();
    Guarded([this] { StopToClose(); });
    return;
  }
  if (!FormCloseQuery()) {
    event->ignore();
    return;
  }
  Document_->ForgetRecovery();  // a normal close: nothing is left to recover
  event->accept();
}

}  // namespace zendrik
