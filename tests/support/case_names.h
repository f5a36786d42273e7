#pragma once

// Names for the cases of parameterised tests, so that CTest lists every case under a short,
// stable, selectable name instead of a dump of its bytes.

#include <cstddef>
#include <string>
#include <string_view>

namespace zendrik {

/// `text` as a test name: letters and digits kept, every run of other bytes one '_', at most
/// `limit` characters. A `prefix` (the case's index, for texts that may repeat) comes first.
inline std::string CaseName(std::string_view text, std::string_view prefix = {},
                            std::size_t limit = 80) {
  std::string name(prefix);
  for (const char c : text) {
    if (name.size() >= limit) break;
    const bool alnum = (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    if (alnum)
      name += c;
    else if (!name.empty() && name.back() != '_')
      name += '_';
  }
  while (!name.empty() && name.back() == '_') name.pop_back();
  return name.empty() ? "empty" : name;
}

/// A name generator for INSTANTIATE_TEST_SUITE_P: the case's index, then `describe(param)`.
template <class Describe>
auto IndexedCaseNames(Describe describe) {
  return [describe](const auto& info) {
    return CaseName(describe(info.param), std::to_string(info.index) + "_");
  };
}

/// A name generator for cases whose `describe(param)` text is unique.
template <class Describe>
auto CaseNames(Describe describe) {
  return [describe](const auto& info) { return CaseName(describe(info.param)); };
}

}  // namespace zendrik
