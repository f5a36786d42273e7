// Compressed bodies through the inflating of the HTTP client: the output never passes the cap,
// and a body that fails to inflate stays as it was.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "web/body_encodings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace zendrik;
  constexpr std::size_t kCap = std::size_t{1} << 20;
  if (size == 0) return 0;
  // The first byte chooses whether the signature is put in front, so that most inputs reach
  // zlib while bodies without it are still tried.
  std::string body(reinterpret_cast<const char*>(data) + 1, size - 1);
  if (data[0] & 1) body.insert(0, kCompressedBodySignature);
  auto stream = std::make_unique<TMemoryStream>(body);
  const TMemoryStream* const before = stream.get();
  try {
    DecodeGzipBody(stream, kCap);
  } catch (const EIEHTTPError&) {
    if (stream.get() != before || stream->Bytes() != body || stream->Position() != 0) std::abort();
    return 0;
  }
  if (stream->Size() > kCap || stream->Position() != 0) std::abort();
  if (!body.starts_with(kCompressedBodySignature) && stream->Bytes() != body) std::abort();
  return 0;
}
