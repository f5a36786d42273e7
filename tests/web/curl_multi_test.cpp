#include "web/curl_multi.h"

#include "tests/support/loopback_http_server.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace zendrik {
namespace {

using namespace std::chrono_literals;
using testsupport::HttpReply;

// Every finished transfer by the index of its address, with the order in which they ended.
struct Finished {
  std::map<std::size_t, TFinishedTransfer> ByIndex;
  std::vector<std::size_t> Order;
};

Finished RunAll(const std::vector<std::string>& addresses, std::size_t maxConcurrent,
                const TTransferLimits& limits = {}) {
  Finished finished;
  RunTransfers(addresses, limits, maxConcurrent, [&finished](TFinishedTransfer& transfer) {
    finished.Order.push_back(transfer.Index);
    finished.ByIndex.emplace(transfer.Index, std::move(transfer));
  });
  return finished;
}

std::string BodyOf(const TFinishedTransfer& transfer) {
  return transfer.Body ? std::string(transfer.Body->Bytes()) : "(no body)";
}

TEST(ConcurrentTransfers, EveryAddressEndsOnceWithItsOwnBody) {
  testsupport::LoopbackHttpServer server;
  std::vector<std::string> addresses;
  for (int i = 0; i < 20; ++i) {
    const std::string path = "/page" + std::to_string(i);
    server.Serve(path, HttpReply::InPieces({"<p>page ", std::to_string(i)}, 5ms));
    addresses.push_back(server.Url(path));
  }
  const Finished finished = RunAll(addresses, 4);
  ASSERT_EQ(finished.Order.size(), 20u);
  for (std::size_t i = 0; i < 20; ++i) {
    SCOPED_TRACE(i);
    const TFinishedTransfer& transfer = finished.ByIndex.at(i);
    EXPECT_EQ(transfer.End, TTransferEnd::Complete);
    EXPECT_EQ(BodyOf(transfer), "<p>page " + std::to_string(i));
  }
  EXPECT_EQ(server.Requests().size(), 20u);
}

TEST(ConcurrentTransfers, EachEndsAsASingleRetrievalWould) {
  testsupport::LoopbackHttpServer server;
  server.Serve("/moved", HttpReply::Redirect("/page"));
  server.Serve("/page", HttpReply::Page("<p>here"));
  HttpReply cut = HttpReply::Page("<p>half of it");
  cut.End = HttpReply::Ending::CloseMidBody;
  server.Serve("/cut", cut);
  const std::string refused =
      "http://127.0.0.1:" + std::to_string(testsupport::UnusedLoopbackPort()) + "/";
  const Finished finished =
      RunAll({server.Url("/moved"), "www.example.com/", refused, server.Url("/cut")}, 8);

  EXPECT_EQ(finished.ByIndex.at(0).End, TTransferEnd::Complete);
  EXPECT_EQ(BodyOf(finished.ByIndex.at(0)), "<p>here");
  EXPECT_EQ(finished.ByIndex.at(1).End, TTransferEnd::NotOpened);
  EXPECT_EQ(finished.ByIndex.at(1).Reason, "Unsupported protocol");
  EXPECT_EQ(finished.ByIndex.at(2).End, TTransferEnd::NotOpened);
  EXPECT_TRUE(finished.ByIndex.at(2).Reason.starts_with("Failed to connect"))
      << finished.ByIndex.at(2).Reason;
  const TFinishedTransfer& broken = finished.ByIndex.at(3);
  EXPECT_EQ(broken.End, TTransferEnd::Failed);
  EXPECT_TRUE(broken.Reason.starts_with("TIE: retrieving " + server.Url("/cut") + " broke off"))
      << broken.Reason;
  EXPECT_EQ(broken.Body, nullptr) << "a broken body does not pass for a whole one";
}

TEST(ConcurrentTransfers, AFifoIsNotOpenedAndATrickleEndsAtTheTimeLimit) {
  testsupport::LoopbackHttpServer server;
  server.Serve("/trickle", HttpReply::InPieces(std::vector<std::string>(60, "x"), 500ms));
  const auto fifo =
      std::filesystem::temp_directory_path() / ("zendrik_multi_fifo_" + std::to_string(::getpid()));
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  TTransferLimits limits;
  limits.TotalSeconds = 2;
  const Finished finished = RunAll({"file://" + fifo.string(), server.Url("/trickle")}, 2, limits);
  std::filesystem::remove(fifo);

  EXPECT_EQ(finished.ByIndex.at(0).End, TTransferEnd::NotOpened);
  EXPECT_EQ(finished.ByIndex.at(0).Reason, "not a regular file");
  EXPECT_EQ(finished.ByIndex.at(1).End, TTransferEnd::Failed);
  EXPECT_EQ(finished.ByIndex.at(1).Reason, "TIE: retrieving " + server.Url("/trickle") +
                                               " took longer than the limit of 2 seconds");
}

// A server that never answers holds its slot until the stall limit ends it: with one slot the
// page behind it waits, with two it finishes first.
TEST(ConcurrentTransfers, NoMoreThanTheBoundRunAtOnce) {
  testsupport::LoopbackHttpServer server;
  server.Serve("/page", HttpReply::Page("<p>quick"));
  testsupport::SilentLoopbackListener silent;
  const std::vector<std::string> addresses = {
      "http://127.0.0.1:" + std::to_string(silent.Port()) + "/", server.Url("/page")};
  TTransferLimits limits;
  limits.StallSeconds = 1;

  const Finished oneAtATime = RunAll(addresses, 1, limits);
  EXPECT_EQ(oneAtATime.Order, (std::vector<std::size_t>{0, 1}));
  EXPECT_EQ(oneAtATime.ByIndex.at(0).Reason, "no response for 1 seconds");

  const Finished twoAtATime = RunAll(addresses, 2, limits);
  EXPECT_EQ(twoAtATime.Order, (std::vector<std::size_t>{1, 0}));
}

TEST(ConcurrentTransfers, NoAddressesEndAtOnce) { EXPECT_TRUE(RunAll({}, 8).Order.empty()); }

TEST(ConcurrentTransfers, WhatTheCallbackThrowsLeavesAndEndsTheRest) {
  testsupport::LoopbackHttpServer server;
  server.Serve("/a", HttpReply::Page("a"));
  server.Serve("/slow", HttpReply::InPieces({"s", "l", "o", "w"}, 200ms));
  int calls = 0;
  EXPECT_THROW(RunTransfers({server.Url("/a"), server.Url("/slow")}, {}, 2,
                            [&calls](TFinishedTransfer&) {
                              ++calls;
                              throw std::runtime_error("stop");
                            }),
               std::runtime_error);
  EXPECT_EQ(calls, 1);
}

}  // namespace
}  // namespace zendrik
