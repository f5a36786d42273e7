#include "app/many_extractions.h"

#include "app/file_bytes.h"
#include "tests/support/compression_fixtures.h"
#include "tests/support/loopback_http_server.h"
#include "web/body_encodings.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace zendrik {
namespace {

namespace fs = std::filesystem;
using testsupport::HttpReply;

TEST(OutputNames, AreTheAddressWithoutSchemeInSafeCharacters) {
  EXPECT_EQ(OutputNameForAddress("http://example.com/a/b.html", ".csv"),
            "example.com_a_b.html.csv");
  EXPECT_EQ(OutputNameForAddress("https://shop.example/item?id=7&x=%20", ".json"),
            "shop.example_item_id_7_x_20.json");
  EXPECT_EQ(OutputNameForAddress("http://host:8080/", ".tsv"), "host_8080.tsv");
  EXPECT_EQ(OutputNameForAddress("pages/../a b.html", ".csv"), "pages_.._a_b.html.csv");
  EXPECT_EQ(OutputNameForAddress("/tmp/x.html", ".csv"), "tmp_x.html.csv");
}

TEST(OutputNames, NeverHiddenNeverEmptyNeverLong) {
  EXPECT_EQ(OutputNameForAddress("../..", ".csv"), "page.csv");
  EXPECT_EQ(OutputNameForAddress("http://", ".csv"), "page.csv");
  EXPECT_EQ(OutputNameForAddress(".hidden", ".csv"), "hidden.csv");
  EXPECT_EQ(OutputNameForAddress("http://\xC3\xA9t\xC3\xA9.example/", ".csv"), "t_.example.csv");
  EXPECT_EQ(OutputNameForAddress("http://h/" + std::string(500, 'x'), ".csv").size(), 124u);
}

class ManyExtractions : public testing::Test {
 protected:
  void SetUp() override {
    Directory = fs::temp_directory_path() / ("zendrik_many_" + std::to_string(::getpid()));
    fs::remove_all(Directory);
  }
  void TearDown() override { fs::remove_all(Directory); }

  int Run(std::vector<std::string> args) {
    std::ostringstream out, err;
    args.insert(args.begin(), "--extract");
    const int status = RunCommandLine(args, TConsole{out, err});
    Out = out.str();
    Err = err.str();
    return status;
  }

  std::string Saved(const std::string& name) const {
    std::string bytes = "(missing)";
    ReadFileBytes((Directory / name).string(), bytes);
    return bytes;
  }

  // The summary line of `address` on standard error (they come in the order the pages end).
  std::string LineFor(const std::string& address) const {
    const std::string start = "zendrik: " + address + ": ";
    std::istringstream in(Err);
    for (std::string line; std::getline(in, line);)
      if (line.starts_with(start)) return line.substr(start.size());
    return "(no line for " + address + ")";
  }

  std::size_t LineCount() const {
    return static_cast<std::size_t>(std::count(Err.begin(), Err.end(), '\n'));
  }

  std::string Dir() const { return Directory.string() + "/"; }

