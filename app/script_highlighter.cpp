#include "app/script_highlighter.h"

#include <QFont>

#include <string>

#include "script/compiler/lexer.h"

namespace zendrik {

namespace {

bool IsDigit(QChar c) { return c >= u'0' && c <= u'9'; }
bool IsUpperHexDigit(QChar c) { return IsDigit(c) || (c >= u'A' && c <= u'F'); }

// Letters, "_" and the characters from 192 on (the 8-bit letters the dialect takes, and their
// Unicode neighbours as the editor shows them).
bool IsNameStart(QChar c) {
  const char16_t u = c.unicode();
  return (u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z') || u == u'_' || u >= 192;
}
bool IsNameChar(QChar c) { return IsNameStart(c) || IsDigit(c); }

bool IsReservedWord(QStringView name) {
  if (name.size() > 9) return false;  // the longest reserved word has nine letters
  std::string lower;
  for (QChar c : name) {
    if (c.unicode() > 127) return false;
    lower += static_cast<char>(c.toLower().unicode());
  }
  return LookupWord(WordTable, lower) != -1;
}

// Scans the line from `i`; each Scan function returns the index after what it took.
class LineScanner {
 public:
  LineScanner(const QString& line, std::vector<TScriptTextSpan>& spans)
      : Line(line), Spans(spans) {}

  // A comment that ends with `closer`, from `from` on; false when the line ends inside it.
  bool CloseComment(int& i, int from, QStringView closer) {
    const qsizetype end = Line.indexOf(closer, i);
    const int stop =
        end < 0 ? static_cast<int>(Line.size()) : static_cast<int>(end + closer.size());
    Add(from, stop, TScriptTextKind::Comment);
    i = stop;
    return end >= 0;
  }

  int String(int i) {
    const int from = i++;
    while (i < Line.size()) {
      if (Line[i] == u'\'') {
        if (i + 1 < Line.size() && Line[i + 1] == u'\'') {
          i += 2;
          continue;
        }
        ++i;
        break;
      }
      ++i;
    }
    Add(from, i, TScriptTextKind::String);
    return i;
  }

  // A number, or after "#" a character code (a string of one character).
  int Number(int i) {
    const int from = i;
    const bool code = Line[i] == u'#';
    if (code) ++i;
    const bool hex = i < Line.size() && Line[i] == u'$';
    if (hex) ++i;
    while (i < Line.size() &&
           (hex ? IsUpperHexDigit(Line[i]) : IsDigit(Line[i]) || (!code && Line[i] == u'.')))
      ++i;
    Add(from, i, code ? TScriptTextKind::String : TScriptTextKind::Number);
    return i;
  }

  int Name(int i) {
    const int from = i;
    while (i < Line.size() && IsNameChar(Line[i])) ++i;
    if (IsReservedWord(QStringView(Line).mid(from, i - from)))
      Add(from, i, TScriptTextKind::ReservedWord);
    return i;
  }

  void Add(int from, int to, TScriptTextKind kind) {
    if (to > from) Spans.push_back({from, to - from, kind});
  }

  const QString& Line;

 private:
  std::vector<TScriptTextSpan>& Spans;
};

}  // namespace

TCommentState FindScriptSpans(const QString& line, TCommentState start,
                              std::vector<TScriptTextSpan>& spans) {
  spans.clear();
  LineScanner scan(line, spans);
  int i = 0;
  if (start == TCommentState::InBraces && !scan.CloseComment(i, 0, u"}")) return start;
  if (start == TCommentState::InParenthesisStars && !scan.CloseComment(i, 0, u"*)")) return start;
  while (i < line.size()) {
    const QChar c = line[i];
    const QChar next = i + 1 < line.size() ? line[i + 1] : QChar();
    if (c == u'{') {
      if (!scan.CloseComment(i, i, u"}")) return TCommentState::InBraces;
    } else if (c == u'(' && next == u'*') {
      const int from = i;
      i += 2;
      if (!scan.CloseComment(i, from, u"*)")) return TCommentState::InParenthesisStars;
    } else if (c == u'/' && next == u'/') {
      scan.Add(i, static_cast<int>(line.size()), TScriptTextKind::Comment);
      break;
    } else if (c == u'\'') {
      i = scan.String(i);
    } else if (IsDigit(c) || c == u'#' || c == u'$') {
      i = scan.Number(i);
    } else if (IsNameStart(c)) {
      i = scan.Name(i);
    } else {
      ++i;
    }
  }
  return TCommentState::None;
}

TScriptHighlighter::TScriptHighlighter(QTextDocument* document) : QSyntaxHighlighter(document) {
  auto& reserved = Formats[static_cast<std::size_t>(TScriptTextKind::ReservedWord)];
  reserved.setFontWeight(QFont::Bold);
  reserved.setForeground(QColor(0x00, 0x00, 0x80));
  Formats[static_cast<std::size_t>(TScriptTextKind::String)].setForeground(
      QColor(0xA0, 0x20, 0x20));
  Formats[static_cast<std::size_t>(TScriptTextKind::Number)].setForeground(
      QColor(0x00, 0x60, 0x80));
  auto& comment = Formats[static_cast<std::size_t>(TScriptTextKind::Comment)];
  comment.setForeground(QColor(0x40, 0x80, 0x40));
  comment.setFontItalic(true);
}

void TScriptHighlighter::highlightBlock(const QString& text) {
  const int previous = previousBlockState();
  const auto start = previous < 0 ? TCommentState::None : static_cast<TCommentState>(previous);
  const TCommentState end = FindScriptSpans(text, start, Spans);
  for (const TScriptTextSpan& span : Spans) setFormat(span.Start, span.Length, Format(span.Kind));
  setCurrentBlockState(static_cast<int>(end));
}

}  // namespace zendrik
