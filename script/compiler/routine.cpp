// The outer shape of a script: header, declarations, the body's frame, the compile driver,
// error reporting and stubs.

#include <string>

#include "base/ascii.h"
#include "script/compiler/compile_error.h"
#include "script/compiler/compiler.h"
#include "script/compiler/lexer.h"
#include "script/compiler/literal_conversion.h"
#include "script/runtime/script_code.h"

namespace zendrik {

namespace {

using Op = TCtxOpCode;

std::string_view PascalErrorText(int code) {
  switch (code) {
    case error_code::InternalError: return "Parser internal error";
    case error_code::SyntaxError: return "Syntax Error";
    case error_code::IdentifierRedeclared: return "Identifier redeclared";
    case error_code::UnexpectedEnd: return "Unexpected end of script";
    case error_code::InvalidNumber: return "Invalid number format";
    case error_code::UnterminatedString: return "Unterminated string";
    case error_code::ConstantExpected: return "Constant expected";
    case error_code::LabelRedeclared: return "Label redeclared";
    case error_code::AssignableExpected:
      return "Assignable expression expected to the left of ':='";
    case error_code::AssignmentInExpression: return "Assignment in expressions is not supported";
    case error_code::MethodCallForm: return "This form of method call is not allowed";
    case error_code::InvalidParameter: return "Invalid parameter";
    case error_code::ToOrDowntoExpected: return "To or downto keywords expected";
    case error_code::InvalidLoopVariable:
      return "Loop variable must be a local variable or an input parameter";
    case error_code::LabelNotFound: return "Label not found";
    case error_code::NotAssignable: return "Variable not found or cannot be assigned to";
    case error_code::TooManySymbols: return "Too many identifiers in one routine";
    case error_code::TooManyArguments: return "Too many arguments";
    case error_code::NestingTooDeep: return "Statements or expressions nested too deeply";
    case error_code::GotoIntoTry: return "Goto into a try statement";
    case error_code::CodeTooLarge: return "Script too large";
    default: return "Unknown error";
  }
}

}  // namespace

TCtxCompiler::~TCtxCompiler() { UnregisterCompiler(*this); }

std::string TCtxCompiler::ErrorText(int code) { return "Error " + std::to_string(code); }

void TCtxCompiler::RaiseError(int code, std::string_view detail) {
  std::string text;
  if (OnErrorText)
    OnErrorText(code, text);
  else
    text = ErrorText(code);
  const std::string script = CodeObject ? CodeObject->ScriptName() : std::string();
  throw ECtxScriptCompileError(text, std::string(detail), script, TokenPos, TokenLine, code);
}

namespace {

// Binds a compiler to a code object for one compile or header read, and unbinds it again,
// whatever happens, so that no reference to the code or its text outlives the call.
class CompileScope {
 public:
  CompileScope(TCtxCompiler& compiler, TCtxScriptCode& code) : compiler_(compiler) {
    compiler_.CodeObject = &code;
  }
  ~CompileScope() {
    compiler_.ResetJumps();
    compiler_.CodeObject = nullptr;
    compiler_.Source = {};
  }
  CompileScope(const CompileScope&) = delete;
  CompileScope& operator=(const CompileScope&) = delete;

