// The host functions against a stand-in window: argument order, conversions, counts, and what
// each leaves in the result register.

#include "app/host_functions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "extract/address_resolution.h"
#include "extract/table.h"
#include "script/runtime/conversions.h"
#include "script/runtime/engine.h"
#include "tests/script/pinned_formats.h"

namespace zendrik {
namespace {

// A window with a real table that records the extractions and saves it is asked for.
class StandInHost : public TScriptHost {
 public:
  std::string AddressFieldText() const override { return Address; }
  void SetAddressFieldText(std::string_view text) override { Address = text; }
  // Addresses on the host "down" cannot be opened.
  TFetchOutcome Download(const std::string& address) override {
    if (address.empty()) return {};
    Downloads.push_back(ResolveAddress(address));
    return OutcomeOf(Downloads.back());
  }
  TFetchOutcome GetPage(const std::string& address, std::string& body) override {
    Pages.push_back(ResolveAddress(address));
    TFetchOutcome outcome = OutcomeOf(Pages.back());
    if (outcome.End == TFetchOutcome::TEnd::Done) body = "<p>" + Pages.back();
    return outcome;
  }
  static TFetchOutcome OutcomeOf(const std::string& address) {
    if (!address.starts_with("http://down/")) return {};
    return {TFetchOutcome::TEnd::NotOpened, CannotOpenText(address, "refused")};
  }
  std::string_view ReadCell(int row, int column) override { return Table.ReadCell(row, column); }
  void WriteCell(int row, int column, std::string_view text) override {
    Table.WriteCell(row, column, text);
    ++Repaints;
  }
  void ClearCells() override {
    Table.clearall();
    ++Repaints;
  }
  bool SaveTable(const std::string& fileName, std::string& error) override {
    Saves.push_back(fileName);
    error = "Cannot write \"" + fileName + "\": Permission denied";
    return fileName != "/forbidden.csv";
  }

  std::string Address;
  TCellTable Table;
  std::vector<std::string> Downloads;
  std::vector<std::string> Pages;
  std::vector<std::string> Saves;
  int Repaints = 0;
};

class HostFunctions : public ::testing::Test {
 protected:
  void SetUp() override {
    engine.HostServices = &host;
    CurrentAddress().clear();
  }

  // The value of a function script, or the message of its error.
  std::string Run(const std::string& body) {
    TCtxValue value;
    try {
      engine.RunText("function F; begin " + body + " end;", nullptr, value);
    } catch (const std::exception& error) {
      return std::string("error: ") + error.what();
    }
    return ValueToText(value);
  }

