#include "script/library/regex_search.h"

#include "script/library/qt_text.h"
#include "script/runtime/errors.h"

namespace zendrik {

namespace {

using TClock = std::chrono::steady_clock;

[[noreturn]] void RaiseTooLong() {
  throw ECtxScriptError("Regular expression match took too long");
}

// The matches of `expression` in `subject`, each handed to `take`; raises past the deadline.
template <typename Take>
void EachMatch(const QRegularExpression& expression, const QString& subject,
               TClock::time_point deadline, Take take) {
  QRegularExpressionMatchIterator matches = expression.globalMatch(subject);
  bool emptyAtEnd = false;
  while (matches.hasNext()) {
    const QRegularExpressionMatch match = matches.next();
    if (TClock::now() > deadline) RaiseTooLong();
    take(match);
    emptyAtEnd = match.capturedLength() == 0 && match.capturedEnd() == subject.size();
  }
  // The search ends on an attempt that found nothing. That attempt is not valid when it
  // stopped at the engine's match limit, or when there was nothing left to try after an empty
  // match at the end.
  if (!matches.isValid() && !emptyAtEnd) RaiseTooLong();
}

// The replacement for one match: \0 to \9 are groups, \\ is a backslash.
void AppendReplacement(QString& out, const QString& replacement,
                       const QRegularExpressionMatch& match) {
  for (qsizetype i = 0; i < replacement.size(); ++i) {
    const QChar c = replacement[i];
    if (c != QLatin1Char('\\') || i + 1 == replacement.size()) {
      out += c;
      continue;
    }
    const QChar next = replacement[i + 1];
    if (next.isDigit() && next.unicode() < 0x80) {
      out += match.captured(next.unicode() - '0');
      ++i;
    } else if (next == QLatin1Char('\\')) {
      out += next;
      ++i;
    } else {
      out += c;
    }
  }
}

}  // namespace

TRegExPattern::TRegExPattern(std::string_view pattern, std::chrono::milliseconds timeLimit)
    : TimeLimit(timeLimit) {
  const TByteEncoding encoding = EncodingOf(pattern);
  const QString text = QtText(pattern, encoding);
  Expression.setPattern(text);
  if (!Expression.isValid()) {
    const std::size_t offset = BytesOf(text.left(Expression.patternErrorOffset()), encoding).size();
    throw ECtxScriptError::CreateFmt(
        "Invalid regular expression: %s at offset %d",
        {Expression.errorString().toStdString(), static_cast<std::int64_t>(offset)});
  }
}

void TRegExPattern::CheckGroup(int group) const {
  if (group < 0 || group > Expression.captureCount())
    throw ECtxScriptError::CreateFmt("The regular expression has no group %d", {group});
}

QRegularExpressionMatch TRegExPattern::Checked(const QRegularExpressionMatch& match) const {
  if (!match.isValid()) RaiseTooLong();
  return match;
}

bool TRegExPattern::Matches(std::string_view text) const {
  return Checked(Expression.match(QtText(text))).hasMatch();
}

std::string TRegExPattern::Find(std::string_view text, int group) const {
  CheckGroup(group);
  const TByteEncoding encoding = EncodingOf(text);
  const QRegularExpressionMatch match = Checked(Expression.match(QtText(text, encoding)));
  return match.hasMatch() ? BytesOf(match.captured(group), encoding) : std::string();
}

std::vector<std::string> TRegExPattern::FindAll(std::string_view text, int group) const {
  CheckGroup(group);
  const TByteEncoding encoding = EncodingOf(text);
  std::vector<std::string> found;
  EachMatch(Expression, QtText(text, encoding), TClock::now() + TimeLimit,
            [&](const QRegularExpressionMatch& match) {
              found.push_back(BytesOf(match.captured(group), encoding));
            });
  return found;
}

std::string TRegExPattern::Replace(std::string_view text, std::string_view replacement,
                                   std::size_t maxLength) const {
  const TByteEncoding encoding = EncodingOf(text);
  const QString subject = QtText(text, encoding);
  const QString with = QtText(replacement);
  QString out;
  qsizetype copied = 0;  // the subject up to here is in `out`
  EachMatch(Expression, subject, TClock::now() + TimeLimit,
            [&](const QRegularExpressionMatch& match) {
              out += QStringView(subject).mid(copied, match.capturedStart() - copied);
              AppendReplacement(out, with, match);
              copied = match.capturedEnd();
              if (static_cast<std::size_t>(out.size()) > maxLength)
                throw ECtxScriptError("String too long");
            });
  out += QStringView(subject).mid(copied);
  if (static_cast<std::size_t>(out.size()) > maxLength) throw ECtxScriptError("String too long");
  return BytesOf(out, encoding);
}

}  // namespace zendrik
