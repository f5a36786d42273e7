#pragma once

#include "app/grid_view.h"
#include "app/message_boxes.h"
#include "app/recent_scripts.h"
#include "app/run_controller.h"
#include "app/script_document.h"
#include "app/script_editor.h"
#include "app/script_run.h"
#include "app/window_commands.h"
#include "extract/allocation_report.h"
#include "extract/extraction_driver.h"
#include "extract/table.h"

#include <QMainWindow>

#include <functional>
#include <memory>
#include <string>

class QAction;
class QFileDialog;
class QLabel;
class QMenu;
class QMimeData;
class QLineEdit;
class QPushButton;
class QSplitter;
class QTimer;

namespace zendrik {

class TAboutBox;
class TCtxScript;
class TDocumentDialogs;
class THelpWindow;
class TIEHTTPComponent;
class TOutputPane;
class TRecentScriptsMenu;
class TWindowExtraction;
class TWindowScriptHost;
struct TDrop;

/// The program's one window: the address field and the extraction button at the top, the
/// table grid in the middle, the script editor below the splitter, and the status bar. It owns
/// the table, the HTTP client and the script engine, and wires the parts that do the work: the
/// script document (`TScriptDocument`), the extractions (`TWindowExtraction`) and the host of
/// the host functions (`TWindowScriptHost`). Every component carries its form name as its
/// objectName (`Edit1`, `PaintBox1`, `Memo1`, `CtxScript1`, ...), so that it can be found by
/// name; the window is also the object whose components and properties scripts reach by name.
///
/// A script run or a download is work of the run controller: meanwhile the window stays
/// alive, Esc and Stop end the work, and the commands that would start other work or change
/// the document are disabled (`TWindowCommands`).
class TMainForm : public QMainWindow {
  Q_OBJECT
  Q_PROPERTY(QString Caption READ windowTitle WRITE setWindowTitle)

 public:
  static constexpr int kWidth = 780;
  static constexpr int kHeight = 580;
  static constexpr int kWheelStep = 20;
  /// Text typed and not saved is written to the recovery file this long after a change.
  static constexpr int kRecoveryDelayMs = 3000;

  /// `boxes` answers every message box and dialog the window shows; it must outlive the window.
  explicit TMainForm(TMessageBoxes& boxes);
  ~TMainForm() override;

  /// The window's design-time caption, before the script document's name.
  const QString& BaseCaption() const { return BaseCaption_; }
  TGridView& Grid() { return *Grid_; }
  /// The script document the editor holds.
  TScriptDocument& Document() { return *Document_; }

  /// Rebuilds the table from the page at `address` (an empty address does nothing), as work
  /// that Stop ends ("Download stopped" when the user started it).
  TFetchOutcome DownloadIt(const std::string& address);

  /// The script engine `CtxScript1`.
  TCtxScript& CtxScript1() { return *Engine; }
  /// The script editor `Memo1`.
  TScriptEditor& ScriptEditor() { return *Memo1; }
  /// The pane below the editor that shows what scripts write.
  TOutputPane& ScriptOutput() { return *Output; }
  /// The help window, once it was opened; null before.
  THelpWindow* HelpWindow() const { return Help; }
  /// Runs the editor's text with the window as host; `ParamStr(1)` is the document's file.
  /// What the script writes also shows in the output pane. The status bar says how the run
  /// ended: the time it took, the line where it stopped, or the error's first line. A compile
  /// error or an error the script does not handle is also shown in an error box, and the
  /// editor gets the focus with its cursor where it happened and the line marked; false then.
  bool RunScriptClick();
  /// Runs the editor's text with the window as host and tells how it ended, showing nothing.
  TScriptRunResult RunEditorScript();
  /// The work running in the window, and its stop.
  TRunController& Controller() { return *Work; }
  /// Esc, the Operations menu's "Stop" and the Stop button: ends the running work.
  void Stop1Click();
  /// The scripts opened and saved last (the File menu lists them).
  TRecentScripts& RecentScripts() { return Recent; }
  /// The general error handler: the error's text in an error box.
  void ShowError(std::string_view message);

  /// Handler of every change of the editor's text: the document is changed, and the text is
  /// kept for recovery a little later.
  void Memo1Change();
  /// May the window close? Asks the document's question with the caption "Quit".
  bool FormCloseQuery();
  /// Offers to restore text that an earlier session left unsaved (after a crash or a kill).
  void OfferRecovery();
  /// Opens a script the way the recent-scripts list and drops do: after the question about
  /// unsaved work, and noted as recent. A file that cannot be read leaves the list.
  void OpenScriptAsked(const std::string& fileName);
  /// What a drop of `data` does: opens a script or extracts a page. Refused while work runs.
  void DropData(const QMimeData& data);
  /// A double-click on the cell (zero-based): extracts the page when the cell holds an address.
  void FollowCellLink(int row, int column);
  /// File, Examples: opens a shipped example script after the question about unsaved work.
  void OpenExample(const std::string& fileName);

