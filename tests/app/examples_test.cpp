// The bundled example scripts, run as the README runs them: the program with the script's
// name, no display, from another working directory.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "app/file_bytes.h"
#include "tests/support/child_process.h"

namespace zendrik {
namespace {

namespace fs = std::filesystem;

class BundledExamples : public ::testing::Test {
 protected:
  void SetUp() override {
    directory = fs::temp_directory_path() / ("zendrik_examples_" + std::to_string(::getpid()));
    fs::create_directories(directory);
  }
  void TearDown() override { fs::remove_all(directory); }

  testsupport::ChildResult Run(const std::string& script, std::vector<std::string> args = {}) {
    args.insert(args.begin(), std::string(ZENDRIK_SOURCE_DIR) + "/examples/" + script);
    args.insert(args.begin(), ZENDRIK_PROGRAM);
    testsupport::ChildOptions options;
    options.Environment = {
        {"DISPLAY", ""}, {"WAYLAND_DISPLAY", ""}, {"QT_QPA_PLATFORM", ""}, {"LC_ALL", "C"}};
    options.WorkingDirectory = directory.string();
    return testsupport::RunChild(args, options);
  }

  std::string Saved(const std::string& name) {
    std::string bytes;
    EXPECT_EQ(ReadFileBytes((directory / name).string(), bytes), "");
    return bytes;
  }

  fs::path directory;
};

bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

TEST_F(BundledExamples, PricesReadsThePageFollowsALinkAndSavesASummary) {
  const testsupport::ChildResult run = Run("prices.pas");
  EXPECT_EQ(run.ExitStatus, 0) << run.Err;
  EXPECT_TRUE(Contains(run.Out, "3 prices from prices.html\n")) << run.Out;
  EXPECT_TRUE(Contains(run.Out, "total 120.55, average 40.18\n")) << run.Out;
  EXPECT_TRUE(Contains(run.Out, "highest: Ghi <AG> at 101.00\n")) << run.Out;
  EXPECT_TRUE(Contains(run.Out, "followed abc.html: close 12,50\n")) << run.Out;
  EXPECT_TRUE(Contains(Saved("prices.csv"),
                       "\"Name\",\"Price\"\r\n\"ABC\",\"12.50\"\r\n\"D\xE9"
                       "f \\\"Holding\\\"\",\"7.05\"\r\n"
                       "\"Ghi <AG>\",\"101.00\"\r\n\"Total\",\"120.55\"\r\n"));
}

TEST_F(BundledExamples, WindowDemoDrivesTheWindowsComponentsWithoutADisplay) {
  const testsupport::ChildResult run = Run("window_demo.pas");
  EXPECT_EQ(run.ExitStatus, 0) << run.Err;
  EXPECT_EQ(run.Out, "14 rows from prices.html; the button is enabled again: True\n");
}

TEST_F(BundledExamples, QuotePagesFetchesEveryLinkedPage) {
  const testsupport::ChildResult run = Run("quote_pages.pas", {"out.csv"});
  EXPECT_EQ(run.ExitStatus, 0) << run.Err;
  EXPECT_EQ(run.Out,
            "ABC    open  12,10 close  12,50\nDEF    open   7,20 close   7,05\n"
            "2 pages, saved to out.csv\n");
  EXPECT_EQ(Saved("out.csv"),
            "\"Stock\",\"Open\",\"Close\"\r\n\"ABC\",\"12,10\",\"12,50\"\r\n"
            "\"DEF\",\"7,20\",\"7,05\"\r\n");
}

TEST_F(BundledExamples, FolderReportListsTheFilesOfAFolder) {
  fs::create_directories(directory / "data");
  { std::ofstream(directory / "data" / "one.txt") << "12345"; }
  { std::ofstream(directory / "data" / "two.txt") << "123"; }
  const testsupport::ChildResult run = Run("folder_report.pas", {"data"});
  EXPECT_EQ(run.ExitStatus, 0) << run.Err;
  EXPECT_TRUE(Contains(run.Out, "  one.txt                     5  ")) << run.Out;
  EXPECT_TRUE(Contains(run.Out, "2 files, 8 bytes\nlargest: one.txt (5 bytes)\n")) << run.Out;
}

}  // namespace
}  // namespace zendrik
