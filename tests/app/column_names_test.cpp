#include "app/column_names.h"

#include <gtest/gtest.h>

namespace zendrik {
namespace {

TEST(ColumnNames, CountInBijectiveBase26) {
  const struct {
    long long Column;
    const char* Name;
  } cases[] = {{1, "A"},    {26, "Z"},    {27, "AA"},     {52, "AZ"},      {53, "BA"},
               {702, "ZZ"}, {703, "AAA"}, {16384, "XFD"}, {18279, "AAAA"}, {0, ""}};
  for (const auto& c : cases) EXPECT_EQ(ColumnName(c.Column), c.Name) << "column " << c.Column;
}

}  // namespace
}  // namespace zendrik
