// The bundled example scripts, run as the README runs them: the program with the script's
// name, no display, from another working directory.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "app/file_bytes.h"
#include "tests/app/headless_program.h"

namespace zendrik {
namespace {

namespace fs = std::filesystem;

// Runs a bundled script from another working directory, in the C locale.
class BundledExamples : public testsupport::HeadlessProgram {
 protected:
  testsupport::ChildResult RunExample(const std::string& script,
                                      std::vector<std::string> args = {}) const {
    args.insert(args.begin(), std::string(ZENDRIK_SOURCE_DIR) + "/examples/" + script);
    return Run(args, {{"LC_ALL", "C"}});
  }
};

bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

TEST(BundledExampleHeaders, EachExampleBeginsWithWhatItDoesAndHowToRunIt) {
  int examples = 0;
  for (const fs::directory_entry& entry : fs::directory_iterator(ZENDRIK_SOURCE_DIR "/examples")) {
    if (entry.path().extension() != ".pas") continue;
    std::string text;
    ASSERT_EQ(ReadFileBytes(entry.path().string(), text), "");
    const std::size_t end = text.find('}');
    ASSERT_TRUE(text.starts_with("{ ") && end != std::string::npos) << entry.path();
    const std::string comment = text.substr(0, end);
    EXPECT_NE(comment.find("Run it"), std::string::npos) << entry.path();
    EXPECT_NE(comment.find("zendrik examples/" + entry.path().filename().string()),
              std::string::npos)
        << entry.path();
    ++examples;
  }
  EXPECT_GE(examples, 6);
}

TEST_F(BundledExamples, PricesReadsThePageFollowsALinkAndSavesASummary) {
  const testsupport::ChildResult run = RunExample("prices.pas");
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
  const testsupport::ChildResult run = RunExample("window_demo.pas");
  EXPECT_EQ(run.ExitStatus, 0) << run.Err;
  EXPECT_EQ(run.Out, "14 rows from prices.html; the button is enabled again: True\n");
}

TEST_F(BundledExamples, ScrapePricesReadsPricesFromThePagesText) {
  const testsupport::ChildResult run = RunExample("scrape_prices.pas", {"out.csv"});
  EXPECT_EQ(run.ExitStatus, 0) << run.Err;
  EXPECT_EQ(run.Err, "");
  EXPECT_EQ(run.Out,
            "ABC                     12.50\nDEF                      7.05\n"
            "2 prices, total 19.55, saved to out.csv\n");
  EXPECT_EQ(Saved("out.csv"), "\"Stock\",\"Close\"\r\n\"ABC\",\"12.50\"\r\n\"DEF\",\"7.05\"\r\n");
}

TEST_F(BundledExamples, QuotePagesFetchesEveryLinkedPage) {
  const testsupport::ChildResult run = RunExample("quote_pages.pas", {"out.csv"});
  EXPECT_EQ(run.ExitStatus, 0) << run.Err;
  EXPECT_EQ(run.Out,
            "ABC    open  12,10 close  12,50\nDEF    open   7,20 close   7,05\n"
            "2 pages, saved to out.csv\n");
  EXPECT_EQ(Saved("out.csv"),
            "\"Stock\",\"Open\",\"Close\"\r\n\"ABC\",\"12,10\",\"12,50\"\r\n"
            "\"DEF\",\"7,20\",\"7,05\"\r\n");
}

TEST_F(BundledExamples, FolderReportListsTheFilesOfAFolder) {
  fs::create_directories(Directory / "data");
  { std::ofstream(Directory / "data" / "one.txt") << "12345"; }
  { std::ofstream(Directory / "data" / "two.txt") << "123"; }
  const testsupport::ChildResult run = RunExample("folder_report.pas", {"data"});
  EXPECT_EQ(run.ExitStatus, 0) << run.Err;
  EXPECT_TRUE(Contains(run.Out, "  one.txt                     5  ")) << run.Out;
  EXPECT_TRUE(Contains(run.Out, "2 files, 8 bytes\nlargest: one.txt (5 bytes)\n")) << run.Out;
}

}  // namespace
}  // namespace zendrik
