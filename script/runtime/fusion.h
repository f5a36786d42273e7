#pragma once

// The run loop's form of a code: one entry per instruction, telling the loop what to do there.
// An entry is either the instruction itself (its operation number, performed by the plain step)
// or a fused run: several instructions of a frequent shape ("x := x + 1", "while i < n do",
// "if a mod 3 = 0 then", the step of a for loop) that the loop performs in one step when their
// operands are Integers, and otherwise by performing the instructions one by one. No jump
// enters a run after its first instruction, so every jump sees the same code. A run may span
// source lines: the fused form is used only while no debug hook follows the lines, and a run
// that falls back to single steps keeps the line of each instruction.

#include <cstdint>
#include <vector>

#include "script/runtime/operators.h"
#include "script/runtime/pcode.h"

namespace zendrik {

/// What the loop does at an instruction.
enum class TCtxFusedOp : std::uint8_t {
  Single = 0,        // the instruction by itself
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
  // A jump back to the test of a loop, a VarCmpConstJump or VarCmpVarJump on A whose true
  // branch goes on at C: Jump; the test.
  JumpTestConst,
  JumpTestVar,
  // The step of a for loop: Inc or Dec A (by Delta); Jump to the test of A.
  ForStepConst,
  ForStepVar,
  CallStore,  // CallMethod (unqualified, any count); StoreVar C
};

/// The operator of an arithmetic instruction (Plus for any other).
TCtxBinaryOp BinaryOpOf(TCtxOpCode op);
/// The comparison of a comparing instruction.
inline TCtxCompareOp CompareOpOf(TCtxOpCode op) {
  return static_cast<TCtxCompareOp>(static_cast<int>(op) - static_cast<int>(TCtxOpCode::Greater));
}

/// The entry of one instruction, in an array parallel to the code; 32 bytes, so that the loop
/// finds an entry with a shift.
struct alignas(32) TCtxFusedRun {
  TCtxFusedOp Op = TCtxFusedOp::Single;
  std::uint8_t Length = 1;    // instructions the run covers
  std::uint8_t Operator = 0;  // its TCtxBinaryOp or TCtxCompareOp
  std::int32_t A = 0, B = 0, C = 0;
  std::int32_t Target = 0;
  std::int8_t Delta = 0;  // the step of a for loop: 1 or -1
  bool Polls = false;     // a single instruction or a jump: the loop counts it for its poll
  // R is written again before anything reads it, after the run (the store runs) or after each
  // way out of a test: the run need not set it.
  bool ResultDead = false;
  bool ResultDeadOnTrue = false;
  bool ResultDeadOnFalse = false;

  TCtxBinaryOp Arithmetic() const { return static_cast<TCtxBinaryOp>(Operator); }
  TCtxCompareOp Comparison() const { return static_cast<TCtxCompareOp>(Operator); }
};

/// The loop's form of a code.
struct TCtxLoopForm {
  std::vector<TCtxFusedRun> Runs;
  /// The slots of the frame that the code's one BEGIN (its first instruction) opens; the slot
  /// operands of fused runs lie below it. 0 when the code has no such frame.
  std::int32_t FrameSlots = 0;
};

/// The loop's form of `code`: fused runs where `fuse` is set, else every instruction alone.
TCtxLoopForm LoopForm(const std::vector<TCtxPCodeRec>& code, bool fuse);

}  // namespace zendrik
