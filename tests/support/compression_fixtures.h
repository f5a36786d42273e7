#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zendrik::testsupport {

/// `text` as one zlib stream (2-byte header, deflate data, Adler-32 trailer).
std::string ZlibStream(std::string_view text);

/// `text` as a gzip member with the given stored file name (none when empty) and
/// modification time.
std::string GzipMember(std::string_view text, const std::string& fileName = "",
                       std::uint32_t modificationTime = 0);

}  // namespace zendrik::testsupport
