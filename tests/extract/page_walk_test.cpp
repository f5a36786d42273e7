#include "extract/page_walk.h"

#include "tests/extract/table_contents.h"
#include "tests/support/case_names.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace zendrik {
namespace {

using Rows = TableRows;

Rows Extract(std::string_view body) {
  TCellTable table;
  ExtractPage(body, table);
  return Contents(table);
}

std::vector<std::string> Split(std::string_view body) {
  std::vector<std::string> lines;
  SplitLines(body, lines);
  return lines;
}

TEST(SplitLines, EndsLinesAtCrLfAndCrLfPairs) {
  using Lines = std::vector<std::string>;
  EXPECT_EQ(Split("a\r\r\nb"), (Lines{"a", "", "b"}));
  EXPECT_EQ(Split("a\n\rb"), (Lines{"a", "", "b"})) << "LF then CR is two line ends";
  EXPECT_EQ(Split("a\nb\n"), (Lines{"a", "b"})) << "no empty line after a final line end";
  EXPECT_EQ(Split("one line"), (Lines{"one line"}));
  EXPECT_EQ(Split("\n\n"), (Lines{"", ""}));
  EXPECT_EQ(Split(""), Lines{});
  EXPECT_EQ(Split(std::string_view("ab\0cd\nef", 8)), (Lines{"ab", "ef"}))
      << "a NUL ends its line's text";
}

TEST(PageWalk, WorkedPageGivesFourRows) {
  const char* page =
      "<html><head><title>Prices</title></head><body>\n"
      "<h1>Stock list</h1>\n"
      "<table>\n"
      "<tr><th>Name</th><th>Price</th></tr>\n"
      "<tr><td><a href=\"/q/abc.html\">ABC</a></td><td>12,50</td></tr>\n"
      "</table>\n"
      "</body></html>\n";
  EXPECT_EQ(Extract(page),
            (Rows{{"Prices"}, {"Stock list"}, {"Name", "Price"}, {"/q/abc.html", "ABC", "12,50"}}));
}

struct WalkCase {
  const char* what;
  const char* page;
  Rows expected;
};

void PrintTo(const WalkCase& walkCase, std::ostream* out) { *out << walkCase.what; }

class WalkCases : public testing::TestWithParam<WalkCase> {};

TEST_P(WalkCases, LaysOutRowsAndCells) {
  EXPECT_EQ(Extract(GetParam().page), GetParam().expected) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    PageWalk, WalkCases,
    testing::Values(
        WalkCase{"pretty-printed whitespace between cells is dropped",
                 "<tr>\n  <td>a</td>\n  <td>b</td>\n</tr>",
                 {{"a", "b"}}},
        WalkCase{"blank text inside a cell becomes a cell",
                 "<tr><td> <b>x</b> </td></tr>",
                 {{" ", "x", " "}}},
        WalkCase{"text after <tr> before the first cell is dropped",
                 "<tr>lost<td>kept</td></tr>",
                 {{"kept"}}},
        WalkCase{"an empty table row stays", "<tr></tr><p>after", {{}, {"after "}}},
        WalkCase{
            "a cell outside any row gives rows of its own", "<td>a</td><td>b</td>", {{"a"}, {"b"}}},
        WalkCase{"a nested table ends the outer row",
                 "<tr><td>o<table><tr><td>i</td></tr></table>rest</td></tr>",
                 {{"o"}, {"i"}, {"rest"}}},
        WalkCase{"a link outside a table gives two rows",
                 "<a href=\"x.html\">Next</a>",
                 {{"x.html"}, {"Next"}}},
        WalkCase{"a link inside a cell gives two cells",
                 "<tr><td><a href=\"x.html\">Next</a></td></tr>",
                 {{"x.html", "Next"}}},
        WalkCase{"images: empty src adds nothing, dest adds even when empty, parameter order",
                 "<tr><td><img src=\"\"><img dest=\"\"><img src=\"a.gif\" dest=\"b\"></td></tr>",
                 {{"", "a.gif", "b"}}},
        WalkCase{"an anchor without href adds nothing; link and area add their targets",
                 "<a name=\"top\"><link href=\"style.css\"><area href=\"m.html\">",
                 {{"style.css"}, {"m.html"}}},
        WalkCase{"script content is skipped in any letter case",
                 "<ScRiPt><tr><td>x</td></tr></sCrIpT>visible",
                 {{"visible "}}},
        WalkCase{"an unclosed script skips the rest", "a<script>b<tr><td>c", {{"a"}}},
        WalkCase{"text of tabs and spaces outside rows is dropped", "<p> \t <p>x", {{"x "}}},
        WalkCase{
            "a header cell counts like a data cell", "<tr><th>h</th><td>d</td></tr>", {{"h", "d"}}},
        WalkCase{"text between cells of a row is dropped",
                 "<tr><td>a</td>gap<td>b</td></tr>",
                 {{"a", "b"}}}),
    CaseNames([](const WalkCase& c) { return c.what; }));

// Any byte sequence is a page: nothing crashes, and every cell respects the store's rules.
TEST(PageWalk, SurvivesArbitraryBytes) {
  std::mt19937 random(20261208);
  using namespace std::string_literals;
  const std::string alphabet = "<>&#;= \"'\t\r\n\0xX1aTRDtrdIMGSCRIPT/"s;
  for (int round = 0; round < 3000; ++round) {
    std::string body(random() % 200, ' ');
    for (char& c : body)
      c = random() % 3 ? alphabet[random() % alphabet.size()] : static_cast<char>(random());
    for (const auto& row : Extract(body))
      for (const auto& cell : row) EXPECT_EQ(cell.find('\0'), std::string::npos);
  }
  const std::string longLine(3 << 20, 'x');
  EXPECT_TRUE(Extract("<tr><td>" + longLine) == (Rows{{longLine + " "}}))
      << "a megabyte-long line stays one cell";
}

}  // namespace
}  // namespace zendrik
