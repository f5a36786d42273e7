#pragma once

#include "app/grid_view.h"
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
class TIEHTTPComponent;

/// The program's one window: the address field and the extraction button at the top, the
/// table grid in the middle, the script editor below the splitter, and the status bar. It owns
/// the table and the HTTP client. Every component carries its form name as its objectName
/// (`Edit1`, `PaintBox1`, `Memo1`, ...), so that it can be found by name.
class TMainForm : public QMainWindow, public TExtractionView {
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
  void BuildSaveDialog();
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
  std::unique_ptr<TGridView> Grid_;
  std::unique_ptr<TAboutBox> AboutBox;
  bool SplitterPlaced = false;
  // Wheel turn not yet worth a whole notch (fine-grained wheels and touchpads).
  int WheelRemainder = 0;
  AllocationReporter PreviousAllocationReporter;
};

}  // namespace zendrik
