// The engine of the run-time layer alone, on p-code made by hand: the stack, the loop's checks,
// the member resolver it is given, protected blocks, and the fused form of the loop against
// the plain one. Behaviour that scripts see is tested through the compiler in tests/script/engine.

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "script/runtime/compiler_registry.h"
#include "script/runtime/conversions.h"
#include "script/runtime/engine.h"
#include "script/runtime/errors.h"
#include "script/runtime/member_resolver.h"
#include "script/runtime/pcode.h"
#include "script/runtime/script_code.h"

namespace zendrik {
namespace {

using Op = TCtxOpCode;

TCtxPCodeRec Ins(Op op, std::int32_t value = 0, int count = 0, std::string_view name = {}) {
  TCtxPCodeRec instruction(op);
  instruction.Value = value;
  instruction.Count = static_cast<std::uint8_t>(count);
  instruction.Name = TCtxString(name);
  return instruction;
}

// A language whose compiler hands out instructions the test made: a code's text names them.
class HandMadeCode final : public TCtxLanguageCompiler {
 public:
  HandMadeCode() { RegisterCompiler("HandMade", *this); }
  ~HandMadeCode() override { UnregisterCompiler(*this); }

  void Compile(TCtxScriptCode& code) override { code.PCode() = Codes.at(code.Code()); }
  void ReadHeader(TCtxScriptCode&) override {}
  std::string MakeStub(const TCtxScriptCode&) override { return {}; }

  std::map<std::string, std::vector<TCtxPCodeRec>> Codes;
};

// Answers one unqualified name, Twice(x), and notes in the cache that it found it there.
class TwiceResolver final : public TCtxMemberResolver, public TCtxMemberFinder {
 public:
  void InvokeUnqualified(TCtxScript& script, TCtxPCodeRec& instruction,
                         TCtxAccessKind kind) override {
    ++Calls;
    if (instruction.Name.view() != "Twice" || kind != TCtxAccessKind::akGet)
      RaiseMethodNotFound(instruction.Name.view());
    if (instruction.CachedIntrospector == this) ++CachedCalls;
    instruction.CachedIntrospector = this;
    script.Result = TCtxValue::Integer(ToInteger(script.GetParam(1)) * 2);
  }
  bool InvokeOnObject(TCtxScript&, TCtxPCodeRec&, QObject*, TCtxAccessKind) override {
    return false;
  }
  bool InvokeByName(TCtxScript&, TCtxAccessKind, QObject*, std::string_view,
                    std::int32_t) override {
    return false;
  }

  int Calls = 0;
  int CachedCalls = 0;
};

class HandMade : public ::testing::Test {
 protected:
  // A code object of `instructions`; the fixture keeps it.
  TCtxScriptCode& Made(std::vector<TCtxPCodeRec> instructions) {
    const std::string name = "code" + std::to_string(codes_.size());
    language_.Codes[name] = std::move(instructions);
    TCtxScriptCode& code = *codes_.emplace_back(std::make_unique<TCtxScriptCode>());
    code.SetLanguage("HandMade");
    code.SetCode(name);
    return code;
  }

  // The run's value as text, or the message of its error.
  std::string Run(TCtxScriptCode& code, TCtxScript& on) {
    try {
      TCtxValue value;
      on.Execute(code, TCtxValue(), value, nullptr);
      return ValueToText(value);
    } catch (const std::exception& error) {
      return error.what();
    }
  }
  std::string Run(TCtxScriptCode& code) { return Run(code, engine); }

