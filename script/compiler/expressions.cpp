// Expressions of the Pascal dialect, compiled while parsing. Every expression leaves its value
// in Result; a binary operator keeps its left operand on the stack while the right one is
// computed.

#include <optional>

#include "script/compiler/compiler.h"
#include "script/compiler/lexer.h"
#include "script/compiler/literal_conversion.h"

namespace zendrik {

namespace {

using Op = TCtxOpCode;

std::optional<Op> RelationalOperator(int token) {
  switch (token) {
    case '=': return Op::Equal;
    case token::NotEqual: return Op::NotEqual;
    case '<': return Op::Less;
    case '>': return Op::Greater;
    case token::LessEqual: return Op::LessOrEqual;
    case token::GreaterEqual: return Op::GreaterOrEqual;
    default: return std::nullopt;
  }
}

std::optional<Op> AdditiveOperator(int token) {
  switch (token) {
    case '+': return Op::Plus;
    case '-': return Op::Minus;
    case token::Or: return Op::Or;
    case token::Xor: return Op::Xor;
    default: return std::nullopt;
  }
}

std::optional<Op> MultiplicativeOperator(int token) {
  switch (token) {
    case '*': return Op::Mul;
    case '/': return Op::Div;
    case token::Div: return Op::IDiv;
    case token::Mod: return Op::Mod;
    case token::And: return Op::And;
    default: return std::nullopt;
  }
}

std::optional<Op> UnaryOperator(int token) {
  switch (token) {
    case '+': return Op::UPlus;
    case '-': return Op::UMinus;
    case token::Not: return Op::Not;
    default: return std::nullopt;
  }
}

bool HoldsReference(TSymbolKind kind) {
  return kind == TSymbolKind::OutParam || kind == TSymbolKind::VarParam;
}

constexpr TSymbolKinds kVariableKinds{TSymbolKind::LocalVar, TSymbolKind::InParam,
                                      TSymbolKind::OutParam, TSymbolKind::VarParam};

}  // namespace

// One binary level: operands of the next level joined by this level's operators, left to
// right. "or" and "and" jump past the right operand when the left one decides the outcome.
template <typename Table, typename Operand>
static void ParseBinaryLevel(TCtxPasCompiler& compiler, Table table, Operand operand) {
  operand();
  while (std::optional<Op> op = table(compiler.Token)) {
    int jump = -1;
    if (compiler.Token == token::Or)
      jump = compiler.Emit(Op::JumpIf);
    else if (compiler.Token == token::And)
      jump = compiler.Emit(Op::JumpIfNot);
    compiler.Emit(Op::PushResult);
    compiler.NextToken();
    operand();
    compiler.Emit(*op);
    if (jump >= 0) compiler.PatchJump(jump);
  }
}

void TCtxPasCompiler::ParseExpression() {
  NestingGuard guard(*this);
  ParseBinaryLevel(*this, RelationalOperator, [this] { ParseSimpleExpression(); });
}

void TCtxPasCompiler::ParseSimpleExpression() {
  ParseBinaryLevel(*this, AdditiveOperator, [this] { ParseTerm(); });
}

void TCtxPasCompiler::ParseTerm() {
  ParseBinaryLevel(*this, MultiplicativeOperator, [this] { ParseUnary(); });
}

void TCtxPasCompiler::ParseUnary() {
  std::optional<Op> op = UnaryOperator(Token);
  if (!op) return ParseFactor();
  NestingGuard guard(*this);
  NextToken();
  ParseUnary();
  Emit(*op);
}

void TCtxPasCompiler::ParseFactor() {
  switch (Token) {
    case '(':
      Expect('(');
      ParseExpression();
      Expect(')');
      return;
    case token::Identifier: {
      std::string name = TokenText;
      NextToken();
      ParseDesignator(name, false);
      return;
    }
    case token::String: return EmitStringLiterals();
    case token::Integer:
      EmitValue(Op::LoadInteger, StrToInt(TokenText));
      NextToken();
      return;
    case token::Real:
      EmitDouble(Op::LoadDouble, StrToFloatLiteral(TokenText));
      NextToken();
      return;
    case token::TrueWord:
    case token::FalseWord:
      EmitBool(Op::LoadBool, Token == token::TrueWord);
      NextToken();
      return;
    case token::NullWord:
      Emit(Op::LoadNull);
      NextToken();
      return;
    case token::ExceptionWord:
      Emit(Op::LoadException);
      NextToken();
      return;
    case token::At: return ParseAddress();
    default: RaiseError(error_code::SyntaxError, TokenText);
  }
}

void TCtxPasCompiler::EmitStringLiterals() {
  std::string text = TokenText;
  NextToken();
  while (Token == token::String) {
    text += TokenText;
    NextToken();
  }
  EmitName(Op::LoadString, text, 0);
}

void TCtxPasCompiler::ParseAddress() {
  NextToken();
  const std::string name = Expect(token::Identifier);
  const int slot = FindSymbol(name, kVariableKinds);
  if (slot < 0) RaiseError(error_code::NotAssignable, name);
  EmitValue(HoldsReference(SymbolAt(slot).SymbolKind()) ? Op::LoadVar : Op::LoadVarAddress, slot);
}

bool TCtxPasCompiler::ParseDesignator(const std::string& name, bool allowAssign) {
  bool value = ParsePart(name, false, allowAssign);
  while (value && Token == '.') {
    Emit(Op::PushResult);
    NextToken();
    const std::string member = Expect(token::Identifier);
    value = ParsePart(member, true, allowAssign);
  }
  return value;
}

bool TCtxPasCompiler::ParsePart(const std::string& name, bool member, bool allowAssign) {
  int count = 0;
  int bracket = 0;
  if (Token == '(' || Token == '[') {
    bracket = Token;
    count = ParseArguments(bracket == '(' ? ')' : ']', name);
  }
  if (Token != token::Assign) {
    EmitLoad(name, member, bracket, count);
    return true;
  }
  if (!allowAssign) RaiseError(error_code::AssignmentInExpression, name);
  if (bracket == '(') RaiseError(error_code::AssignableExpected, name);
  NextToken();
  ParseExpression();
  EmitStore(name, member, bracket, count);
  return false;
}

int TCtxPasCompiler::ParseArguments(int closer, const std::string& name) {
  NextToken();
  int count = 0;
  for (;;) {
    ParseExpression();
    Emit(Op::PushResult);
    if (++count > kMaxArguments) RaiseError(error_code::TooManyArguments, name);
    if (Token != ',') break;
    NextToken();
    if (Token == closer) break;
  }
  Expect(closer);
  return count;
}

void TCtxPasCompiler::EmitStore(const std::string& name, bool member, int bracket, int count) {
  if (member) {
    if (bracket == '[')
      EmitName(Op::SetObjectIndexed, name, count);
    else
      EmitName(Op::SetObjectProperty, name, 0);
    return;
  }
  const int slot = FindSymbol(name, TSymbolKinds::All());
  if (slot < 0) {
    EmitName(Op::SetIndexed, name, count);
    return;
  }
  const TSymbolKind kind = SymbolAt(slot).SymbolKind();
  if (kind == TSymbolKind::Constant) RaiseError(error_code::NotAssignable, name);
  EmitValue(HoldsReference(kind) ? Op::StoreElementByRef : Op::StoreElement, slot, count);
}

void TCtxPasCompiler::EmitLoad(const std::string& name, bool member, int bracket, int count) {
  if (member) {
    EmitName(bracket == '[' ? Op::GetObjectIndexed : Op::CallObjectMethod, name, count);
    return;
  }
  if (bracket == '(') {
    EmitName(Op::CallMethod, name, count);
    return;
  }
  const int slot = FindSymbol(name, TSymbolKinds::All());
  if (slot < 0) {
    EmitName(bracket == '[' ? Op::GetIndexed : Op::CallMethod, name, count);
    return;
  }
  const bool byRef = HoldsReference(SymbolAt(slot).SymbolKind());
  if (bracket == '[')
    EmitValue(byRef ? Op::LoadElementByRef : Op::LoadElement, slot, count);
  else
    EmitValue(byRef ? Op::LoadVarByRef : Op::LoadVar, slot);
}

}  // namespace zendrik
