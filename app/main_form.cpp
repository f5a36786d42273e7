#include "app/main_form.h"

#include "app/about_box.h"
#include "app/cell_text.h"
#include "app/csv_export.h"
#include "app/document_dialogs.h"
#include "app/help_window.h"
#include "app/ie_http_component.h"
#include "app/product_info.h"
#include "app/status_texts.h"
#include "app/typed_address.h"
#include "app/window_extraction.h"
#include "app/window_script_host.h"
#include "script/runtime/engine.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QTimer>
#include <QWheelEvent>

namespace zendrik {
namespace {

// One notch of a mouse wheel, in the units of QWheelEvent::angleDelta.
constexpr int kWheelNotch = 120;

// The system's UI font at 8 point: the window's font and the grid's.
QFont FormFont() {
  QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
  font.setPointSize(8);
  return font;
}

}  // namespace

TMainForm::TMainForm(TMessageBoxes& boxes) : Boxes(boxes), BaseCaption_(kBaseCaption) {
  setObjectName("MainForm");
  const QFont font = FormFont();
  setFont(font);
  Work = new TRunController(this);
  Commands = new TWindowCommands(
      *Work, [this](std::string_view message) { ShowError(message); }, *this);
  BuildComponents(font);
  connect(Work, &TRunController::BusyChanged, this, &TMainForm::WorkBusyChanged);

  DocumentDialogs = std::make_unique<TDocumentDialogs>(*this, Boxes);
  Document_ = std::make_unique<TScriptDocument>(*Memo1, *DocumentDialogs);
  Document_->OnStateChanged = [this] { UpdateCaption(); };
  UpdateCaption();
  RecoveryTimer = new QTimer(this);
  RecoveryTimer->setSingleShot(true);
  connect(RecoveryTimer, &QTimer::timeout, this,
          [this] { Guarded([this] { KeepForRecovery(); }); });
  connect(Memo1, &QPlainTextEdit::textChanged, this, &TMainForm::Memo1Change);

  resize(kWidth, kHeight);
  CentreOnScreen();
  // The grid's scroll boxes would take the wheel themselves.
  for (QScrollArea* box : {&Grid_->ScrollBox1(), findChild<QScrollArea*>("ScrollBox2"),
                           findChild<QScrollArea*>("ScrollBox3")}) {
    box->viewport()->installEventFilter(this);
    box->widget()->installEventFilter(this);
  }

  HttpClient = new TIEHTTPComponent("IEHTTP1", this);
  Extraction = std::make_unique<TWindowExtraction>(
      Table, *HttpClient, *Work,
      TWindowExtraction::TParts{*this, *Label2, *Grid_, *statusBar(), Boxes});
  Host = std::make_unique<TWindowScriptHost>(*Edit1, *Extraction, Table, *Grid_);
  Engine = new TCtxScript(this);
  Engine->setObjectName("CtxScript1");
  Engine->HostServices = Host.get();
  Runner = std::make_unique<TScriptRunner>(*Engine, *Work);

  // Queued: the extraction replaces the table, which must not happen inside the grid's own
  // mouse handling.
  connect(Grid_, &TGridView::CellDoubleClicked, this, &TMainForm::FollowCellLink,
          Qt::QueuedConnection);
  setAcceptDrops(true);
  Memo1->viewport()->installEventFilter(this);
  Edit1->installEventFilter(this);
  // The top panel places its components itself: the address field stretches with it.
  Panel1->installEventFilter(this);
  AboutBox = std::make_unique<TAboutBox>();
  PreviousAllocationReporter =
      SetAllocationReporter([this](std::string_view message) { ShowError(message); });
  Edit1->setFocus();
}

TMainForm::~TMainForm() {
  Engine->HostServices = nullptr;  // the host goes before the engine, a child of the window
  SetAllocationReporter(std::move(PreviousAllocationReporter));
}

void TMainForm::CentreOnScreen() {
  if (const QScreen* display = screen())
    move(display->availableGeometry().center() - rect().center());
}

void TMainForm::showEvent(QShowEvent* event) {
  // The splitter can give the grid its height only once the window has its own.
  if (!SplitterPlaced) {
    PlaceSplitter();
    SplitterPlaced = true;
  }
  QMainWindow::showEvent(event);
}

void TMainForm::NewTable1Click() {
  Table.clearall();
  Grid_->Refresh();
  ShowStatus("Table emptied");
}

void TMainForm::SaveTable1Click() {
  const std::optional<QString> fileName = Boxes.ChooseFile(SaveDialog());
  if (!fileName) return;
  const SaveResult saved = zendrik::SaveTable(Table, QFile::encodeName(*fileName).toStdString());
  if (!saved) {
    ShowStatus("Table not saved");
    ShowError(saved.Error);
    return;
  }
  ShowStatus(
      DisplayText(TableSavedText(Table.RowCount(), QFile::encodeName(*fileName).toStdString())));
}

void TMainForm::Exit1Click() { close(); }

void TMainForm::ExtractDataBtnClick() {
  // A local file's path typed by the user opens that file; scripts' addresses stay as given.
  DownloadIt(TypedAddress(Edit1->text().toStdString(),
                          QFile::encodeName(QDir::currentPath()).toStdString(),
                          QFile::encodeName(QDir::homePath()).toStdString()));
}

void TMainForm::ShowStatus(const QString& text) { statusBar()->showMessage(text); }

TFetchOutcome TMainForm::DownloadIt(const std::string& address) {
  return Extraction->DownloadIt(address);
}

void TMainForm::Helpfile1Click() {
  if (!Help) Help = new THelpWindow(this);
  Help->show();
  Help->raise();
  Help->activateWindow();
}

void TMainForm::About1Click() { Boxes.ShowModal(*AboutBox); }

void TMainForm::ShowError(std::string_view message) {
  Boxes.Show(this, {QMessageBox::Critical, {}, DisplayText(message)});
}

void TMainForm::FormMouseWheelDown() { Grid_->ScrollVertically(kWheelStep); }

void TMainForm::FormMouseWheelUp() { Grid_->ScrollVertically(-kWheelStep); }

void TMainForm::TurnWheel(QWheelEvent& event) {
  WheelRemainder += event.angleDelta().y();
  for (; WheelRemainder >= kWheelNotch; WheelRemainder -= kWheelNotch) FormMouseWheelUp();
  for (; WheelRemainder <= -kWheelNotch; WheelRemainder += kWheelNotch) FormMouseWheelDown();
  event.accept();
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Panel1 && event->type() == QEvent::Resize) FitTopPanel();
  if ((watched == Edit1 || watched == Memo1->viewport()) && FilterDrop(*event)) return true;
  // Over the grid the wheel moves the cell area in the window's steps, not the scroll box's.
  if (event->type() == QEvent::Wheel) {
    auto& wheel = static_cast<QWheelEvent&>(*event);
    if (wheel.angleDelta().y() != 0) {
      TurnWheel(wheel);
      return true;
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

void TMainForm::wheelEvent(QWheelEvent* event) {
  if (event->angleDelta().y() != 0)
    TurnWheel(*event);
  else
    QMainWindow::wheelEvent(event);
}

}  // namespace zendrik
