#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "script/runtime/compiler_registry.h"
#include "script/runtime/pcode.h"
#include "script/runtime/symbols.h"

namespace zendrik {

class TCtxScriptCode;

/// Error codes a compiler raises; `ErrorText` turns them into messages.
namespace error_code {
inline constexpr int InternalError = 1001;
inline constexpr int SyntaxError = 1002;
inline constexpr int IdentifierRedeclared = 1003;
inline constexpr int UnexpectedEnd = 1004;
inline constexpr int InvalidNumber = 1005;
inline constexpr int UnterminatedString = 1006;
inline constexpr int ConstantExpected = 1007;
inline constexpr int LabelRedeclared = 1008;
inline constexpr int AssignableExpected = 1009;
inline constexpr int AssignmentInExpression = 1010;
inline constexpr int MethodCallForm = 1011;
inline constexpr int InvalidParameter = 1012;
inline constexpr int ToOrDowntoExpected = 1013;
inline constexpr int InvalidLoopVariable = 1014;
inline constexpr int LabelNotFound = 1015;
inline constexpr int NotAssignable = 1016;
inline constexpr int TooManySymbols = 1017;
inline constexpr int TooManyArguments = 1018;
inline constexpr int NestingTooDeep = 1019;
inline constexpr int GotoIntoTry = 1020;
inline constexpr int CodeTooLarge = 1021;
}  // namespace error_code

/// Limits that keep the compiled code within its 8-bit count fields and the compiler within
/// its stack.
inline constexpr int kMaxSymbols = 255;
inline constexpr int kMaxArguments = 255;
/// Statements, expressions and unary operators nested in one another, counted together.
inline constexpr int kMaxNesting = 1000;
/// Instructions in one code. Finally parts are emitted once per way out of their block, so
/// finally parts nested in finally parts could otherwise grow the code without bound.
inline constexpr std::int32_t kMaxInstructions = 1 << 22;

/// Base of the compilers: the scanner state, the emission and jump state, and the compile
/// driver. A language supplies its token rules and grammar by overriding the virtual operations.
/// One object compiles one code at a time; compiles do not overlap.
class TCtxCompiler : public TCtxLanguageCompiler {
 public:
  TCtxCompiler() = default;
  TCtxCompiler(const TCtxCompiler&) = delete;
  TCtxCompiler& operator=(const TCtxCompiler&) = delete;
  /// Removes this compiler from the registry.
  ~TCtxCompiler() override;

  /// Resets the scanner and compile state for `CodeObject` and reads the first token.
  virtual void Reset();
  /// Reads the next character of `Source` into `Ch` (0 at the end) and counts lines/columns.
  virtual void NextChar();
  /// Records the token position; languages override it with their token rules.
  virtual void NextToken();
  /// Returns the current token's text; raises "Syntax Error" unless the token is `code`,
  /// otherwise moves on to the next token.
  virtual std::string Expect(int code);
  /// Message text of an error code.
  virtual std::string ErrorText(int code);
  virtual void ParseHeader() {}
  virtual void ParseBody() {}
  virtual void ParseExpression() {}
  /// Raises ECtxScriptCompileError for `code` at the current token's position.
  [[noreturn]] virtual void RaiseError(int code, std::string_view detail = {});
  /// Reads only the header of `code`: its name, description and parameters.
  void ReadHeader(TCtxScriptCode& code) override;
  /// Compiles `code` into its instruction array and symbol table.
  void Compile(TCtxScriptCode& code) override;
  /// Source of an empty routine with the name and parameters of `code`.
  std::string MakeStub(const TCtxScriptCode& code) override;

  // Symbols of `CodeObject`.
  /// Appends a symbol; raises "Identifier redeclared" when the name is taken.
  int DeclareSymbol(std::string_view name, TSymbolKind kind, const TCtxValue& value);
  /// Index of the first symbol named `name` (ASCII case ignored) of a kind in `kinds`, or -1.
  int FindSymbol(std::string_view name, TSymbolKinds kinds) const;
  int SymbolCount() const;
  const TSymbol& SymbolAt(int index) const;

  // Emission into the instruction array of `CodeObject`; each returns the new index. A code
  // beyond `kMaxInstructions` is an error.
  int EmitRecord(TCtxPCodeRec instruction);
  int Emit(TCtxOpCode op);
  int EmitName(TCtxOpCode op, std::string_view name, int count);
  int EmitValue(TCtxOpCode op, std::int32_t value, int count = 0);
  int EmitDouble(TCtxOpCode op, double value);
  int EmitBool(TCtxOpCode op, bool value);

  // Lines and jumps.
  void MarkLine() { MarkedLine = CurLine; }
  /// Points jump `index` at the next instruction to be emitted.
  void PatchJump(int index);
  void AddPendingJump(std::string_view name, int index);
  /// Binds every pending jump named `name` (case ignored) to `target`.
  void BindPending(std::string_view name, int target);
  /// Declares label `name` (upper-cased) at the next instruction; raises "Label redeclared".
  void DeclareLabel(const std::string& name);
  /// Binds the pending jumps whose names are declared labels.
  void BindLabels();
  /// Forgets the labels, pending jumps and try parts of the last compile.
  void ResetJumps();

  // Parts of try statements (protected_parts.cpp). A try body, an except part and a finally
  // part are closed to jumps from outside: a label declared inside one is visible only there.
  // A try body, an except part and the finally part that runs after an error are protected: a
  // jump that leaves one (goto, break, continue, exit) runs an exit stub that closes it first.

