#include <gtest/gtest.h>

#include "script/runtime/symbols.h"

namespace zendrik {
namespace {

TEST(Symbols, FindReturnsTheFirstMatchOfTheGivenKindsIgnoringAsciiCase) {
  TSymbols symbols;
  symbols.Add(TSymbolKind::InParam, "Count", TCtxValue::Null());
  symbols.Add(TSymbolKind::Constant, "Limit", TCtxValue::Integer(10));
  symbols.Add(TSymbolKind::VarParam, "\xC4pfel", TCtxValue::Null());

  const TSymbolKinds variables{TSymbolKind::LocalVar, TSymbolKind::InParam, TSymbolKind::OutParam,
                               TSymbolKind::VarParam};
  EXPECT_EQ(symbols.Find("COUNT", TSymbolKinds::All()), 0);
  EXPECT_EQ(symbols.Find("limit", TSymbolKinds::All()), 1);
  EXPECT_EQ(symbols.Find("limit", variables), -1);
  EXPECT_EQ(symbols.Find("count", {TSymbolKind::LocalVar}), -1);
  EXPECT_EQ(symbols.Find("\xC4PFEL", variables), 2);
  EXPECT_EQ(symbols.Find("\xE4pfel", variables), -1);  // only ASCII letters fold
  EXPECT_EQ(symbols.Find("Coun", TSymbolKinds::All()), -1);
  EXPECT_EQ(symbols.At(1).Value.IntegerPayload(), 10);
}

TEST(Symbols, KindsOutsideTheSetNeverMatch) {
  EXPECT_FALSE(TSymbolKinds::All().Contains(5));
  EXPECT_FALSE(TSymbolKinds::All().Contains(200));
  EXPECT_TRUE(TSymbolKinds::All().Contains(4));
}

TEST(Symbols, CopiesAreIndependentOfTheOriginal) {
  TSymbols parent;
  parent.Add(TSymbolKind::LocalVar, "x", TCtxValue::Null());
  parent.Add(TSymbolKind::Constant, "s", TCtxValue::String("text"));
  TSymbols child;
  child.AddCopiesOf(parent);
  parent.Clear();
  ASSERT_EQ(child.Count(), 2);
  EXPECT_EQ(child.At(1).Name, "s");
  EXPECT_EQ(child.At(1).SymbolKind(), TSymbolKind::Constant);
  EXPECT_EQ(child.At(1).Value.StringPayload(), "text");
}

}  // namespace
}  // namespace zendrik
