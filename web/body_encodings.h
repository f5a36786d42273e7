#pragma once

#include "web/memory_stream.h"
#include "web/web_error.h"

#include <memory>
#include <string>
#include <string_view>

namespace zendrik {

/// The first 8 bytes of a body that the client inflates: gzip magic, deflate, no flags and a
/// modification time of zero.
inline constexpr std::string_view kCompressedBodySignature{"\x1f\x8b\x08\x00\x00\x00\x00\x00", 8};

/// Inflates a body that begins with the signature. The bytes after the signature are read as
/// one zlib stream; the stream is then replaced by a new one holding the output, positioned at
/// its start (empty when nothing follows the signature). Any other body is positioned at its
/// start and left alone. Throws EIEHTTPError when zlib fails, the zlib stream ends early, or
/// the output would exceed `maxOutput` bytes; the stream is then unchanged.
void DecodeGzipBody(std::unique_ptr<TMemoryStream>& stream, std::size_t maxOutput = kMaxBodyBytes);

/// Standard base64 with "=" padding and no line breaks.
std::string Base64Encode(std::string_view data);

/// Inserts a CR (no LF) after every 64th character.
std::string WrapLines64(std::string_view text);

/// Replaces every occurrence of `search` in `text`, scanning left to right; replaced text is
/// not scanned again. An empty `search` changes nothing.
void ReplaceAll(std::string& text, std::string_view search, std::string_view replacement);

/// Replaces `search` by `replacement` through the placeholder byte 0x19: first every `search`
/// becomes the placeholder, then every placeholder (including any already in the text)
/// becomes `replacement`.
std::string ReplaceVia(std::string text, std::string_view search, std::string_view replacement);

/// Every byte of the stream, whatever its position.
std::string StreamToString(const TMemoryStream& stream);

}  // namespace zendrik
