#include "app/cell_text.h"

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

}  // namespace

bool IsValidUtf8(std::string_view bytes) {
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
  const auto* end = p + bytes.size();
  while (p < end) {
    if (*p < 0x80) {
      ++p;
      continue;
    }
    unsigned char low, high;
    const int length = SequenceLength(*p, low, high);
    if (length == 0 || end - p < length || p[1] < low || p[1] > high) return false;
    for (int i = 2; i < length; ++i)
      if (!IsContinuation(p[i])) return false;
    p += length;
  }
  return true;
}

TTextEncoding DisplayEncoding(std::string_view bytes) {
  return IsValidUtf8(bytes) ? TTextEncoding::Utf8 : TTextEncoding::Latin1;
}

std::string DisplayedBytes(const QString& text, TTextEncoding encoding) {
  const bool fitsLatin1 =
      std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() <= 0xFF; });
  const QByteArray bytes =
      encoding == TTextEncoding::Latin1 && fitsLatin1 ? text.toLatin1() : text.toUtf8();
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

QString DisplayText(std::string_view bytes) {
  const auto size = static_cast<qsizetype>(bytes.size());
  const bool ascii = std::all_of(bytes.begin(), bytes.end(),
                                 [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  if (ascii || !IsValidUtf8(bytes)) return QString::fromLatin1(bytes.data(), size);
  return QString::fromUtf8(bytes.data(), size);
}

}  // namespace zendrik
