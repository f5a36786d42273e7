// The program run with a script's name, as a process without a display: what it writes, what
// it says on standard error, and its exit status.

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "tests/app/headless_program.h"
#include "tests/support/loopback_http_server.h"

namespace zendrik {
namespace {

using BatchMode = testsupport::HeadlessProgram;

// The lines of an output.
std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

TEST_F(BatchMode, AScriptThatSetsACellAndSavesWritesTheFileAndEndsCleanly) {
  const std::string script =
      Script("save.pas", "begin\r\n  SetCell(1, 1, 'x');\r\n  SaveTable('out.csv');\r\nend;\r\n");
  const testsupport::ChildResult run = Run({script});
  EXPECT_EQ(run.ExitStatus, 0) << run.Err;
  EXPECT_EQ(run.Err, "");
  EXPECT_EQ(Saved("out.csv"), "\"x\"\r\n");
}

TEST_F(BatchMode, ErrorsSayScriptLineAndColumnAsCompilersDoAndEndWithStatusOne) {
  const struct {
    const char* Name;
    const char* Text;
    const char* Where;  // after "zendrik: " and the script's path
    const char* Message;
  } cases[] = {
      {"broken.pas", "begin\n  x := ;\nend;\n", ":2:8",
       "Error compiling broken.pas. Syntax Error: ; at line 2, pos 8"},
      {"named.pas", "procedure Calc;\nbegin\n  x := ;\nend;\n", ":3:8",
       "Error compiling Calc. Syntax Error: ; at line 3, pos 8"},
      {"raise.pas", "begin\n  SetCell(1, 1, 'x');\n  raise 'gave up';\n end;\n", ":3", "gave up"},
      {"divide.pas", "var a;\nbegin\n  a := 0;\n  a := 1 div a;\nend;\n", ":4", "Division by zero"},
      {"evaluate.pas", "begin\n\n  Evaluate('1 +');\nend;\n", ":3",
       "Error compiling . Syntax Error at line 1, pos 5"},
      {"lines.pas", "begin\n  raise 'one' + #13#10 + 'two' + #10 + 'three';\nend;\n", ":2",
       "one two three"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    const std::string script = Script(c.Name, c.Text);
    const testsupport::ChildResult run = Run({script});
    EXPECT_EQ(run.ExitStatus, 1);
    EXPECT_EQ(run.Err, "zendrik: " + script + c.Where + ": " + c.Message + "\n");
  }
}

TEST_F(BatchMode, AFinalEndWithAPointEndsTheScript) {
  const std::string script =
      Script("dot.pas", "begin\r\n  SetCell(1, 1, 'x');\r\n  writeln('done')\r\nend.\r\n");
  const testsupport::ChildResult run = Run({script});
  EXPECT_EQ(run.ExitStatus, 0) << run.Err;
  EXPECT_EQ(run.Out, "done\n");
  EXPECT_EQ(run.Err, "");
}

TEST_F(BatchMode, SigtermAndSigintEndAnEndlessScriptThroughItsStop) {
  const std::string script = Script("endless.pas",
                                    "var i;\n"
                                    "begin\n"
                                    "  i := 0;\n"
                                    "  SetCell(1, 1, 'before');\n"
                                    "  writeln('running');\n"
                                    "  while true do try i := i + 1; except end;\n"
                                    "end;\n");
  for (const auto& [signal, status] : {std::pair{SIGTERM, 143}, std::pair{SIGINT, 130}}) {
    testsupport::ChildOptions options;
    options.Signal = signal;
    options.SignalAfterOutput = "running\n";
    const testsupport::ChildResult run = RunWith({script}, options);
    EXPECT_EQ(run.Signal, 0) << "the program ends by itself";
    EXPECT_EQ(run.ExitStatus, status);
    EXPECT_EQ(run.Err, "zendrik: " + script + ":6: stopped\n") << "no protected block catches it";
  }
}

TEST_F(BatchMode, AScriptFileThatCannotBeReadEndsBeforeAnythingRuns) {
  const testsupport::ChildResult run = Run({(Directory / "missing.pas").string()});
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
  EXPECT_EQ(run.Out, "saved table_demo.csv: 5 rows, total 7.5\n");
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
                                        (Directory / "no" / "dir.csv").string() +
                                        "');\n"
                                        "end;\n");
  const testsupport::ChildResult run = Run({script});
  EXPECT_EQ(run.ExitStatus, 0) << run.Err;
  EXPECT_EQ(Saved("item.csv"), "\"Details \",\"" + server.Url("/item.html") + "\"\r\n");
  EXPECT_EQ(run.Err,
            "Fehler: konnte Kusre nicht aus dem Internet laden (sind Sie online?)...\n"
            "zendrik: Cannot create \"" +
                (Directory / "no" / "dir.csv").string() + "\": No such file or directory\n");
}

TEST_F(BatchMode, GetPageReadsPagesWithoutTheTableAndSaysWhyOneFailed) {
  testsupport::LoopbackHttpServer server;
  server.Serve("/list.html",
               testsupport::HttpReply::Page("<a href=\"a.html\">A</a> <a href=\"cut.html\">C</a>"));
  server.Serve("/a.html", testsupport::HttpReply::Page("<p>Price: 12,50 EUR</p>"));
  server.Serve("/cut.html", [] {
    testsupport::HttpReply cut = testsupport::HttpReply::Page("<p>half");
    cut.End = testsupport::HttpReply::Ending::CloseMidBody;
    return cut;
  }());
  const std::string refused =
      "http://127.0.0.1:" + std::to_string(testsupport::UnusedLoopbackPort()) + "/";
  const std::string script =
      Script("pages.pas",
             "var list, links, i, page;\n"
             "begin\n"
             "  SetCell(1, 1, 'kept');\n"
             "  list := GetPage('" +
                 server.Url("/list.html") +
                 "');\n"
                 "  links := RegExFindAll(list, 'href=\"([^\"]+)\"', 1);\n"
                 "  for i := 0 to VarArrayHighBound(links, 1) do\n"
                 "  begin\n"
                 "    Sleep(10);\n"
                 "    page := GetPage(links[i], '" +
                 server.Url("/list.html") +
                 "');\n"
                 "    writeln(links[i], ' [', RegExFind(page, '\\d+,\\d+', 0), '] [', "
                 "LastDownloadError, ']');\n"
                 "  end;\n"
                 "  writeln('[', GetPage('" +
                 refused + "'), '] ', LastDownloadError = 'cannot open " + refused +
                 ": ' + Copy(LastDownloadError, 15 + Length('" + refused +
                 "'), 1000));\n"
                 "  SaveTable('kept.csv');\n"
                 "end;\n");
  const testsupport::ChildResult run = Run({script});
  EXPECT_EQ(run.ExitStatus, 0) << run.Err;
  const std::vector<std::string> out = Lines(run.Out);
  ASSERT_EQ(out.size(), 3u) << run.Out;
  EXPECT_EQ(out[0], "a.html [12,50] []");
  EXPECT_TRUE(out[1].starts_with("cut.html [] [TIE: retrieving " + server.Url("/cut.html")))
      << out[1];
  EXPECT_EQ(out[2], "[] True");
  const std::vector<std::string> err = Lines(run.Err);
  ASSERT_EQ(err.size(), 2u) << run.Err;
  EXPECT_EQ(err[0], "Fehler: konnte Kusre nicht aus dem Internet laden (sind Sie online?)...");
  EXPECT_TRUE(err[1].starts_with("zendrik: cannot open " + refused + ": Failed to connect"))
      << err[1];
  EXPECT_EQ(Saved("kept.csv"), "\"kept\"\r\n");
}

TEST_F(BatchMode, AnAddressThatCannotBeOpenedIsOneLineAndTheScriptGoesOn) {
  const std::string refused =
      "http://127.0.0.1:" + std::to_string(testsupport::UnusedLoopbackPort()) + "/list.html";
  const std::string script = Script("unreachable.pas",
                                    "begin\n"
                                    "  Download('" +
                                        refused +
                                        "', '');\n"
                                        "  Download('file:///nonexistent/zendrik.html', '');\n"
                                        "  Download('file://" +
                                        Directory.string() +
                                        "/unreachable.pas'#0'.html', '');\n"
                                        "  SetCell(1, 1, 'went on');\n"
                                        "  SaveTable('went.csv'#0'.bak');\n"
                                        "  SaveTable('on.csv');\n"
                                        "end;\n");
  const testsupport::ChildResult run = Run({script});
  EXPECT_EQ(run.ExitStatus, 0) << run.Err;
  const std::vector<std::string> lines = Lines(run.Err);
  ASSERT_EQ(lines.size(), 4u) << run.Err;
  EXPECT_TRUE(lines[0].starts_with("zendrik: cannot open " + refused + ": Failed to connect"))
      << lines[0];
  EXPECT_TRUE(lines[1].starts_with("zendrik: cannot open file:///nonexistent/zendrik.html: "))
      << lines[1];
  EXPECT_EQ(lines[2], "zendrik: cannot open file://" + Directory.string() +
                          "/unreachable.pas\\0.html: the address holds a NUL byte");
  EXPECT_EQ(lines[3], "zendrik: Cannot create \"went.csv\\0.bak\": the name holds a NUL byte");
  EXPECT_FALSE(std::filesystem::exists(Directory / "went.csv"));
  EXPECT_EQ(Saved("on.csv"), "\"went on\"\r\n");
}

}  // namespace
}  // namespace zendrik
