// Work in the main window: script runs and their reports, Stop, the state of the window while
// work runs, and closing the window during a run.

#include <QCloseEvent>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QStatusBar>
#include <QTime>
#include <QTimer>

#include "app/cell_text.h"
#include "app/main_form.h"
#include "app/output_pane.h"
#include "app/status_texts.h"
#include "script/library/standard_package.h"
#include "script/runtime/engine.h"

namespace zendrik {

namespace {

const char* const kRunningText = "Running script... (Esc stops it)";

// The process's parameters for a run from the window: the program, then the document's file
// (as batch mode has the script's file), so that a script finds the files beside it.
std::vector<std::string> WindowRunParameters(const std::string& scriptFile) {
  char program[] = "zendrik";
  char* programOnly[] = {program};
  std::vector<std::string> parameters = CommandLineParameters(1, programOnly);
  if (!scriptFile.empty()) parameters.push_back(scriptFile);
  return parameters;
}

// The output pane shows what a run writes, while it runs.
class TShownOutput {
 public:
  TShownOutput(TCtxScript& engine, TOutputPane& pane) : Engine(engine) {
    Engine.OnWrite = [&pane](std::string_view text) { pane.Write(text); };
  }
  ~TShownOutput() { Engine.OnWrite = nullptr; }
  TShownOutput(const TShownOutput&) = delete;
  TShownOutput& operator=(const TShownOutput&) = delete;

 private:
  TCtxScript& Engine;
};

}  // namespace

TScriptRunResult TMainForm::RunEditorScript() {
  return Runner->Run(Document_->ScriptText(), this,
                     QFile::encodeName(Document_->FileNameOnly()).toStdString());
}

bool TMainForm::RunScriptClick() {
  const QString name = Document_->FileNameOnly();
  Output->BeginRun(name.isEmpty() ? QStringLiteral("noname.pas") : name, QTime::currentTime());
  Engine->Parameters = WindowRunParameters(Document_->ScriptFileName());
  QElapsedTimer clock;
  clock.start();
  TScriptRunResult result;
  {
    const TShownOutput shown(*Engine, *Output);
    result = RunEditorScript();
  }
  ReportRun(result, clock.elapsed());
  return result.End == TScriptRunResult::TEnd::Done;
}

void TMainForm::ReportRun(const TScriptRunResult& result, qint64 milliseconds) {
  using TEnd = TScriptRunResult::TEnd;
  switch (result.End) {
    case TEnd::Done: ShowStatus(QString::fromStdString(ScriptFinishedText(milliseconds))); return;
    case TEnd::Stopped: ShowStatus(QString::fromStdString(StopReport(result))); return;
    case TEnd::CompileError:
    case TEnd::RunError: break;
  }
  ShowStatus(DisplayText(FirstLine(result.Message)));
  ShowError(result.Message);
  // The editor gets the focus where the error is, its line marked until the next edit.
  if (result.Line > 0) {
    Memo1->MoveCursorTo(result.Line, result.End == TEnd::CompileError ? result.Column : 1);
    Memo1->MarkErrorLine(result.Line);
  }
  // The box has closed: the window takes the keyboard back for the editor.
  if (isVisible()) activateWindow();
  Memo1->setFocus(Qt::OtherFocusReason);
}

void TMainForm::RunFromWindow() {
  KeepForRecovery();
  ShowStatus(kRunningText);
  RunScriptClick();
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
