// Which stretches of a script line the editor colours, and how comments carry over lines.

#include "app/script_highlighter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/case_names.h"

namespace zendrik {
namespace {

using Kind = TScriptTextKind;

// Spans written as "kind:text" for readable expectations.
std::vector<std::string> Described(const QString& line, TCommentState start,
                                   TCommentState* end = nullptr) {
  std::vector<TScriptTextSpan> spans;
  const TCommentState state = FindScriptSpans(line, start, spans);
  if (end) *end = state;
  std::vector<std::string> out;
  for (const TScriptTextSpan& span : spans) {
    const char* kind = span.Kind == Kind::ReservedWord ? "word"
                       : span.Kind == Kind::String     ? "string"
                       : span.Kind == Kind::Number     ? "number"
                                                       : "comment";
    out.push_back(std::string(kind) + ":" + line.mid(span.Start, span.Length).toStdString());
  }
  return out;
}

struct LineCase {
  const char* What;
  const char* Line;
  std::vector<std::string> Spans;
};

void PrintTo(const LineCase& c, std::ostream* out) { *out << c.What; }

class HighlightedLines : public testing::TestWithParam<LineCase> {};

TEST_P(HighlightedLines, ColourAsTheTokenRulesRead) {
  EXPECT_EQ(Described(QString::fromUtf8(GetParam().Line), TCommentState::None), GetParam().Spans)
      << GetParam().Line;
}

INSTANTIATE_TEST_SUITE_P(
    ScriptHighlighter, HighlightedLines,
    testing::Values(LineCase{"reserved words in any case, names not",
                             "BeGiN x := Not y; WITH End",
                             {"word:BeGiN", "word:Not", "word:End"}},
                    LineCase{"strings with doubled quotes and character codes",
                             "s := 'it''s' + #13#$0A + 'x';",
                             {"string:'it''s'", "string:#13", "string:#$0A", "string:'x'"}},
                    LineCase{"numbers, real and hexadecimal; lower-case hex digits are a name",
                             "a := 12 + 1.5 + $1F + $ff;",
                             {"number:12", "number:1.5", "number:$1F", "number:$"}},
                    LineCase{"names with digits and 8-bit letters are not numbers",
                             "x1 := \xC3\xA4nd + and2;",
                             {}},
                    LineCase{"comments of the three kinds on one line",
                             "{ a } x (* b *) y // c 'd'",
                             {"comment:{ a }", "comment:(* b *)", "comment:// c 'd'"}},
                    LineCase{"comment openers inside strings are text",
                             "s := '{ // (*';",
                             {"string:'{ // (*'"}},
                    LineCase{"an unterminated string colours to the end of the line",
                             "s := 'open",
                             {"string:'open"}}),
    CaseNames([](const LineCase& c) { return c.What; }));

TEST(ScriptHighlighter, CommentsGoOnOverLinesUntilTheirCloser) {
  TCommentState state;
  EXPECT_EQ(Described("x { opens", TCommentState::None, &state),
            (std::vector<std::string>{"comment:{ opens"}));
  EXPECT_EQ(state, TCommentState::InBraces);
  EXPECT_EQ(Described("still *) inside", state, &state),
            (std::vector<std::string>{"comment:still *) inside"}));
  EXPECT_EQ(state, TCommentState::InBraces);
  EXPECT_EQ(Described("closed } begin", state, &state),
            (std::vector<std::string>{"comment:closed }", "word:begin"}));
  EXPECT_EQ(state, TCommentState::None);
  EXPECT_EQ(Described("(* a", TCommentState::None, &state),
            (std::vector<std::string>{"comment:(* a"}));
  EXPECT_EQ(state, TCommentState::InParenthesisStars);
  EXPECT_EQ(Described("} b *) end", state, &state),
            (std::vector<std::string>{"comment:} b *)", "word:end"}));
  EXPECT_EQ(state, TCommentState::None);
}

}  // namespace
}  // namespace zendrik