 private:
  TCtxCompiler& compiler_;
};

}  // namespace

void TCtxCompiler::ReadHeader(TCtxScriptCode& code) {
  if (code.IsExpression()) return;
  CompileScope scope(*this, code);
  Reset();
  ParseHeader();
}

void TCtxCompiler::Compile(TCtxScriptCode& code) {
  CompileScope scope(*this, code);
  std::vector<TCtxPCodeRec>& pcode = code.PCode();
  try {
    Reset();
    // Room for one instruction per two characters, which dense code stays below: the array
    // is neither copied while it grows nor cut by a copy at the end, and records never written
    // take no memory.
    pcode.clear();
    pcode.reserve(code.Code().size() / 2 + 16);
    if (code.IsExpression()) {
      ParseExpression();
      Emit(Op::Exit);
    } else {
      ResetJumps();
      ParseHeader();
      ParseBody();
      BindLabels();
      if (!PendingJumps.empty()) RaiseError(error_code::LabelNotFound, PendingJumps.begin()->first);
    }
  } catch (...) {
    pcode.clear();
    throw;
  }
}

std::string TCtxCompiler::MakeStub(const TCtxScriptCode&) { return std::string(); }

TCtxPasCompiler::TCtxPasCompiler() { RegisterCompiler("Pascal", *this); }

std::string TCtxPasCompiler::ErrorText(int code) { return std::string(PascalErrorText(code)); }

void TCtxPasCompiler::ParseHeader() {
  if (Token != token::Procedure && Token != token::Function) return;
  IsFunction = Token == token::Function;
  NextToken();
  // The latest comment read so far: one before the header or between the keyword and the name.
  CodeObject->SetDescription(std::string(Trim(CommentText)));
  if (Token == token::Identifier) {
    CodeObject->SetScriptName(TokenText);
    NextToken();
  }
  if (Token == '(') {
    Expect('(');
    for (;;) {
      ParseParameterGroup();
      if (Token != ';') break;
      NextToken();
      if (Token == ')') break;
    }
    Expect(')');
  }
  Expect(';');
}

void TCtxPasCompiler::ParseParameterGroup() {
  TSymbolKind kind = TSymbolKind::InParam;
  switch (Token) {
    case token::Identifier: break;
    case token::In: NextToken(); break;
    case token::Out:
      kind = TSymbolKind::OutParam;
      NextToken();
      break;
    case token::Var:
      kind = TSymbolKind::VarParam;
      NextToken();
      break;
    case token::Const:
      kind = TSymbolKind::Constant;
      NextToken();
      break;
    default: RaiseError(error_code::InvalidParameter);
  }
  ParseNameList(kind);
}

void TCtxPasCompiler::ParseNameList(TSymbolKind kind) {
  for (;;) {
    const std::string name = Expect(token::Identifier);
    DeclareSymbol(name, kind, TCtxValue::Null());
    if (Token != ',') break;
    NextToken();
  }
  if (Token == ':') {
    NextToken();
    Expect(token::Identifier);  // the type name means nothing: every variable holds any value
  }
}

void TCtxPasCompiler::ParseBody() {
  const int first = SymbolCount();
  for (;;) {
    if (Token == token::Var) {
      NextToken();
      ParseNameList(TSymbolKind::LocalVar);
      Expect(';');
    } else if (Token == token::Const) {
      Expect(token::Const);
      ParseConstants();
    } else {
      break;
    }
  }
  if (IsFunction) DeclareSymbol("result", TSymbolKind::LocalVar, TCtxValue::Null());
  EmitValue(Op::Begin, first, SymbolCount());
  MarkLine();
  ParseBlock();
  // A program's usual last line, "end.", ends the script as "end;" does.
  if (Token == '.')
    NextToken();
  else
    Expect(';');
  // The token after the final ";" or "." is read but never examined.
  NextToken();
  EmitExitSequence();
}

void TCtxPasCompiler::ParseConstants() {
  do {
    const std::string name = Expect(token::Identifier);
    Expect('=');
    const TCtxValue value = ParseConstantValue();
    DeclareSymbol(name, TSymbolKind::Constant, value);
    Expect(';');
  } while (Token == token::Identifier);
}

TCtxValue TCtxPasCompiler::ParseConstantValue() {
  TCtxValue value;
  switch (Token) {
    case token::String: {
      std::string text = TokenText;
      NextToken();
      while (Token == token::String) {
        text += TokenText;
        NextToken();
      }
      return TCtxValue::String(std::string_view(text));
    }
    case token::Integer: value = TCtxValue::Integer(StrToInt(TokenText)); break;
    case token::Real: value = TCtxValue::Floating(StrToFloatLiteral(TokenText)); break;
    case token::TrueWord: value = TCtxValue::Boolean(true); break;
    case token::FalseWord: value = TCtxValue::Boolean(false); break;
    case token::NullWord: value = TCtxValue::Null(); break;
    default: RaiseError(error_code::ConstantExpected);
  }
  NextToken();
  return value;
}

std::string TCtxPasCompiler::MakeStub(const TCtxScriptCode& code) {
  if (code.IsExpression()) return std::string();
  std::string parameters;
  const TSymbols& symbols = code.Symbols();
  for (int i = 0; i < symbols.Count(); ++i) {
    const TSymbol& symbol = symbols.At(i);
    const TSymbolKind kind = symbol.SymbolKind();
    if (kind != TSymbolKind::InParam && kind != TSymbolKind::OutParam &&
        kind != TSymbolKind::VarParam)
      continue;
    if (!parameters.empty()) parameters += kind == TSymbolKind::InParam ? ", " : "; ";
    if (kind == TSymbolKind::OutParam) parameters += " out ";
    if (kind == TSymbolKind::VarParam) parameters += " var ";
    parameters += symbol.Name;
  }
  if (!parameters.empty()) parameters = "(" + parameters + ")";
  if (code.ReturnsValue())
    return "function " + code.ScriptName() + parameters + ";\r\nbegin\r\n  Result := NULL;\r\nend;";
  return "procedure " + code.ScriptName() + parameters + ";\r\nbegin\r\nend;";
}

}  // namespace zendrik
