// Builds the main window's components with their form names, sizes and texts.

#include "app/main_form.h"

#include "app/captioned_widgets.h"
#include "app/examples_menu.h"
#include "app/output_pane.h"
#include "app/paint_box.h"
#include "app/recent_scripts_menu.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QStatusBar>
#include <QVBoxLayout>

#include <algorithm>

namespace zendrik {
namespace {

constexpr int kTopPanelHeight = 73;
constexpr int kGridPanelHeight = 264;
constexpr int kSplitterWidth = 3;
constexpr int kButtonStripHeight = 41;
constexpr int kStatusBarHeight = 19;
// The address field keeps this margin on its right however wide the window is, and never gets
// narrower than the least width.
constexpr int kFieldRightMargin = TMainForm::kWidth - 40 - 657;
constexpr int kLeastFieldWidth = 120;

template <typename Widget>
Widget* Named(Widget* widget, const char* name) {
  widget->setObjectName(name);
  return widget;
}

QFrame* Panel(const char* name, QWidget* parent) { return Named(new QFrame(parent), name); }

QAction* Item(QMenu* menu, const char* name, const QString& text) {
  return Named(menu->addAction(text), name);
}

// The platform's keys for a standard command, and the usual one where it lacks it (Save As and
// Quit have none on some desktops).
QList<QKeySequence> StandardKeys(QKeySequence::StandardKey command, QKeyCombination usual) {
  QList<QKeySequence> keys = QKeySequence::keyBindings(command);
  if (!keys.contains(QKeySequence(usual))) keys.prepend(QKeySequence(usual));
  return keys;
}

}  // namespace

QWidget* TMainForm::BuildTopPanel() {
  QFrame* panel = Panel("Panel1", nullptr);
  Panel1 = panel;
  panel->setAccessibleName("Address");
  panel->setFixedHeight(kTopPanelHeight);
  auto* label1 = Named(new TLabel("&URL:", panel), "Label1");
  label1->move(8, 8);
  Edit1 = Named(new QLineEdit(panel), "Edit1");
  Edit1->setGeometry(40, 4, 657, Edit1->sizeHint().height());
  // The label names the field for assistive technology, and Alt+U goes to it.
  label1->setBuddy(Edit1);
  Edit1->setPlaceholderText("Web address or local HTML file: https://example.com/, ~/page.html");
  ExtractDataBtn = Named(new TButton("&Extract data from website...", panel), "ExtractDataBtn");
  ExtractDataBtn->setGeometry(8, 32, 201, 33);
  // The window's default button: Enter in the address field presses it (not while disabled).
  ExtractDataBtn->setDefault(true);
  connect(Edit1, &QLineEdit::returnPressed, ExtractDataBtn, &QPushButton::click);
  Commands->Connect(ExtractDataBtn, TWindowCommands::TKind::Exclusive,
                    [this] { ExtractDataBtnClick(); });
  Label2 = Named(new TLabel(panel), "Label2");
  Label2->setTextFormat(Qt::PlainText);
  Label2->setGeometry(224, 56, kWidth - 224 - 8, kTopPanelHeight - 56);
  return panel;
}

void TMainForm::FitTopPanel() {
  // At the design width of 780 pixels the field is 657 wide; it keeps its right margin.
  const int width = Panel1->width();
  Edit1->resize(std::max(kLeastFieldWidth, width - 40 - kFieldRightMargin), Edit1->height());
  Label2->resize(std::max(0, width - 224 - 8), Label2->height());
}

QWidget* TMainForm::BuildLowerPanel() {
  QFrame* panel = Panel("Panel5Unten", nullptr);
  panel->setAccessibleName("Script");
  QFrame* strip = Panel("Panel6", panel);
  strip->setAccessibleName("Script commands");
  strip->setFixedHeight(kButtonStripHeight);
  RunScript = Named(new TButton("&Run Pascal script...", strip), "RunScript");
  RunScript->setGeometry(8, 4, 161, 33);
  Commands->Connect(RunScript, TWindowCommands::TKind::Exclusive, [this] { RunFromWindow(); });
  // Enabled only while work runs.
  StopBtn = Named(new TButton("&Stop", strip), "StopBtn");
  StopBtn->setGeometry(177, 4, 75, 33);
  StopBtn->setEnabled(false);
  Commands->Connect(StopBtn, TWindowCommands::TKind::Any, [this] { Stop1Click(); });

  Memo1 = Named(new TScriptEditor(panel), "Memo1");
  QPalette white = Memo1->palette();
  white.setColor(QPalette::Base, Qt::white);
  Memo1->setPalette(white);
  Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
  Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Memo1->setAccessibleName("Script editor");
  Memo1->setPlaceholderText(
      "Type a Pascal script here, or open one (File, Open script... or Examples). F9 runs it.");

  // Below the editor, the output pane appears once a script writes something.
  Splitter2 = Named(new QSplitter(Qt::Vertical, panel), "Splitter2");
  Splitter2->setHandleWidth(kSplitterWidth);
  Splitter2->setChildrenCollapsible(false);
  Splitter2->addWidget(Memo1);
  Output = new TOutputPane(Splitter2);
  Splitter2->addWidget(Output);
  Splitter2->setStretchFactor(0, 2);
  Splitter2->setStretchFactor(1, 1);

  auto* column = new QVBoxLayout(panel);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  column->addWidget(strip);
  column->addWidget(Splitter2);
  return panel;
}

void TMainForm::BuildMenus() {
  using enum TWindowCommands::TKind;
  const auto command = [this](QMenu* menu, const char* name, const QString& text,
                              TWindowCommands::TKind kind, std::function<void()> run) {
    QAction* item = Item(menu, name, text);
    Commands->Connect(item, kind, std::move(run));
    return item;
  };
  QMenuBar* bar = Named(menuBar(), "MainMenu1");
  QMenu* file = Named(bar->addMenu("&File"), "File1");
  command(file, "NewTable1", "New &table", Exclusive, [this] { NewTable1Click(); });
  command(file, "SaveTable1", "Save ta&ble...", Exclusive, [this] { SaveTable1Click(); });
  Named(file->addSeparator(), "N1");
  command(file, "Neu1", "&New script", Exclusive, [this] {
    Neu1Click();
  })->setShortcuts(StandardKeys(QKeySequence::New, Qt::CTRL | Qt::Key_N));
  command(file, "ffnen1", "&Open script...", Exclusive, [this] {
    ffnen1Click();
  })->setShortcuts(StandardKeys(QKeySequence::Open, Qt::CTRL | Qt::Key_O));
  BuildExamplesMenu(*file);
  command(file, "Speichern1", "&Save script", Exclusive, [this] {
    Speichern1Click();
  })->setShortcuts(StandardKeys(QKeySequence::Save, Qt::CTRL | Qt::Key_S));
  command(file, "Speichernunter1", "Save script &as...", Exclusive, [this] {
    Speichernunter1Click();
  })->setShortcuts(StandardKeys(QKeySequence::SaveAs, Qt::CTRL | Qt::SHIFT | Qt::Key_S));
  RecentMenu = new TRecentScriptsMenu(*file, Recent);
  for (QAction* item : RecentMenu->Items())
    Commands->Connect(item, Exclusive, [this, item] { OpenScriptAsked(RecentMenu->FileOf(item)); });
  Named(file->addSeparator(), "N2");
  command(file, "Exit1", "E&xit", Any, [this] {
    Exit1Click();
  })->setShortcuts(StandardKeys(QKeySequence::Quit, Qt::CTRL | Qt::Key_Q));

  QMenu* operations = Named(bar->addMenu("&Operations"), "Operations1");
  command(operations, "Extractdata1", "&Extract data from website...", Exclusive,
          [this] { ExtractDataBtnClick(); });
  command(operations, "Runscript1", "&Run script...", Exclusive, [this] {
    RunFromWindow();
  })->setShortcuts({Qt::Key_F9, QKeySequence(Qt::CTRL | Qt::Key_R)});
  Stop1 = command(operations, "Stop1", "&Stop", Any, [this] { Stop1Click(); });
  Stop1->setShortcut(Qt::Key_Escape);
  Stop1->setEnabled(false);

  QMenu* help = Named(bar->addMenu("&Help"), "Help1");
  command(help, "Helpfile1", "&Help file", Any, [this] {
    Helpfile1Click();
  })->setShortcuts(StandardKeys(QKeySequence::HelpContents, Qt::Key_F1));
  command(help, "About1", "&About", Any, [this] { About1Click(); });

  // Ctrl+L goes to the address field, as in a web browser.
  auto* toAddress = Named(new QAction("Go to the address field", this), "FocusAddress1");
  toAddress->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
  connect(toAddress, &QAction::triggered, this, [this] {
    Edit1->setFocus(Qt::ShortcutFocusReason);
    Edit1->selectAll();
  });
  addAction(toAddress);

  // The grid's own commands take the same path.
  Commands->Connect(&Grid_->CopyAction(), Any, [this] { Grid_->CopySelection(); });
  Commands->Connect(&Grid_->SelectAllAction(), Any, [this] { Grid_->SelectAll(); });
}

void TMainForm::BuildExamplesMenu(QMenu& file) {
  QMenu* examples = file.addMenu("Exa&mples");
  Named(examples, "ExamplesMenu");
  Named(examples->menuAction(), "Examples1");
  FillExamplesMenu(*examples, ExamplesDirectory(QCoreApplication::applicationDirPath()));
  for (QAction* item : examples->actions())
    Commands->Connect(item, TWindowCommands::TKind::Exclusive,
                      [this, item] { OpenExample(ExampleOf(*item)); });
}

void TMainForm::BuildKeys() {
  Edit1->setToolTip("The page to extract: a web address or a local HTML file (Ctrl+L)");
  ExtractDataBtn->setToolTip("Extract the table from the page in the URL field (Enter)");
  RunScript->setToolTip("Run the script in the editor (F9, Ctrl+R)");
  StopBtn->setToolTip("Stop the running script or download (Esc)");
  // Tab goes from the address field to the button, the table's cells and the editor.
  QWidget::setTabOrder(Edit1, ExtractDataBtn);
  QWidget::setTabOrder(ExtractDataBtn, &Grid_->PaintBox1());
  QWidget::setTabOrder(&Grid_->PaintBox1(), Memo1);
  QWidget::setTabOrder(Memo1, RunScript);
  QWidget::setTabOrder(RunScript, StopBtn);
  QWidget::setTabOrder(StopBtn, Output);
}

QFileDialog& TMainForm::SaveDialog() {
  if (SaveDialog1) return *SaveDialog1;
  SaveDialog1 = Named(new QFileDialog(this), "SaveDialog1");
  SaveDialog1->setAcceptMode(QFileDialog::AcceptSave);
  SaveDialog1->setFileMode(QFileDialog::AnyFile);
  SaveDialog1->setNameFilter("CSV files (*.csv)");
  SaveDialog1->setDefaultSuffix("csv");
  SaveDialog1->setSizeGripEnabled(true);
  return *SaveDialog1;
}

void TMainForm::BuildComponents(const QFont& gridFont) {
  auto* centre = new QWidget(this);
  auto* column = new QVBoxLayout(centre);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  column->addWidget(BuildTopPanel());

  Splitter1 = Named(new QSplitter(Qt::Vertical, centre), "Splitter1");
  Splitter1->setHandleWidth(kSplitterWidth);
  Splitter1->setChildrenCollapsible(false);
  Grid_ = new TGridView(Table, gridFont, Splitter1);
  Splitter1->addWidget(Grid_);
  Splitter1->addWidget(BuildLowerPanel());
  // Extra height goes to the script editor; the grid keeps its height.
  Splitter1->setStretchFactor(0, 0);
  Splitter1->setStretchFactor(1, 1);
  column->addWidget(Splitter1);
  setCentralWidget(centre);

  QStatusBar* status = Named(statusBar(), "StatusBar1");
  status->setFixedHeight(std::max(kStatusBarHeight, status->fontMetrics().height() + 4));
  // Its message is its accessible name, so that assistive technology reads and announces it.
  status->setAccessibleName("Status");
  connect(status, &QStatusBar::messageChanged, this, [status](const QString& message) {
    status->setAccessibleName(message.isEmpty() ? QStringLiteral("Status") : message);
    QAccessibleEvent changed(status, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
  });
  BuildMenus();
  BuildKeys();
}

void TMainForm::PlaceSplitter() {
  const int available = Splitter1->height() - Splitter1->handleWidth();
  Splitter1->setSizes({kGridPanelHeight, std::max(0, available - kGridPanelHeight)});
}

}  // namespace zendrik
