#include "app/column_names.h"

#include <algorithm>

namespace zendrik {

std::string ColumnName(long long k) {
  std::string name;
  while (k > 0) {
    name.push_back(static_cast<char>('A' + (k - 1) % 26));
    k = (k - 1) / 26;
  }
  std::reverse(name.begin(), name.end());
  return name;
}

}  // namespace zendrik
