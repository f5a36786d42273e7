#pragma once

#include <QObject>
#include <QPointer>

#include <climits>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "script/runtime/access_kind.h"
#include "script/runtime/conversions.h"
#include "script/runtime/member_resolver.h"
#include "script/runtime/value.h"

namespace zendrik {

class TCtxScriptCode;
struct TCtxPCodeRec;
struct TCtxFusedRun;
enum class TCtxFusedOp : std::uint8_t;
class TCtxScript;
class TCtxAutomation;

/// Options of the debug hook.
enum class TCtxDebugOption : std::uint8_t { cdoStopOnException = 0, cdoStopOnBreakpoint = 1 };

/// A set of debug options, one bit per option.
class TCtxDebugOptions {
 public:
  constexpr TCtxDebugOptions() = default;
  constexpr TCtxDebugOptions(std::initializer_list<TCtxDebugOption> options) {
    for (TCtxDebugOption option : options) bits_ |= Bit(option);
  }
  constexpr bool Contains(TCtxDebugOption option) const { return (bits_ & Bit(option)) != 0; }
  constexpr bool Empty() const { return bits_ == 0; }
  /// The set as a bit mask: bit n for the option of ordinal n.
  constexpr int Mask() const { return bits_; }
  static constexpr TCtxDebugOptions FromMask(int mask) {
    TCtxDebugOptions options;
    options.bits_ = static_cast<std::uint8_t>(mask & 3);
    return options;
  }

 private:
  static constexpr std::uint8_t Bit(TCtxDebugOption option) {
    return static_cast<std::uint8_t>(1u << static_cast<unsigned>(option));
  }
  std::uint8_t bits_ = 0;
};

/// The debugging front end's handler: called with the engine and whether an exception was
/// caught (false: a new source line is about to run).
using TOnCtxDebugHook = std::function<void(TCtxScript& sender, bool exception)>;

/// The slots of the running frame as fused runs reach them: slot k is Slots[k]. Fused runs are
/// made only for slots below the code's frame size, so while the frame lies wholly inside the
/// stack they need no check; Slots is null when it does not, and the runs take the checked way.
struct TCtxFrame {
  TCtxValue* Slots;
  TCtxValue& operator[](std::int32_t slot) const { return Slots[slot]; }
};

/// What a program that embeds the engine offers its scripts besides objects (a window's table
/// and address field, say); the host's own functions find it on the engine. Opaque here.
class TCtxHostServices {
 public:
  virtual ~TCtxHostServices() = default;
};

/// The registers of one execution; saved while a nested execution runs.
struct TCtxScriptState {
  TCtxScriptCode* Code = nullptr;  // none when idle
  std::int32_t FrameBase = -1;     // cell just below slot 0
  std::int32_t PC = 0;             // the instruction being executed
  std::int32_t CurrentLine = 0;    // source line last seen by the run loop
  std::int32_t SP = -1;            // the top cell; -1 when the stack is empty
  std::int32_t TryTop = -1;        // cell of the innermost protected block; -1 when none
  TCtxValue ExceptValue;           // the exception being handled; Unassigned when none
  QPointer<QObject> Scope;         // the host object: first place to look up names
  bool TraceMode = false;          // debugging mode of this execution
};

/// The script engine: compiles script texts through the compiler registry and runs their
/// p-code on a stack of script values. Native callbacks (host functions, the standard package,
/// the system members) read their arguments through a `TCtxArgs` view of the stack (or
/// `GetParam`, counting from the last), may `Pop` them, and leave their value in `Result`. A
/// callback may start a nested execution on the same engine (`Evaluate`), which suspends the
/// running one and resumes it when it ends. One thread; nothing is locked.
class TCtxScript : public QObject {
  Q_OBJECT
  Q_PROPERTY(bool TraceInto MEMBER TraceInto)
  Q_PROPERTY(bool TraceMode READ TraceMode WRITE SetTraceMode)
  Q_PROPERTY(TCtxDebugOptionFlags DebugOptions READ DebugOptionFlags WRITE SetDebugOptionFlags)
  Q_PROPERTY(TOnCtxDebugHook OnDebugHook READ DebugHookHandler)
  // Properties that are events ("event NAME" -> their type's name): scripts read the type's
  // name, not the handler.
  Q_CLASSINFO("event OnDebugHook", "TOnCtxDebugHook")

 public:
  /// The debug options as scripts see them, a set of named elements.
  enum TCtxDebugOptionFlag { cdoStopOnException = 1, cdoStopOnBreakpoint = 2 };
  Q_DECLARE_FLAGS(TCtxDebugOptionFlags, TCtxDebugOptionFlag)
  Q_FLAG(TCtxDebugOptionFlags)

