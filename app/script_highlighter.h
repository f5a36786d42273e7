#pragma once

#include <QSyntaxHighlighter>
#include <QTextCharFormat>

#include <array>
#include <vector>

namespace zendrik {

/// What a stretch of script text is, as the editor colours it.
enum class TScriptTextKind { ReservedWord, String, Number, Comment };

struct TScriptTextSpan {
  int Start;
  int Length;
  TScriptTextKind Kind;
  friend bool operator==(const TScriptTextSpan&, const TScriptTextSpan&) = default;
};

/// Where a line ends with respect to comments that go on over lines.
enum class TCommentState { None = 0, InBraces = 1, InParenthesisStars = 2 };

/// The coloured stretches of one line of a script, by the dialect's token rules: reserved words
/// (any letter case), string literals and "#" character codes, numbers ("$" hexadecimal
/// included), and "{ }", "(* *)" and "//" comments. `start` is the state the previous line ended
/// in; the state at this line's end is returned.
TCommentState FindScriptSpans(const QString& line, TCommentState start,
                              std::vector<TScriptTextSpan>& spans);

/// Colours the script editor's text by `FindScriptSpans`.
class TScriptHighlighter : public QSyntaxHighlighter {
  Q_OBJECT

 public:
  explicit TScriptHighlighter(QTextDocument* document);

  const QTextCharFormat& Format(TScriptTextKind kind) const {
    return Formats[static_cast<std::size_t>(kind)];
  }

 protected:
  void highlightBlock(const QString& text) override;

 private:
  std::array<QTextCharFormat, 4> Formats;
  std::vector<TScriptTextSpan> Spans;  // reused from line to line
};

}  // namespace zendrik
