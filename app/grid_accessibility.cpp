#include "app/grid_accessibility.h"

#include "app/cell_text.h"
#include "app/column_names.h"
#include "app/grid_view.h"
#include "app/paint_box.h"

#include <QAccessibleTableInterface>
#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>
#include <QScrollArea>
#include <QScrollBar>

#include <algorithm>

namespace zendrik {
namespace {

// Child positions: the header row and the header column come first, at row or column -1.
struct TPlace {
  int Row;
  int Column;
  friend bool operator==(const TPlace&, const TPlace&) = default;
};

size_t qHash(const TPlace& place, size_t seed = 0) {
  return qHashMulti(seed, place.Row, place.Column);
}

TGridView* GridOf(QObject* surface) {
  for (QObject* up = surface; up; up = up->parent())
    if (auto* grid = qobject_cast<TGridView*>(up)) return grid;
  return nullptr;
}

int RowCountOf(const TGridView& grid) { return static_cast<int>(grid.ShownTable().RowCount()); }
int ColumnCountOf(const TGridView& grid) { return grid.Layout().ColumnCount(); }

class TAccessibleCells;

// A cell of the table, a column header cell (row -1), a row header cell (column -1) or the
// corner (both -1). Reads the table each time, so that it never shows stale text.
class TAccessibleCell final : public QAccessibleInterface, public QAccessibleTableCellInterface {
 public:
  TAccessibleCell(TGridView& grid, TPlace place) : Grid(&grid), Place(place) {}

  TPlace Where() const { return Place; }

  bool isValid() const override {
    return Grid && Place.Row < RowCountOf(*Grid) && Place.Column < ColumnCountOf(*Grid);
  }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return Grid ? Grid->window()->windowHandle() : nullptr; }
  QAccessibleInterface* parent() const override {
    return Grid ? QAccessible::queryAccessibleInterface(&Grid->PaintBox1()) : nullptr;
  }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }

  QString text(QAccessible::Text t) const override {
    if (!isValid() || t != QAccessible::Name) return {};
    if (Place.Row < 0 && Place.Column < 0) return {};
    if (Place.Row < 0) return QString::fromStdString(ColumnName(Place.Column + 1));
    if (Place.Column < 0) return QString::number(Place.Row + 1);
    const TCellStore& row = Grid->ShownTable().Row(static_cast<unsigned>(Place.Row));
    if (static_cast<unsigned>(Place.Column) >= row.Count) return {};
    return DisplayText(TCellTable::CellText(row, Place.Column));
  }
  void setText(QAccessible::Text, const QString&) override {}

  QRect rect() const override {
    if (!isValid()) return {};
    const TGridLayout& layout = Grid->Layout();
    const int pitch = layout.RowPitch();
    const int left = Place.Column < 0 ? 0 : layout.ColumnLeft(Place.Column);
    const int width = Place.Column < 0 ? 0 : layout.ColumnWidth(Place.Column);
    const int top = Place.Row < 0 ? 0 : Place.Row * pitch;
    if (Place.Row >= 0 && Place.Column >= 0)
      return QRect(Grid->PaintBox1().mapToGlobal(QPoint(left, top)), QSize(width, pitch));
    QScrollBar& across = *Grid->ScrollBox1().horizontalScrollBar();
    QScrollBar& down = *Grid->ScrollBox1().verticalScrollBar();
    if (Place.Row < 0 && Place.Column >= 0)
      return QRect(Grid->PaintBox2().mapToGlobal(QPoint(left - across.value(), 0)),
                   QSize(width, Grid->PaintBox2().height()));
    if (Place.Column < 0 && Place.Row >= 0)
      return QRect(Grid->PaintBox3().mapToGlobal(QPoint(0, top - down.value())),
                   QSize(Grid->PaintBox3().width(), pitch));
    return {};
  }

  QAccessible::Role role() const override {
    if (Place.Row < 0) return QAccessible::ColumnHeader;
    if (Place.Column < 0) return QAccessible::RowHeader;
    return QAccessible::Cell;
  }

