#include "app/cell_text.h"

#include "base/utf8.h"

#include <algorithm>

namespace zendrik {
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
