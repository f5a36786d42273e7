// Emission of instructions into the code object, jump binding, labels and the symbol operations
// of the compiler.

#include "base/ascii.h"
#include "script/compiler/compiler.h"
#include "script/runtime/script_code.h"

namespace zendrik {

TCtxCompiler::NestingGuard::NestingGuard(TCtxCompiler& compiler) : compiler_(compiler) {
  if (++compiler_.NestingDepth > kMaxNesting) {
    --compiler_.NestingDepth;
    compiler_.RaiseError(error_code::NestingTooDeep);
  }
}

int TCtxCompiler::DeclareSymbol(std::string_view name, TSymbolKind kind, const TCtxValue& value) {
  if (FindSymbol(name, TSymbolKinds::All()) >= 0)
    RaiseError(error_code::IdentifierRedeclared, name);
  if (SymbolCount() >= kMaxSymbols) RaiseError(error_code::TooManySymbols, name);
  return CodeObject->Symbols().Add(kind, name, value);
}

int TCtxCompiler::FindSymbol(std::string_view name, TSymbolKinds kinds) const {
  return CodeObject->Symbols().Find(name, kinds);
}

int TCtxCompiler::SymbolCount() const { return CodeObject->Symbols().Count(); }

const TSymbol& TCtxCompiler::SymbolAt(int index) const { return CodeObject->Symbols().At(index); }

int TCtxCompiler::EmitRecord(TCtxPCodeRec instruction) {
  if (LastIndex + 1 >= kMaxInstructions) RaiseError(error_code::CodeTooLarge);
  // The array holds only emitted instructions; Compile reserved room for them up front.
  CodeObject->PCode().push_back(std::move(instruction));
  return ++LastIndex;
}

int TCtxCompiler::Emit(TCtxOpCode op) {
  TCtxPCodeRec instruction(op);
  instruction.Line = static_cast<std::uint16_t>(MarkedLine);
  return EmitRecord(std::move(instruction));
}

int TCtxCompiler::EmitName(TCtxOpCode op, std::string_view name, int count) {
  const int index = Emit(op);
  TCtxPCodeRec& instruction = CodeObject->PCode()[static_cast<std::size_t>(index)];
  instruction.Name = TCtxString(name);
  instruction.Count = static_cast<std::uint8_t>(count);
  return index;
}

int TCtxCompiler::EmitValue(TCtxOpCode op, std::int32_t value, int count) {
  const int index = Emit(op);
  TCtxPCodeRec& instruction = CodeObject->PCode()[static_cast<std::size_t>(index)];
  instruction.Value = value;
  instruction.Count = static_cast<std::uint8_t>(count);
  return index;
}

int TCtxCompiler::EmitDouble(TCtxOpCode op, double value) {
  const int index = Emit(op);
  CodeObject->PCode()[static_cast<std::size_t>(index)].DoubleValue = value;
  return index;
}

int TCtxCompiler::EmitBool(TCtxOpCode op, bool value) {
  const int index = Emit(op);
  CodeObject->PCode()[static_cast<std::size_t>(index)].BoolValue = value ? 1 : 0;
  return index;
}

void TCtxCompiler::PatchJump(int index) {
  CodeObject->PCode()[static_cast<std::size_t>(index)].Value = LastIndex + 1;
}

void TCtxCompiler::AddPendingJump(std::string_view name, int index) {
  PendingJumps[UpperCase(name)].push_back(index);
}

void TCtxCompiler::BindPending(std::string_view name, int target) {
  auto entry = PendingJumps.find(UpperCase(name));
  if (entry == PendingJumps.end()) return;
  for (std::int32_t jump : entry->second)
    CodeObject->PCode()[static_cast<std::size_t>(jump)].Value = target;
  PendingJumps.erase(entry);
}

void TCtxCompiler::DeclareLabel(const std::string& name) {
  if (ClosedLabels.contains(name) || !Labels.emplace(name, LastIndex + 1).second)
    RaiseError(error_code::LabelRedeclared, name);
  if (!LabelScopes.empty()) LabelScopes.back().Names.push_back(name);
}

void TCtxCompiler::ResetJumps() {
  Labels.clear();
  PendingJumps.clear();
  LabelScopes.clear();
  ClosedLabels.clear();
  ProtectedDepth = 0;
}

void TCtxCompiler::BindLabels() {
  for (auto entry = PendingJumps.begin(); entry != PendingJumps.end();) {
    auto label = Labels.find(entry->first);
    if (label == Labels.end()) {
      ++entry;
      continue;
    }
    for (std::int32_t jump : entry->second)
      CodeObject->PCode()[static_cast<std::size_t>(jump)].Value = label->second;
    entry = PendingJumps.erase(entry);
  }
}

}  // namespace zendrik
