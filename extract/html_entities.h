#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace zendrik {

/// A named character reference and the numeric reference it stands for.
struct TEntity {
  std::string_view Name;     // with the leading '&' and the trailing ';'
  std::string_view Numeric;  // "&#nnn;"
};

/// The names the text decoder knows, searched in order: the four markup escapes, then the 96
/// Latin-1 names from &nbsp; to &yuml; in code point order. Case-sensitive.
extern const std::array<TEntity, 100> EntityTable;

/// The byte a numeric reference of value 0..255 becomes: control codes and no-break space
/// become a plain space, every other value the byte with that code.
extern const std::array<std::uint8_t, 256> EntityCharMap;

/// The code of the numeric form that a named reference stands for, or -1 when the name is
/// unknown.
int FindEntityCode(std::string_view name);

}  // namespace zendrik
