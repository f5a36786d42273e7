#pragma once

#include "app/cell_text.h"
#include "app/grid_view.h"
#include "app/host_functions.h"
#include "app/message_boxes.h"
#include "extract/allocation_report.h"
#include "extract/extraction_driver.h"
#include "extract/table.h"

#include <QMainWindow>

#include <cstdint>
#include <memory>
#include <string>

class QFileDialog;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSplitter;

namespace zendrik {

class TAboutBox;
class TCtxScript;
class TIEHTTPComponent;

/// The program's one window: the address field and the extraction button at the top, the
/// table grid in the middle, the script editor below the splitter, and the status bar. It owns
/// the table, the HTTP client and the script engine, and is the host of the scripts it runs.
/// Every component carries its form name as its objectName (`Edit1`, `PaintBox1`, `Memo1`,
/// `CtxScript1`, ...), so that it can be found by name.
class TMainForm : public QMainWindow, public TExtractionView, public TScriptHost {
  Q_OBJECT

 public:
  static constexpr int kWidth = 780;
  static constexpr int kHeight = 580;
  static constexpr int kWheelStep = 20;

  /// `boxes` answers every message box and dialog the window shows; it must outlive the window.
  explicit TMainForm(TMessageBoxes& boxes);
  ~TMainForm() override;

  /// The window's design-time caption, before the script document's name.
  const QString& BaseCaption() const { return BaseCaption_; }
  TGridView& Grid() { return *Grid_; }
  /// The HTTP client `IEHTTP1` that extractions fetch with.
  TIEHTTP& IEHTTP1();

  /// Rebuilds the table from the page at `address` (an empty address does nothing).
  void DownloadIt(const std::string& address);

  void ShowAddress(const std::string& address) override;
  void ProcessPendingMessages() override;
  void RepaintGrid() override;
  void ReportFailure(const std::string& message) override;

  // What scripts reach through the host functions.
  std::string AddressFieldText() const override;
  void SetAddressFieldText(std::string_view text) override;
  void Download(const std::string& address) override;
  std::string_view ReadCell(int row, int column) override;
  void WriteCell(int row, int column, std::string_view text) override;
  void ClearCells() override;
  bool SaveTable(const std::string& fileName, std::string& error) override;

  /// The script engine `CtxScript1`.
  TCtxScript& CtxScript1() { return *Engine; }
  /// Loads the script file `name` into the editor, its lines split at CR, LF or CR LF, and
  /// makes it the document's file. Throws std::runtime_error naming the file when it cannot
  /// be read; the editor is then unchanged.
  int OpenFileWithName(const std::string& name);
  /// The editor's text as the script's bytes: every line followed by CR LF.
  std::string ScriptText() const;
  /// Runs the editor's text with the window as host. A compile error or an error the script
  /// does not handle is shown in an error box; false then.
  bool RunScriptClick();
  /// The general error handler: the error's text in an error box.
  void ShowError(std::string_view message);
  /// The full path of the document's script file; empty for an unnamed document.
  const std::string& ScriptFileName() const { return ScriptFileName_; }

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
  /// One notch of the mouse wheel: scrolls the grid down or up by 20 pixels.
  void FormMouseWheelDown();
  void FormMouseWheelUp();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void BuildComponents(const QFont& gridFont);
  QWidget* BuildTopPanel();
  QWidget* BuildLowerPanel();
  void BuildMenus();
  /// The table's save dialog `SaveDialog1`, made on first use: a file dialog costs a third of
  /// the window's start (icons, fonts), which a batch run never needs.
  QFileDialog& SaveDialog();
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
  QPlainTextEdit* Memo1 = nullptr;
  QSplitter* Splitter1 = nullptr;
  QFileDialog* SaveDialog1 = nullptr;
  TIEHTTPComponent* HttpClient = nullptr;
  TCtxScript* Engine = nullptr;
  std::string ScriptFileName_;
  // How the editor's text stands for the script's bytes (see DisplayedBytes).
  TTextEncoding ScriptEncoding = TTextEncoding::Utf8;
  std::unique_ptr<TGridView> Grid_;
  std::unique_ptr<TAboutBox> AboutBox;
  bool SplitterPlaced = false;
  // Wheel turn not yet worth a whole notch (fine-grained wheels and touchpads).
  int WheelRemainder = 0;
  AllocationReporter PreviousAllocationReporter;
};

}  // namespace zendrik
