#pragma once

// Runs of instructions that the run loop performs as one. A script's hot code is made of a few
// shapes, "x := x + 1", "while i < n do", "if a mod 3 = 0 then": each is several instructions
// that pass a value through the stack. Before a code runs, such runs are found and given one
// fused operation, which the loop performs in one step when its operands are Integers and
// otherwise by running the instructions one by one. A run lies on one source line and no jump
// enters it after its first instruction, so the debug hook and every jump see the same code.

#include <cstdint>
#include <vector>

#include "script/runtime/pcode.h"

namespace zendrik {

/// The operations of the loop's own form of the code.
enum class TCtxFusedOp : std::uint8_t {
  None = 0,          // an ordinary instruction
  PushVar,           // LoadVar A; PushResult
  PushConst,         // LoadInteger A; PushResult
  VarOpConst,        // LoadVar A; PushResult; LoadInteger B; <Operator>
  VarOpConstStore,   // the same; StoreVar C
  VarOpVar,          // LoadVar A; PushResult; LoadVar B; <Operator>
  VarOpVarStore,     // the same; StoreVar C
  VarCmpConstJump,   // LoadVar A; PushResult; LoadInteger B; <Operator>; JumpIfNot Target
  VarCmpVarJump,     // LoadVar A; PushResult; LoadVar B; <Operator>; JumpIfNot Target
  PushCmpConstJump,  // PushResult; LoadInteger B; <Operator>; JumpIfNot Target
  CmpJump,           // <Operator>; JumpIfNot Target
  // Single instructions that the loop performs without leaving it.
  LoadVar,      // LoadVar A
  StoreVar,     // StoreVar A
  LoadInteger,  // LoadInteger A
  PushResult,   // PushResult
  Inc,          // Inc A
  Dec,          // Dec A
  Jump,         // Jump Target
  CallMethod,   // CallMethod (unqualified, akGet)
};

/// The run that starts at an instruction, in an array parallel to the code.
struct TCtxFusedRun {
  TCtxFusedOp Op = TCtxFusedOp::None;
  std::uint8_t Length = 1;                // instructions the run covers
  TCtxOpCode Operator = TCtxOpCode::Nop;  // its arithmetic operation or comparison
  std::uint16_t Line = 0;                 // of its first instruction, so the loop reads one array
  std::int32_t A = 0, B = 0, C = 0;
  std::int32_t Target = 0;
};

/// One entry per instruction of `code`: the fused run starting there, the loop's own form of a
/// frequent single instruction, or None.
void FuseInstructions(const std::vector<TCtxPCodeRec>& code, std::vector<TCtxFusedRun>& runs);

}  // namespace zendrik
