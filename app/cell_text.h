#pragma once

#include <QString>

#include <string_view>

namespace zendrik {

/// Whether `bytes` is well-formed UTF-8 (no overlong forms, no surrogates, nothing past
/// U+10FFFF, no cut-off sequence).
bool IsValidUtf8(std::string_view bytes);

/// How the screen shows a byte string from the table or a page: as UTF-8 when it is valid
/// UTF-8, otherwise byte for byte as Latin-1. The bytes themselves are never changed.
QString DisplayText(std::string_view bytes);

}  // namespace zendrik
