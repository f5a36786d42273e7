#pragma once

#include "app/cell_text.h"
#include "app/grid_view.h"
#include "app/host_functions.h"
#include "app/message_boxes.h"
#include "app/recent_scripts.h"
#include "app/run_controller.h"
#include "app/script_editor.h"
#include "app/script_recovery.h"
#include "app/script_run.h"
#include "app/window_commands.h"
#include "extract/allocation_report.h"
#include "extract/extraction_driver.h"
#include "extract/table.h"

#include <QMainWindow>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class QAction;
class QFileDialog;
class QLabel;
class QMimeData;
class QLineEdit;
class QPushButton;
class QSplitter;
class QTimer;

namespace zendrik {

class TAboutBox;
class TCtxScript;
class TIEHTTPComponent;
class TRecentScriptsMenu;
struct TDrop;

/// The program's one window: the address field and the extraction button at the top, the
/// table grid in the middle, the script editor below the splitter, and the status bar. It owns
/// the table, the HTTP client and the script engine, and is the host of the scripts it runs.
/// Every component carries its form name as its objectName (`Edit1`, `PaintBox1`, `Memo1`,
/// `CtxScript1`, ...), so that it can be found by name.
///
/// A script run or a download is work of the run controller: meanwhile the window stays
/// alive, Esc and Stop end the work, and the commands that would start other work or change
/// the document are disabled (`TWindowCommands`).
class TMainForm : public QMainWindow, public TExtractionView, public TScriptHost {
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
  /// The HTTP client `IEHTTP1` that extractions fetch with.
  TIEHTTP& IEHTTP1();

  /// Rebuilds the table from the page at `address` (an empty address does nothing), as work
  /// that Stop ends ("Download stopped" when the user started it).
  TFetchOutcome DownloadIt(const std::string& address);

  void ShowAddress(const std::string& address) override;
  void ProcessPendingMessages() override;
  void RepaintGrid() override;
  void ReportFailure(const std::string& message) override;

  // What scripts reach through the host functions.
  std::string AddressFieldText() const override;
  void SetAddressFieldText(std::string_view text) override;
  TFetchOutcome Download(const std::string& address) override;
  TFetchOutcome GetPage(const std::string& address, std::string& body) override;
  std::string_view ReadCell(int row, int column) override;
  void WriteCell(int row, int column, std::string_view text) override;
  void ClearCells() override;
  bool SaveTable(const std::string& fileName, std::string& error) override;

  /// The script engine `CtxScript1`.
  TCtxScript& CtxScript1() { return *Engine; }
  /// The script editor `Memo1`.
  TScriptEditor& ScriptEditor() { return *Memo1; }
  /// Runs the editor's text with the window as host. A compile error or an error the script
  /// does not handle is shown in an error box, and the editor's cursor goes where it happened;
  /// a stopped run says where it stopped in the status bar; false then.
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

  // The script document (main_form_documents.cpp).
  /// The full path of the document's script file; empty for an unnamed document.
  const std::string& ScriptFileName() const { return ScriptFileName_; }
  /// The editor's text was changed since the document was created, opened or saved.
  bool Changed() const { return Changed_; }
  void SetChanged();
  void SetUnChanged();
  /// Handler of every change of the editor's text.
  void Memo1Change();
  /// Empties the editor: an unnamed, unchanged document.
  void NewAll();
  /// The open dialog; on OK the chosen file is opened. 1 when a file was opened, 0 when the
  /// dialog was cancelled.
  int OpenFile();
  /// Loads the script file `name` into the editor, its lines split at CR, LF or CR LF, and
  /// makes it the unchanged document's file. Throws std::runtime_error naming the file when
  /// it cannot be read; the editor is then unchanged. Returns 1.
  int OpenFileWithName(const std::string& name);
  /// Writes the editor's lines to `ScriptFileName` (never destroying the earlier file on a
  /// failure, which throws std::runtime_error) and clears the changed mark. Returns true.
  bool SaveTheFile();
  /// Saves to the document's file, asking for a name when it has none; false when that dialog
  /// was cancelled.
  bool SaveFile();
  /// The question before unsaved work is dropped, asked only when the text is changed: true
  /// when the command may go on (saved, or the answer No), false when it stops.
  bool AskToSaveChanges(const QString& caption);
  /// May the window close? Asks the question above with the caption "Quit".
  bool FormCloseQuery();
  /// The editor's text as the script's bytes: every line followed by CR LF.
  std::string ScriptText() const;
  /// Offers to restore text that an earlier session left unsaved (after a crash or a kill).
  void OfferRecovery();
  /// Opens a script the way the recent-scripts list and drops do: after the question about
  /// unsaved work, and noted as recent. A file that cannot be read leaves the list.
  void OpenScriptAsked(const std::string& fileName);
  /// What a drop of `data` does: opens a script or extracts a page. Refused while work runs.
  void DropData(const QMimeData& data);
  /// A double-click on the cell (zero-based): extracts the page when the cell holds an address.
  void FollowCellLink(int row, int column);

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
  /// "Help file": opens the help page in the browser (`HelpPageUrl`: the page shipped with the
  /// program, else the online one).
  void Helpfile1Click();
  /// "About": the information dialog.
  void About1Click();
  /// "New script", "Open script...", "Save script", "Save script as...".
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
  /// The file dialogs `SaveDialog1` (tables), `OpenDialog1` and `SaveDialog2` (scripts), made on
  /// first use: a file dialog costs a third of the window's start (icons, fonts), which a batch
  /// run never needs.
  QFileDialog& SaveDialog();
  QFileDialog& OpenScriptDialog();
  QFileDialog& SaveScriptDialog();
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
  void NoteRecentScript();
  void KeepForRecovery();
  void PlaceSplitter();
  void CentreOnScreen();
  void TurnWheel(QWheelEvent& event);
  void ShowBytesReceived(std::int64_t bytes);

  TMessageBoxes& Boxes;
  QString BaseCaption_;
  QLineEdit* Edit1 = nullptr;
  QLabel* Label2 = nullptr;
  QPushButton* ExtractDataBtn = nullptr;
  QPushButton* RunScript = nullptr;
  QPushButton* StopBtn = nullptr;
  QAction* Stop1 = nullptr;
  TScriptEditor* Memo1 = nullptr;
  QSplitter* Splitter1 = nullptr;
  QFileDialog* SaveDialog1 = nullptr;
  QFileDialog* OpenDialog1 = nullptr;
  QFileDialog* SaveDialog2 = nullptr;
  TIEHTTPComponent* HttpClient = nullptr;
  TCtxScript* Engine = nullptr;
  std::string ScriptFileName_;
  bool Changed_ = false;
  TScriptRecovery Recovery;
  QTimer* RecoveryTimer = nullptr;
  // How the editor's text stands for the script's bytes (see DisplayedBytes).
  TTextEncoding ScriptEncoding = TTextEncoding::Utf8;
  std::unique_ptr<TGridView> Grid_;
  TRunController* Work = nullptr;
  TWindowCommands* Commands = nullptr;
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
