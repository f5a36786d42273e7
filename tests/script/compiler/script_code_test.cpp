#include <gtest/gtest.h>
#include <QObject>

#include <cstdint>
#include <string>

#include "script/compiler/compile_error.h"
#include "script/compiler/compiler.h"
#include "script/compiler/default_compiler.h"
#include "script/compiler/literal_conversion.h"
#include "script/runtime/compiler_registry.h"
#include "script/runtime/errors.h"
#include "script/runtime/listing.h"
#include "script/runtime/script_code.h"

namespace zendrik {
namespace {

ECtxScriptCompileError CompileError(const std::string& text) {
  TCtxScriptCode code;
  code.SetCode(text);
  try {
    code.CompileNow();
  } catch (const ECtxScriptCompileError& error) {
    return error;
  }
  ADD_FAILURE() << "compiled without error: " << text.substr(0, 80);
  return ECtxScriptCompileError("", "", "", 0, 0, 0);
}

TEST(ScriptCode, CompilesLazilyAndOnlyOnce) {
  TCtxScriptCode code;
  code.SetCode("begin a := 1 end;");
  EXPECT_FALSE(code.Compiled());
  EXPECT_TRUE(code.PCode().empty());
  code.SetCompiled(true);
  ASSERT_TRUE(code.Compiled());
  ASSERT_EQ(code.PCode().size(), 4u);  // cut to the exact count
  EXPECT_EQ(code.PCode().back().Operation(), TCtxOpCode::Exit);
  QObject host;
  code.PCode()[1].CachedObject = &host;  // the run-time cache
  code.CompileNow();
  EXPECT_EQ(code.PCode()[1].CachedObject, &host);
}

TEST(ScriptCode, ChangesOfTheSourceSettingsDropTheCompiledForm) {
  TCtxScriptCode parent;
  TCtxScriptCode code;
  code.SetCode("procedure P(a); begin end;");
  auto recompiled = [&](auto change) {
    code.CompileNow();
    change();
    return !code.Compiled() && code.PCode().empty() && code.Symbols().Count() == 0;
  };
  EXPECT_TRUE(recompiled([&] { code.SetCode("procedure P(b); begin end;"); }));
  EXPECT_TRUE(recompiled([&] { code.SetLanguage("pascal"); }));
  EXPECT_TRUE(recompiled([&] { code.SetParentCode(&parent); }));
  EXPECT_TRUE(recompiled([&] { code.SetIsExpression(true); }));
  code.SetIsExpression(false);
  EXPECT_TRUE(recompiled([&] { code.SetCompiled(false); }));
  EXPECT_FALSE(recompiled([&] { code.SetCode(code.Code()); }));
  EXPECT_FALSE(recompiled([&] { code.SetScriptName("Other"); }));
  EXPECT_FALSE(recompiled([&] { code.SetDescription("about"); }));
  EXPECT_FALSE(recompiled([&] { code.SetReturnsValue(true); }));
}

TEST(ScriptCode, HeaderSetsNameAndDescription) {
  TCtxScriptCode code;
  code.SetCode("{  Adds two numbers \n } function Add(a, b); begin end;");
  code.CompileNow();
  EXPECT_EQ(code.ScriptName(), "Add");
  EXPECT_EQ(code.Description(), "Adds two numbers");

  code.SetCode("procedure (* between *) Show; begin end;");
  code.CompileNow();
  EXPECT_EQ(code.Description(), "between");

  code.SetCode("procedure Plain; begin end;");
  code.CompileNow();
  EXPECT_EQ(code.ScriptName(), "Plain");
  EXPECT_EQ(code.Description(), "Plain");
}

TEST(ScriptCode, AFailedCompileLeavesNoInstructionsButKeepsTheSymbols) {
  TCtxScriptCode code;
  code.SetCode("procedure P(a, b); begin goto Nowhere end;");
  EXPECT_THROW(code.SetCompiled(true), ECtxScriptCompileError);
  EXPECT_FALSE(code.Compiled());
  EXPECT_TRUE(code.PCode().empty());
  EXPECT_EQ(code.Symbols().Count(), 2);
}

TEST(ScriptCode, ExpressionUsesTheParentsSlotsAndIgnoresWhatFollows) {
  TCtxScriptCode parent;
  parent.SetCode("function F(a; var b); const K = 'k'; begin end;");
  parent.CompileNow();
  TCtxScriptCode expression;
  expression.SetIsExpression(true);
  expression.SetParentCode(&parent);
  expression.SetCode("a + b * K + Result + c ; anything ' at all");
  EXPECT_EQ(ListCode(expression),
            "   0  0  Result <- VAR 0\n"
            "   1  0  PUSH RESULT\n"
            "   2  0  Result <- VAR BY REF 1\n"
            "   3  0  PUSH RESULT\n"
            "   4  0  Result <- VAR 2\n"
            "   5  0  MUL\n"
            "   6  0  PLUS\n"
            "   7  0  PUSH RESULT\n"
            "   8  0  Result <- VAR 3\n"
            "   9  0  PLUS\n"
            "  10  0  PUSH RESULT\n"
            "  11  0  Result <- METHOD c (0 params)\n"
            "  12  0  PLUS\n"
            "  13  0  EXIT\n");
  ASSERT_EQ(expression.Symbols().Count(), 4);
  EXPECT_EQ(expression.Symbols().At(2).Value.StringPayload(), "k");
  EXPECT_TRUE(DefaultCompiler().MakeStub(expression).empty());
}

TEST(ScriptCode, ParentSymbolsComeFirstAndCannotBeRedeclared) {
  TCtxScriptCode parent;
  parent.SetCode("procedure P(a); var x; begin end;");
  parent.CompileNow();
  TCtxScriptCode child;
  child.SetParentCode(&parent);
  child.SetCode("procedure C(y); begin x := y end;");
  EXPECT_EQ(ListCode(child),
            "   0  0  BEGIN 3 of 3\n"
            "   1  1  Result <- VAR 2\n"
            "   2  1  Result -> VAR 1\n"
            "   3  1  EXIT\n");
  child.SetCode("procedure C(X); begin end;");
  EXPECT_THROW(child.CompileNow(), ECtxScriptCompileError);
}

TEST(ScriptCode, StubListsTheValueOutAndVarParameters) {
  TCtxScriptCode code;
  code.SetCode("procedure Fill(a, b; out c; var d; e; const k); begin end;");
  DefaultCompiler().ReadHeader(code);
  EXPECT_EQ(code.ScriptName(), "Fill");
  EXPECT_EQ(DefaultCompiler().MakeStub(code),
            "procedure Fill(a, b;  out c;  var d, e);\r\nbegin\r\nend;");
  code.SetReturnsValue(true);
  EXPECT_EQ(DefaultCompiler().MakeStub(code),
            "function Fill(a, b;  out c;  var d, e);\r\nbegin\r\n  Result := NULL;\r\nend;");

  TCtxScriptCode bare;
  bare.SetScriptName("Bare");
  EXPECT_EQ(DefaultCompiler().MakeStub(bare), "procedure Bare;\r\nbegin\r\nend;");
}

TEST(CompilerRegistry, FindsCompilersByNameIgnoringCase) {
  EXPECT_EQ(&FindCompiler(""), &DefaultCompiler());
  EXPECT_EQ(&FindCompiler("PASCAL"), &DefaultCompiler());
  try {
    FindCompiler("Basic");
    ADD_FAILURE() << "found a Basic compiler";
  } catch (const ECtxScriptError& error) {
    EXPECT_STREQ(error.what(), "Compiler not found for Basic");
  }
}

TEST(CompilerRegistry, ACompilerLeavesTheRegistryWhenDestroyed) {
  TCtxScriptCode code;
  code.SetLanguage("Empty");
  code.SetCode("whatever");
  {
    TCtxCompiler empty;  // the base compiler parses nothing
    RegisterCompiler("empty", empty);
    EXPECT_EQ(&FindCompiler("EMPTY"), &empty);
    code.CompileNow();
    EXPECT_TRUE(code.Compiled());
    EXPECT_TRUE(code.PCode().empty());
  }
  code.SetCompiled(false);
  EXPECT_THROW(code.CompileNow(), ECtxScriptError);
  EXPECT_FALSE(code.Compiled());
}

TEST(CompilerRegistry, EveryNewPascalCompilerTakesOverTheLanguageName) {
  {
    TCtxPasCompiler second;
    EXPECT_EQ(&FindCompiler("Pascal"), &second);
  }
  EXPECT_THROW(FindCompiler("Pascal"), ECtxScriptError);
  EXPECT_EQ(&FindCompiler(""), &DefaultCompiler());
  RegisterCompiler("Pascal", DefaultCompiler());
}

TEST(CompileError, MessageNamesScriptTextDetailAndPosition) {
  const ECtxScriptCompileError error("Label not found", "L", "Calc", 2, 5, 1015);
  EXPECT_STREQ(error.what(), "Error compiling Calc. Label not found: L at line 5, pos 2");
  EXPECT_EQ(error.ErrorCode, 1015);
  EXPECT_EQ(error.ErrorLine, 5);
  EXPECT_EQ(error.ErrorPos, 2);
  EXPECT_EQ(error.ErrorDetail, "L");
  EXPECT_EQ(error.ErrorScript, "Calc");
  EXPECT_STREQ(ECtxScriptCompileError("", "", "S", 1, 1, 77).what(),
               "Error compiling S. Error 77 at line 1, pos 1");
}

TEST(CompileError, EmptyTextExpectsBeginAtLineOnePositionTwo) {
  const ECtxScriptCompileError error = CompileError("");
  EXPECT_STREQ(error.what(), "Error compiling . Syntax Error at line 1, pos 2");
}

TEST(CompileError, MessageTextsComeFromTheCompilerOrTheEvent) {
  EXPECT_EQ(DefaultCompiler().ErrorText(1016), "Variable not found or cannot be assigned to");
  EXPECT_EQ(DefaultCompiler().ErrorText(1011), "This form of method call is not allowed");
  EXPECT_EQ(DefaultCompiler().ErrorText(42), "Unknown error");
  TCtxCompiler base;
  EXPECT_EQ(base.ErrorText(1002), "Error 1002");

  DefaultCompiler().OnErrorText = [](int code, std::string& text) {
    if (code == 1002) text = "Syntaxfehler";
  };
  EXPECT_STREQ(CompileError("begin end").what(),
               "Error compiling . Syntaxfehler at line 1, pos 11");
  EXPECT_STREQ(CompileError("begin 'x end;").what(),
               "Error compiling . Error 1006 at line 1, pos 7");
  DefaultCompiler().OnErrorText = nullptr;
}

std::string Repeated(const std::string& part, int times, const std::string& separator = "") {
  std::string text;
  for (int i = 0; i < times; ++i) text += (i ? separator : "") + part;
  return text;
}

// "L0: L1: ..." with `count` labels.
std::string Labels(int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text += "L" + std::to_string(i) + ": ";
  return text;
}

// "v0, v1, ..." with `count` names.
std::string Names(int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text += (i ? ", v" : "v") + std::to_string(i);
  return text;
}

TEST(CompilerLimits, AtMost255SymbolsInARoutine) {
  TCtxScriptCode code;
  code.SetCode("function F(" + Names(254) + "); begin end;");  // 254 parameters and result
  code.CompileNow();
  EXPECT_EQ(code.PCode()[0].Count, 255);

  ECtxScriptCompileError error = CompileError("function F(" + Names(255) + "); begin end;");
  EXPECT_EQ(error.ErrorCode, error_code::TooManySymbols);
  EXPECT_EQ(error.ErrorDetail, "result");
  error = CompileError("var " + Names(256) + "; begin end;");
  EXPECT_EQ(error.ErrorDetail, "v255");
  EXPECT_EQ(std::string(error.what())
                .rfind("Error compiling . Too many identifiers in one routine: v255 at line 1", 0),
            0u);
}

TEST(CompilerLimits, AtMost255ArgumentsOrIndexes) {
  TCtxScriptCode code;
  code.SetCode("begin f(" + Repeated("1", 255, ",") + ") end;");
  code.CompileNow();
  EXPECT_EQ(code.PCode()[code.PCode().size() - 2].Count, 255);
  for (const char* call : {"f(", "a[", "o.m(", "o.p["}) {
    const std::string closer = call[std::string(call).size() - 1] == '(' ? ")" : "]";
    const ECtxScriptCompileError error = CompileError("begin x := " + std::string(call) +
                                                      Repeated("1", 256, ",") + closer + " end;");
    EXPECT_EQ(error.ErrorCode, error_code::TooManyArguments) << call;
  }
}

TEST(CompilerLimits, DeepNestingIsACompileErrorNotAStackOverflow) {
  const std::string deep[] = {
      "begin a := " + std::string(20000, '(') + "1" + std::string(20000, ')') + " end;",
      "begin a := " + Repeated("-", 20000) + "1 end;",
      "begin a := " + Repeated("f(", 20000) + "1" + std::string(20000, ')') + " end;",
      "begin " + Repeated("begin ", 20000) + Repeated("end ", 20000) + "end;",
      "begin " + Repeated("if a then ", 20000) + "a end;",
      "begin " + Labels(20000) + "end;",
      "begin " + Repeated("while a do ", 20000) + "; end;",
  };
  for (const std::string& text : deep) {
    const ECtxScriptCompileError error = CompileError(text);
    EXPECT_EQ(error.ErrorCode, error_code::NestingTooDeep) << text.substr(0, 30);
    EXPECT_EQ(error.ErrorDetail, "");
  }
  TCtxScriptCode code;
  code.SetCode("begin a := " + std::string(900, '(') + "1" + std::string(900, ')') + " end;");
  EXPECT_NO_THROW(code.CompileNow());
}

// Mutants of valid scripts compile or end in a compile or conversion error; compiled code
// only jumps inside itself and ends with EXIT.
TEST(CompilerRobustness, MutatedScriptsCompileOrFailCleanly) {
  const std::string scripts[] = {
      "function F(a; var b); var i, s; const K = 'k' #65; begin\n  for i := 1 to a do begin s := s "
      "+ b[i];\n"
      "  if s > 10 then break else continue end;\n  try raise K except Log(exception) end;\n  "
      "result := s end;",
      "procedure P(out o); begin L: while o.Next do repeat o.Items[1, 2] := @o; goto l until not o "
      "or (o <> 1.5)\n"
      "end; { tail }",
      "var x; begin try x := $1F * -x div 2 mod 3 finally x := null end; if x then exit end; // c",
  };
  const char* pieces[] = {
      "begin", "end",   ";",   "(",   ")",  "[",     "]",   ":=",     "if",   "then",
      "else",  "while", "do",  "for", "to", "until", "try", "except", "goto", "L",
      ":",     "x",     "'s'", "#",   "$",  "1.",    "{",   "}",      "(*",   "*)",
      "//",    "\n",    "\r",  ".",   ",",  "@",     "var", "const",  "=",    "_"};
  std::uint32_t state = 12345;
  auto next = [&state] { return state = state * 1103515245u + 12345u, state >> 8; };
  int compiled = 0;
  int failed = 0;
  for (int round = 0; round < 3000; ++round) {
    std::string text = scripts[next() % std::size(scripts)];
    for (int mutations = 1 + static_cast<int>(next() % 3); mutations > 0; --mutations) {
      const std::size_t at = next() % (text.size() + 1);
      switch (next() % 4) {
        case 0: text.insert(at, 1, static_cast<char>(next() % 256)); break;
        case 1: text.insert(at, pieces[next() % std::size(pieces)]); break;
        case 2: text.erase(at, next() % 8); break;
        default: text.insert(at, text.substr(next() % text.size(), next() % 16)); break;
      }
    }
    TCtxScriptCode code;
    code.SetCode(text);
    try {
      code.CompileNow();
    } catch (const ECtxScriptCompileError&) {
      ++failed;
      continue;
    } catch (const EConvertError&) {
      ++failed;
      continue;
    }
    ++compiled;
    const auto& pcode = code.PCode();
    ASSERT_FALSE(pcode.empty()) << text;
    EXPECT_EQ(pcode.back().Operation(), TCtxOpCode::Exit) << text;
    for (const TCtxPCodeRec& instruction : pcode) {
      const TCtxOpCode op = instruction.Operation();
      if (op == TCtxOpCode::Jump || op == TCtxOpCode::JumpIf || op == TCtxOpCode::JumpIfNot ||
          op == TCtxOpCode::Try) {
        EXPECT_TRUE(instruction.Value >= 0 && instruction.Value < static_cast<int>(pcode.size()))
            << text;
      }
    }
  }
  EXPECT_GT(compiled, 100);
  EXPECT_GT(failed, 100);
}

}  // namespace
}  // namespace zendrik
