// The program run with a script's name, as a process without a display: what it writes, what
// it says on standard error, and its exit status.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "app/file_bytes.h"
#include "tests/support/child_process.h"
#include "tests/support/loopback_http_server.h"

namespace zendrik {
namespace {

namespace fs = std::filesystem;

class BatchMode : public ::testing::Test {
 protected:
  void SetUp() override {
    directory = fs::temp_directory_path() / ("zendrik_batch_" + std::to_string(::getpid()));
    fs::create_directories(directory);
  }
  void TearDown() override { fs::remove_all(directory); }

  std::string Script(const std::string& name, const std::string& text) {
    const fs::path file = directory / name;
    std::ofstream(file, std::ios::binary) << text;
    return file.string();
  }

  // Runs the program with these arguments and no display.
  testsupport::ChildResult Run(std::vector<std::string> args) {
    args.insert(args.begin(), ZENDRIK_PROGRAM);
    testsupport::ChildOptions options;
    options.Environment = {{"DISPLAY", ""}, {"WAYLAND_DISPLAY", ""}, {"QT_QPA_PLATFORM", ""}};
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

TEST_F(BatchMode, AScriptThatSetsACellAndSavesWritesTheFileAndEndsCleanly) {
  const std::string script =
      Script("save.pas", "begin\r\n  SetCell(1, 1, 'x');\r\n  SaveTable('out.csv');\r\nend;\r\n");
  const testsupport::ChildResult run = Run({script});
  EXPECT_EQ(run.ExitStatus, 0) << run.Err;
  EXPECT_EQ(run.Err, "");
  EXPECT_EQ(Saved("out.csv"), "\"x\"\r\n");
}

TEST_F(BatchMode, ACompileErrorEndsWithItsMessageAndStatusOne) {
  const testsupport::ChildResult run = Run({Script("broken.pas", "begin\n  x := ;\nend;\n")});
  EXPECT_EQ(run.ExitStatus, 1);
  EXPECT_EQ(run.Err, "Error compiling . Syntax Error: ; at line 2, pos 8\n");
}

TEST_F(BatchMode, AnUnhandledErrorEndsWithItsMessageAndStatusOne) {
  const testsupport::ChildResult run =
      Run({Script("raise.pas", "begin\n  SetCell(1, 1, 'x');\n  raise 'gave up';\n end;\n")});
  EXPECT_EQ(run.ExitStatus, 1);
  EXPECT_EQ(run.Err, "gave up\n");
}

TEST_F(BatchMode, AScriptFileThatCannotBeReadEndsBeforeAnythingRuns) {
  const testsupport::ChildResult run = Run({(directory / "missing.pas").string()});
  EXPECT_EQ(run.ExitStatus, 1);
  EXPECT_NE(run.Err.find("missing.pas"), std::string::npos) << run.Err;
  EXPECT_NE(run.Err.find("No such file or directory"), std::string::npos) << run.Err;
}

TEST_F(BatchMode, TheBundledTableDemoRunsHeadless) {
  const testsupport::ChildResult run = Run({ZENDRIK_SOURCE_DIR "/examples/table_demo.pas"});
  EXPECT_EQ(run.ExitStatus, 0) << run.Err;
  EXPECT_EQ(Saved("table_demo.csv"),
            "\"Item\",\"Price\"\r\n\"Apples\",\"3\"\r\n"
            "\"Pears\",\"ask\",\"not a number: Invalid variant type conversion\"\r\n"
            "\"Plums\",\"4.5\"\r\n\"Total\",\"7.5\"\r\n");
}

TEST_F(BatchMode, DownloadFillsTheTableAndFailuresAreLinesThatLetTheScriptGoOn) {
  testsupport::LoopbackHttpServer server;
  server.Serve("/list.html", testsupport::HttpReply::Page(
                                 "<tr><td>Name</td><td><a href=\"item.html\">Item</a></td></tr>"));
  server.Serve("/item.html", testsupport::HttpReply::Page("<p>Details"));
  server.Serve("/cut.html", [] {
    testsupport::HttpReply cut = testsupport::HttpReply::Page("<p>half");
    cut.End = testsupport::HttpReply::Ending::CloseMidBody;
    return cut;
  }());
  const std::string script = Script("follow.pas",
                                    "var page;\n"
                                    "begin\n"
                                    "  page := Download('" +
                                        server.Url("/list.html") +
                                        "', '');\n"
                                        "  page := Download(GetCell(2, 1), page);\n"
                                        "  SetCell(2, 1, page);\n"
                                        "  SaveTable('item.csv');\n"
                                        "  Download('/cut.html', page);\n"
                                        "  SaveTable('" +
                                        (directory / "no" / "dir.csv").string() +
                                        "');\n"
                                        "end;\n");
  const testsupport::ChildResult run = Run({script});
  EXPECT_EQ(run.ExitStatus, 0) << run.Err;
  EXPECT_EQ(Saved("item.csv"), "\"Details \",\"" + server.Url("/item.html") + "\"\r\n");
  EXPECT_EQ(run.Err,
            "Fehler: konnte Kusre nicht aus dem Internet laden (sind Sie online?)...\n"
            "zendrik: Cannot create \"" +
                (directory / "no" / "dir.csv").string() + "\": No such file or directory\n");
}

}  // namespace
}  // namespace zendrik