  /// Jumps that leave a protected part for the same target, and the line of the first.
  struct TPartExit {
    std::string Name;
    std::vector<std::int32_t> Jumps;
    std::uint16_t Line = 0;
  };
  /// Starts a part whose labels stay inside it; returns its first instruction.
  std::int32_t OpenLabelScope();
  /// Binds the jumps inside the part to its labels and hides them; a goto from outside to one
  /// of them is an error.
  void CloseLabelScope();
  /// Starts a protected part; returns its first instruction.
  std::int32_t OpenProtectedPart();
  /// Ends the protected part that starts at `start` and takes out the jumps that leave it.
  std::vector<TPartExit> CloseProtectedPart(std::int32_t start);
  /// For each exit: a stub made of `close` (which emits what closes the part) and a jump on to
  /// the exit's target, which stays pending; the exit's jumps go to the stub.
  void EmitExitStubs(const std::vector<TPartExit>& exits, const std::function<void()>& close);
  /// Emits a copy of instructions [from, to): jumps inside the range keep their targets
  /// inside the copy, pending jumps of the range are pending again from the copy.
  void EmitCopy(std::int32_t from, std::int32_t to);
  /// `exit` in the body: the routine's exit sequence, or a jump to it out of protected parts.
  void EmitExit();
  /// The instructions that end the routine (its result into R, then EXIT).
  virtual void EmitExitSequence() {}

  /// Optional source of message texts: called with the error code and an empty text to fill.
  /// When set, it replaces ErrorText; a text left empty reads "Error <code>".
  std::function<void(int code, std::string& text)> OnErrorText;

  // Scanner state.
  TCtxScriptCode* CodeObject = nullptr;
  std::string_view Source;  // the Code text of CodeObject
  std::int32_t ReadIndex = 1;
  unsigned char Ch = 0;  // 0 at the end of the text
  std::int32_t CurLine = 1;
  std::int32_t CurColumn = 1;
  int Token = -1;
  std::string TokenText;
  std::int32_t TokenLine = 1;
  std::int32_t TokenPos = 1;
  std::string CommentText;

  // Compile state.
  std::int32_t LastIndex = -1;
  std::int32_t MarkedLine = 0;
  std::int32_t LoopDepth = 0;
  bool IsFunction = false;
  /// Labels (upper-cased name to instruction index) of the routine being compiled.
  std::map<std::string, std::int32_t> Labels;
  /// Jumps waiting for their target, by upper-cased target name, in sorted name order; the
  /// jumps of a name are in the order they were emitted.
  std::map<std::string, std::vector<std::int32_t>> PendingJumps;
  /// Labels declared in each open try part, innermost last, with the part's first instruction.
  struct TLabelScope {
    std::int32_t Start = 0;
    std::vector<std::string> Names;
  };
  std::vector<TLabelScope> LabelScopes;
  /// Labels of try parts already compiled.
  std::set<std::string> ClosedLabels;
  /// Protected parts around the statement being compiled.
  std::int32_t ProtectedDepth = 0;

 protected:
  /// Counts recursive descent so that deep nesting is a compile error, not a stack overflow.
  class NestingGuard {
   public:
    explicit NestingGuard(TCtxCompiler& compiler);
    ~NestingGuard() { --compiler_.NestingDepth; }
    NestingGuard(const NestingGuard&) = delete;
    NestingGuard& operator=(const NestingGuard&) = delete;

   private:
    TCtxCompiler& compiler_;
  };

  std::int32_t NestingDepth = 0;
};

/// The Pascal-dialect compiler. Creating one registers it under the language name "Pascal".
class TCtxPasCompiler final : public TCtxCompiler {
 public:
  TCtxPasCompiler();

  void NextToken() override;
  std::string ErrorText(int code) override;
  void ParseHeader() override;
  void ParseBody() override;
  void ParseExpression() override;
  std::string MakeStub(const TCtxScriptCode& code) override;

  /// Compiles a designator whose first identifier `name` was consumed. Returns true when the
  /// code leaves a value in Result, false when it ended in an assignment.
  bool ParseDesignator(const std::string& name, bool allowAssign);
  void ParseStatement();
  void ParseStatementList();
  void ParseBlock();

 private:
  // Token rules.
  void ScanString();
  void ScanBraceComment();
  void ScanNumber();
  void ScanWord();
  bool ScanPair();  // false when a comment was skipped and scanning goes on
  /// Appends Ch and the source characters after it that `accepts` takes (never line ends or
  /// NUL) to `into`, then reads the next character.
  template <typename Accepts>
  void TakeRun(std::string& into, Accepts accepts);

  // Expressions.
  void ParseSimpleExpression();
  void ParseTerm();
  void ParseUnary();
  void ParseFactor();
  void ParseAddress();
  void EmitStringLiterals();
  bool ParsePart(const std::string& name, bool member, bool allowAssign);
  int ParseArguments(int closer, const std::string& name);
  void EmitStore(const std::string& name, bool member, int bracket, int count);
  void EmitLoad(const std::string& name, bool member, int bracket, int count);

  // Statements.
  void ParseIdentifierStatement();
  void ParseAssignment(std::string name);
  void ParseIf();
  void ParseWhile();
  void ParseRepeat();
  void ParseFor();
  void ParseTry();
  void ParseBreakOrContinue(std::string_view word);
  void ParseGoto();
  void BindLoopExits(std::int32_t continueTarget);
  void EmitExitSequence() override;
  void ParseFinallyPart(std::int32_t tryIndex, const std::vector<TPartExit>& bodyExits);
  void ParseExceptPart(std::int32_t tryIndex, const std::vector<TPartExit>& bodyExits);

  // Routine.
  void ParseParameterGroup();
  void ParseNameList(TSymbolKind kind);
  void ParseConstants();
  TCtxValue ParseConstantValue();
};

}  // namespace zendrik
