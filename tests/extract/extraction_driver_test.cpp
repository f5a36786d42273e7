#include "extract/extraction_driver.h"

#include "extract/address_resolution.h"
#include "tests/support/loopback_http_server.h"
#include "web/ie_http.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zendrik {
namespace {

using testsupport::HttpReply;
using testsupport::LoopbackHttpServer;

// Records what the driver asks of its window, in order.
class RecordingView : public TExtractionView {
 public:
  void ShowAddress(const std::string& address) override { Events.push_back("show " + address); }
  void ProcessPendingMessages() override { Events.push_back("messages"); }
  void RepaintGrid() override { Events.push_back("repaint"); }
  void ReportFailure(const std::string& message) override { Events.push_back(message); }

  std::vector<std::string> Events;
};

class ExtractionDriver : public testing::Test {
 protected:
  void SetUp() override { CurrentAddress().clear(); }

  std::vector<std::string> Run(const std::string& address) {
    view.Events.clear();
    DownloadIt(address, table, http, view);
    return view.Events;
  }

  LoopbackHttpServer server;
  TCellTable table;
  TIEHTTP http;
  RecordingView view;
};

TEST_F(ExtractionDriver, EmptyAddressDoesNothingAtAll) {
  table.WriteCell(1, 1, "kept");
  EXPECT_TRUE(Run("").empty());
  EXPECT_EQ(table.ReadCell(1, 1), "kept");
}

TEST_F(ExtractionDriver, ShowsTheAddressThenFetchesWalksAndRepaints) {
  server.Serve("/list.html", HttpReply::Page("<tr><td>a</td><td>b</td></tr>\n<p>after"));
  table.WriteCell(5, 5, "old");
  const std::string address = server.Url("/list.html");
  EXPECT_EQ(Run(address), (std::vector<std::string>{"show " + address, "messages", "repaint"}));
  EXPECT_EQ(table.RowCount(), 2u);
  EXPECT_EQ(table.ReadCell(1, 2), "b");
  EXPECT_EQ(table.ReadCell(2, 1), "after ");
  EXPECT_EQ(CurrentAddress(), address);
}

TEST_F(ExtractionDriver, AddressThatCannotBeOpenedLeavesAnEmptyTableWithoutMessage) {
  table.WriteCell(1, 1, "old");
  const std::string address =
      "http://127.0.0.1:" + std::to_string(testsupport::UnusedLoopbackPort()) + "/x.html";
  EXPECT_EQ(Run(address), (std::vector<std::string>{"show " + address, "messages", "repaint"}));
  EXPECT_EQ(table.RowCount(), 0u);
  EXPECT_EQ(CurrentAddress(), address);
}

TEST_F(ExtractionDriver, BrokenCompressedBodyReportsTheOneMessageAndStillRepaints) {
  server.Serve("/broken", HttpReply::Page(std::string("\x1F\x8B\x08\0\0\0\0\0garbage!", 16)));
  table.WriteCell(1, 1, "old");
  const std::vector<std::string> events = Run(server.Url("/broken"));
  ASSERT_EQ(events.size(), 4u);
  EXPECT_EQ(events[2], "Fehler: konnte Kusre nicht aus dem Internet laden (sind Sie online?)...");
  EXPECT_EQ(events[3], "repaint");
  EXPECT_EQ(table.RowCount(), 0u);
}

TEST_F(ExtractionDriver, TransferBrokenOffIsAFailureNotAShortPage) {
  HttpReply reply = HttpReply::Page("<p>first half");
  reply.End = HttpReply::Ending::CloseMidBody;
  server.Serve("/cut", reply);
  const std::vector<std::string> events = Run(server.Url("/cut"));
  ASSERT_EQ(events.size(), 4u);
  EXPECT_EQ(events[2], kExtractionFailureMessage);
}

TEST_F(ExtractionDriver, EachEndIsToldAndAStoppedTransferIsNoFailure) {
  HttpReply cut = HttpReply::Page("<p>first half");
  cut.End = HttpReply::Ending::CloseMidBody;
  server.Serve("/cut", cut);
  HttpReply slow = HttpReply::Page("<p>first");
  slow.End = HttpReply::Ending::Stall;
  server.Serve("/slow", slow);
  server.Serve("/page", HttpReply::Page("<p>page"));
  using End = TFetchOutcome::TEnd;
  EXPECT_EQ(DownloadIt(server.Url("/page"), table, http, view).End, End::Done);
  EXPECT_EQ(DownloadIt(server.Url("/cut"), table, http, view).End, End::Failed);
  EXPECT_EQ(DownloadIt("", table, http, view).End, End::Done);

  http.OnPacketRead = [](TIEHTTP&) { throw EIEHTTPAborted(); };
  table.WriteCell(1, 1, "old");
  view.Events.clear();
  EXPECT_EQ(DownloadIt(server.Url("/slow"), table, http, view).End, End::Stopped);
  EXPECT_EQ(view.Events,
            (std::vector<std::string>{"show " + server.Url("/slow"), "messages", "repaint"}));
  EXPECT_EQ(table.RowCount(), 0u);
}

TEST_F(ExtractionDriver, SecondExtractionReplacesTheTableAndResolvesAgainstTheFirst) {
  server.Serve("/dir/index.html", HttpReply::Page("<p>index"));
  server.Serve("/dir/next.html", HttpReply::Page("<p>next"));
  Run(server.Url("/dir/index.html"));
  EXPECT_EQ(Run("next.html").front(), "show " + server.Url("/dir/next.html"));
  ASSERT_EQ(table.RowCount(), 1u);
  EXPECT_EQ(table.ReadCell(1, 1), "next ");
}

TEST_F(ExtractionDriver, FileAddressAfterAWebPageIsNotResolvedUnderItsHost) {
  server.Serve("/dir/index.html", HttpReply::Page("<p>index"));
  Run(server.Url("/dir/index.html"));
  const std::string page = ZENDRIK_TEST_DATA "/pages/worked.html";
  EXPECT_EQ(Run("file://" + page).front(), "show file://" + page);
  EXPECT_GT(table.RowCount(), 0u);
  EXPECT_EQ(CurrentAddress(), "file://" + page);
}

}  // namespace
}  // namespace zendrik