  /// The stack never holds more cells than this.
  static constexpr std::int32_t kMaxStackCells = 1024;
  /// Cells added at each growth; also the size at creation.
  static constexpr std::int32_t kStackGrowth = 32;
  /// Executions suspended under the running one (`Evaluate` inside `Evaluate` ...): each
  /// nesting takes machine stack, even when it takes no cell.
  static constexpr std::int32_t kMaxNestedExecutions = 256;

  explicit TCtxScript(QObject* owner = nullptr);
  ~TCtxScript() override;

  /// Compiles `text` as a new code object (default language), runs it with `host` as the
  /// scope of unqualified names, and destroys the code object. Compile errors and run-time
  /// errors the script does not handle leave as exceptions; `value` is then untouched.
  void RunText(std::string_view text, QObject* host, TCtxValue& value);
  /// Evaluates `text` as an expression in the frame of `parentCode`, which must be one of the
  /// suspended executions (else "Parent process not found").
  void EvaluateText(std::string_view text, TCtxScriptCode* parentCode, TCtxValue& value);
  /// Runs `code` (compiling it first if needed) with the arguments `params` (Unassigned for
  /// none, an array for several) and `host` as scope. A code without instructions leaves
  /// `value` untouched.
  void Execute(TCtxScriptCode& code, const TCtxValue& params, TCtxValue& value, QObject* host);
  /// Termination request: a running script stops before its next instruction, a paused one as
  /// soon as it resumes; an idle engine ignores it. No protected block catches the stop.
  void Terminate();

  /// Pushes a copy of `value`; raises "Stack overflow" beyond 1024 cells.
  void Push(const TCtxValue& value);
  /// Takes the top cell off the stack; raises "Stack underflow" on an empty stack.
  TCtxValue Pop();
  /// Argument `n` counted from the last (1 is the last argument): cell SP - n + 1, or Null
  /// when n < 1 or that cell is below the stack. Valid until the stack changes; copy it to keep.
  const TCtxValue& GetParam(std::int32_t n) const;
  /// The value of the variable a `ReferenceValue` designates. Raises an engine error for any
  /// other value, so that nothing is read through it.
  TCtxValue ReadReference(const TCtxValue& reference) const;
  /// Replaces the value of the variable a `ReferenceValue` designates; raises for any other.
  void WriteReference(const TCtxValue& reference, const TCtxValue& value);

  /// The result register R; native callbacks leave their value here.
  TCtxValue Result;
  /// How the interpreter reaches members: this resolver when a host (or a test) gives the
  /// engine one of its own, else the one installed at start-up.
  TCtxMemberResolver* Resolver = nullptr;
  /// The automation server: this one when the engine was given one, else the installed one.
  TCtxAutomation* Automation = nullptr;
  /// The automation server in effect, or null when there is none.
  TCtxAutomation* AutomationServer() const;
  /// The locale settings of this engine's runs (number, date and money formats): those in effect
  /// when the engine was made, the user's locale unless a host or a test pinned others.
  TCtxFormatSettings Formats = FormatSettings();
  /// The command line that `ParamStr` and `ParamCount` read: the program first, then the
  /// script's name and its arguments; empty unless the host sets it.
  std::vector<std::string> Parameters;
  /// What the host offers its scripts; null when it offers nothing.
  TCtxHostServices* HostServices = nullptr;
  /// The object searched after the host object and before the system scope; none by default.
  QPointer<QObject> GlobalScope;

  bool Terminated = false;
  /// While set, the debug hook is not called and a termination request is accepted.
  bool Paused = false;
  bool TraceInto = false;
  /// Runs of frequent instruction shapes are performed as one step while set (the default);
  /// results, errors and lines are the same either way.
  bool Fusion = true;
  /// Called from the run loop about every `kPollInterval` instructions while a script runs, so
  /// that a host can let pending events through, or a budget can end the run with `Terminate`.
  std::function<void(TCtxScript& sender)> OnPoll;
  static constexpr std::int32_t kPollInterval = 1024;
  /// Given each text that `write` and `writeln` wrote to standard output, just after it was
  /// written, so that a host can also show a run's output.
  std::function<void(std::string_view text)> OnWrite;

