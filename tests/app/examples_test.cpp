// The bundled example scripts, run as the README runs them: the program with the script's
// name, no display, from another working directory.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "app/file_bytes.h"
#include "tests/app/headless_program.h"
#include "tests/support/loopback_http_server.h"

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

// examples/many_pages as its notes run it: GNU parallel runs job.pas once per line of the
// address list, local pages and pages of a web server alike; a page that cannot be had fails
// its job alone, and parallel's exit status counts the failed jobs.
class ManyPagesExample : public testsupport::HeadlessProgram {
 protected:
  void SetUp() override {
    HeadlessProgram::SetUp();
    fs::copy(std::string(ZENDRIK_SOURCE_DIR) + "/examples/many_pages", Directory,
             fs::copy_options::recursive);
  }

  // Runs a command in the copy of the example with the program on the PATH and no display.
  testsupport::ChildResult RunThere(std::vector<std::string> argv,
                                    std::vector<std::pair<std::string, std::string>> more = {}) {
    testsupport::ChildOptions options;
    const std::string path = std::getenv("PATH") ? std::getenv("PATH") : "/usr/bin:/bin";
    options.Environment = {{"DISPLAY", ""},
                           {"WAYLAND_DISPLAY", ""},
                           {"QT_QPA_PLATFORM", ""},
                           {"LC_ALL", "C"},
                           {"PATH", fs::path(ZENDRIK_PROGRAM).parent_path().string() + ":" + path}};
    options.Environment.insert(options.Environment.end(), more.begin(), more.end());
    options.WorkingDirectory = Directory.string();
    return testsupport::RunChild(argv, options);
  }

  // The exit status of each job in parallel's job log, by the job's address.
  std::map<std::string, std::string> JobStatuses() const {
    std::map<std::string, std::string> statuses;
    std::istringstream log(Saved("jobs.log"));
    std::string line;
    std::getline(log, line);  // the heading
    while (std::getline(log, line)) {
      std::vector<std::string> fields;
      std::istringstream columns(line);
      for (std::string field; std::getline(columns, field, '\t');) fields.push_back(field);
      if (fields.size() != 9) continue;
      std::string address = fields[8].substr(fields[8].rfind(' ') + 1);
      if (address.size() > 1 && address.front() == '\'')  // the log quotes it for a shell
        address = address.substr(1, address.size() - 2);
      statuses[address] = fields[6];
    }
    return statuses;
  }
};

TEST_F(ManyPagesExample, GnuParallelRunsTheJobOncePerAddress) {
  testsupport::LoopbackHttpServer server;
  server.Serve("/figs.html",
               testsupport::HttpReply::Page("<tr><td>Variety</td><td>Price per kg</td></tr>"
                                            "<tr><td>Brown Turkey</td><td>9.90</td></tr>"));
  const std::string figs = server.Url("/figs.html");
  const std::string refused =
      "http://127.0.0.1:" + std::to_string(testsupport::UnusedLoopbackPort()) + "/";
  std::ofstream(Directory / "list.txt", std::ios::app) << figs << "\n"
                                                       << refused << "\npages/missing.html\n";

  const testsupport::ChildResult run =
      RunThere({"/usr/bin/env", "parallel", "-j", "8", "--joblog", "jobs.log", "zendrik", "job.pas",
                "{}", "::::", "list.txt"});
  EXPECT_EQ(run.ExitStatus, 2) << "two jobs failed\n" << run.Err;

  const std::map<std::string, std::string> statuses = JobStatuses();
  EXPECT_EQ(statuses, (std::map<std::string, std::string>{{"pages/apples.html", "0"},
                                                          {"pages/pears.html", "0"},
                                                          {"pages/plums.html", "0"},
                                                          {figs, "0"},
                                                          {refused, "1"},
                                                          {"pages/missing.html", "1"}}));
  const std::string figsName = "127.0.0.1_" + std::to_string(server.Port()) + "_figs.html";
  for (const std::string& line :
       std::vector<std::string>{"pages/apples.html: 5 rows -> tables/pages_apples.html.csv\n",
                                "pages/pears.html: 5 rows -> tables/pages_pears.html.csv\n",
                                "pages/plums.html: 5 rows -> tables/pages_plums.html.csv\n",
                                figs + ": 2 rows -> tables/" + figsName + ".csv\n"}) {
    EXPECT_TRUE(Contains(run.Out, line)) << line << "in\n" << run.Out;
  }
  EXPECT_EQ(Saved("tables/pages_pears.html.csv"),
            "\"Pears\"\r\n\"Pears\"\r\n\"Variety\",\"Price per kg\"\r\n"
            "\"Conference\",\"2.80\"\r\n\"Organic Conference\",\"4.20\"\r\n");
  EXPECT_EQ(Saved("tables/" + figsName + ".csv"),
            "\"Variety\",\"Price per kg\"\r\n\"Brown Turkey\",\"9.90\"\r\n");
  EXPECT_TRUE(Contains(run.Err, "nothing to extract at " + refused)) << run.Err;
  EXPECT_TRUE(Contains(run.Err, "nothing to extract at file://")) << run.Err;
  EXPECT_EQ(std::distance(fs::directory_iterator(Directory / "tables"), fs::directory_iterator()),
            4);
}

TEST_F(ManyPagesExample, SlurmTaskRunsTheJobForItsLineOfTheList) {
  const testsupport::ChildResult task =
      RunThere({"/usr/bin/env", "bash", "slurm_array.sh"}, {{"SLURM_ARRAY_TASK_ID", "2"}});
  EXPECT_EQ(task.ExitStatus, 0) << task.Err;
  EXPECT_EQ(task.Out, "pages/pears.html: 5 rows -> tables/pages_pears.html.csv\n");
  const testsupport::ChildResult outside = RunThere({"/usr/bin/env", "bash", "slurm_array.sh"});
  EXPECT_NE(outside.ExitStatus, 0);
  EXPECT_TRUE(Contains(outside.Err, "run this under sbatch --array")) << outside.Err;
}

}  // namespace
}  // namespace zendrik
