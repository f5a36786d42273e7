// Statements of the Pascal dialect. Control flow becomes the three jump instructions; forward
// jumps are patched in place, loop exits and gotos are bound by name when their target is known.

#include <string>

#include "base/ascii.h"
#include "script/compiler/compiler.h"
#include "script/compiler/lexer.h"
#include "script/runtime/script_code.h"

namespace zendrik {

namespace {

using Op = TCtxOpCode;

// Tokens before which a statement is empty.
bool EndsEmptyStatement(int token) {
  return token == ';' || token == token::End || token == token::Until || token == token::Finally ||
         token == token::Except;
}

}  // namespace

void TCtxPasCompiler::ParseStatementList() {
  ParseStatement();
  while (Token == ';') {
    NextToken();
    ParseStatement();
  }
}

void TCtxPasCompiler::ParseBlock() {
  Expect(token::Begin);
  ParseStatementList();
  Expect(token::End);
}

void TCtxPasCompiler::ParseStatement() {
  NestingGuard guard(*this);
  MarkLine();
  if (EndsEmptyStatement(Token)) return;
  switch (Token) {
    case token::Identifier: return ParseIdentifierStatement();
    case token::Begin: return ParseBlock();
    case token::If: return ParseIf();
    case token::While: return ParseWhile();
    case token::Repeat: return ParseRepeat();
    case token::For: return ParseFor();
    case token::Try: return ParseTry();
    case token::Raise:
      NextToken();
      ParseExpression();
      Emit(Op::RaiseResult);
      return;
    case token::Exit: NextToken(); return EmitExitSequence();
    case token::Break: return ParseBreakOrContinue("break");
    case token::Continue: return ParseBreakOrContinue("continue");
    case token::Goto: return ParseGoto();
    default: RaiseError(error_code::SyntaxError, TokenText);
  }
}

void TCtxPasCompiler::ParseIdentifierStatement() {
  std::string name = TokenText;
  NextToken();
  switch (Token) {
    case '(':
    case '[':
    case '.': ParseDesignator(name, true); return;
    case ':':
      DeclareLabel(UpperCase(name));
      NextToken();
      return ParseStatement();
    case token::Assign: return ParseAssignment(std::move(name));
    case ';':
    case token::End:
    case token::Else:
    case token::Until:
    case token::Finally:
    case token::Except: ParsePart(name, false, false); return;
    default: RaiseError(error_code::SyntaxError, name);
  }
}

void TCtxPasCompiler::ParseAssignment(std::string name) {
  NextToken();
  ParseExpression();
  // Assigning to the function's own name, spelled exactly as in the header, sets its result.
  if (IsFunction && name == CodeObject->ScriptName()) name = "result";
  const int slot = FindSymbol(name, TSymbolKinds::All());
  if (slot < 0) {
    EmitName(Op::SetProperty, name, 0);
    return;
  }
  switch (SymbolAt(slot).SymbolKind()) {
    case TSymbolKind::Constant: RaiseError(error_code::NotAssignable, name);
    case TSymbolKind::OutParam:
    case TSymbolKind::VarParam: EmitValue(Op::StoreVarByRef, slot); return;
    default: EmitValue(Op::StoreVar, slot); return;
  }
}

void TCtxPasCompiler::ParseIf() {
  NextToken();
  ParseExpression();
  const int skipThen = Emit(Op::JumpIfNot);
  Expect(token::Then);
  ParseStatement();
  if (Token != token::Else) return PatchJump(skipThen);
  const int skipElse = Emit(Op::Jump);
  PatchJump(skipThen);
  NextToken();
  ParseStatement();
  PatchJump(skipElse);
}

void TCtxPasCompiler::ParseWhile() {
  ++LoopDepth;
  NextToken();
  const int top = LastIndex + 1;
  ParseExpression();
  const int exit = Emit(Op::JumpIfNot);
  Expect(token::Do);
  ParseStatement();
  EmitValue(Op::Jump, top);
  PatchJump(exit);
  BindLoopExits(top);
}

void TCtxPasCompiler::ParseRepeat() {
  ++LoopDepth;
  NextToken();
  const int top = LastIndex + 1;
  ParseStatementList();
  Expect(token::Until);
  MarkLine();
  ParseExpression();
  EmitValue(Op::JumpIfNot, top);
  BindLoopExits(top);
}

void TCtxPasCompiler::ParseFor() {
  ++LoopDepth;
  NextToken();
  const std::string name = Expect(token::Identifier);
  const int variable = FindSymbol(name, {TSymbolKind::LocalVar, TSymbolKind::InParam});
  if (variable < 0) RaiseError(error_code::InvalidLoopVariable, name);
  Expect(token::Assign);
  ParseExpression();
  EmitValue(Op::StoreVar, variable);
  if (Token != token::To && Token != token::Downto) RaiseError(error_code::ToOrDowntoExpected);
  const bool up = Token == token::To;
  NextToken();
  MarkLine();
  const int head = EmitValue(Op::LoadVar, variable);
  Emit(Op::PushResult);
  ParseExpression();
  Expect(token::Do);
  Emit(up ? Op::LessOrEqual : Op::GreaterOrEqual);
  const int exit = Emit(Op::JumpIfNot);
  ParseStatement();
  const int step = EmitValue(up ? Op::Inc : Op::Dec, variable);
  EmitValue(Op::Jump, head);
  PatchJump(exit);
  BindLoopExits(step);
}

void TCtxPasCompiler::BindLoopExits(std::int32_t continueTarget) {
  const std::string depth = std::to_string(LoopDepth);
  BindPending("continue" + depth, continueTarget);
  BindPending("break" + depth, LastIndex + 1);
  --LoopDepth;
}

void TCtxPasCompiler::ParseTry() {
  NextToken();
  const int handler = Emit(Op::Try);
  ParseStatementList();
  Emit(Op::EndTry);
  if (Token == token::Finally) {
    NextToken();
    PatchJump(handler);
    ParseStatementList();
    Emit(Op::RaiseException);
  } else if (Token == token::Except) {
    NextToken();
    const int skipHandler = Emit(Op::Jump);
    PatchJump(handler);
    ParseStatementList();
    Emit(Op::ClearException);
    PatchJump(skipHandler);
  } else {
    RaiseError(error_code::SyntaxError, TokenText);
  }
  Expect(token::End);
}

void TCtxPasCompiler::ParseBreakOrContinue(std::string_view word) {
  NextToken();
  const int jump = Emit(Op::Jump);
  AddPendingJump(std::string(word) + std::to_string(LoopDepth), jump);
}

void TCtxPasCompiler::ParseGoto() {
  NextToken();
  const std::string name = Expect(token::Identifier);
  const int jump = Emit(Op::Jump);
  AddPendingJump(name, jump);
}

void TCtxPasCompiler::EmitExitSequence() {
  if (IsFunction) EmitValue(Op::LoadVar, SymbolCount() - 1);
  Emit(Op::Exit);
}

}  // namespace zendrik
