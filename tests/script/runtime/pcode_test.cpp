#include "script/runtime/pcode.h"

#include <gtest/gtest.h>
#include <QObject>

#include <memory>
#include <vector>

#include "value_test_support.h"

namespace zendrik {
namespace {

TEST(PCodeListing, EveryOperationListsItsTemplateWithTheOperands) {
  const testing::PinnedCLocale locale;
  const char* const expected[kCtxOpCodeCount] = {
      "NOP",
      "+ BREAK POINT AT 7",
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
      "Result <- STR Foo",
      "Result <- INT 7",
      "Result <- DOUBLE 2.50",
      "Result <- BOOL True",
      "Result <- NULL",
      "Result <- VAR 7",
      "Result <- VAR BY REF 7",
      "Result <- ARRAY 7 [2 params]",
      "Result <- ARRAY BY REF 7 [2 params]",
      "Result <- @VAR 7",
      "Result <- METHOD Foo (2 params)",
      "Result <- ARRAY Foo (2 params)",
      "Result <- OBJ. METHOD Foo (2 params)",
      "Result <- OBJ. ARRAY PROP. Foo (2 params)",
      "Result -> VAR 7",
      "Result -> VAR BY REF 7",
      "Result -> ARRAY 7 [2]",
      "Result -> ARRAY BY REF 7 [2]",
      "Result -> PROP Foo (2 params)",
      "Result -> PROP Foo [2 params]",
      "Result -> OBJ. PROP Foo (2 params)",
      "Result -> OBJ. PROP Foo [2 params]",
      "INC 7",
      "DEC 7",
      "POP RESULT",
      "PUSH RESULT",
      "WITH RESULT",
      "WITH END",
      "JUMP 7",
      "JUMP IF NOT RESULT TO 7",
      "JUMP IF RESULT TO 7",
      "TRY 7",
      "END TRY",
      "RAISE (Exception)",
      "RAISE (Result)",
      "CLEAR Exception",
      "Result := Exception",
      "BEGIN 7 of 2",
      "EXIT",
  };
  for (int op = 0; op < kCtxOpCodeCount; ++op) {
    TCtxPCodeRec rec(static_cast<TCtxOpCode>(op));
    rec.Name = "Foo";
    rec.Count = 2;
    if (rec.Operation() == TCtxOpCode::LoadDouble) {
      rec.DoubleValue = 2.5;
    } else if (rec.Operation() == TCtxOpCode::LoadBool) {
      rec.BoolValue = 1;
    } else {
      rec.Value = 7;
    }
    EXPECT_EQ(ListInstruction(rec), expected[op]) << op;
  }
}

TEST(PCodeListing, OperandEdgesListAsWritten) {
  const testing::PinnedCLocale locale;
  TCtxPCodeRec zero;
  EXPECT_EQ(ListInstruction(zero), "NOP");

  struct Case {
    TCtxOpCode op;
    double number;
    const char* text;
  };
  for (const Case& c :
       {Case{TCtxOpCode::LoadDouble, 3.14159, "Result <- DOUBLE 3.14"},
        Case{TCtxOpCode::LoadDouble, -1234567.891, "Result <- DOUBLE -1234567.89"},
        Case{TCtxOpCode::LoadDouble, 1e20, "Result <- DOUBLE 100000000000000000000.00"}}) {
    TCtxPCodeRec rec(c.op);
    rec.DoubleValue = c.number;
    EXPECT_EQ(ListInstruction(rec), c.text);
  }

  TCtxPCodeRec flag(TCtxOpCode::LoadBool);
  EXPECT_EQ(ListInstruction(flag), "Result <- BOOL False");
  flag.BoolValue = 255;  // any non-zero byte is true
  EXPECT_EQ(ListInstruction(flag), "Result <- BOOL True");

  TCtxPCodeRec negative(TCtxOpCode::LoadInteger);
  negative.Value = -2147483647 - 1;
  EXPECT_EQ(ListInstruction(negative), "Result <- INT -2147483648");

  TCtxPCodeRec wide(TCtxOpCode::Begin);
  wide.Count = 255;
  wide.Value = 3;
  EXPECT_EQ(ListInstruction(wide), "BEGIN 3 of 255");

  TCtxPCodeRec text(TCtxOpCode::LoadString);
  text.Name = "100% %0:s";  // placeholders inside the operand are not expanded again
  EXPECT_EQ(ListInstruction(text), "Result <- STR 100% %0:s");

  TCtxPCodeRec unknown;
  unknown.OpCode = 59;
  EXPECT_EQ(ListInstruction(unknown), "UNKNOWN OPERATION 59");
  unknown.OpCode = 255;
  EXPECT_EQ(ListInstruction(unknown), "UNKNOWN OPERATION 255");
}

TEST(PCodeListing, DoubleOperandUsesTheLocaleDecimalSeparator) {
  const TCtxFormatSettings german =
      TCtxFormatSettings::FromLocale(QLocale(QLocale::German, QLocale::Germany));
  const TCtxFormatsInEffect inEffect(german);
  TCtxPCodeRec rec(TCtxOpCode::LoadDouble);
  rec.DoubleValue = 2.5;
  EXPECT_EQ(ListInstruction(rec), "Result <- DOUBLE 2,50");
}

TEST(PCodeRecord, CopiesShareTheNameAndKeepTheCache) {
  TCtxPCodeRec rec(TCtxOpCode::CallMethod);
  rec.Name = "Download";
  rec.Value = 4;
  TCtxPCodeRec copy = rec;
  EXPECT_EQ(copy.Name, "Download");
  EXPECT_EQ(copy.Name.view().data(), rec.Name.view().data());
  EXPECT_EQ(copy.Value, 4);
  EXPECT_EQ(copy.CachedObject, nullptr);
  EXPECT_EQ(copy.CachedIntrospector, nullptr);
}

TEST(PCodeRecord, CachedObjectReadsAsNilOnceDestroyed) {
  TCtxPCodeRec rec(TCtxOpCode::CallObjectMethod);
  auto first = std::make_unique<QObject>();
  rec.CachedObject = first.get();
  const TCtxPCodeRec copy = rec;
  EXPECT_EQ(copy.CachedObject, first.get());
  first.reset();
  // The allocator may well hand the same address to the next object: it must not match.
  std::vector<std::unique_ptr<QObject>> later;
  for (int i = 0; i < 16; ++i) later.push_back(std::make_unique<QObject>());
  for (const auto& object : later) {
    EXPECT_NE(rec.CachedObject.data(), object.get());
    EXPECT_NE(copy.CachedObject.data(), object.get());
  }
  EXPECT_TRUE(rec.CachedObject.isNull());
}

}  // namespace
}  // namespace zendrik
