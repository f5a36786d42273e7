#include "base/system_name.h"

#include "base/replace.h"

namespace zendrik {

std::string ShownName(std::string_view name) {
  return ReplaceAllNoCase(name, std::string_view("", 1), "\\0");
}

}  // namespace zendrik
