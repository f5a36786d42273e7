#include "tests/support/compression_fixtures.h"

#include <zlib.h>

#include <stdexcept>

namespace zendrik::testsupport {
namespace {

/// Deflates `text` with the given window bits: 15 gives a zlib stream, 31 a gzip member.
std::string Deflate(std::string_view text, int windowBits, gz_header* header) {
  z_stream z{};
  if (deflateInit2(&z, Z_BEST_COMPRESSION, Z_DEFLATED, windowBits, 8, Z_DEFAULT_STRATEGY) != Z_OK) {
    throw std::runtime_error("deflateInit2 failed");
  }
  if (header != nullptr) {
    deflateSetHeader(&z, header);
  }
  std::string out(deflateBound(&z, text.size()) + 64, '\0');
  z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(text.data()));
  z.avail_in = static_cast<uInt>(text.size());
  z.next_out = reinterpret_cast<Bytef*>(out.data());
  z.avail_out = static_cast<uInt>(out.size());
  const int rc = deflate(&z, Z_FINISH);
  out.resize(z.total_out);
  deflateEnd(&z);
  if (rc != Z_STREAM_END) {
    throw std::runtime_error("deflate did not finish");
  }
  return out;
}

}  // namespace

std::string ZlibStream(std::string_view text) { return Deflate(text, 15, nullptr); }

std::string GzipMember(std::string_view text, const std::string& fileName,
                       std::uint32_t modificationTime) {
  gz_header header{};
  header.time = modificationTime;
  header.os = 3;
  header.name =
      fileName.empty() ? Z_NULL : reinterpret_cast<Bytef*>(const_cast<char*>(fileName.c_str()));
  return Deflate(text, 31, &header);
}

}  // namespace zendrik::testsupport