  bool TraceMode() const { return State.TraceMode; }
  void SetTraceMode(bool value) { State.TraceMode = value; }
  TCtxDebugOptionFlags DebugOptionFlags() const {
    return TCtxDebugOptionFlags::fromInt(DebugOptions.Mask());
  }
  void SetDebugOptionFlags(TCtxDebugOptionFlags flags) {
    SetDebugOptions(TCtxDebugOptions::FromMask(flags.toInt()));
  }
  const TOnCtxDebugHook& DebugHookHandler() const { return OnDebugHook; }
  TCtxDebugOptions DebugOptionSet() const { return DebugOptions; }
  /// The options and the handler of the debug hook; a change takes effect within the running
  /// script at once.
  void SetDebugOptions(TCtxDebugOptions options);
  void SetDebugHook(TOnCtxDebugHook hook);

  /// The registers of the running execution (idle values when none runs).
  const TCtxScriptState& CurrentState() const { return State; }
  /// The code being executed, or null when idle.
  TCtxScriptCode* RunningCode() const { return State.Code; }
  /// The source line of the outermost execution at which an error left the last failed run;
  /// 0 when the run failed before it began (a compile error) or did not fail.
  std::int32_t LastErrorLine() const { return ErrorLine; }
  /// The length of the stack: 32 at creation, then SP + 32 at each growth, at most 1024.
  std::int32_t StackSize() const { return StackLength; }
  std::span<const TCtxValue> StackCells() const {
    return {Stack.get(), static_cast<std::size_t>(StackLength)};
  }
  std::int32_t SavedCount() const { return static_cast<std::int32_t>(SavedStates.size()); }
  /// Room in `SavedStates` before it grows (10 at creation, then 5 more each time).
  std::int32_t SavedCapacity() const { return SavedStatesCapacity; }

 private:
  // Execution (execution.cpp).
  void Enter(TCtxScriptCode& code, const TCtxValue& params, QObject* scope);
  void Leave();
  void ResetState();
  void GrowStack(std::int32_t top);
  [[noreturn]] static void RaiseStackUnderflow();
  static const TCtxValue& NullParam();
  [[noreturn]] static void RaiseBadCell(std::int64_t cell);
  /// The running frame for fused runs over `frameSlots` slots.
  TCtxFrame FastFrame(std::int32_t frameSlots) {
    const std::int32_t first = State.FrameBase + 1;
    const bool inside = first >= 0 && first + frameSlots <= StackLength;
    return {inside ? Stack.get() + first : nullptr};
  }
  /// Sets the cells above `level` to Unassigned and makes `level` the top; raises "Incorrect
  /// stack restoration ..." when the stack is already below it.
  void DropTo(std::int32_t level);
  [[noreturn]] static void RaiseIncorrectRestoration(std::int32_t top, std::int32_t level);
  TCtxValue& Slot(std::int32_t slot);
  /// The cell a reference designates; raises for a reference outside the stack.
  TCtxValue& ReferencedCell(const TCtxValue& reference);
  /// The variable a by-reference slot designates: the referenced cell, or the slot itself when
  /// it holds no reference (a value passed to a var parameter from outside a script).
  TCtxValue& ByRefTarget(std::int32_t slot);

  // The run loop and the operations (interpreter.cpp).
  void Run();
  /// Runs from `State.PC` until the run ends (true) or the loop form must be chosen again.
  bool RunInstructions();
  template <bool followLines>
  bool RunLoop();
  /// Makes `CurrentLine` the line of the instruction at `State.PC`.
  void NoteLineOfPC();
  void EnterCall(const TCtxPCodeRec& instruction, std::int32_t at);
  /// Whether the loop performs fused runs: not while a debug hook follows the lines.
  bool UsesFusion() const;
  /// What Step and the fused runs return instead of the next instruction when the run ends.
  static constexpr std::int32_t kRunEnds = INT32_MIN;
  std::int32_t Step(TCtxPCodeRec& instruction, std::int32_t at);
  template <TCtxFusedOp op>
  std::int32_t Arithmetic(const TCtxFusedRun& run, TCtxFrame frame, std::int32_t pc);
  template <TCtxFusedOp op>
  std::int32_t LoopTest(const TCtxFusedRun& run, TCtxFrame frame, std::int32_t pc);
  /// Runs `length` instructions one by one from `pc` (a fused run whose operands need the
  /// general rules); returns the next instruction, or kRunEnds.
  [[gnu::noinline]] std::int32_t StepRun(std::int32_t pc, int length);
  bool RoomToPush() const { return State.SP + 1 < StackLength; }
  void OpenFrame(const TCtxPCodeRec& instruction);
  void ReadElement(const TCtxPCodeRec& instruction, const TCtxValue& variable);
  void WriteElement(const TCtxPCodeRec& instruction, TCtxValue& variable);
  void IndexObject(TCtxAccessKind kind, const TCtxValue& variable);
  void AccessUnqualified(TCtxPCodeRec& instruction, TCtxAccessKind kind);
  void AccessQualified(TCtxPCodeRec& instruction, TCtxAccessKind kind);
  void AccessObject(TCtxPCodeRec& instruction, TCtxAccessKind kind, const TCtxValue& receiver);
  void AccessAutomation(const TCtxPCodeRec& instruction, TCtxAccessKind kind,
                        const TCtxValue& receiver);
  bool AppendInPlace(TCtxValue& left, std::int32_t pc);
  /// The resolver in effect; raises when there is none.
  TCtxMemberResolver& Members() const;
  /// Calls `OnPoll` and starts the next interval; true when the run is to end or the loop form
  /// (`fused` or not) is to change.
  [[gnu::noinline]] bool Poll(std::int32_t pc, bool fused);

