#pragma once

// Case mapping and comparison of byte texts by the locale in effect (FormatSettings().Locale):
// a text that is well-formed UTF-8 is read as UTF-8, any other as Latin-1, and the result is
// written back in the same encoding. ASCII texts take a quick path.

#include <string>
#include <string_view>

namespace zendrik {

/// Upper case by the locale. A Latin-1 text keeps every byte whose upper case has no Latin-1
/// form (so its length never changes).
std::string LocaleUpperCase(std::string_view text);
/// Lower case by the locale, likewise.
std::string LocaleLowerCase(std::string_view text);

/// Comparison by the locale's collation: negative, 0 or positive.
int LocaleCompare(std::string_view a, std::string_view b);
/// As LocaleCompare without regard to case.
int LocaleCompareNoCase(std::string_view a, std::string_view b);

}  // namespace zendrik
