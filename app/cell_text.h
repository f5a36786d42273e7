#pragma once

#include <QString>

#include "base/utf8.h"

#include <string>
#include <string_view>

namespace zendrik {

/// How the screen shows a byte string from the table or a page: as UTF-8 when it is valid
/// UTF-8, otherwise byte for byte as Latin-1. The bytes themselves are never changed.
QString DisplayText(std::string_view bytes);

/// Which reading `DisplayText` takes for a byte string: Latin-1 for bytes that are not valid
/// UTF-8, UTF-8 otherwise (plain ASCII included, so that text typed later becomes UTF-8).
enum class TTextEncoding { Latin1, Utf8 };
TTextEncoding DisplayEncoding(std::string_view bytes);

/// The bytes a shown text stands for, the other way round: Latin-1 for a text read as Latin-1
/// whose characters all fit a byte, UTF-8 otherwise. For text that came from bytes through
/// `DisplayText`, this gives those bytes back.
std::string DisplayedBytes(const QString& text, TTextEncoding encoding);

}  // namespace zendrik
