#include "app/captioned_widgets.h"

namespace zendrik {

QString PlainCaption(const QString& text) {
  QString plain;
  plain.reserve(text.size());
  for (qsizetype k = 0; k < text.size(); ++k) {
    if (text[k] == u'&' && k + 1 < text.size()) ++k;  // the mark, or the first of "&&"
    plain += text[k];
  }
  return plain;
}

}  // namespace zendrik
