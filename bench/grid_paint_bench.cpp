// The grid's cost per paint, offscreen: one paint of the visible cell area, of the column
// header and of the row header, at the top, the middle and the end of tables of 10,000 and
// 1,000,000 cells (rows of 10), and the cost of measuring all columns again after a change.
// A paint should cost the same, and well under 5 ms, whatever the table's size.

#include "app/grid_layout.h"
#include "app/grid_painter.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <string>

namespace zendrik {
namespace {

constexpr int kColumns = 10;
// The visible cell area of the window at its initial size, and the header strips beside it.
const QSize kViewport(747, 239);
const QSize kColumnStrip(747, 25);
const QSize kRowStrip(33, 239);

QFont GridFont() {
  QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
  font.setPointSize(8);
  return font;
}

// A table of the size asked for, its columns measured; made once per size.
struct Grid {
  explicit Grid(int rows) : Layout(GridFont()) {
    const char* words[] = {"Apple",
                           "1,99 EUR",
                           "http://www.example.com/shop/item?id=",
                           "Stra\xC3\x9F"
                           "e",
                           "",
                           "A somewhat longer description of the item"};
    for (int r = 0; r < rows; ++r) {
      Table.AppendRow();
      for (int c = 0; c < kColumns; ++c)
        Table.AppendCell(std::string(words[(r + c) % 6]) + std::to_string(r * kColumns + c));
    }
    Layout.Rebuild(Table);
  }
  TCellTable Table;
  TGridLayout Layout;
};

Grid& GridOf(int cells) {
  static std::map<int, std::unique_ptr<Grid>> grids;
  auto& grid = grids[cells];
  if (!grid) grid = std::make_unique<Grid>(cells / kColumns);
  return *grid;
}

enum Position { Top, Middle, End };

// The scroll offsets that show the top, the middle or the end of the table.
QPoint Scroll(const TGridLayout& layout, Position position) {
  const QSize surface = layout.SurfaceSize();
  const QPoint last(std::max(0, surface.width() - kViewport.width()),
                    std::max(0, surface.height() - kViewport.height()));
  switch (position) {
    case Top: return {0, 0};
    case Middle: return last / 2;
    case End: return last;
  }
  return {};
}

void CellArea(benchmark::State& state, int cells, Position position) {
  Grid& grid = GridOf(cells);
  const QPoint scroll = Scroll(grid.Layout, position);
  QImage image(kViewport, QImage::Format_RGB32);
  for (auto _ : state) {
    QPainter painter(&image);
    painter.translate(-scroll);
    PaintCellArea(painter, QRect(scroll, kViewport), grid.Layout.SurfaceSize(), grid.Table,
                  grid.Layout);
  }
}

void ColumnHeader(benchmark::State& state, int cells, Position position) {
  Grid& grid = GridOf(cells);
  const QPoint scroll = Scroll(grid.Layout, position);
  QImage image(kColumnStrip, QImage::Format_RGB32);
  for (auto _ : state) {
    QPainter painter(&image);
    PaintColumnHeader(painter, image.rect(), kColumnStrip, scroll.x(), grid.Layout);
  }
}

void RowHeader(benchmark::State& state, int cells, Position position) {
  Grid& grid = GridOf(cells);
  const QPoint scroll = Scroll(grid.Layout, position);
  QImage image(kRowStrip, QImage::Format_RGB32);
  for (auto _ : state) {
    QPainter painter(&image);
    PaintRowHeader(painter, image.rect(), kRowStrip, scroll.y(), grid.Table.RowCount(),
                   grid.Layout);
  }
}

void Remeasure(benchmark::State& state, int cells) {
  Grid& grid = GridOf(cells);
  for (auto _ : state) grid.Layout.Rebuild(grid.Table);
}

void RegisterAll() {
  const std::pair<Position, const char*> positions[] = {
      {Top, "top"}, {Middle, "middle"}, {End, "end"}};
  for (int cells : {10'000, 1'000'000}) {
    const std::string size = "/" + std::to_string(cells) + "cells";
    for (const auto& [position, name] : positions) {
      benchmark::RegisterBenchmark(("CellArea" + size + "/" + name).c_str(), CellArea, cells,
                                   position)
          ->Unit(benchmark::kMillisecond);
      benchmark::RegisterBenchmark(("ColumnHeader" + size + "/" + name).c_str(), ColumnHeader,
                                   cells, position)
          ->Unit(benchmark::kMillisecond);
      benchmark::RegisterBenchmark(("RowHeader" + size + "/" + name).c_str(), RowHeader, cells,
                                   position)
          ->Unit(benchmark::kMillisecond);
    }
    benchmark::RegisterBenchmark(("RemeasureColumns" + size).c_str(), Remeasure, cells)
        ->Unit(benchmark::kMillisecond);
  }
}

}  // namespace
}  // namespace zendrik

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  zendrik::RegisterAll();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
