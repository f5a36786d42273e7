#include "script/library/qt_text.h"

#include <algorithm>

#include "base/utf8.h"

namespace zendrik {

TByteEncoding EncodingOf(std::string_view bytes) noexcept {
  return IsValidUtf8(bytes) ? TByteEncoding::Utf8 : TByteEncoding::Latin1;
}

QString QtText(std::string_view bytes, TByteEncoding encoding) {
  const auto size = static_cast<qsizetype>(bytes.size());
  return encoding == TByteEncoding::Utf8 ? QString::fromUtf8(bytes.data(), size)
                                         : QString::fromLatin1(bytes.data(), size);
}

QString QtText(std::string_view bytes) { return QtText(bytes, EncodingOf(bytes)); }

std::string BytesOf(const QString& text, TByteEncoding encoding) {
  const bool fitsLatin1 =
      std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() <= 0xFF; });
  const QByteArray bytes =
      encoding == TByteEncoding::Latin1 && fitsLatin1 ? text.toLatin1() : text.toUtf8();
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

TCtxValue StringValue(const QString& text) {
  const QByteArray bytes = text.toUtf8();
  return TCtxValue::String(std::string_view(bytes.constData(), std::size_t(bytes.size())));
}

}  // namespace zendrik