  /// The table the window shows; the grid's widths follow it on `Grid().Refresh()`.
  TCellTable Table;

 public slots:
  /// "New table": empties the table and repaints the grid.
  void NewTable1Click();
  /// "Save table...": asks for a file name and saves the table there as CSV.
  void SaveTable1Click();
  void Exit1Click();
  /// The button, the menu command and Enter in the address field: extracts the address typed.
  void ExtractDataBtnClick();
  /// "Help file" and F1: the guide to scripts in the program's own help window.
  void Helpfile1Click();
  /// "About": the information dialog.
  void About1Click();
  /// "New script", "Open script...", "Save script", "Save script as...": the document's
  /// commands, on the window's guarded path.
  void Neu1Click();
  void ffnen1Click();
  void Speichern1Click();
  void Speichernunter1Click();
  /// One notch of the mouse wheel: scrolls the grid down or up by 20 pixels.
  void FormMouseWheelDown();
  void FormMouseWheelUp();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void BuildComponents(const QFont& gridFont);
  QWidget* BuildTopPanel();
  QWidget* BuildLowerPanel();
  void BuildMenus();
  void BuildExamplesMenu(QMenu& file);
  /// Keys, their tips, and the order Tab follows.
  void BuildKeys();
  /// The address field and the status label stretch with the window.
  void FitTopPanel();
  /// Shows how an operation ended in the status bar, replacing the last message.
  void ShowStatus(const QString& text);
  /// The status bar and the editor after a run that ended as `result` after `milliseconds`.
  void ReportRun(const TScriptRunResult& result, qint64 milliseconds);
  /// The table save dialog `SaveDialog1`, made on first use.
  QFileDialog& SaveDialog();
  void UpdateCaption();
  /// Runs `command` on the one guarded path of every command (`TWindowCommands`).
  bool Guarded(const std::function<void()>& command,
               TWindowCommands::TKind kind = TWindowCommands::TKind::Any);
  /// The button and the menu command: keeps the text for recovery, then runs it.
  void RunFromWindow();
  /// Work began or ended: the grid, the editor and the Stop command follow.
  void WorkBusyChanged(bool busy);
  /// The question when the window is closed while work runs; true when the work is stopping
  /// and the window closes once it has ended.
  bool StopToClose();
  /// The drop a drag carries, or nothing while work runs.
  TDrop AcceptableDrop(const QMimeData& data) const;
  /// Takes drags of files and links that land on the editor and the address field.
  bool FilterDrop(QEvent& event);
  /// Notes the document's file as recent, and says `done` (opened, saved) with its name.
  void NoteRecentScript(const QString& done);
  void KeepForRecovery();
  void PlaceSplitter();
  void CentreOnScreen();
  void TurnWheel(QWheelEvent& event);

  TMessageBoxes& Boxes;
  QString BaseCaption_;
  QWidget* Panel1 = nullptr;
  QLineEdit* Edit1 = nullptr;
  QLabel* Label2 = nullptr;
  QPushButton* ExtractDataBtn = nullptr;
  QPushButton* RunScript = nullptr;
  QPushButton* StopBtn = nullptr;
  QAction* Stop1 = nullptr;
  TScriptEditor* Memo1 = nullptr;
  TOutputPane* Output = nullptr;
  QSplitter* Splitter1 = nullptr;
  QSplitter* Splitter2 = nullptr;
  THelpWindow* Help = nullptr;
  TGridView* Grid_ = nullptr;
  QFileDialog* SaveDialog1 = nullptr;
  TIEHTTPComponent* HttpClient = nullptr;
  TCtxScript* Engine = nullptr;
  QTimer* RecoveryTimer = nullptr;
  TRunController* Work = nullptr;
  TWindowCommands* Commands = nullptr;
  std::unique_ptr<TDocumentDialogs> DocumentDialogs;
  std::unique_ptr<TScriptDocument> Document_;
  std::unique_ptr<TWindowExtraction> Extraction;
  std::unique_ptr<TWindowScriptHost> Host;
  std::unique_ptr<TScriptRunner> Runner;
  TRecentScripts Recent;
  TRecentScriptsMenu* RecentMenu = nullptr;
  // The window closes once the work stopped at its close has ended.
  bool CloseWhenIdle = false;
  std::unique_ptr<TAboutBox> AboutBox;
  bool SplitterPlaced = false;
  // Wheel turn not yet worth a whole notch (fine-grained wheels and touchpads).
  int WheelRemainder = 0;
  AllocationReporter PreviousAllocationReporter;
};

}  // namespace zendrik