  HandMadeCode language_;
  std::vector<std::unique_ptr<TCtxScriptCode>> codes_;
  TwiceResolver resolver;
  TCtxScript engine;
};

TEST_F(HandMade, TheEngineStartsIdleWithThirtyTwoEmptyCells) {
  EXPECT_EQ(engine.StackSize(), 32);
  EXPECT_EQ(engine.CurrentState().SP, -1);
  EXPECT_EQ(engine.CurrentState().FrameBase, -1);
  EXPECT_EQ(engine.CurrentState().TryTop, -1);
  EXPECT_EQ(engine.RunningCode(), nullptr);
  EXPECT_EQ(engine.SavedCount(), 0);
  EXPECT_EQ(engine.SavedCapacity(), 10);
  EXPECT_TRUE(engine.Result.IsUnassigned());
  EXPECT_FALSE(engine.TraceMode());
}

TEST_F(HandMade, GetParamCountsFromTheLastArgumentAndGivesNullOutside) {
  engine.Push(TCtxValue::String("a"));
  engine.Push(TCtxValue::String("b"));
  engine.Push(TCtxValue::String("c"));
  EXPECT_EQ(engine.GetParam(1).StringPayload(), "c");
  EXPECT_EQ(engine.GetParam(3).StringPayload(), "a");
  EXPECT_TRUE(engine.GetParam(0).IsNull());
  EXPECT_TRUE(engine.GetParam(4).IsNull());
  EXPECT_TRUE(engine.GetParam(-1).IsNull());
  EXPECT_EQ(engine.Pop().StringPayload(), "c");
  EXPECT_TRUE(engine.StackCells()[2].IsUnassigned()) << "a popped cell is cleared";
  engine.Pop();
  engine.Pop();
  EXPECT_THROW(engine.Pop(), ECtxScriptError);
}

TEST_F(HandMade, TheStackGrowsByThirtyTwoUpToOneThousandTwentyFourCells) {
  for (int i = 0; i < 32; ++i) engine.Push(TCtxValue::Integer(i));
  EXPECT_EQ(engine.StackSize(), 32);
  engine.Push(TCtxValue::Integer(32));
  EXPECT_EQ(engine.StackSize(), 64);
  for (int i = 33; i < 1024; ++i) engine.Push(TCtxValue::Integer(i));
  EXPECT_EQ(engine.StackSize(), 1024);
  try {
    engine.Push(TCtxValue::Integer(1024));
    ADD_FAILURE() << "pushed cell 1024";
  } catch (const ECtxScriptError& error) {
    EXPECT_STREQ(error.what(), "Stack overflow");
  }
  EXPECT_EQ(engine.CurrentState().SP, 1023);
  EXPECT_EQ(engine.GetParam(1).IntegerPayload(), 1023);
}

TEST_F(HandMade, CodeThatJumpsOutsideItselfIsStoppedBeforeReadingThere) {
  EXPECT_EQ(Run(Made({Ins(Op::Jump, 1000), Ins(Op::Exit)})),
            "Instruction 1000 lies outside the code");
  EXPECT_EQ(Run(Made({Ins(Op::Jump, -5), Ins(Op::Exit)})), "Instruction -5 lies outside the code");
  EXPECT_EQ(Run(Made({Ins(Op::Nop)})), "Instruction 1 lies outside the code");
  TCtxPCodeRec unknown;
  unknown.OpCode = 77;
  EXPECT_EQ(Run(Made({unknown, Ins(Op::Exit)})), "Unsupported instruction");
  for (const TCtxValue& cell : engine.StackCells()) EXPECT_TRUE(cell.IsUnassigned());
}

TEST_F(HandMade, ASlotBeyondTheStackIsRefusedInBothFormsOfTheLoop) {
  for (const bool fusion : {true, false}) {
    engine.Fusion = fusion;
    EXPECT_EQ(Run(Made({Ins(Op::Begin, 0, 1), Ins(Op::LoadInteger, 1), Ins(Op::StoreVar, 5000),
                        Ins(Op::Exit)})),
              "Stack overflow");
    EXPECT_EQ(Run(Made({Ins(Op::Begin, 0, 1), Ins(Op::LoadVar, -10), Ins(Op::PushResult),
                        Ins(Op::LoadInteger, 1), Ins(Op::Plus), Ins(Op::Exit)})),
              "Stack underflow");
  }
}

TEST_F(HandMade, NamesGoToTheEnginesResolverWhichKeepsItsNoteInTheInstruction) {
  engine.Resolver = &resolver;
  TCtxScriptCode& code = Made({Ins(Op::LoadInteger, 21), Ins(Op::PushResult),
                               Ins(Op::CallMethod, 0, 1, "Twice"), Ins(Op::Exit)});
  EXPECT_EQ(Run(code), "42");
  EXPECT_EQ(Run(code), "42");
  EXPECT_EQ(resolver.Calls, 2);
  EXPECT_EQ(resolver.CachedCalls, 1) << "the second run finds the first run's note";
  EXPECT_EQ(Run(Made({Ins(Op::CallMethod, 0, 0, "Thrice"), Ins(Op::Exit)})),
            "Method not found. Method: Thrice");
  EXPECT_EQ(engine.CurrentState().SP, -1);
}

TEST_F(HandMade, AnEngineWithoutAResolverSaysSoWhenItMeetsAName) {
  // Nothing above the run-time layer is linked here, so nothing installed one.
  EXPECT_EQ(Run(Made({Ins(Op::CallMethod, 0, 0, "Twice"), Ins(Op::Exit)})),
            "No member resolver is installed: the engine finds no names");
}

TEST_F(HandMade, AProtectedBlockTakesThreeCellsAndGivesThemBack) {
  // TRY 4; raise 7; END TRY; JUMP 7; 4: R := exception; push it; CLEAR; 7: pop it; EXIT.
  TCtxScriptCode& code = Made({Ins(Op::Try, 5), Ins(Op::LoadInteger, 7), Ins(Op::RaiseResult),
                               Ins(Op::EndTry), Ins(Op::Jump, 8), Ins(Op::LoadException),
                               Ins(Op::ClearException), Ins(Op::Jump, 8), Ins(Op::Exit)});
  int deepest = -1;
  engine.SetDebugOptions({TCtxDebugOption::cdoStopOnException});
  engine.SetDebugHook([&deepest](TCtxScript& sender, bool) {
    deepest = sender.CurrentState().SP;  // the block's cells are still there when it catches
  });
  EXPECT_EQ(Run(code), "7");
  EXPECT_EQ(deepest, 2);
  EXPECT_EQ(engine.CurrentState().SP, -1);
  EXPECT_TRUE(engine.CurrentState().ExceptValue.IsUnassigned());
}

// i := 0; s := 0; while i < 10 do begin s := s + i; i := i + 1 end; with s starting as '1'
// in one run, so that the fused runs meet operands they must leave to the general rules.
std::vector<TCtxPCodeRec> SummingLoop(bool startWithText) {
  return {Ins(Op::Begin, 0, 2),
          startWithText ? Ins(Op::LoadString, 0, 0, "1") : Ins(Op::LoadInteger, 0),
          Ins(Op::StoreVar, 1),
          Ins(Op::LoadInteger, 0),
          Ins(Op::StoreVar, 0),
          Ins(Op::LoadVar, 0),  // 5: the test
          Ins(Op::PushResult),
          Ins(Op::LoadInteger, 10),
          Ins(Op::Less),
          Ins(Op::JumpIfNot, 21),
          Ins(Op::LoadVar, 1),  // 10: s := s + i
          Ins(Op::PushResult),
          Ins(Op::LoadVar, 0),
          Ins(Op::Plus),
          Ins(Op::StoreVar, 1),
          Ins(Op::LoadVar, 0),  // 15: i := i + 1
          Ins(Op::PushResult),
          Ins(Op::LoadInteger, 1),
          Ins(Op::Plus),
          Ins(Op::StoreVar, 0),
          Ins(Op::Jump, 5),
          Ins(Op::LoadVar, 1),  // 21
          Ins(Op::Exit)};
}

TEST_F(HandMade, FusedRunsAndSingleInstructionsGiveTheSameResults) {
  for (const bool text : {false, true}) {
    TCtxScriptCode& code = Made(SummingLoop(text));
    engine.Fusion = true;
    const std::string fused = Run(code);
    engine.Fusion = false;
    EXPECT_EQ(Run(code), fused);
    EXPECT_EQ(fused, text ? "46" : "45") << "a text starts a Floating sum";
  }
}

}  // namespace
}  // namespace zendrik
