#include "web/body_encodings.h"

#include <zlib.h>

#include <algorithm>
#include <climits>
#include <utility>

namespace zendrik {
namespace {

constexpr char kPlaceholder = '\x19';

[[noreturn]] void FailInflate(const char* what) {
  throw EIEHTTPError(std::string("TIE: compressed body could not be inflated: ") + what);
}

/// Owns an inflate state for the duration of one decoding.
class TInflater {
 public:
  TInflater() {
    if (inflateInit(&Z) != Z_OK) {
      FailInflate("zlib could not start");
    }
  }
  ~TInflater() { inflateEnd(&Z); }
  TInflater(const TInflater&) = delete;
  TInflater& operator=(const TInflater&) = delete;
  z_stream Z{};
};

// Runs one zlib stream through inflate, handing each piece of output to `take`. Fails when zlib
// does, when the stream ends early or when the output would exceed `maxOutput` bytes. Returns
// the size of the output.
template <typename Take>
std::size_t InflateZlib(std::string_view input, std::size_t maxOutput, Take&& take) {
  if (input.size() > UINT_MAX) {
    FailInflate("the compressed data is too large");
  }
  TInflater inflater;
  z_stream& z = inflater.Z;
  z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(input.data()));
  z.avail_in = static_cast<uInt>(input.size());
  for (;;) {
    const auto [out, room] = take(static_cast<std::size_t>(z.total_out));
    z.next_out = reinterpret_cast<Bytef*>(out);
    z.avail_out = static_cast<uInt>(std::min<std::size_t>(room, UINT_MAX));
    const int rc = inflate(&z, Z_NO_FLUSH);
    if (z.total_out > maxOutput) {
      FailInflate("output exceeds the size cap");
    }
    if (rc == Z_STREAM_END) {
      return z.total_out;
    }
    if (rc == Z_BUF_ERROR) {  // no progress possible: the input is used up
      FailInflate("the compressed data ends early");
    }
    if (rc != Z_OK) {
      FailInflate(z.msg               ? z.msg
                  : rc == Z_NEED_DICT ? "a preset dictionary is required"
                                      : "zlib error");
    }
  }
}

// Inflates one zlib stream into a string sized once: a first pass through a small scratch
// buffer finds the size (and every failure), the second writes the output in place. Memory
// stays at the input plus the output, whatever the ratio, at the price of inflating twice.
std::string InflateZlib(std::string_view input, std::size_t maxOutput) {
  std::string scratch(std::size_t{64} << 10, '\0');
  const std::size_t size = InflateZlib(input, maxOutput, [&](std::size_t) {
    return std::pair{scratch.data(), scratch.size()};
  });
  // A byte of room beyond the output lets inflate reach the stream's end with room to spare.
  std::string output(size + 1, '\0');
  InflateZlib(input, size, [&](std::size_t produced) {
    return std::pair{output.data() + produced, output.size() - produced};
  });
  output.resize(size);
  return output;
}

}  // namespace

void DecodeGzipBody(std::unique_ptr<TMemoryStream>& stream, std::size_t maxOutput) {
  const std::string_view body = stream->Bytes();
  stream->Seek(0);
  if (!body.starts_with(kCompressedBodySignature)) {
    return;
  }
  const std::string_view payload = body.substr(kCompressedBodySignature.size());
  auto decoded = std::make_unique<TMemoryStream>(payload.empty() ? std::string()
                                                                 : InflateZlib(payload, maxOutput));
  stream = std::move(decoded);
}

std::string Base64Encode(std::string_view data) {
  static constexpr char kAlphabet[] =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string out;
  out.reserve(4 * ((data.size() + 2) / 3));
  std::size_t i = 0;
  for (; i + 3 <= data.size(); i += 3) {
    const unsigned group = static_cast<unsigned char>(data[i]) << 16 |
                           static_cast<unsigned char>(data[i + 1]) << 8 |
                           static_cast<unsigned char>(data[i + 2]);
    out += kAlphabet[group >> 18];
    out += kAlphabet[(group >> 12) & 63];
    out += kAlphabet[(group >> 6) & 63];
    out += kAlphabet[group & 63];
  }
  const std::size_t rest = data.size() - i;
  if (rest > 0) {
    unsigned group = static_cast<unsigned char>(data[i]) << 16;
    if (rest == 2) {
      group |= static_cast<unsigned char>(data[i + 1]) << 8;
    }
    out += kAlphabet[group >> 18];
    out += kAlphabet[(group >> 12) & 63];
    out += rest == 2 ? kAlphabet[(group >> 6) & 63] : '=';
    out += '=';
  }
  return out;
}

std::string WrapLines64(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 64);
  for (std::size_t i = 0; i < text.size(); i += 64) {
    const std::string_view line = text.substr(i, 64);
    out += line;
    if (line.size() == 64) {
      out += '\r';
    }
  }
  return out;
}

void ReplaceAll(std::string& text, std::string_view search, std::string_view replacement) {
  if (search.empty()) {
    return;
  }
  std::size_t found = text.find(search);
  if (found == std::string::npos) {
    return;
  }
  std::string out;
  out.reserve(text.size());
  std::size_t from = 0;
  for (; found != std::string::npos; found = text.find(search, from)) {
    out.append(text, from, found - from);
    out += replacement;
    from = found + search.size();
  }
  out.append(text, from, std::string::npos);
  text = std::move(out);
}

std::string ReplaceVia(std::string text, std::string_view search, std::string_view replacement) {
  if (text.empty()) {
    return text;
  }
  ReplaceAll(text, search, std::string_view(&kPlaceholder, 1));
  ReplaceAll(text, std::string_view(&kPlaceholder, 1), replacement);
  return text;
}

std::string StreamToString(const TMemoryStream& stream) { return std::string(stream.Bytes()); }

}  // namespace zendrik
