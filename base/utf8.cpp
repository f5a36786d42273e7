#include "base/utf8.h"

#include <algorithm>

namespace zendrik {

namespace {

bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// Length of the sequence that starts with `lead` and the allowed range of its second byte
// (which rules out overlong forms, surrogates and code points past U+10FFFF); 0 for a byte
// that cannot start a sequence.
int SequenceLength(unsigned char lead, unsigned char& low, unsigned char& high) {
  low = 0x80;
  high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) {
    if (lead == 0xE0)
      low = 0xA0;
    else if (lead == 0xED)
      high = 0x9F;
    return 3;
  }
  if (lead >= 0xF0 && lead <= 0xF4) {
    if (lead == 0xF0)
      low = 0x90;
    else if (lead == 0xF4)
      high = 0x8F;
    return 4;
  }
  return 0;
}

// Length of the well-formed multi-byte sequence at `p` (before `end`), or 0.
std::size_t ValidSequenceAt(const unsigned char* p, const unsigned char* end) {
  unsigned char low, high;
  const int length = SequenceLength(*p, low, high);
  if (length == 0 || end - p < length || p[1] < low || p[1] > high) return 0;
  for (int i = 2; i < length; ++i)
    if (!IsContinuation(p[i])) return 0;
  return static_cast<std::size_t>(length);
}

}  // namespace

bool IsValidUtf8(std::string_view bytes) noexcept {
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
  const auto* end = p + bytes.size();
  while (p < end) {
    if (*p < 0x80) {
      ++p;
      continue;
    }
    const std::size_t length = ValidSequenceAt(p, end);
    if (length == 0) return false;
    p += length;
  }
  return true;
}

bool IsAscii(std::string_view bytes) noexcept {
  return std::all_of(bytes.begin(), bytes.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

std::size_t FirstCharacterLength(std::string_view bytes) noexcept {
  if (bytes.empty()) return 0;
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
  if (*p < 0x80) return 1;
  const std::size_t length = ValidSequenceAt(p, p + bytes.size());
  return length == 0 ? 1 : length;
}

}  // namespace zendrik
