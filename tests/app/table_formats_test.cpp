#include "app/table_formats.h"

#include "app/csv_export.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

namespace zendrik {
namespace {

void AddRow(TCellTable& table, std::initializer_list<std::string_view> cells) {
  table.AppendRow();
  for (std::string_view cell : cells) table.AppendCell(cell);
}

std::string Written(TCellTable& table, TTableFormat format) {
  std::string text;
  EXPECT_TRUE(WriteTableAs(table, format, [&text](std::string_view chunk) {
    text += chunk;
    return true;
  }));
  return text;
}

std::string JsonString(std::string_view text) {
  std::string out;
  AppendJsonString(out, text);
  return out;
}

TEST(TableFormats, NamesAndExtensions) {
  EXPECT_EQ(ParseTableFormat("csv"), TTableFormat::Csv);
  EXPECT_EQ(ParseTableFormat("tsv"), TTableFormat::Tsv);
  EXPECT_EQ(ParseTableFormat("json"), TTableFormat::Json);
  EXPECT_EQ(ParseTableFormat("JSON"), std::nullopt);
  EXPECT_EQ(ParseTableFormat(""), std::nullopt);
  EXPECT_EQ(TableFormatExtension(TTableFormat::Tsv), ".tsv");
  EXPECT_EQ(TableFormatExtension(TTableFormat::Json), ".json");
}

TEST(TableFormats, CsvIsTheTableFileByteForByte) {
  TCellTable table;
  AddRow(table, {"a\"b", "c\\d", "e,f\r\ng"});
  AddRow(table, {});
  AddRow(table, {"\xE9"});
  std::string file;
  WriteCsv(table, [&file](std::string_view chunk) {
    file += chunk;
    return true;
  });
  EXPECT_EQ(Written(table, TTableFormat::Csv), file);
}

TEST(TableFormats, TsvEscapesTabLineBreaksAndBackslashOnly) {
  TCellTable table;
  AddRow(table, {"a\tb", "c\r\nd", "e\\t", "\"q\",x"});
  AddRow(table, {});
  AddRow(table, {"", "z"});
  EXPECT_EQ(Written(table, TTableFormat::Tsv),
            "a\\tb\tc\\r\\nd\te\\\\t\t\"q\",x\n"
            "\n"
            "\tz\n");
}

TEST(TableFormats, JsonIsAnArrayOfRowsOneRowALine) {
  TCellTable table;
  AddRow(table, {"a", "b"});
  AddRow(table, {});
  AddRow(table, {""});
  EXPECT_EQ(Written(table, TTableFormat::Json), "[\n[\"a\",\"b\"],\n[],\n[\"\"]\n]\n");
  TCellTable empty;
  EXPECT_EQ(Written(empty, TTableFormat::Json), "[\n]\n");
}

TEST(TableFormats, JsonEscapesQuotesBackslashesAndControlCharacters) {
  EXPECT_EQ(JsonString("say \"hi\" \\ now"), "\"say \\\"hi\\\" \\\\ now\"");
  EXPECT_EQ(JsonString("a\nb\rc\td\be\ff"), "\"a\\nb\\rc\\td\\be\\ff\"");
  EXPECT_EQ(JsonString(std::string("\x01\x1f\x7f", 3) + std::string(1, '\0')),
            "\"\\u0001\\u001f\x7f\\u0000\"");
}

TEST(TableFormats, JsonKeepsUtf8AndReadsOtherCellsAsLatin1) {
  EXPECT_EQ(JsonString("D\xC3\xA9"
                       "f \xE2\x82\xAC"),
            "\"D\xC3\xA9"
            "f \xE2\x82\xAC\"");
  EXPECT_EQ(JsonString("D\xE9"
                       "f"),
            "\"D\\u00e9f\"");
  // One stray byte makes the whole cell Latin-1, as the grid shows it.
  EXPECT_EQ(JsonString("\xC3\xA9\xFF"), "\"\\u00c3\\u00a9\\u00ff\"");
  EXPECT_EQ(JsonString("\xC3"), "\"\\u00c3\"") << "a cut-off sequence";
}

TEST(TableFormats, AFailedWriteStopsTheOutput) {
  TCellTable table;
  AddRow(table, {"a"});
  EXPECT_FALSE(WriteTableAs(table, TTableFormat::Json, [](std::string_view) { return false; }));
}

}  // namespace
}  // namespace zendrik
