#include "app/csv_export.h"

#include "app/file_bytes.h"
#include "tests/support/file_size_limit.h"
#include "tests/support/private_devices.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <future>
#include <optional>

namespace zendrik {
namespace {

namespace fs = std::filesystem;

class CsvExport : public testing::Test {
 protected:
  void SetUp() override {
    directory = fs::temp_directory_path() / ("zendrik_csv_" + std::to_string(::getpid()));
    fs::create_directories(directory);
  }
  void TearDown() override { fs::remove_all(directory); }

  std::string Saved(TCellTable& table) {
    const std::string file = (directory / "out.csv").string();
    EXPECT_TRUE(SaveTable(table, file).Ok);
    std::string bytes;
    EXPECT_EQ(ReadFileBytes(file, bytes), "");
    return bytes;
  }

  static void AddRow(TCellTable& table, std::initializer_list<std::string_view> cells) {
    table.AppendRow();
    for (std::string_view cell : cells) table.AppendCell(cell);
  }

  fs::path directory;
};

TEST(EscapeCell, EscapesOnlyBackslashAndDoubleQuote) {
  EXPECT_EQ(EscapeCell("He said \"hi\""), "He said \\\"hi\\\"");
  EXPECT_EQ(EscapeCell("C:\\dir"), "C:\\\\dir");
  EXPECT_EQ(EscapeCell("a,b\r\nc'"), "a,b\r\nc'");
  EXPECT_EQ(EscapeCell(""), "");
}

TEST_F(CsvExport, WritesEveryCellQuotedWithCrLfAndRaggedRows) {
  TCellTable table;
  AddRow(table, {"a", "b"});
  AddRow(table, {"c"});
  AddRow(table, {});
  AddRow(table, {"", "x,y\nz", "q\"\\"});
  EXPECT_EQ(Saved(table), "\"a\",\"b\"\r\n\"c\"\r\n\r\n\"\",\"x,y\nz\",\"q\\\"\\\\\"\r\n");
}

TEST_F(CsvExport, EmptyTableGivesEmptyFileAndBytesPassUnchanged) {
  TCellTable table;
  EXPECT_EQ(Saved(table), "");
  AddRow(table, {"caf\xE9", "\xFF\x01"});
  EXPECT_EQ(Saved(table), "\"caf\xE9\",\"\xFF\x01\"\r\n");
}

TEST_F(CsvExport, FailedSaveNamesTheFileAndKeepsTheEarlierFile) {
  TCellTable table;
  AddRow(table, {"new"});
  const std::string missing = (directory / "no" / "such.csv").string();
  SaveResult result = SaveTable(table, missing);
  EXPECT_FALSE(result);
  EXPECT_NE(result.Error.find(missing), std::string::npos);
  EXPECT_NE(result.Error.find("No such file or directory"), std::string::npos);
}

TEST_F(CsvExport, ANameWithANulByteNamesNoFile) {
  TCellTable table;
  AddRow(table, {"new"});
  const std::string target = (directory / "out.csv").string();
  const SaveResult result = SaveTable(table, target + std::string(1, '\0') + ".bak");
  EXPECT_FALSE(result);
  EXPECT_EQ(result.Error, "Cannot create \"" + target + "\\0.bak\": the name holds a NUL byte");
  EXPECT_FALSE(fs::exists(target));
  std::string bytes;
  EXPECT_EQ(ReadFileBytes(target + std::string(1, '\0'), bytes), "the name holds a NUL byte");
}

// A write that fails half-way (here: the file size limit, which binds even the superuser)
// must leave the earlier file untouched and no temporary file behind.
TEST_F(CsvExport, WriteFailingHalfWayKeepsTheEarlierFile) {
  const fs::path earlier = directory / "earlier.csv";
  std::ofstream(earlier) << "old contents";
  TCellTable table;
  AddRow(table, {std::string(64 * 1024, 'x')});

  const SaveResult result = [&] {
    const testsupport::TFileSizeLimit limit(4096);
    return SaveTable(table, earlier.string());
  }();

  EXPECT_FALSE(result);
  EXPECT_NE(result.Error.find("earlier.csv"), std::string::npos);
  std::string bytes;
  ReadFileBytes(earlier.string(), bytes);
  EXPECT_EQ(bytes, "old contents");
  EXPECT_EQ(std::distance(fs::directory_iterator(directory), fs::directory_iterator()), 1)
      << "no temporary file is left behind";
}

TEST_F(CsvExport, ReplacingAFileKeepsItsPermissions) {
  const fs::path file = directory / "kept.csv";
  std::ofstream(file) << "old";
  fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  TCellTable table;
  AddRow(table, {"x"});
  ASSERT_TRUE(SaveTable(table, file.string()));
  EXPECT_EQ(fs::status(file).permissions(),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(CsvExport, AFifoIsWrittenInPlaceAndStaysAFifo) {
  const fs::path fifo = directory / "pipe.csv";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  std::future<std::string> reader = std::async(std::launch::async, [&fifo] {
    std::string bytes;
    ReadFileBytes(fifo.string(), bytes);
    return bytes;
  });
  TCellTable table;
  AddRow(table, {"through", "the pipe"});
  const fs::path link = directory / "link.csv";
  fs::create_symlink(fifo, link);
  EXPECT_TRUE(SaveTable(table, link.string()));
  EXPECT_EQ(reader.get(), "\"through\",\"the pipe\"\r\n");
  EXPECT_TRUE(fs::is_fifo(fifo));
  EXPECT_TRUE(fs::is_symlink(link));
}

TEST_F(CsvExport, ADeviceIsWrittenInPlaceAndAFailedWriteIsAnError) {
  const std::optional<fs::path> null = testsupport::MakeNullDevice(directory);
  const std::optional<fs::path> full = testsupport::MakeFullDevice(directory);
  if (!null || !full) GTEST_SKIP() << "this process may not make device files";
  TCellTable table;
  AddRow(table, {"x"});
  EXPECT_TRUE(SaveTable(table, null->string()));
  EXPECT_TRUE(fs::is_character_file(*null));
  const SaveResult onFull = SaveTable(table, full->string());
  EXPECT_FALSE(onFull);
  EXPECT_EQ(onFull.Error, "Cannot write \"" + full->string() + "\": No space left on device");
  EXPECT_TRUE(fs::is_character_file(*full));
}

TEST_F(CsvExport, SavingIntoAReadOnlyFolderFailsAndKeepsTheEarlierFile) {
  if (::geteuid() == 0) GTEST_SKIP() << "permissions do not hold for the superuser";
  const fs::path earlier = directory / "earlier.csv";
  std::ofstream(earlier) << "old contents";
  fs::permissions(directory, fs::perms::owner_read | fs::perms::owner_exec);
  TCellTable table;
  AddRow(table, {"new"});
  const SaveResult result = SaveTable(table, earlier.string());
  fs::permissions(directory, fs::perms::owner_all);
  EXPECT_FALSE(result);
  EXPECT_EQ(result.Error, "Cannot create \"" + earlier.string() + "\": Permission denied");
  std::string bytes;
  ReadFileBytes(earlier.string(), bytes);
  EXPECT_EQ(bytes, "old contents");
}

TEST_F(CsvExport, ReadingAFifoThatNoOneWritesEndsAfterTheQuietTime) {
  const fs::path fifo = directory / "silent.html";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  std::string bytes = "earlier";
  const auto started = std::chrono::steady_clock::now();
  EXPECT_EQ(ReadFileBytes(fifo.string(), bytes, 1 << 20, 1), "Nothing arrived for 1 seconds");
  EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(10));
  EXPECT_EQ(bytes, "");
}

}  // namespace
}  // namespace zendrik
