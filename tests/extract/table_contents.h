#pragma once

#include "extract/table.h"

#include <string>
#include <vector>

namespace zendrik {

using TableRows = std::vector<std::vector<std::string>>;

/// The table's texts, row by row, read without moving its cursors.
inline TableRows Contents(const TCellTable& table) {
  TableRows rows;
  for (unsigned r = 0; r < table.RowCount(); ++r) {
    rows.emplace_back();
    for (unsigned c = 0; c < table.Row(r).Count; ++c)
      rows.back().emplace_back(TCellTable::CellText(table.Row(r), c));
  }
  return rows;
}

}  // namespace zendrik
