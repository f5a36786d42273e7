#include "app/command_line.h"

#include "app/file_bytes.h"
#include "base/sanitizer.h"
#include "extract/address_resolution.h"
#include "tests/support/child_process.h"
#include "tests/support/loopback_http_server.h"
#include "tests/support/private_devices.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

namespace zendrik {
namespace {

struct Outcome {
  int status;
  std::string out;
  std::string err;
};

Outcome RunWith(std::vector<std::string> args) {
  std::ostringstream out, err;
  const int status = RunCommandLine(args, TConsole{out, err});
  return {status, out.str(), err.str()};
}

TEST(CommandLine, HelpAndVersionGoToStandardOutput) {
  Outcome help = RunWith({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("--extract"), std::string::npos);
  EXPECT_EQ(help.err, "");
  Outcome version = RunWith({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, "zendrik 1.0\n");
}

TEST(CommandLine, UnknownOptionOrMissingArgumentIsAUsageError) {
  for (auto args :
       {std::vector<std::string>{"--frobnicate"}, {"--extract"}, {"--extract", "a", "-x", "b"}}) {
    Outcome run = RunWith(args);
    EXPECT_EQ(run.status, 2) << args[0];
    EXPECT_NE(run.err.find("usage: zendrik"), std::string::npos);
    EXPECT_EQ(run.out, "");
  }
}

TEST(CommandLine, PageFilesAreTheNamesEndingInHtmlOrHtm) {
  for (const char* page : {"a.html", "dir/B.HTM", "c.Html", ".htm"})
    EXPECT_TRUE(NamesPageFile(page)) << page;
  for (const char* other : {"job.pas", "a.html.pas", "html", "page.xhtml.txt", "a.htmlx"})
    EXPECT_FALSE(NamesPageFile(other)) << other;
}

constexpr const char* kWorkedPageCsv =
    "\"Prices\"\r\n\"Stock list\"\r\n\"Name\",\"Price\"\r\n\"/q/abc.html\",\"ABC\",\"12,50\"\r\n";

TEST(CommandLine, ExtractWritesTheTableOfALocalPage) {
  Outcome run = RunWith({"--extract", ZENDRIK_TEST_DATA "/pages/worked.html"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, kWorkedPageCsv);
}

TEST(CommandLine, ExtractToAFileWritesNothingOnStandardOutput) {
  const auto file = std::filesystem::temp_directory_path() / "zendrik_cli_test.csv";
  Outcome run = RunWith({"--extract", ZENDRIK_TEST_DATA "/pages/worked.html", "-o", file.string()});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "");
  std::string saved;
  EXPECT_EQ(ReadFileBytes(file.string(), saved), "");
  EXPECT_EQ(saved, kWorkedPageCsv);
  std::filesystem::remove(file);
}

TEST(CommandLine, ExtractToAFullDeviceFailsWithStatusOne) {
  const auto directory =
      std::filesystem::temp_directory_path() / ("zendrik_cli_full_" + std::to_string(::getpid()));
  std::filesystem::create_directories(directory);
  const std::optional<std::filesystem::path> full = testsupport::MakeFullDevice(directory);
  if (!full) {
    std::filesystem::remove_all(directory);
    GTEST_SKIP() << "this process may not make device files";
  }
  Outcome run =
      RunWith({"--extract", ZENDRIK_TEST_DATA "/pages/worked.html", "-o", full->string()});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "zendrik: Cannot write \"" + full->string() + "\": No space left on device\n");
  EXPECT_TRUE(std::filesystem::is_character_file(*full));
  std::filesystem::remove_all(directory);
}

TEST(CommandLine, UnreadableFileGivesOneLineNamingFileAndReason) {
  Outcome run = RunWith({"--extract", "/nonexistent/page.html"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err,
            "zendrik: cannot read \"/nonexistent/page.html\": No such file or directory\n");
  EXPECT_EQ(run.out, "");
}

TEST(CommandLine, ExtractFetchesWebAddresses) {
  testsupport::LoopbackHttpServer server;
  server.Serve("/p.html", testsupport::HttpReply::Page("<tr><td>a\\b</td><td>\"q\"</td></tr>"));
  CurrentAddress().clear();
  Outcome run = RunWith({"--extract", server.Url("/p.html")});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "\"a\\\\b\",\"\\\"q\\\"\"\r\n");
  EXPECT_EQ(run.err, "") << "no progress when standard error is not a terminal";
}

TEST(CommandLine, UnreachableAddressWritesTheEmptyTableThenSaysWhyAndFails) {
  CurrentAddress().clear();
  const std::string refused =
      "http://127.0.0.1:" + std::to_string(testsupport::UnusedLoopbackPort()) + "/";
  Outcome unreachable = RunWith({"--extract", refused});
  EXPECT_EQ(unreachable.status, 1);
  EXPECT_EQ(unreachable.out, "");
  EXPECT_TRUE(
      unreachable.err.starts_with("zendrik: cannot open " + refused + ": Failed to connect"))
      << unreachable.err;
  EXPECT_EQ(std::count(unreachable.err.begin(), unreachable.err.end(), '\n'), 1);

  const auto file = std::filesystem::temp_directory_path() / "zendrik_cli_unreachable.csv";
  std::ofstream(file) << "earlier";
  CurrentAddress().clear();
  Outcome toFile = RunWith({"--extract", "http://nothing.invalid/", "-o", file.string()});
  EXPECT_EQ(toFile.status, 1);
  EXPECT_TRUE(toFile.err.starts_with("zendrik: cannot open http://nothing.invalid/: "));
  std::string saved = "not read";
  EXPECT_EQ(ReadFileBytes(file.string(), saved), "");
  EXPECT_EQ(saved, "") << "the empty table is written";
  std::filesystem::remove(file);
}

TEST(CommandLine, BrokenTransferReportsTheOneMessageAndFails) {
  testsupport::LoopbackHttpServer server;
  testsupport::HttpReply cut = testsupport::HttpReply::Page("<p>half");
  cut.End = testsupport::HttpReply::Ending::CloseMidBody;
  server.Serve("/cut", cut);
  CurrentAddress().clear();
  Outcome broken = RunWith({"--extract", server.Url("/cut")});
  EXPECT_EQ(broken.status, 1);
  EXPECT_EQ(broken.err,
            "Fehler: konnte Kusre nicht aus dem Internet laden (sind Sie online?)...\n");
}

TEST(CommandLine, LocalFilesHaveTheSizeCapOfAWebPage) {
  std::string bytes;
  EXPECT_EQ(ReadFileBytes("/dev/zero", bytes, 1 << 20), "File too large");
  EXPECT_TRUE(bytes.empty());
  const auto file = std::filesystem::temp_directory_path() / "zendrik_cli_cap.html";
  std::ofstream(file) << std::string(2000, 'x');
  EXPECT_EQ(ReadFileBytes(file.string(), bytes, 1999), "File too large");
  EXPECT_EQ(ReadFileBytes(file.string(), bytes, 2000), "");
  EXPECT_EQ(bytes.size(), 2000u);
  std::filesystem::remove(file);
}

// The program with a small data limit: running out of memory ends the extraction with the
// allocation message and status 1, whether the table or the tokenizer runs out, never an abort.
TEST(CommandLine, RunningOutOfMemoryEndsWithTheMessageNotAnAbort) {
#if ZENDRIK_ADDRESS_SANITIZER
  GTEST_SKIP() << "AddressSanitizer's shadow memory does not fit under a data limit";
#endif
  const auto directory = std::filesystem::temp_directory_path();
  const auto cells = directory / "zendrik_oom_cells.html";
  const auto oneLine = directory / "zendrik_oom_line.html";
  std::string manyCells;
  // Dense cells: the table needs about three times the page, more than the limit holds.
  for (int i = 0; i < 600000; ++i) manyCells += "<tr><td>a<td>b<td>c<td>d<td>e<td>f<td>g<td>h\n";
  std::ofstream(cells) << manyCells;
  std::ofstream(oneLine) << std::string(40 << 20, 'a');
  testsupport::LoopbackHttpServer server;
  server.Serve("/cells.html", testsupport::HttpReply::Page(manyCells));
  for (const std::string& page : {cells.string(), oneLine.string(), server.Url("/cells.html")}) {
    SCOPED_TRACE(page);
    testsupport::ChildOptions options;
    options.DataLimitBytes = std::size_t{60} << 20;
    const testsupport::ChildResult run =
        testsupport::RunChild({ZENDRIK_PROGRAM, "--extract", page}, options);
    EXPECT_EQ(run.Signal, 0);
    EXPECT_EQ(run.ExitStatus, 1);
    EXPECT_TRUE(run.Err.starts_with("Error while trying to allocate ")) << run.Err;
    EXPECT_NE(run.Err.find(" bytes of RAM. Not enough memory.\n"), std::string::npos);
  }
  std::filesystem::remove(cells);
  std::filesystem::remove(oneLine);
}

TEST(CommandLine, ListPrintsOneInstructionPerLine) {
  Outcome run = RunWith({"--list", ZENDRIK_TEST_DATA "/scripts/twice.pas"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out,
            "   0  0  BEGIN 1 of 3\n"
            "   1  4  Result <- VAR 0\n"
            "   2  4  PUSH RESULT\n"
            "   3  4  Result <- INT 2\n"
            "   4  4  MUL\n"
            "   5  4  Result -> VAR 1\n"
            "   6  5  Result <- VAR 1\n"
            "   7  5  Result -> VAR 2\n"
            "   8  5  Result <- VAR 2\n"
            "   9  5  EXIT\n");
}

TEST(CommandLine, ListOfABrokenScriptPrintsTheCompileErrorAndFails) {
  Outcome run = RunWith({"--list", ZENDRIK_TEST_DATA "/scripts/broken.pas"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err.rfind("Error compiling Calc. Label not found: MISSING at line ", 0), 0u)
      << run.err;
  Outcome missing = RunWith({"--list", "/nonexistent.pas"});
  EXPECT_EQ(missing.status, 1);
  EXPECT_NE(missing.err.find("cannot read"), std::string::npos);
}

}  // namespace
}  // namespace zendrik
