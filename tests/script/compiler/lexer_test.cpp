#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "script/compiler/compile_error.h"
#include "script/compiler/compiler.h"
#include "script/compiler/default_compiler.h"
#include "script/compiler/lexer.h"
#include "script/compiler/literal_conversion.h"
#include "script/runtime/compiler_registry.h"
#include "script/runtime/script_code.h"

namespace zendrik {
namespace {

// Scans `text` with the Pascal rules and describes each token as "code text@line:pos"; stops at
// the end of the text (a "_" token ends the list too).
std::vector<std::string> Scan(const std::string& text) {
  TCtxScriptCode code;
  code.SetCode(text);
  TCtxCompiler& compiler = DefaultCompiler();
  compiler.CodeObject = &code;
  compiler.Reset();
  std::vector<std::string> tokens;
  for (;;) {
    if (compiler.Token == token::EndOfText && compiler.TokenText.empty()) break;
    tokens.push_back(std::to_string(compiler.Token) + " " + compiler.TokenText + "@" +
                     std::to_string(compiler.TokenLine) + ":" + std::to_string(compiler.TokenPos));
    if (compiler.Token == token::EndOfText || compiler.Token == token::BlockComment ||
        compiler.Token == token::LineComment)
      break;
    compiler.NextToken();
  }
  compiler.CodeObject = nullptr;
  return tokens;
}

using Tokens = std::vector<std::string>;

struct ScanCase {
  const char* text;
  Tokens tokens;
};

TEST(PascalLexer, ScansTokensWithTheirPositions) {
  const ScanCase cases[] = {
      {"x:=12;", {"1001 x@1:2", "3007 :=@1:3", "1005 12@1:5", "59 ;@1:7"}},
      {"a ;", {"1001 a@1:2", "59 ;@1:3"}},
      {"a\n  b", {"1001 a@1:2", "1001 b@2:1"}},
      {"''''", {"1004 '@1:2"}},
      {"''", {"1004 @1:2"}},
      {"'a'#13#$0A'b'", {"1004 a@1:2", "1004 \r@1:5", "1004 \n@1:8", "1004 b@1:12"}},
      {"#$0D", {"1004 \r@1:2"}},
      {"#$0d", {std::string("1004 ") + '\0' + "@1:2", "1001 d@1:5"}},
      {"#300", {"1004 ,@1:2"}},
      {"$1F", {"1005 31@1:2"}},
      {"$", {"1005 0@1:2"}},
      {"$ff", {"1005 0@1:2", "1001 ff@1:3"}},
      {"$FFFFFFFF $123456789", {"1005 -1@1:2", "1005 591751049@1:11"}},
      {"1.5 1. 12e3", {"1006 1.5@1:2", "1006 1.@1:5", "1005 12@1:8", "1001 e3@1:11"}},
      {"BeGiN WITH with wItH",
       {"2003 BeGiN@1:2", "1001 WITH@1:7", "1001 with@1:12", "1001 wItH@1:17"}},
      {"_a _", {"1001 _a@1:2", "-1 _@1:4"}},
      {"<> >= <= < > : ( / @",
       {"3010 <>@1:2", "3008 >=@1:4", "3009 <=@1:7", "60 <@1:10", "62 >@1:12", "58 :@1:14",
        "40 (@1:16", "47 /@1:18", "1008 @@1:20"}},
      {"\ta\t;", {"1001 a@1:2", "59 ;@1:4"}},
      {"(* x **) a", {"1001 a@1:10"}},
      {"{ (* } a", {"1001 a@1:8"}},
      {"a // note\nb", {"1001 a@1:2", "1001 b@2:1"}},
      {"a (* open", {"1001 a@1:2", "2024 (*@1:3"}},
      {"a // last", {"1001 a@1:2", "2025 //@1:3"}},
      {"\xC0\xFF \x80", {"1001 \xC0\xFF@1:2", "128 \x80@1:4"}},
      {"a\0b", {"1001 a@1:2"}},
      {"a\rb", {"1001 ab@1:2"}},
      {"a\r\r\rb", {"1001 ab@1:2"}},
      {"'x\r\ry'\r", {"1004 xy@1:2"}},
  };
  for (const ScanCase& c : cases) EXPECT_EQ(Scan(c.text), c.tokens) << c.text;
}

TEST(PascalLexer, NulInsideTheTextEndsIt) {
  EXPECT_EQ(Scan(std::string("a\0b c", 5)), Tokens{"1001 a@1:2"});
  TCtxScriptCode code;
  code.SetCode(std::string("begin end;\0 'unterminated", 25));
  EXPECT_NO_THROW(code.CompileNow());
  code.SetCode(std::string("begin a := 'x\0y' end;", 22));
  EXPECT_THROW(code.CompileNow(), ECtxScriptCompileError);
}

TEST(PascalLexer, CarriageReturnsBeforeLineFeedsGiveTheSamePositionsAsLineFeeds) {
  const std::string unix = "var a;\n begin\n\n  a := 'x' ; { c\n }\n end;\n";
  for (const std::string ending : {"\r\n", "\r\r\n", "\r\r\r\n"}) {
    std::string dos;
    for (char c : unix) dos += c == '\n' ? ending : std::string(1, c);
    EXPECT_EQ(Scan(dos), Scan(unix)) << ending.size() - 1 << " carriage returns";
  }
}

TEST(PascalLexer, ScriptsWithDoubledCarriageReturnsCompile) {
  TCtxScriptCode code;
  code.SetCode("procedure P;\r\r\nvar s;\r\r\nbegin\r\r\n  s := 'a' +\r 'b';\r\r\nend;\r\r\n");
  EXPECT_NO_THROW(code.CompileNow());
  code.SetCode("begin\r\r\n  s := ;\r\r\nend;");
  try {
    code.CompileNow();
    ADD_FAILURE() << "compiled";
  } catch (const ECtxScriptCompileError& error) {
    EXPECT_EQ(error.ErrorLine, 2);
    EXPECT_EQ(error.ErrorDetail.find('\r'), std::string::npos);
  }
}

TEST(PascalLexer, RecordsTheLatestCommentText) {
  TCtxScriptCode code;
  code.SetCode("{ first } a (* second **) b // third\nc d");
  TCtxCompiler& compiler = DefaultCompiler();
  compiler.CodeObject = &code;
  compiler.Reset();
  EXPECT_EQ(compiler.CommentText, " first ");
  compiler.NextToken();
  EXPECT_EQ(compiler.CommentText, " second *");
  compiler.NextToken();
  EXPECT_EQ(compiler.CommentText, " third");
  compiler.NextToken();
  EXPECT_EQ(compiler.TokenText, "d");
  EXPECT_EQ(compiler.CommentText, " third");
  compiler.CodeObject = nullptr;
}

struct LexErrorCase {
  const char* text;
  int code;
  const char* detail;
  int line;
  int pos;
};

TEST(PascalLexer, ReportsLexicalErrorsAtTheTokenBeingScanned) {
  const LexErrorCase cases[] = {
      {"a := 'abc", error_code::UnterminatedString, "", 1, 6},
      {"a := 'a\tb'", error_code::UnterminatedString, "", 1, 6},
      {"a\n  'x\ny'", error_code::UnterminatedString, "", 2, 1},
      {"a { open", error_code::UnexpectedEnd, "", 1, 3},
      {"a\n 1.2.3", error_code::InvalidNumber, "1.2.3", 2, 1},
      {"1..2", error_code::InvalidNumber, "1..2", 1, 2},
  };
  for (const LexErrorCase& c : cases) {
    TCtxScriptCode code;
    code.SetCode(c.text);
    try {
      DefaultCompiler().CodeObject = &code;
      for (DefaultCompiler().Reset(); DefaultCompiler().Token != token::EndOfText;)
        DefaultCompiler().NextToken();
      ADD_FAILURE() << "no error for " << c.text;
    } catch (const ECtxScriptCompileError& error) {
      EXPECT_EQ(error.ErrorCode, c.code) << c.text;
      EXPECT_EQ(error.ErrorDetail, c.detail) << c.text;
      EXPECT_EQ(error.ErrorLine, c.line) << c.text;
      EXPECT_EQ(error.ErrorPos, c.pos) << c.text;
    }
    DefaultCompiler().CodeObject = nullptr;
  }
}

TEST(PascalLexer, NumberTextsThatDoNotConvertRaiseTheConversionError) {
  const std::pair<const char*, const char*> cases[] = {
      {"begin a := # end;", "'' is not a valid integer value"},
      {"begin a := #99999999999 end;", "'99999999999' is not a valid integer value"},
      {"begin a := 2147483648 end;", "'2147483648' is not a valid integer value"},
  };
  for (const auto& [text, message] : cases) {
    TCtxScriptCode code;
    code.SetCode(text);
    try {
      code.CompileNow();
      ADD_FAILURE() << "no error for " << text;
    } catch (const EConvertError& error) {
      EXPECT_STREQ(error.what(), message);
      EXPECT_TRUE(code.PCode().empty());
    }
  }
}

TEST(StrToFloatLiteral, TinyLiteralsReadAsTheNearestDoubleAndHugeOnesFail) {
  const std::string tiny = "0." + std::string(400, '0') + "1";
  EXPECT_EQ(StrToFloatLiteral(tiny), 0.0);
  EXPECT_EQ(StrToFloatLiteral("0." + std::string(309, '0') + "1"), 1e-310);  // subnormal
  EXPECT_EQ(StrToFloatLiteral("0." + std::string(323, '0') + "5"), 5e-324);  // the smallest
  EXPECT_EQ(StrToFloatLiteral("2.5"), 2.5);
  const std::string huge = "1" + std::string(400, '0') + ".5";
  EXPECT_THROW(StrToFloatLiteral(huge), EConvertError);
  EXPECT_THROW(StrToFloatLiteral("1.2.3"), EConvertError);

  TCtxScriptCode code;
  code.SetCode("begin a := " + tiny + " end;");
  EXPECT_NO_THROW(code.CompileNow());
}

TEST(HexToInt, WrapsInThirtyTwoBitsAndRejectsOtherCharacters) {
  EXPECT_EQ(HexToInt(""), 0);
  EXPECT_EQ(HexToInt("1F"), 31);
  EXPECT_EQ(HexToInt("7FFFFFFF"), 2147483647);
  EXPECT_EQ(HexToInt("FFFFFFFF"), -1);
  EXPECT_EQ(HexToInt("100000001"), 1);
  EXPECT_EQ(HexToInt("1f"), 0);
  EXPECT_EQ(HexToInt("G"), 0);
}

TEST(ReservedWords, TablesHoldEveryWordOnce) {
  EXPECT_EQ(LookupWord(WordTable, "with"), -1);
  EXPECT_EQ(LookupWord(WordTable, "exception"), token::ExceptionWord);
  EXPECT_EQ(LookupWord(WordTable, "Begin"), -1);  // the lookup itself is case-sensitive
  EXPECT_EQ(LookupWord(PairTable, "(*"), token::BlockComment);
  for (const TReservedWord& entry : WordTable)
    if (entry.Code != -1) {
      EXPECT_EQ(LookupWord(WordTable, entry.Word), entry.Code) << entry.Word;
    }
}

}  // namespace
}  // namespace zendrik
