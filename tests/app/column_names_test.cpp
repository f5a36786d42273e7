#include "app/column_names.h"

#include <gtest/gtest.h>

namespace zendrik {
namespace {

TEST(ColumnNames, CountInBijectiveBase26) {
  const struct {
    long long Column;
    const char* Name;
  } cases[] = {
      {1, "A"},    {2, "B"},    {26, "Z"},    {27, "AA"},    {52, "AZ"},     {53, "BA"},
      {702, "ZZ"}, {703, "AAA"}, {728, "AAZ"}, {16384, "XFD"}, {18278, "ZZZ"}, {18279, "AAAA"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ColumnName(c.Column), c.Name) << "column " << c.Column;
}

TEST(ColumnNames, ZeroAndNegativeColumnsHaveNoName) {
  EXPECT_EQ(ColumnName(0), "");
  EXPECT_EQ(ColumnName(-3), "");
}

} // namespace
} // namespace zendrik