  QAccessible::State state() const override {
    QAccessible::State state;
    if (!isValid() || role() != QAccessible::Cell) return state;
    state.selectable = true;
    state.focusable = true;
    state.selected = isSelected();
    const TCellSelection& selection = Grid->Selection();
    state.focused = Grid->PaintBox1().hasFocus() && !selection.Range().Empty() &&
                    selection.CurrentRow() == Place.Row &&
                    selection.CurrentColumn() == Place.Column;
    return state;
  }

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TableCellInterface && role() == QAccessible::Cell)
      return static_cast<QAccessibleTableCellInterface*>(this);
    return nullptr;
  }

  // The table cell interface.
  bool isSelected() const override {
    return isValid() && Grid->Selection().Range().Contains(Place.Row, Place.Column);
  }
  QList<QAccessibleInterface*> columnHeaderCells() const override;
  QList<QAccessibleInterface*> rowHeaderCells() const override;
  int columnIndex() const override { return Place.Column; }
  int rowIndex() const override { return Place.Row; }
  int columnExtent() const override { return 1; }
  int rowExtent() const override { return 1; }
  QAccessibleInterface* table() const override { return parent(); }

 private:
  QPointer<TGridView> Grid;
  TPlace Place;
};

// The cell surface as a table. Its children are the header row (the corner first, then the
// column names), then each row: its number, then its cells.
class TAccessibleCells final : public QAccessibleWidget, public QAccessibleTableInterface {
 public:
  TAccessibleCells(QWidget* surface, TGridView& grid)
      : QAccessibleWidget(surface, QAccessible::Table), Grid(&grid) {}
  ~TAccessibleCells() override { Forget(); }

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }

  int childCount() const override { return Grid ? (rowCount() + 1) * (columnCount() + 1) : 0; }
  QAccessibleInterface* child(int index) const override {
    if (index < 0 || index >= childCount()) return nullptr;
    const int across = columnCount() + 1;
    return At({index / across - 1, index % across - 1});
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    const auto* cell = dynamic_cast<const TAccessibleCell*>(child);
    if (!cell || !cell->isValid() || cell->parent() != this) return -1;
    return (cell->Where().Row + 1) * (columnCount() + 1) + cell->Where().Column + 1;
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    if (!Grid) return nullptr;
    const QPoint at = Grid->PaintBox1().mapFromGlobal(QPoint(x, y));
    if (!Grid->PaintBox1().rect().contains(at)) return nullptr;
    const int row = Grid->Layout().RowAt(at.y(), Grid->ShownTable().RowCount());
    const int column = Grid->Layout().ColumnAt(at.x());
    return row < 0 || column < 0 ? nullptr : At({row, column});
  }
  QAccessibleInterface* focusChild() const override {
    if (!Grid || !Grid->PaintBox1().hasFocus() || Grid->Selection().Range().Empty()) return nullptr;
    return cellAt(Grid->Selection().CurrentRow(), Grid->Selection().CurrentColumn());
  }

  // The table interface.
  QAccessibleInterface* caption() const override { return nullptr; }
  QAccessibleInterface* summary() const override { return nullptr; }
  QAccessibleInterface* cellAt(int row, int column) const override {
    if (row < 0 || column < 0 || row >= rowCount() || column >= columnCount()) return nullptr;
    return At({row, column});
  }
  int rowCount() const override { return Grid ? RowCountOf(*Grid) : 0; }
  int columnCount() const override { return Grid ? ColumnCountOf(*Grid) : 0; }
  QString columnDescription(int column) const override {
    return QString::fromStdString(ColumnName(column + 1));
  }
  QString rowDescription(int row) const override { return QString::number(row + 1); }

  int selectedCellCount() const override { return static_cast<int>(SelectedRectangle().size()); }
  QList<QAccessibleInterface*> selectedCells() const override { return SelectedRectangle(); }
  int selectedColumnCount() const override { return static_cast<int>(selectedColumns().size()); }
  int selectedRowCount() const override { return static_cast<int>(selectedRows().size()); }
  QList<int> selectedColumns() const override { return Whole(true); }
  QList<int> selectedRows() const override { return Whole(false); }
  bool isColumnSelected(int column) const override { return selectedColumns().contains(column); }
  bool isRowSelected(int row) const override { return selectedRows().contains(row); }
  // The selection is the user's: assistive technology reads it and does not change it.
  bool selectRow(int) override { return false; }
  bool selectColumn(int) override { return false; }
  bool unselectRow(int) override { return false; }
  bool unselectColumn(int) override { return false; }

  void modelChange(QAccessibleTableModelChangeEvent*) override { Forget(); }

  /// The header cell of `column` (row -1) or of `row` (column -1).
  QAccessibleInterface* At(TPlace place) const {
    if (!Grid) return nullptr;
    auto found = Cells.constFind(place);
    if (found != Cells.cend()) return QAccessible::accessibleInterface(found.value());
    auto* cell = new TAccessibleCell(*Grid, place);
    Cells.insert(place, QAccessible::registerAccessibleInterface(cell));
    return cell;
  }

 private:
  // The selected cells within the table.
  QList<QAccessibleInterface*> SelectedRectangle() const {
    QList<QAccessibleInterface*> cells;
    if (!Grid) return cells;
    const TCellRange range = Grid->Selection().Range();
    const int bottom = std::min(range.Bottom, rowCount() - 1);
    const int right = std::min(range.Right, columnCount() - 1);
    for (int row = range.Top; row <= bottom; ++row)
      for (int column = range.Left; column <= right; ++column) cells.push_back(At({row, column}));
    return cells;
  }

  // The columns (or rows) selected from the first row (or column) to the last.
  QList<int> Whole(bool columns) const {
    QList<int> whole;
    if (!Grid || rowCount() == 0 || columnCount() == 0) return whole;
    const TCellRange range = Grid->Selection().Range();
    if (range.Empty()) return whole;
    const bool all = columns ? range.Top == 0 && range.Bottom >= rowCount() - 1
                             : range.Left == 0 && range.Right >= columnCount() - 1;
    if (!all) return whole;
    const int first = columns ? range.Left : range.Top;
    const int last =
        std::min(columns ? range.Right : range.Bottom, (columns ? columnCount() : rowCount()) - 1);
    for (int k = first; k <= last; ++k) whole.push_back(k);
    return whole;
  }

  void Forget() {
    for (const QAccessible::Id id : std::as_const(Cells))
      QAccessible::deleteAccessibleInterface(id);
    Cells.clear();
  }

  QPointer<TGridView> Grid;
  mutable QHash<TPlace, QAccessible::Id> Cells;
};

