#pragma once

#include "extract/table.h"

#include <QFont>
#include <QFontDatabase>

#include <string>
#include <vector>

namespace zendrik::testsupport {

/// The grid's font: the system's UI font at 8 point.
inline QFont GridFont() {
  QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
  font.setPointSize(8);
  return font;
}

/// Appends the rows to the table, each with its cells.
inline void Fill(TCellTable& table, const std::vector<std::vector<std::string>>& rows) {
  for (const auto& row : rows) {
    table.AppendRow();
    for (const auto& cell : row) table.AppendCell(cell);
  }
}

}  // namespace zendrik::testsupport
