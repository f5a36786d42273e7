// The grid's mouse input: selecting cells on the cell area and the headers, and the
// double-click on a cell.

#include "app/grid_view.h"

#include "app/paint_box.h"

#include <QMouseEvent>
#include <QScrollArea>
#include <QScrollBar>

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
