#include "script/runtime/script_code.h"

#include "script/runtime/compiler_registry.h"

namespace zendrik {

void TCtxScriptCode::SetIsExpression(bool value) {
  if (value == isExpression_) return;
  isExpression_ = value;
  ClearCompiled();
}

void TCtxScriptCode::SetLanguage(std::string value) {
  if (value == language_) return;
  language_ = std::move(value);
  ClearCompiled();
}

void TCtxScriptCode::SetCode(std::string value) {
  if (value == code_) return;
  code_ = std::move(value);
  ClearCompiled();
}

void TCtxScriptCode::SetCompiled(bool value) {
  if (value == compiled_) return;
  if (value)
    CompileNow();
  else
    ClearCompiled();
}

void TCtxScriptCode::SetParentCode(TCtxScriptCode* parent) {
  if (parent == parentCode_) return;
  parentCode_ = parent;
  ClearCompiled();
}

const TCtxLoopForm& TCtxScriptCode::LoopForm(bool fused) {
  TCtxLoopForm& form = loopForms_[fused ? 1 : 0];
  if (form.Runs.size() != pcode_.size()) form = zendrik::LoopForm(pcode_, fused);
  return form;
}

void TCtxScriptCode::ClearCompiled() {
  PCode().clear();
  compiled_ = false;
  symbols_.Clear();
}

void TCtxScriptCode::CompileNow() {
  if (compiled_) return;
  ClearCompiled();
  if (parentCode_) symbols_.AddCopiesOf(parentCode_->Symbols());
  FindCompiler(language_).Compile(*this);
  compiled_ = true;
}

}  // namespace zendrik