  fs::path Directory;
  std::string Out, Err;
  testsupport::LoopbackHttpServer Server;
};

TEST_F(ManyExtractions, EachAddressGetsItsFileAndItsLine) {
  Server.Serve("/a.html", HttpReply::Page("<tr><td>a1</td><td>a2</td></tr>"));
  Server.Serve("/b.html", HttpReply::Page("<td>b</td>"));
  const std::string a = Server.Url("/a.html"), b = Server.Url("/b.html");
  const std::string host = "127.0.0.1_" + std::to_string(Server.Port());

  EXPECT_EQ(Run({a, b, "-o", Dir()}), 0) << Err;
  EXPECT_EQ(Out, "");
  EXPECT_EQ(Saved(host + "_a.html.csv"), "\"a1\",\"a2\"\r\n");
  EXPECT_EQ(Saved(host + "_b.html.csv"), "\"b\"\r\n");
  EXPECT_EQ(LineFor(a), "1 row -> " + Dir() + host + "_a.html.csv");
  EXPECT_EQ(LineFor(b), "1 row -> " + Dir() + host + "_b.html.csv");
  EXPECT_EQ(LineCount(), 2u);
}

TEST_F(ManyExtractions, FailuresAreReportedWrittenAndMakeTheStatusOne) {
  HttpReply cut = HttpReply::Page("<p>half of it");
  cut.End = HttpReply::Ending::CloseMidBody;
  Server.Serve("/cut", cut);
  Server.Serve("/ok", HttpReply::Page("<td>fine</td>"));
  const std::string refused =
      "http://127.0.0.1:" + std::to_string(testsupport::UnusedLoopbackPort()) + "/";

  EXPECT_EQ(
      Run({Server.Url("/ok"), refused, Server.Url("/cut"), "/nonexistent/page.html", "-o", Dir()}),
      1);
  EXPECT_EQ(LineCount(), 4u) << Err;
  EXPECT_EQ(LineFor("cannot read \"/nonexistent/page.html\""), "No such file or directory");
  const std::string cutLine = LineFor(Server.Url("/cut"));
  EXPECT_TRUE(cutLine.starts_with("failed: TIE: retrieving " + Server.Url("/cut") + " broke off"))
      << cutLine;
  EXPECT_TRUE(
      cutLine.ends_with("; 0 rows -> " + Dir() + OutputNameForAddress(Server.Url("/cut"), ".csv")))
      << cutLine;
  EXPECT_EQ(LineFor(Server.Url("/ok")),
            "1 row -> " + Dir() + OutputNameForAddress(Server.Url("/ok"), ".csv"));
  const std::string refusedLine = LineFor(refused);
  EXPECT_TRUE(refusedLine.starts_with("cannot open: Failed to connect")) << refusedLine;
  EXPECT_TRUE(
      refusedLine.ends_with("; 0 rows -> " + Dir() + OutputNameForAddress(refused, ".csv")));
  EXPECT_EQ(Saved(OutputNameForAddress(refused, ".csv")), "") << "the empty table";
  EXPECT_FALSE(fs::exists(Directory / "nonexistent_page.html.csv"));
}

TEST_F(ManyExtractions, RepeatedNamesAreNumberedInTheOrderOfTheAddresses) {
  Server.Serve("/p", HttpReply::Page("<td>p</td>"));
  const std::string host = "127.0.0.1_" + std::to_string(Server.Port());
  EXPECT_EQ(Run({Server.Url("/p"), Server.Url("/p"), Server.Url("/p"), "-o", Dir(), "--format",
                 "json", "--jobs", "1"}),
            0)
      << Err;
  for (const std::string name : {"_p.json", "_p-2.json", "_p-3.json"})
    EXPECT_EQ(Saved(host + name), "[\n[\"p\"]\n]\n") << name;
}

TEST_F(ManyExtractions, LocalFilesAndCompressedPagesAreLaidOutToo) {
  fs::create_directories(Directory);
  { std::ofstream(Directory / "local.html") << "<td>x\ty</td>"; }
  Server.Serve("/zipped", HttpReply::Page(std::string(kCompressedBodySignature) +
                                          testsupport::ZlibStream("<td>unzipped</td>")));
  EXPECT_EQ(Run({(Directory / "local.html").string(), Server.Url("/zipped"), "-o",
                 (Directory / "out").string() + "/", "--format", "tsv"}),
            0)
      << Err;
  const std::string localName = OutputNameForAddress((Directory / "local.html").string(), ".tsv");
  EXPECT_EQ(Saved("out/" + localName), "x\\ty\n");
  EXPECT_EQ(Saved("out/127.0.0.1_" + std::to_string(Server.Port()) + "_zipped.tsv"), "unzipped\n");
}

TEST_F(ManyExtractions, OneAddressGoesIntoAnExistingDirectoryWithoutSlash) {
  fs::create_directories(Directory);
  EXPECT_EQ(Run({ZENDRIK_TEST_DATA "/pages/worked.html", "-o", Directory.string()}), 0) << Err;
  EXPECT_EQ(
      Saved(OutputNameForAddress(ZENDRIK_TEST_DATA "/pages/worked.html", ".csv")).substr(0, 10),
      "\"Prices\"\r\n");
}

TEST_F(ManyExtractions, AnOutputThatIsAFileIsNoDirectory) {
  fs::create_directories(Directory);
  { std::ofstream(Directory / "file") << "kept"; }
  EXPECT_EQ(Run({"a.html", "b.html", "-o", (Directory / "file").string()}), 2)
      << "several addresses and one file";
  EXPECT_EQ(Run({"a.html", "b.html", "-o", (Directory / "file").string() + "/"}), 1);
  EXPECT_TRUE(Err.starts_with("zendrik: cannot create the directory \"")) << Err;
  EXPECT_EQ(Saved("file"), "kept");
}

TEST_F(ManyExtractions, ArgumentsThatMakeNoRequestAreUsageErrors) {
  const std::vector<std::vector<std::string>> cases = {
      {"a", "b"},                         // several addresses to standard output
      {"a", "-o"},                        // -o without a value
      {"a", "--format", "xml"},           // unknown format
      {"a", "--format"},                  //
      {"a", "-o", "d/", "--jobs", "0"},   // jobs out of range
      {"a", "-o", "d/", "--jobs", "65"},  //
      {"a", "-o", "d/", "--jobs", "2x"},  //
      {"-o", "d/"},                       // no address
      {"a", "--frobnicate"},              // unknown option
  };
  for (const auto& args : cases) {
    SCOPED_TRACE(testing::PrintToString(args));
    EXPECT_EQ(Run(args), 2);
    EXPECT_NE(Err.find("usage: zendrik"), std::string::npos);
  }
  Run({"a", "--format", "xml"});
  EXPECT_TRUE(Err.starts_with("zendrik: unknown format \"xml\" (csv, tsv or json)\n")) << Err;
  Run({"a", "b"});
  EXPECT_TRUE(Err.starts_with("zendrik: several addresses need -o DIRECTORY/\n")) << Err;
  EXPECT_FALSE(fs::exists("d"));
  EXPECT_FALSE(fs::exists("new.csv"));
}

TEST_F(ManyExtractions, OneAddressWritesTheChosenFormatToStandardOutput) {
  EXPECT_EQ(Run({"--format", "json", ZENDRIK_TEST_DATA "/pages/worked.html"}), 0) << Err;
  EXPECT_EQ(Out,
            "[\n[\"Prices\"],\n[\"Stock list\"],\n[\"Name\",\"Price\"],\n"
            "[\"/q/abc.html\",\"ABC\",\"12,50\"]\n]\n");
  EXPECT_EQ(Run({ZENDRIK_TEST_DATA "/pages/worked.html", "--format", "tsv"}), 0) << Err;
  EXPECT_EQ(Out, "Prices\nStock list\nName\tPrice\n/q/abc.html\tABC\t12,50\n");
}

}  // namespace
}  // namespace zendrik
