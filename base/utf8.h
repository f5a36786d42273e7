#pragma once

// UTF-8 checks for byte texts: a byte string that is well-formed UTF-8 is read as UTF-8 text,
// any other as Latin-1 (one character a byte).

#include <cstddef>
#include <string_view>

namespace zendrik {

/// Whether `bytes` is well-formed UTF-8 (no overlong forms, no surrogates, nothing past
/// U+10FFFF, no cut-off sequence).
bool IsValidUtf8(std::string_view bytes) noexcept;

/// Whether every byte of `bytes` is below 128.
bool IsAscii(std::string_view bytes) noexcept;

/// The number of bytes of the well-formed UTF-8 sequence at the start of `bytes`; 1 when it
/// does not start with one (a Latin-1 byte), 0 for an empty text.
std::size_t FirstCharacterLength(std::string_view bytes) noexcept;

}  // namespace zendrik