  // Exceptions and debugging (exceptions.cpp).
  /// Hands the exception being handled to the innermost protected block; false when there is
  /// none, so that it leaves the run.
  bool CatchException();
  void DebugHook(bool exception);
  void OpenProtectedBlock(std::int32_t handler);
  void CloseProtectedBlock();
  /// Ends an except part or a finally part left by a jump: the exception handled outside it
  /// is pending again.
  void EndHandler();
  /// Ends a finally part reached by an error: raises that error again.
  [[noreturn]] void RaiseHandledAgain();

  TCtxDebugOptions DebugOptions;
  TOnCtxDebugHook OnDebugHook;
  // Room for the largest stack, made once: the cells never move, so the run loop reaches a slot
  // without asking for the stack's length. Cells beyond the length are Unassigned.
  std::unique_ptr<TCtxValue[]> Stack = std::make_unique<TCtxValue[]>(kMaxStackCells);
  std::int32_t StackLength = kStackGrowth;
  std::vector<TCtxScriptState> SavedStates;
  std::int32_t SavedStatesCapacity = 10;
  TCtxScriptState State;
  std::int32_t ErrorLine = 0;
  std::int32_t PollCountdown = kPollInterval;
};

/// The arguments of a native call as the script wrote them: `args[0]` is the first. A view of the
/// engine's stack (argument k is `GetParam(Count() - k)`), valid while the callback runs; an
/// index outside the arguments reads Null, as `GetParam` does below the stack.
class TCtxArgs {
 public:
  TCtxArgs(const TCtxScript& script, std::int32_t count) : script_(script), count_(count) {}
  std::int32_t Count() const { return count_; }
  const TCtxValue& operator[](std::int32_t k) const;
  /// The last argument.
  const TCtxValue& Last() const { return (*this)[count_ - 1]; }

 private:
  const TCtxScript& script_;
  std::int32_t count_;
};

// The stack operations the run loop uses on every instruction, defined here to be inlined.

inline void TCtxScript::Push(const TCtxValue& value) {
  const std::int32_t top = State.SP + 1;
  if (top >= StackLength) GrowStack(top);
  Stack[static_cast<std::size_t>(top)] = value;
  State.SP = top;
}

inline TCtxValue TCtxScript::Pop() {
  if (State.SP < 0) RaiseStackUnderflow();
  return std::move(Stack[static_cast<std::size_t>(State.SP--)]);
}

inline const TCtxValue& TCtxScript::GetParam(std::int32_t n) const {
  const std::int64_t cell = std::int64_t{State.SP} - n + 1;
  if (n < 1 || cell < 0) return NullParam();
  return Stack[static_cast<std::size_t>(cell)];
}

inline const TCtxValue& TCtxArgs::operator[](std::int32_t k) const {
  return k < 0 || k >= count_ ? script_.GetParam(0) : script_.GetParam(count_ - k);
}

inline void TCtxScript::DropTo(std::int32_t level) {
  if (State.SP < level) RaiseIncorrectRestoration(State.SP, level);
  for (std::int32_t cell = State.SP; cell > level; --cell)
    Stack[static_cast<std::size_t>(cell)].Clear();
  State.SP = level;
}

inline TCtxValue& TCtxScript::Slot(std::int32_t slot) {
  const std::int64_t cell = std::int64_t{State.FrameBase} + slot + 1;
  if (static_cast<std::uint64_t>(cell) >= static_cast<std::uint64_t>(kMaxStackCells))
    RaiseBadCell(cell);
  return Stack[static_cast<std::size_t>(cell)];
}

}  // namespace zendrik