  testsupport::PinnedFormats formats_;  // before the engine, which takes the settings in effect
  StandInHost host;
  TCtxScript engine;
};

TEST_F(HostFunctions, SetCellCreatesRowsAndCellsAndGetCellReadsThem) {
  EXPECT_EQ(Run("SetCell(2, 3, 'x'); result := GetCell(2, 3)"), "x");
  EXPECT_EQ(host.Table.RowCount(), 3u);
  EXPECT_EQ(Run("result := GetCell(1, 2)"), "");
  EXPECT_EQ(Run("result := GetCell(1, 1) + GetCell(0, 1) + GetCell(1, 0) + GetCell(9, 9)"), "");
  EXPECT_EQ(Run("SetCell(1, 1, 5); result := GetCell('1', 1.4)"), "5");
  EXPECT_EQ(host.Repaints, 2);
}

TEST_F(HostFunctions, SetCellBelowRowOneChangesNothingAndColumnZeroOnlyAppendsRows) {
  Run("SetCell(1, 0, 'x'); SetCell(0, 2, 'y')");
  ASSERT_EQ(host.Table.RowCount(), 2u);
  EXPECT_EQ(host.Table.Row(1).Count, 1u);
  EXPECT_EQ(host.Table.ReadCell(2, 1), "");
}

TEST_F(HostFunctions, SetCellBeyondTheLimitsFailsBeforeWritingAnything) {
  EXPECT_EQ(Run("SetCell(1, 1048577, 'x')"),
            "error: SetCell(1, 1048577): a script writes at most 16384 columns and 1048576 rows");
  EXPECT_EQ(Run("SetCell(16385, 1, 'x')"),
            "error: SetCell(16385, 1): a script writes at most 16384 columns and 1048576 rows");
  EXPECT_EQ(host.Table.RowCount(), 0u);
  EXPECT_EQ(Run("try SetCell(1, 2147483647, 'x') except result := 'handled' end"), "handled");
  EXPECT_EQ(Run("SetCell(16384, 2, 'x'); result := GetCell(16384, 2)"), "x");
}

TEST_F(HostFunctions, ClearCellsEmptiesTheTable) {
  EXPECT_EQ(Run("SetCell(1, 1, 'x'); ClearCells; result := GetCell(1, 1)"), "");
  EXPECT_EQ(host.Table.RowCount(), 0u);
}

TEST_F(HostFunctions, DownloadResolvesAgainstItsBaseAndReturnsTheAddressFetched) {
  EXPECT_EQ(Run("result := Download('http://a/x.html', '')"), "http://a/x.html");
  EXPECT_EQ(Run("result := Download('/y.html', 'http://a/x.html')"), "http://a/y.html");
  EXPECT_EQ(Run("result := Download('', 'http://a/')"), "http://a/");
  EXPECT_EQ(host.Downloads, (std::vector<std::string>{"http://a/x.html", "http://a/y.html"}));
  EXPECT_EQ(host.Address, "") << "Download leaves the address field alone";
}

TEST_F(HostFunctions, GetPageReadsAPageAndLastDownloadErrorSaysWhyAFetchFailed) {
  Run("SetCell(1, 1, 'kept')");
  EXPECT_EQ(Run("result := GetPage('http://a/x.html')"), "<p>http://a/x.html");
  EXPECT_EQ(Run("result := '[' + LastDownloadError + ']'"), "[]");
  // Relative to the page fetched last.
  EXPECT_EQ(Run("result := GetPage('y.html')"), "<p>http://a/y.html");
  EXPECT_EQ(Run("result := GetPage('http://down/z') + '|' + LastDownloadError"),
            "|cannot open http://down/z: refused");
  EXPECT_EQ(Run("result := GetPage('') + '|' + LastDownloadError"), "|");
  EXPECT_EQ(Run("result := GetPage('w.html', 'http://b/list/')"), "<p>http://b/list/w.html");
  EXPECT_EQ(Run("Download('http://down/list', ''); result := LastDownloadError"),
            "cannot open http://down/list: refused");
  EXPECT_EQ(Run("Download('http://a/x.html', ''); result := '[' + LastDownloadError + ']'"), "[]");
  EXPECT_EQ(host.Pages, (std::vector<std::string>{"http://a/x.html", "http://a/y.html",
                                                  "http://down/z", "http://b/list/w.html"}));
  EXPECT_EQ(host.Table.ReadCell(1, 1), "kept");
  EXPECT_EQ(Run("GetPage"), "error: Not enough actual parameters");
  EXPECT_EQ(Run("GetPage(1, 2, 3)"), "error: Too many actual parameters");
}

TEST_F(HostFunctions, UrlIsTheAddressFieldAndFetchesNothing) {
  EXPECT_EQ(Run("URL := 'abc'; result := URL"), "abc");
  EXPECT_EQ(host.Address, "abc");
  EXPECT_TRUE(host.Downloads.empty());
}

TEST_F(HostFunctions, SaveTableThatCannotWriteLetsTheScriptGoOn) {
  EXPECT_EQ(Run("SaveTable('/forbidden.csv'); result := 'went on'"), "went on");
  TCtxValue value;
  engine.RunText("begin SaveTable('out.csv') end;", nullptr, value);
  EXPECT_EQ(ValueToText(value), "out.csv") << "SaveTable sets no result: the last argument stays";
  EXPECT_EQ(host.Saves, (std::vector<std::string>{"/forbidden.csv", "out.csv"}));
}

TEST_F(HostFunctions, AnotherNumberOfArgumentsIsRefusedBeforeTheCallback) {
  EXPECT_EQ(Run("result := GetCell(1, 1, 1)"),
            "error: Unable to invoke method or property GetCell in this manner");
  EXPECT_EQ(Run("SetCell(1, 1)"),
            "error: Unable to invoke method or property SetCell in this manner");
  EXPECT_EQ(Run("ClearCells(1)"),
            "error: Unable to invoke method or property ClearCells in this manner");
  EXPECT_EQ(Run("URL(1)"), "error: Too many actual parameters");
  EXPECT_EQ(host.Repaints, 0);
}

TEST_F(HostFunctions, WithoutAWindowTheFunctionsFailClearly) {
  engine.HostServices = nullptr;
  EXPECT_EQ(Run("result := GetCell(1, 1)"), "error: There is no window for the host functions");
}

}  // namespace
}  // namespace zendrik
