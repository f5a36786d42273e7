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
    case token::Exit: NextToken(); return EmitExit();
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

// try S finally F end:   TRY L; S; END TRY; F; JUMP M; [S stubs]; L: F; RAISE (Exception);
//                        [F stubs]; M:
// try S except H end:    TRY L; S; END TRY; JUMP M; [S stubs]; L: H; CLEAR Exception;
//                        [JUMP M; H stubs]; M:
// A stub closes what a jump leaves: END TRY for the body (and a copy of F after a finally
// body), CLEAR Exception for a handler, before it jumps on. The second F, reached only from
// the handler, is a copy of the first.
void TCtxPasCompiler::ParseTry() {
  NextToken();
  const int tryIndex = Emit(Op::Try);
  const std::int32_t bodyStart = OpenProtectedPart();
  OpenLabelScope();
  ParseStatementList();
  CloseLabelScope();
  const std::vector<TPartExit> bodyExits = CloseProtectedPart(bodyStart);
  Emit(Op::EndTry);
  if (Token == token::Finally) {
    NextToken();
    ParseFinallyPart(tryIndex, bodyExits);
  } else if (Token == token::Except) {
    NextToken();
    ParseExceptPart(tryIndex, bodyExits);
  } else {
    RaiseError(error_code::SyntaxError, TokenText);
  }
  Expect(token::End);
}

void TCtxPasCompiler::ParseFinallyPart(std::int32_t tryIndex,
                                       const std::vector<TPartExit>& bodyExits) {
  const std::int32_t finallyStart = OpenLabelScope();
  ParseStatementList();
  CloseLabelScope();
  const std::int32_t finallyEnd = LastIndex + 1;
  const int skipHandler = Emit(Op::Jump);
  EmitExitStubs(bodyExits, [&] {
    Emit(Op::EndTry);
    EmitCopy(finallyStart, finallyEnd);
  });
  PatchJump(tryIndex);
  const std::int32_t handlerStart = OpenProtectedPart();
  EmitCopy(finallyStart, finallyEnd);
  Emit(Op::RaiseException);
  EmitExitStubs(CloseProtectedPart(handlerStart), [&] { Emit(Op::ClearException); });
  PatchJump(skipHandler);
}

void TCtxPasCompiler::ParseExceptPart(std::int32_t tryIndex,
                                      const std::vector<TPartExit>& bodyExits) {
  const int skipHandler = Emit(Op::Jump);
  EmitExitStubs(bodyExits, [&] { Emit(Op::EndTry); });
  PatchJump(tryIndex);
  const std::int32_t handlerStart = OpenProtectedPart();
  OpenLabelScope();
  ParseStatementList();
  CloseLabelScope();
  Emit(Op::ClearException);
  const std::vector<TPartExit> handlerExits = CloseProtectedPart(handlerStart);
  if (!handlerExits.empty()) {
    const int skipStubs = Emit(Op::Jump);
    EmitExitStubs(handlerExits, [&] { Emit(Op::ClearException); });
    PatchJump(skipStubs);
  }
  PatchJump(skipHandler);
}

void TCtxPasCompiler::ParseBreakOrContinue(std::string_view word) {
  NextToken();
  const int jump = Emit(Op::Jump);
  AddPendingJump(std::string(word) + std::to_string(LoopDepth), jump);
}

void TCtxPasCompiler::ParseGoto() {
  NextToken();
  // A label already closed inside a try statement: the error points at its name.
  if (Token == token::Identifier && ClosedLabels.contains(UpperCase(TokenText)))
    RaiseError(error_code::GotoIntoTry, UpperCase(TokenText));
  const std::string name = Expect(token::Identifier);
  const int jump = Emit(Op::Jump);
  AddPendingJump(name, jump);
}

void TCtxPasCompiler::EmitExitSequence() {
  if (IsFunction) EmitValue(Op::LoadVar, SymbolCount() - 1);
  Emit(Op::Exit);
}

}  // namespace zendrik
