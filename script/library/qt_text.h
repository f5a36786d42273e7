#pragma once

// Byte texts as Qt text and back. Script strings are bytes: those that are well-formed UTF-8
// are read as UTF-8, any others as Latin-1 (one character a byte), and a result goes back the
// way its source came.

#include <QString>

#include <string>
#include <string_view>

#include "script/runtime/value.h"

namespace zendrik {

enum class TByteEncoding { Latin1, Utf8 };

/// UTF-8 for well-formed UTF-8 (plain ASCII included), else Latin-1.
TByteEncoding EncodingOf(std::string_view bytes) noexcept;

/// The text that `bytes` stand for in `encoding`.
QString QtText(std::string_view bytes, TByteEncoding encoding);
/// The text that `bytes` stand for in their own encoding.
QString QtText(std::string_view bytes);

/// A String value holding `text` as UTF-8.
TCtxValue StringValue(const QString& text);

/// `text` as bytes in `encoding`. A text with characters beyond Latin-1 cannot go back to
/// Latin-1 whole: it is written as UTF-8 instead.
std::string BytesOf(const QString& text, TByteEncoding encoding);

}  // namespace zendrik
