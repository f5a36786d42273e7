#pragma once

#include <string>
#include <vector>

#include "script/runtime/fusion.h"
#include "script/runtime/pcode.h"
#include "script/runtime/symbols.h"

namespace zendrik {

/// A script text with its compiled form: the instruction array and the symbol table. Changing
/// the text, the language, the expression flag or the parent drops the compiled form; the next
/// `CompileNow` (or writing true to `Compiled`) compiles again.
class TCtxScriptCode {
 public:
  TCtxScriptCode() = default;
  TCtxScriptCode(const TCtxScriptCode&) = delete;
  TCtxScriptCode& operator=(const TCtxScriptCode&) = delete;

  // Published properties, in streaming order.
  bool IsExpression() const { return isExpression_; }
  void SetIsExpression(bool value);
  const std::string& ScriptName() const { return scriptName_; }
  void SetScriptName(std::string value) { scriptName_ = std::move(value); }
  /// Empty means the default compiler.
  const std::string& Language() const { return language_; }
  void SetLanguage(std::string value);
  /// The description, or `ScriptName` when there is none.
  const std::string& Description() const {
    return description_.empty() ? scriptName_ : description_;
  }
  void SetDescription(std::string value) { description_ = std::move(value); }
  const std::string& Code() const { return code_; }
  void SetCode(std::string value);
  bool Compiled() const { return compiled_; }
  /// True compiles (raising compile errors), false drops the compiled form.
  void SetCompiled(bool value);
  /// Whether the routine returns a value; read by `MakeStub` only.
  bool ReturnsValue() const { return returnsValue_; }
  void SetReturnsValue(bool value) { returnsValue_ = value; }

  /// Code object whose symbols are copied in front of this one's when compiling (not owned).
  TCtxScriptCode* ParentCode() const { return parentCode_; }
  void SetParentCode(TCtxScriptCode* parent);

  TSymbols& Symbols() { return symbols_; }
  const TSymbols& Symbols() const { return symbols_; }
  /// The instructions, to be written (by a compiler, or by hand): the loop forms made from
  /// them are dropped.
  std::vector<TCtxPCodeRec>& PCode() {
    loopForms_[0].Runs.clear();
    loopForms_[1].Runs.clear();
    return pcode_;
  }
  const std::vector<TCtxPCodeRec>& PCode() const { return pcode_; }
  std::int32_t InstructionCount() const { return static_cast<std::int32_t>(pcode_.size()); }
  /// The instructions for the run loop, which writes its member caches into them.
  TCtxPCodeRec* RunnableInstructions() { return pcode_.data(); }
  /// The run loop's form of the instructions, with fused runs or not; made once after the
  /// instructions change.
  const TCtxLoopForm& LoopForm(bool fused);

  /// Drops the instructions and symbols.
  void ClearCompiled();
  /// Compiles with the compiler registered for `Language` unless already compiled. On an error
  /// the code stays not compiled with no instructions, and the error propagates.
  void CompileNow();

 private:
  bool compiled_ = false;
  std::string code_;
  std::string scriptName_;
  std::string description_;
  std::string language_;
  TSymbols symbols_;
  TCtxScriptCode* parentCode_ = nullptr;
  bool isExpression_ = false;
  bool returnsValue_ = false;
  std::vector<TCtxPCodeRec> pcode_;
  TCtxLoopForm loopForms_[2];  // plain, fused
};

}  // namespace zendrik
