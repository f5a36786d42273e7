#include "app/grid_view.h"

#include "app/grid_accessibility.h"
#include "app/grid_painter.h"
#include "app/paint_box.h"

#include "app/clipboard_export.h"

#include <QAction>
#include <QBoxLayout>
#include <QClipboard>
#include <QFrame>
#include <QGuiApplication>
#include <QMimeData>
#include <QScrollArea>
#include <QScrollBar>

namespace zendrik {
namespace {

QScrollArea* MakeScrollBox(const QString& name, QWidget* parent) {
  auto* box = new QScrollArea(parent);
  box->setObjectName(name);
  box->setFrameShape(QFrame::NoFrame);
  box->setFocusPolicy(Qt::NoFocus);  // the cells take the focus, not their frames
  return box;
}

// A header's scroll box never scrolls: its surface just fills it.
QScrollArea* MakeHeaderBox(const QString& name, TPaintBox*& surface, QWidget* parent) {
  QScrollArea* box = MakeScrollBox(name, parent);
  box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  box->setWidgetResizable(true);
  surface = new TPaintBox(name == "ScrollBox2" ? "PaintBox2" : "PaintBox3", box);
  box->setWidget(surface);
  return box;
}

QBoxLayout* Unspaced(QBoxLayout* layout) {
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  return layout;
}

}  // namespace

TGridView::TGridView(const TCellTable& table, const QFont& font, QWidget* parent)
    : QFrame(parent), Table(table), Layout_(font) {
  // Before the cell surface exists: its accessible interface is made once, by the factory.
  InstallGridAccessibility();
  setObjectName("Panel2");
  QBoxLayout* column = Unspaced(new QVBoxLayout(this));
  BuildHeaderStrip(*column);
  BuildBody(*column);
  ConnectPainting();
  BuildActions();
  FitHeaders();
  Cells->resize(Layout_.SurfaceSize());
  setAccessibleName("Table grid");
  Cells->setAccessibleName("Table");
  ColumnHeader->setAccessibleName("Column names");
  RowHeader->setAccessibleName("Row numbers");
}

void TGridView::FitHeaders() {
  const int height = Layout_.HeaderHeight();
  if (HeaderStrip->minimumHeight() != height) HeaderStrip->setFixedHeight(height);
  const int width = Layout_.RowHeaderWidth(Table.RowCount());
  if (RowHeaderBox->minimumWidth() != width) {
    RowHeaderBox->setFixedWidth(width);
    Corner->setFixedWidth(width);
  }
}

TGridView::~TGridView() {
  // The surfaces are deleted after the view's members, by the widget part of the view: stop
  // them from painting with the members or sending their events to the view meanwhile.
  for (TPaintBox* surface : {Cells, ColumnHeader, RowHeader}) {
    surface->OnPaint = nullptr;
    surface->removeEventFilter(this);
  }
  Corner->removeEventFilter(this);
}

void TGridView::BuildHeaderStrip(QBoxLayout& column) {
  auto* strip = new QFrame(column.parentWidget());
  strip->setObjectName("Panel3");
  HeaderStrip = strip;
  auto* corner = new QFrame(strip);
  corner->setObjectName("Panel4");
  corner->setFrameStyle(QFrame::Panel | QFrame::Raised);
  Corner = corner;
  auto* line = Unspaced(new QHBoxLayout(strip));
  line->addWidget(corner);
  line->addWidget(MakeHeaderBox("ScrollBox2", ColumnHeader, strip));
  column.addWidget(strip);
}

void TGridView::BuildBody(QBoxLayout& column) {
  QWidget* panel = column.parentWidget();
  QBoxLayout* body = Unspaced(new QHBoxLayout);
  RowHeaderBox = MakeHeaderBox("ScrollBox3", RowHeader, panel);
  body->addWidget(RowHeaderBox);

  CellScroller = MakeScrollBox("ScrollBox1", panel);
  // Outside the cell surface the scroll box shows the workspace colour.
  QPalette workspace = CellScroller->viewport()->palette();
  workspace.setColor(QPalette::Window, workspace.color(QPalette::Dark));
  CellScroller->viewport()->setPalette(workspace);
  CellScroller->viewport()->setAutoFillBackground(true);
  Cells = new TPaintBox("PaintBox1", CellScroller);
  CellScroller->setWidget(Cells);
  body->addWidget(CellScroller);
  column.addLayout(body);
}

void TGridView::ConnectPainting() {
  Cells->OnPaint = [this](QPainter& painter, const QRect& exposed) {
    PaintCellArea(painter, exposed, Cells->size(), Table, Layout_, Selection_.Range());
  };
  ColumnHeader->OnPaint = [this](QPainter& painter, const QRect& exposed) {
    PaintColumnHeader(painter, exposed, ColumnHeader->size(),
                      CellScroller->horizontalScrollBar()->value(), Layout_);
  };
  RowHeader->OnPaint = [this](QPainter& painter, const QRect& exposed) {
    PaintRowHeader(painter, exposed, RowHeader->size(), CellScroller->verticalScrollBar()->value(),
                   Table.RowCount(), Layout_);
  };
  // The headers follow the cell area's scroll position; `this` as context disconnects these
  // before the view's members go.
  connect(CellScroller->horizontalScrollBar(), &QScrollBar::valueChanged, this,
          [this] { ColumnHeader->update(); });
  connect(CellScroller->verticalScrollBar(), &QScrollBar::valueChanged, this,
          [this] { RowHeader->update(); });
}

void TGridView::BuildActions() {
  // The cells take the focus from a click or the Tab key, so that their keys reach them.
  Cells->setFocusPolicy(Qt::StrongFocus);
  Copy = new QAction("Copy", Cells);
  Copy->setObjectName("CopyCells1");
  Copy->setShortcut(QKeySequence::Copy);
  Copy->setShortcutContext(Qt::WidgetShortcut);
  SelectEverything = new QAction("Select all", Cells);
  SelectEverything->setObjectName("SelectAllCells1");
  SelectEverything->setShortcut(QKeySequence::SelectAll);
  SelectEverything->setShortcutContext(Qt::WidgetShortcut);
  Cells->addActions({Copy, SelectEverything});
  Cells->setContextMenuPolicy(Qt::ActionsContextMenu);
  for (QWidget* surface : {static_cast<QWidget*>(Cells), static_cast<QWidget*>(ColumnHeader),
                           static_cast<QWidget*>(RowHeader), Corner})
    surface->installEventFilter(this);
}

void TGridView::Refresh() {
  // The table was replaced or emptied: what was selected is gone.
  Selection_.Clear();
  Layout_.Rebuild(Table);
  NotifyGridChanged(*Cells);
  Repaint();
}

void TGridView::RefreshAfterWrite(int row, int column, const TCellWriteShape& before) {
  Layout_.AfterWrite(Table, row, column, before);
  NotifyGridChanged(*Cells);
  Repaint();
}

void TGridView::SetDeferredRepaint(bool deferred) {
  Deferred = deferred;
  if (!Deferred && RepaintQueued) RepaintNow();
}

void TGridView::Repaint() {
  if (!Deferred) {
    RepaintNow();
    return;
  }
  if (RepaintQueued) return;
  RepaintQueued = true;
  QMetaObject::invokeMethod(
      this,
      [this] {
        if (RepaintQueued) RepaintNow();
      },
      Qt::QueuedConnection);
}

void TGridView::RepaintNow() {
  RepaintQueued = false;
  FitHeaders();
  Cells->resize(Layout_.SurfaceSize());
  Cells->repaint();
  ColumnHeader->repaint();
  RowHeader->repaint();
}

void TGridView::SelectAll() {
  Selection_.SelectAll();
  SelectionChanged();
}

void TGridView::SelectionChanged() { Cells->update(); }

void TGridView::CopySelection() {
  QGuiApplication::clipboard()->setMimeData(SelectionMimeData(Table, Selection_.Range()).release());
}

void TGridView::ScrollVertically(int pixels) {
  QScrollBar* bar = CellScroller->verticalScrollBar();
  bar->setValue(bar->value() + pixels);
}

}  // namespace zendrik
