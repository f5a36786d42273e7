// The parts of try statements: labels that stay inside them, and the exit stubs that close a
// protected part on every jump out of it, so that no block is left open behind a goto, break,
// continue or exit and every finally part runs on the way out.

#include <algorithm>
#include <unordered_map>

#include "script/compiler/compiler.h"
#include "script/runtime/script_code.h"

namespace zendrik {

namespace {

using Op = TCtxOpCode;

// The name under which `exit` waits for the routine's exit sequence; a reserved word, so that
// no label can take it.
constexpr std::string_view kExitName = "EXIT";

bool HasJumpTarget(Op op) {
  return op == Op::Jump || op == Op::JumpIf || op == Op::JumpIfNot || op == Op::Try;
}

}  // namespace

std::int32_t TCtxCompiler::OpenLabelScope() {
  LabelScopes.push_back({LastIndex + 1, {}});
  return LastIndex + 1;
}

void TCtxCompiler::CloseLabelScope() {
  TLabelScope scope = std::move(LabelScopes.back());
  LabelScopes.pop_back();
  for (const std::string& name : scope.Names) {
    const std::int32_t target = Labels.at(name);
    Labels.erase(name);
    ClosedLabels.insert(name);
    auto pending = PendingJumps.find(name);
    if (pending == PendingJumps.end()) continue;
    std::vector<std::int32_t>& jumps = pending->second;
    if (jumps.front() < scope.Start) RaiseError(error_code::GotoIntoTry, name);
    for (std::int32_t jump : jumps)
      CodeObject->PCode()[static_cast<std::size_t>(jump)].Value = target;
    PendingJumps.erase(pending);
  }
}

std::int32_t TCtxCompiler::OpenProtectedPart() {
  ++ProtectedDepth;
  return LastIndex + 1;
}

std::vector<TCtxCompiler::TPartExit> TCtxCompiler::CloseProtectedPart(std::int32_t start) {
  --ProtectedDepth;
  std::vector<TPartExit> exits;
  const std::vector<TCtxPCodeRec>& code = CodeObject->PCode();
  for (auto entry = PendingJumps.begin(); entry != PendingJumps.end();) {
    std::vector<std::int32_t>& jumps = entry->second;
    const auto inside = std::lower_bound(jumps.begin(), jumps.end(), start);
    if (inside != jumps.end()) {
      const std::uint16_t line = code[static_cast<std::size_t>(*inside)].Line;
      exits.push_back({entry->first, {inside, jumps.end()}, line});
      jumps.erase(inside, jumps.end());
    }
    entry = jumps.empty() ? PendingJumps.erase(entry) : std::next(entry);
  }
  return exits;
}

void TCtxCompiler::EmitExitStubs(const std::vector<TPartExit>& exits,
                                 const std::function<void()>& close) {
  const std::int32_t markedLine = MarkedLine;
  for (const TPartExit& exit : exits) {
    for (std::int32_t jump : exit.Jumps)
      CodeObject->PCode()[static_cast<std::size_t>(jump)].Value = LastIndex + 1;
    MarkedLine = exit.Line;
    close();
    MarkedLine = exit.Line;
    if (exit.Name == kExitName && ProtectedDepth == 0)
      EmitExitSequence();
    else
      AddPendingJump(exit.Name, Emit(Op::Jump));
  }
  MarkedLine = markedLine;
}

void TCtxCompiler::EmitCopy(std::int32_t from, std::int32_t to) {
  std::unordered_map<std::int32_t, const std::string*> pendingNames;
  for (const auto& [name, jumps] : PendingJumps)
    for (auto jump = std::lower_bound(jumps.begin(), jumps.end(), from);
         jump != jumps.end() && *jump < to; ++jump)
      pendingNames.emplace(*jump, &name);
  // Names are copied out first: adding pending jumps changes the lists they point into.
  std::vector<std::pair<std::int32_t, std::string>> pendingCopies;
  const std::int32_t offset = LastIndex + 1 - from;
  for (std::int32_t i = from; i < to; ++i) {
    TCtxPCodeRec instruction = CodeObject->PCode()[static_cast<std::size_t>(i)];
    const auto pending = pendingNames.find(i);
    if (pending != pendingNames.end())
      pendingCopies.emplace_back(i + offset, *pending->second);
    else if (HasJumpTarget(instruction.Operation()))
      instruction.Value += offset;  // the bound jumps of a part stay inside it
    EmitRecord(std::move(instruction));
  }
  for (const auto& [jump, name] : pendingCopies) AddPendingJump(name, jump);
}

void TCtxCompiler::EmitExit() {
  if (ProtectedDepth == 0) return EmitExitSequence();
  AddPendingJump(kExitName, Emit(Op::Jump));
}

}  // namespace zendrik
