#include "script/library/locale_text.h"

#include <QCollator>
#include <QString>

#include <memory>

#include "base/ascii.h"
#include "base/utf8.h"
#include "script/library/qt_text.h"
#include "script/runtime/conversions.h"

namespace zendrik {

namespace {

// One byte at a time, so that a byte whose mapping leaves Latin-1 stays as it was.
template <class Map>
std::string MapLatin1(std::string_view text, Map map) {
  std::string out(text);
  for (char& c : out) {
    const char16_t mapped = map(QChar(static_cast<unsigned char>(c))).unicode();
    if (mapped <= 0xFF) c = static_cast<char>(mapped);
  }
  return out;
}

// The collators of the locale in effect, made again when the locale changes.
class TCollators {
 public:
  QCollator& Get(bool caseSensitive) {
    const QLocale& locale = FormatSettings().Locale;
    if (!sensitive_ || locale_ != locale) {
      locale_ = locale;
      sensitive_ = std::make_unique<QCollator>(locale);
      insensitive_ = std::make_unique<QCollator>(locale);
      insensitive_->setCaseSensitivity(Qt::CaseInsensitive);
    }
    return caseSensitive ? *sensitive_ : *insensitive_;
  }

 private:
  QLocale locale_;
  std::unique_ptr<QCollator> sensitive_;
  std::unique_ptr<QCollator> insensitive_;
};

int Collate(std::string_view a, std::string_view b, bool caseSensitive) {
  static TCollators collators;
  const int order = collators.Get(caseSensitive).compare(QtText(a), QtText(b));
  return (order > 0) - (order < 0);
}

}  // namespace

std::string LocaleUpperCase(std::string_view text) {
  if (IsAscii(text)) return UpperCase(text);
  if (!IsValidUtf8(text)) return MapLatin1(text, [](QChar c) { return c.toUpper(); });
  return BytesOf(FormatSettings().Locale.toUpper(QtText(text, TByteEncoding::Utf8)),
                 TByteEncoding::Utf8);
}

std::string LocaleLowerCase(std::string_view text) {
  if (IsAscii(text)) return LowerCase(text);
  if (!IsValidUtf8(text)) return MapLatin1(text, [](QChar c) { return c.toLower(); });
  return BytesOf(FormatSettings().Locale.toLower(QtText(text, TByteEncoding::Utf8)),
                 TByteEncoding::Utf8);
}

int LocaleCompare(std::string_view a, std::string_view b) { return Collate(a, b, true); }

int LocaleCompareNoCase(std::string_view a, std::string_view b) { return Collate(a, b, false); }

}  // namespace zendrik
