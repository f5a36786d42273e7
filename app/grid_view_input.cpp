// The grid's input: selecting cells with the mouse on the cell area and the headers, and with
// the keys on the cell area; the double-click on a cell.

#include "app/grid_view.h"

#include "app/grid_accessibility.h"
#include "app/paint_box.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollArea>
#include <QScrollBar>

#include <algorithm>

namespace zendrik {
namespace {

// How close to the edge of the visible area a dragged selection scrolls it on.
constexpr int kDragScrollMargin = 10;

bool Extends(const QMouseEvent& event) { return event.modifiers().testFlag(Qt::ShiftModifier); }

bool IsMouse(QEvent::Type type) {
  return type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick ||
         type == QEvent::MouseMove || type == QEvent::MouseButtonRelease;
}

}  // namespace

bool TGridView::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Cells && event->type() == QEvent::KeyPress)
    return CellKey(static_cast<QKeyEvent&>(*event));
  if (!IsMouse(event->type())) return QObject::eventFilter(watched, event);
  auto& mouse = static_cast<QMouseEvent&>(*event);
  if (mouse.type() == QEvent::MouseButtonRelease) Dragging = false;
  if (watched == Cells) return CellMouse(mouse);
  if (watched == RowHeader) return RowHeaderMouse(mouse);
  if (watched == ColumnHeader) return ColumnHeaderMouse(mouse);
  if (watched == Corner && mouse.type() == QEvent::MouseButtonPress &&
      mouse.button() == Qt::LeftButton) {
    SelectAll();
    Cells->setFocus(Qt::MouseFocusReason);
    return true;
  }
  return false;
}

int TGridView::RowAt(int y) const { return Layout_.RowAt(y, Table.RowCount()); }

int TGridView::ColumnAt(int x) const { return Layout_.ColumnAt(x); }

bool TGridView::CellMouse(QMouseEvent& event) {
  const QPoint at = event.position().toPoint();
  const int row = RowAt(at.y());
  const int column = ColumnAt(at.x());
  if (row < 0 || column < 0) return false;
  switch (event.type()) {
    case QEvent::MouseButtonPress:
      if (event.button() == Qt::LeftButton) {
        Selection_.Click(row, column, Extends(event));
        Dragging = true;
      } else if (!Selection_.Range().Contains(row, column)) {
        Selection_.Click(row, column, false);  // the context menu acts on the cell clicked
      }
      SelectionChanged();
      return false;  // the context menu still follows a right click
    case QEvent::MouseMove:
      if (!Dragging) return false;
      Selection_.DragTo(row, column);
      CellScroller->ensureVisible(at.x(), at.y(), kDragScrollMargin, kDragScrollMargin);
      SelectionChanged();
      return true;
    case QEvent::MouseButtonDblClick:
      if (event.button() != Qt::LeftButton) return false;
      emit CellDoubleClicked(row, column);
      return true;
    default: return false;
  }
}

bool TGridView::CellKey(QKeyEvent& event) {
  const int rows = static_cast<int>(Table.RowCount());
  const int columns = Layout_.ColumnCount();
  if (rows == 0 || columns == 0) return false;
  const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
  const bool extend = modifiers.testFlag(Qt::ShiftModifier);
  const bool far = modifiers.testFlag(Qt::ControlModifier);
  if ((modifiers & ~(Qt::ShiftModifier | Qt::ControlModifier)) != Qt::NoModifier) return false;
  const bool none = Selection_.Range().Empty();
  int row = none ? 0 : Selection_.CurrentRow();
  int column = none ? 0 : Selection_.CurrentColumn();
  const int page = std::max(1, CellScroller->viewport()->height() / Layout_.RowPitch() - 1);
  switch (event.key()) {
    case Qt::Key_Up: row = far ? 0 : row - 1; break;
    case Qt::Key_Down: row = far ? rows - 1 : row + 1; break;
    case Qt::Key_Left: column = far ? 0 : column - 1; break;
    case Qt::Key_Right: column = far ? columns - 1 : column + 1; break;
    case Qt::Key_Home:
      column = 0;
      if (far) row = 0;
      break;
    case Qt::Key_End:
      column = columns - 1;
      if (far) row = rows - 1;
      break;
    case Qt::Key_PageUp: row -= page; break;
    case Qt::Key_PageDown: row += page; break;
    default: return false;
  }
  // The first key on a grid without a selection selects its first cell.
  if (none) row = column = 0;
  MoveTo(std::clamp(row, 0, rows - 1), std::clamp(column, 0, columns - 1), extend && !none);
  return true;
}

void TGridView::MoveTo(int row, int column, bool extend) {
  Selection_.Click(row, column, extend);
  SelectionChanged();
  const int pitch = Layout_.RowPitch();
  const int width = Layout_.ColumnWidth(column);
  CellScroller->ensureVisible(Layout_.ColumnLeft(column) + width / 2, row * pitch + pitch / 2,
                              width / 2 + 1, pitch / 2 + 1);
  NotifyCurrentCell(*Cells, row, column);
}

bool TGridView::RowHeaderMouse(QMouseEvent& event) {
  const int row =
      RowAt(event.position().toPoint().y() + CellScroller->verticalScrollBar()->value());
  if (row < 0 || !(event.buttons() & Qt::LeftButton)) return false;
  if (event.type() == QEvent::MouseButtonPress) {
    Selection_.ClickRow(row, Extends(event));
    Dragging = true;
  } else if (event.type() == QEvent::MouseMove && Dragging) {
    Selection_.DragTo(row, 0);
  } else {
    return false;
  }
  SelectionChanged();
  Cells->setFocus(Qt::MouseFocusReason);
  return true;
}

bool TGridView::ColumnHeaderMouse(QMouseEvent& event) {
  const int column =
      ColumnAt(event.position().toPoint().x() + CellScroller->horizontalScrollBar()->value());
  if (column < 0 || !(event.buttons() & Qt::LeftButton)) return false;
  if (event.type() == QEvent::MouseButtonPress) {
    Selection_.ClickColumn(column, Extends(event));
    Dragging = true;
  } else if (event.type() == QEvent::MouseMove && Dragging) {
    Selection_.DragTo(0, column);
  } else {
    return false;
  }
  SelectionChanged();
  Cells->setFocus(Qt::MouseFocusReason);
  return true;
}

}  // namespace zendrik
