#pragma once

#include <string>

namespace zendrik {

/// The spreadsheet name of the 1-based column `k`: A to Z, then AA, AB, ... (bijective base 26).
/// Zero and negative numbers have the empty name.
std::string ColumnName(long long k);

}  // namespace zendrik