QList<QAccessibleInterface*> TAccessibleCell::columnHeaderCells() const {
  auto* cells = dynamic_cast<TAccessibleCells*>(parent());
  if (!cells) return {};
  return {cells->At({-1, Place.Column})};
}

QList<QAccessibleInterface*> TAccessibleCell::rowHeaderCells() const {
  auto* cells = dynamic_cast<TAccessibleCells*>(parent());
  if (!cells) return {};
  return {cells->At({Place.Row, -1})};
}

QAccessibleInterface* CellSurfaceFactory(const QString& className, QObject* object) {
  if (className != QLatin1String("zendrik::TPaintBox") || object->objectName() != "PaintBox1")
    return nullptr;
  TGridView* grid = GridOf(object);
  return grid ? new TAccessibleCells(static_cast<QWidget*>(object), *grid) : nullptr;
}

}  // namespace

void InstallGridAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(CellSurfaceFactory);
    return true;
  }();
  (void)installed;
}

void NotifyGridChanged(QWidget& cells) {
  if (!QAccessible::isActive()) return;
  QAccessibleTableModelChangeEvent event(&cells, QAccessibleTableModelChangeEvent::ModelReset);
  QAccessible::updateAccessibility(&event);
}

void NotifyCurrentCell(QWidget& cells, int row, int column) {
  if (!QAccessible::isActive()) return;
  QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&cells);
  QAccessibleTableInterface* rows = table ? table->tableInterface() : nullptr;
  QAccessibleInterface* cell = rows ? rows->cellAt(row, column) : nullptr;
  if (!cell) return;
  QAccessibleEvent event(&cells, QAccessible::Focus);
  event.setChild(table->indexOfChild(cell));
  QAccessible::updateAccessibility(&event);
}

}  // namespace zendrik
