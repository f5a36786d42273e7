#pragma once

// The p-code: a compiled script is an array of fixed-size instructions, indexed from 0 and run
// from index 0 until EXIT. Binary operations take their left operand off the stack (Pop) and
// their right operand from the result register R; "slot k" is stack cell FrameBase + k + 1.
// The named-member instructions (30 to 33, 38 to 41) use Value, CachedObject and
// CachedIntrospector as a lookup cache written while the code runs. A fresh record is a NOP.

#include <QPointer>

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "script/runtime/shared_string.h"

namespace zendrik {

class TCtxMemberFinder;

/// The 59 operations, numbered as stored in `TCtxPCodeRec::OpCode`.
enum class TCtxOpCode : std::uint8_t {
  Nop = 0,                 // nothing
  BreakPoint = 1,          // nothing; never emitted by the compiler
  Plus = 2,                // R := Pop + R
  UPlus = 3,               // raises "Unsupported instruction"
  Minus = 4,               // R := Pop - R
  UMinus = 5,              // R := -R
  Mul = 6,                 // R := Pop * R
  Div = 7,                 // R := Pop / R, real division
  IDiv = 8,                // R := Pop div R
  Mod = 9,                 // R := Pop mod R
  Greater = 10,            // R := (Pop > R)
  Less = 11,               // R := (Pop < R)
  GreaterOrEqual = 12,     // R := (Pop >= R)
  LessOrEqual = 13,        // R := (Pop <= R)
  Equal = 14,              // R := (Pop = R)
  NotEqual = 15,           // R := (Pop <> R)
  Not = 16,                // R := not R
  And = 17,                // R := Pop and R
  Or = 18,                 // R := Pop or R
  Xor = 19,                // R := Pop xor R
  LoadString = 20,         // R := the string Name
  LoadInteger = 21,        // R := the integer Value
  LoadDouble = 22,         // R := the floating DoubleValue
  LoadBool = 23,           // R := the boolean BoolValue
  LoadNull = 24,           // R := Null
  LoadVar = 25,            // R := slot Value
  LoadVarByRef = 26,       // R := the cell the reference in slot Value designates
  LoadElement = 27,        // index := Pop; R := element index of slot Value (Count = 1)
  LoadElementByRef = 28,   // as LoadElement, through the reference in the slot
  LoadVarAddress = 29,     // R := a reference to slot Value
  CallMethod = 30,         // call or read member Name through the scopes, Count arguments
  GetIndexed = 31,         // indexed read of member Name through the scopes
  CallObjectMethod = 32,   // call or read member Name of the object below the Count arguments
  GetObjectIndexed = 33,   // indexed read of member Name of that object
  StoreVar = 34,           // slot Value := R
  StoreVarByRef = 35,      // the cell the reference in slot Value designates := R
  StoreElement = 36,       // index := Pop; element index of slot Value := R (Count = 1)
  StoreElementByRef = 37,  // as StoreElement, through the reference in the slot
  SetProperty = 38,        // write R to member Name through the scopes
  SetIndexed = 39,         // indexed write of R to member Name through the scopes
  SetObjectProperty = 40,  // write R to member Name of the object below the arguments
  SetObjectIndexed = 41,   // indexed write of R to member Name of that object
  Inc = 42,                // R := slot Value; slot := R + 1
  Dec = 43,                // R := slot Value; slot := R - 1
  PopResult = 44,          // R := Pop
  PushResult = 45,         // push R
  WithResult = 46,         // raises "Unsupported instruction"
  WithEnd = 47,            // raises "Unsupported instruction"
  Jump = 48,               // continue at instruction Value
  JumpIfNot = 49,          // continue at Value when (not R) converts to true
  JumpIf = 50,             // continue at Value when R converts to true
  Try = 51,                // open a protected block (3 cells) whose handler starts at Value
  EndTry = 52,             // close the innermost protected block
  RaiseException = 53,     // end a handler entered by an error: raise that error again
  RaiseResult = 54,        // raise an exception carrying R
  ClearException = 55,     // end a handler: the exception handled outside it is pending again
  LoadException = 56,      // R := the pending exception value
  Begin = 57,              // open the frame: Value incoming arguments, Count slots
  Exit = 58,               // end the execution normally
};

/// Listing templates, indexed by operation number.
inline constexpr std::array<std::string_view, 59> kCtxOpCodeTemplates = {
    "NOP",
    "+ BREAK POINT AT %2:d",
    "PLUS",
    "UPLUS",
    "MINUS",
    "UMINUS",
    "MUL",
    "DIV",
    "IDIV",
    "MOD",
    "GREATER THEN",
    "LESS THEN",
    "GR.OR EQ.",
    "LESS OR EQ.",
    "EQUAL",
    "NOT EQUAL",
    "NOT",
    "AND",
    "OR",
    "XOR",
    "Result <- STR %0:s",
    "Result <- INT %2:d",
    "Result <- DOUBLE %4:f",
    "Result <- BOOL %5:s",
    "Result <- NULL",
    "Result <- VAR %2:d",
    "Result <- VAR BY REF %2:d",
    "Result <- ARRAY %2:d [%1:d params]",
    "Result <- ARRAY BY REF %2:d [%1:d params]",
    "Result <- @VAR %2:d",
    "Result <- METHOD %0:s (%1:d params)",
    "Result <- ARRAY %0:s (%1:d params)",
    "Result <- OBJ. METHOD %0:s (%1:d params)",
    "Result <- OBJ. ARRAY PROP. %0:s (%1:d params)",
    "Result -> VAR %2:d",
    "Result -> VAR BY REF %2:d",
    "Result -> ARRAY %2:d [%1:d]",
    "Result -> ARRAY BY REF %2:d [%1:d]",
    "Result -> PROP %0:s (%1:d params)",
    "Result -> PROP %0:s [%1:d params]",
    "Result -> OBJ. PROP %0:s (%1:d params)",
    "Result -> OBJ. PROP %0:s [%1:d params]",
    "INC %2:d",
    "DEC %2:d",
    "POP RESULT",
    "PUSH RESULT",
    "WITH RESULT",
    "WITH END",
    "JUMP %2:d",
    "JUMP IF NOT RESULT TO %2:d",
    "JUMP IF RESULT TO %2:d",
    "TRY %2:d",
    "END TRY",
    "RAISE (Exception)",
    "RAISE (Result)",
    "CLEAR Exception",
    "Result := Exception",
    "BEGIN %2:d of %1:d",
    "EXIT",
};

/// The texts of listing argument 5, indexed by BoolValue != 0.
inline constexpr std::array<std::string_view, 2> kCtxBoolTexts = {"False", "True"};

/// Number of operations; an OpCode at or above it is an unsupported instruction.
inline constexpr int kCtxOpCodeCount = static_cast<int>(kCtxOpCodeTemplates.size());

/// One instruction. `Name` is the only operand that owns memory. `DoubleValue` and `BoolValue`
/// share their storage with `Value`. The member cache lives beside the operands: its object is
/// a guarded pointer, so an object destroyed since the lookup reads as nil and can never pass
/// for another object that was later created at the same address.
struct TCtxPCodeRec {
  std::uint8_t OpCode = 0;
  TCtxString Name;
  std::uint8_t Count = 0;
  std::uint16_t Line = 0;
  union {
    std::int32_t Value;
    double DoubleValue;
    std::uint8_t BoolValue;
  };
  QPointer<QObject> CachedObject;
  TCtxMemberFinder* CachedIntrospector = nullptr;  // opaque: the resolver's own note

  TCtxPCodeRec() : DoubleValue(0) {}
  explicit TCtxPCodeRec(TCtxOpCode op) : TCtxPCodeRec() { OpCode = static_cast<std::uint8_t>(op); }

  TCtxOpCode Operation() const noexcept { return static_cast<TCtxOpCode>(OpCode); }
};

/// The listing template of `op`; empty for operation numbers 59 and above.
std::string_view OpCodeTemplate(std::uint8_t op) noexcept;

/// One-line listing of an instruction: its template with %0:s = Name, %1:d = Count,
/// %2:d = Value, %4:f = DoubleValue with two decimals, %5:s = "False" or "True".
/// An operation number of 59 or more lists as "UNKNOWN OPERATION n".
std::string ListInstruction(const TCtxPCodeRec& instruction);

}  // namespace zendrik
