// Which stretches of a script line the editor colours, and how comments carry over lines.

#include "app/script_highlighter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "base/ascii.h"
#include "script/compiler/compiler.h"
#include "script/compiler/default_compiler.h"
#include "script/compiler/lexer.h"
#include "script/runtime/script_code.h"

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

// What the editor colours agrees with what the compiler reads: over every script in the tree,
// the reserved words, strings and numbers come in the same order, found by both.
// The lexer's tokens of `text`; `endsEarly` tells that it read an end before the end of the text
// (a lone "_" reads as one).
std::vector<std::string> LexerTokens(const std::string& text, bool& endsEarly) {
  TCtxScriptCode code;
  code.SetCode(text);
  TCtxCompiler& lexer = DefaultCompiler();
  std::vector<std::string> tokens;
  lexer.CodeObject = &code;
  try {
    for (lexer.Reset(); lexer.Token != token::EndOfText; lexer.NextToken()) {
      const bool reserved =
          std::any_of(std::begin(WordTable), std::end(WordTable),
                      [&](const TReservedWord& w) { return w.Code == lexer.Token; });
      if (reserved)
        tokens.push_back("word:" + LowerCase(lexer.TokenText));
      else if (lexer.Token == token::String)
        tokens.push_back("string");
      else if (lexer.Token == token::Integer || lexer.Token == token::Real)
        tokens.push_back("number");
    }
  } catch (const std::exception&) {
    tokens = {"does not lex"};
  }
  endsEarly = static_cast<std::size_t>(lexer.ReadIndex) <= text.size();
  lexer.CodeObject = nullptr;
  return tokens;
}

std::vector<std::string> HighlighterTokens(const std::string& text) {
  std::vector<std::string> tokens;
  TCommentState state = TCommentState::None;
  for (const QString& line : QString::fromUtf8(text.data(), qsizetype(text.size())).split('\n')) {
    std::vector<TScriptTextSpan> spans;
    state = FindScriptSpans(line, state, spans);
    for (const TScriptTextSpan& span : spans) {
      if (span.Kind == Kind::ReservedWord)
        tokens.push_back("word:" + line.mid(span.Start, span.Length).toLower().toStdString());
      else if (span.Kind == Kind::String)
        tokens.push_back("string");
      else if (span.Kind == Kind::Number)
        tokens.push_back("number");
    }
  }
  return tokens;
}

TEST(ScriptHighlighter, ColoursWhatTheCompilerReadsInEveryScriptOfTheTree) {
  int compared = 0;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(ZENDRIK_SOURCE_DIR)) {
    const std::filesystem::path& file = entry.path();
    if (file.extension() != ".pas" || file.string().find("/build") != std::string::npos) continue;
    std::ifstream in(file, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    bool endsEarly = false;
    const std::vector<std::string> read = LexerTokens(text, endsEarly);
    if (read == std::vector<std::string>{"does not lex"}) continue;  // lexical error cases
    std::vector<std::string> coloured = HighlighterTokens(text);
    if (endsEarly && coloured.size() > read.size()) coloured.resize(read.size());
    const auto [at, _] = std::mismatch(coloured.begin(), coloured.end(), read.begin(), read.end());
    EXPECT_EQ(coloured, read) << file << ": they part at token " << (at - coloured.begin());
    ++compared;
  }
  EXPECT_GT(compared, 30);
}

}  // namespace
}  // namespace zendrik
