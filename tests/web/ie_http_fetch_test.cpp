#include "web/ie_http.h"

#include "tests/support/compression_fixtures.h"
#include "tests/support/loopback_http_server.h"
#include "web/body_encodings.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace zendrik {
namespace {

using namespace std::chrono_literals;
using testsupport::GzipMember;
using testsupport::HttpReply;
using testsupport::LoopbackHttpServer;
using testsupport::ZlibStream;

const std::string kPage = "<html><table><tr><td>a</td><td>b</td></tr></table></html>\r\n";
const std::string kSignature(kCompressedBodySignature);

class IEHTTPFetch : public testing::Test {
 protected:
  /// Counts the calls of OnPacketRead and the BytesRead each of them saw.
  void WatchPackets() {
    Packets.clear();
    Http.OnPacketRead = [this](TIEHTTP& sender) { Packets.push_back(sender.BytesRead()); };
  }

  LoopbackHttpServer Server;
  TIEHTTP Http;
  std::vector<std::int64_t> Packets;
};

TEST_F(IEHTTPFetch, PlainPageArrivesAsBytesLinesAndText) {
  Server.Serve("/page.html", HttpReply::Page("one\r\ntwo\nthree\rfour"));
  EXPECT_EQ(Http.Fetch(Server.Url("/page.html")), "one\r\ntwo\r\nthree\r\nfour\r\n");
  EXPECT_EQ(Http.Response().Bytes(), "one\r\ntwo\nthree\rfour");
  EXPECT_EQ(Http.ResponseLines(), (std::vector<std::string_view>{"one", "two", "three", "four"}));
  EXPECT_EQ(Http.BytesRead(), 19);

  const auto requests = Server.Requests();
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(requests[0].Method, "GET");
  EXPECT_EQ(requests[0].Target, "/page.html");
  EXPECT_EQ(requests[0].Headers.at("user-agent"), "SessionName");
}

TEST_F(IEHTTPFetch, LinesEndAtCRLFOrCRLFAndTextEndsEveryLineWithCRLF) {
  struct Case {
    std::string Body;
    std::vector<std::string_view> Lines;
    std::string Text;
  };
  const Case cases[] = {
      {"", {}, ""},
      {"\r\n", {""}, "\r\n"},
      {"a", {"a"}, "a\r\n"},
      {"a\r", {"a"}, "a\r\n"},
      {"a\r\nb\r", {"a", "b"}, "a\r\nb\r\n"},
      {"a\r\nb\r\n", {"a", "b"}, "a\r\nb\r\n"},
      {"a\n\nb", {"a", "", "b"}, "a\r\n\r\nb\r\n"},
      {"a\r\r\nb\n", {"a", "", "b"}, "a\r\n\r\nb\r\n"},
      {"\n\r", {"", ""}, "\r\n\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.Body));
    Server.Serve("/lines", HttpReply::Page(c.Body));
    EXPECT_EQ(Http.Fetch(Server.Url("/lines")), c.Text);
    EXPECT_EQ(Http.ResponseLines(), c.Lines);
  }
}

TEST_F(IEHTTPFetch, BodyInSeveralReadsCallsOnPacketReadAfterEachAndAtTheEnd) {
  const std::vector<std::string> pieces = {std::string(4096, 'a'), std::string(4096, 'b'),
                                           std::string(1808, 'c')};
  for (const bool chunked : {false, true}) {
    SCOPED_TRACE(chunked ? "chunked" : "with length");
    HttpReply reply = HttpReply::InPieces(pieces, 150ms);
    reply.Chunked = chunked;
    Server.Serve("/pieces", reply);
    WatchPackets();
    Http.Fetch(Server.Url("/pieces"));
    EXPECT_EQ(Http.BytesRead(), 10000);
    EXPECT_EQ(Http.Response().Bytes(), pieces[0] + pieces[1] + pieces[2]);
    EXPECT_EQ(Packets, (std::vector<std::int64_t>{4096, 8192, 10000, 10000}));
    EXPECT_EQ(Http.BytesAnnounced(), chunked ? -1 : 10000);
  }
}

TEST_F(IEHTTPFetch, LengthOfACompressedTransferIsNotAnnounced) {
  HttpReply reply = HttpReply::Page(GzipMember(std::string(5000, 'x')));
  reply.Headers.emplace_back("Content-Encoding", "gzip");
  Server.Serve("/gzip", reply);
  Http.Fetch(Server.Url("/gzip"));
  EXPECT_EQ(Http.BytesRead(), 5000);
  EXPECT_EQ(Http.BytesAnnounced(), -1);
}

TEST_F(IEHTTPFetch, SignatureBodiesAreInflatedAndOthersPassedAsTheyCame) {
  struct Case {
    const char* What;
    HttpReply Reply;
    std::string Expected;
  };
  HttpReply serverGzip = HttpReply::Page(GzipMember(kPage));
  serverGzip.Headers.emplace_back("Content-Encoding", "gzip");
  const Case cases[] = {
      {"signature and zlib stream", HttpReply::Page(kSignature + ZlibStream(kPage)), kPage},
      {"signature only", HttpReply::Page(kSignature), ""},
      {"gzip file with a name", HttpReply::Page(GzipMember(kPage, "page.html")),
       GzipMember(kPage, "page.html")},
      {"Content-Encoding gzip from the server", serverGzip, kPage},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.What);
    Server.Serve("/body", c.Reply);
    Http.Fetch(Server.Url("/body"));
    EXPECT_EQ(Http.Response().Bytes(), c.Expected);
  }
  EXPECT_FALSE(Server.Requests().back().Headers.at("accept-encoding").empty());
}

TEST_F(IEHTTPFetch, RedirectChainEndsAtThePage) {
  Server.Serve("/start", HttpReply::Redirect("/second", 301));
  Server.Serve("/second", HttpReply::Redirect(Server.Url("/third"), 307));
  Server.Serve("/third", HttpReply::Redirect("page.html", 302));
  Server.Serve("/page.html", HttpReply::Page(kPage));
  Http.Fetch(Server.Url("/start"));
  EXPECT_EQ(Http.Response().Bytes(), kPage);
  EXPECT_EQ(Server.Requests().size(), 4u);
}

TEST_F(IEHTTPFetch, SpaceInTheAddressIsSentEncoded) {
  Server.Serve("/my%20page.html?q=a+b", HttpReply::Page(kPage));
  Http.Fetch(Server.Url("/my page.html?q=a b"));
  EXPECT_EQ(Http.Response().Bytes(), kPage);
}

TEST_F(IEHTTPFetch, ErrorPageBodyIsKept) {
  Server.Serve("/gone", HttpReply::WithStatus(404, "<p>Seite fehlt</p>"));
  Http.Fetch(Server.Url("/gone"));
  EXPECT_EQ(Http.Response().Bytes(), "<p>Seite fehlt</p>");
}

TEST_F(IEHTTPFetch, AddressThatCannotBeOpenedGivesAnEmptyBodyWithoutError) {
  Server.Serve("/page.html", HttpReply::Page(kPage));
  Server.Serve("/loop", HttpReply::Redirect("/loop"));
  const std::string port = std::to_string(Server.Port());
  const std::string cases[] = {
      "http://127.0.0.1:" + std::to_string(testsupport::UnusedLoopbackPort()) + "/",
      "http://nothing.invalid/page.html",
      "127.0.0.1:" + port + "/page.html",  // no scheme: not guessed
      "gopher://127.0.0.1:" + port + "/page.html",
      "file:///nonexistent/zendrik/page.html",
      Server.Url("/loop"),  // more than 20 redirects
      "",
  };
  for (const std::string& address : cases) {
    SCOPED_TRACE(address);
    Http.Fetch(Server.Url("/page.html"));
    EXPECT_EQ(Http.OpenFailure(), "");
    WatchPackets();
    EXPECT_EQ(Http.Fetch(address), "");
    EXPECT_NE(Http.OpenFailure(), "");
    EXPECT_EQ(Http.Response().Size(), 0u);
    EXPECT_TRUE(Http.ResponseLines().empty());
    EXPECT_EQ(Http.BytesRead(), 0);
    EXPECT_TRUE(Packets.empty());
    Http.OnPacketRead = nullptr;
  }
  // The page once a round and 21 requests of the redirect loop; none from the address without
  // a scheme or with an unsupported one.
  EXPECT_EQ(Server.Requests().size(), std::size(cases) + 21);
}

TEST_F(IEHTTPFetch, OpenFailureGivesLibcurlsReason) {
  Http.Fetch("http://127.0.0.1:" + std::to_string(testsupport::UnusedLoopbackPort()) + "/");
  EXPECT_NE(Http.OpenFailure().find("onnect"), std::string::npos) << Http.OpenFailure();
  Http.Fetch("gopher://127.0.0.1/");
  EXPECT_EQ(Http.OpenFailure(), "Unsupported protocol");
  // The address is never cut at a NUL byte, which would open the page before it.
  Server.Serve("/page.html", HttpReply::Page(kPage));
  const std::size_t requests = Server.Requests().size();
  EXPECT_EQ(Http.Fetch(Server.Url("/page.html") + std::string(1, '\0') + ".bak"), "");
  EXPECT_EQ(Http.OpenFailure(), "the address holds a NUL byte");
  EXPECT_EQ(Server.Requests().size(), requests);

  HttpReply huge = HttpReply::Page(kPage);
  huge.Headers.emplace_back("X-Filler", std::string(1 << 20, 'h'));
  Server.Serve("/huge-header", huge);
  EXPECT_EQ(Http.Fetch(Server.Url("/huge-header")), "");
  EXPECT_NE(Http.OpenFailure(), "");
}

TEST_F(IEHTTPFetch, ServerThatAcceptsAndNeverAnswersIsNotOpened) {
  TTransferLimits limits;
  limits.StallSeconds = 1;
  Http.SetTransferLimits(limits);
  testsupport::SilentLoopbackListener silent;
  EXPECT_EQ(Http.Fetch("http://127.0.0.1:" + std::to_string(silent.Port()) + "/"), "");
  EXPECT_EQ(Http.OpenFailure(), "no response for 1 seconds");
}

TEST_F(IEHTTPFetch, FailureAfterOpeningRaisesAndLeavesNoBody) {
  TTransferLimits limits;
  limits.StallSeconds = 1;
  limits.MaxBodyBytes = 6000;
  Http.SetTransferLimits(limits);

  auto broken = [](HttpReply::Ending end, bool chunked, std::vector<std::string> pieces) {
    HttpReply reply = HttpReply::InPieces(std::move(pieces), 0ms);
    reply.End = end;
    reply.Chunked = chunked;
    return reply;
  };
  using End = HttpReply::Ending;
  const std::pair<const char*, HttpReply> cases[] = {
      {"stall in the body", broken(End::Stall, false, {std::string(3000, 's')})},
      {"stall after the headers", broken(End::Stall, true, {})},
      {"closed in the body", broken(End::CloseMidBody, false, {std::string(3000, 'c')})},
      {"closed in a chunked body", broken(End::CloseMidBody, true, {std::string(3000, 'c')})},
      {"announced length over the cap", broken(End::Complete, false, {std::string(6001, 'x')})},
      {"chunked body over the cap", broken(End::Complete, true, {std::string(6001, 'x')})},
      {"broken compressed body", HttpReply::Page(kSignature + "garbage after the signature")},
  };
  for (const auto& [what, reply] : cases) {
    SCOPED_TRACE(what);
    Server.Serve("/broken", reply);
    try {
      Http.Fetch(Server.Url("/broken"));
      ADD_FAILURE() << "no error";
    } catch (const EIEHTTPError& error) {
      EXPECT_EQ(std::string_view(error.what()).substr(0, 4), "TIE:");
    }
    EXPECT_EQ(Http.Response().Size(), 0u);
    EXPECT_TRUE(Http.ResponseLines().empty());
  }
}

TEST_F(IEHTTPFetch, CompressedBodiesInflatingBeyondTheCapFailWithTheCapsMessage) {
  TTransferLimits limits;
  limits.MaxBodyBytes = 6000;
  Http.SetTransferLimits(limits);
  const std::string inflated(6001, 'z');
  HttpReply encoded = HttpReply::Page(GzipMember(inflated));
  encoded.Headers.push_back({"Content-Encoding", "gzip"});
  const std::pair<HttpReply, std::string> cases[] = {
      {encoded, "TIE: the body of " + Server.Url("/bomb") + " is larger than 6000 bytes"},
      {HttpReply::Page(kSignature + ZlibStream(inflated)),
       "TIE: compressed body could not be inflated: output exceeds the size cap"},
  };
  for (const auto& [reply, message] : cases) {
    SCOPED_TRACE(message);
    Server.Serve("/bomb", reply);
    try {
      Http.Fetch(Server.Url("/bomb"));
      ADD_FAILURE() << "no error";
    } catch (const EIEHTTPError& error) {
      EXPECT_EQ(error.what(), message);
    }
    EXPECT_EQ(Http.Response().Size(), 0u);
  }
}

TEST_F(IEHTTPFetch, BodyThatTricklesInEndsAtTheTransferTimeLimit) {
  TTransferLimits limits;
  limits.StallSeconds = 60;
  limits.TotalSeconds = 2;
  Http.SetTransferLimits(limits);
  // A byte every half second keeps clear of the stall limit: only the overall limit ends it.
  Server.Serve("/trickle", HttpReply::InPieces(std::vector<std::string>(60, "x"), 500ms));
  const auto started = std::chrono::steady_clock::now();
  try {
    Http.Fetch(Server.Url("/trickle"));
    ADD_FAILURE() << "no error";
  } catch (const EIEHTTPError& error) {
    EXPECT_EQ(error.what(), "TIE: retrieving " + Server.Url("/trickle") +
                                " took longer than the limit of 2 seconds");
  }
  EXPECT_LT(std::chrono::steady_clock::now() - started, 20s);
  EXPECT_EQ(Http.Response().Size(), 0u);
  EXPECT_GT(Http.BytesRead(), 0);
}

TEST_F(IEHTTPFetch, FifoAsAFileAddressIsNotOpenedAndDoesNotWaitForAWriter) {
  const auto fifo =
      std::filesystem::temp_directory_path() / ("zendrik_fetch_fifo_" + std::to_string(::getpid()));
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_EQ(Http.Fetch("file://" + fifo.string()), "");
  EXPECT_EQ(Http.OpenFailure(), "not a regular file");
  std::filesystem::remove(fifo);
}

TEST_F(IEHTTPFetch, BodyAtTheCapIsAccepted) {
  TTransferLimits limits;
  limits.MaxBodyBytes = 6000;
  Http.SetTransferLimits(limits);
  HttpReply reply = HttpReply::InPieces({std::string(3000, 'a'), std::string(3000, 'b')}, 0ms);
  reply.Chunked = true;
  Server.Serve("/full", reply);
  Http.Fetch(Server.Url("/full"));
  EXPECT_EQ(Http.Response().Size(), 6000u);
}

TEST_F(IEHTTPFetch, ErrorInOnPacketReadLeavesFetch) {
  Server.Serve("/page.html", HttpReply::Page(kPage));
  Http.OnPacketRead = [](TIEHTTP&) { throw std::runtime_error("stop"); };
  EXPECT_THROW(Http.Fetch(Server.Url("/page.html")), std::runtime_error);
}

TEST_F(IEHTTPFetch, OnWaitRunsWhileNothingArrivesAndEndsTheFetchByThrowing) {
  TTransferLimits limits;
  limits.StallSeconds = 30;
  Http.SetTransferLimits(limits);
  HttpReply stalled = HttpReply::InPieces({"<p>first"}, 0ms);
  stalled.End = HttpReply::Ending::Stall;
  Server.Serve("/stalled", stalled);
  testsupport::SilentLoopbackListener silent;
  const std::string addresses[] = {Server.Url("/stalled"),
                                   "http://127.0.0.1:" + std::to_string(silent.Port()) + "/"};
  for (const std::string& address : addresses) {
    SCOPED_TRACE(address);
    int waits = 0;
    Http.OnWait = [&waits](TIEHTTP&) {
      if (++waits == 5) throw EIEHTTPAborted();
    };
    EXPECT_THROW(Http.Fetch(address), EIEHTTPAborted);
    EXPECT_EQ(waits, 5);
    EXPECT_EQ(Http.Response().Size(), 0u);
  }
  // A fetch that is not stopped calls it too, and ends as before.
  Server.Serve("/page.html", HttpReply::Page(kPage));
  int waits = 0;
  Http.OnWait = [&waits](TIEHTTP&) { ++waits; };
  Http.Fetch(Server.Url("/page.html"));
  EXPECT_EQ(Http.Response().Bytes(), kPage);
  EXPECT_GT(waits, 0);
}

TEST_F(IEHTTPFetch, FileAddressIsReadAndInflated) {
  const auto path = std::filesystem::temp_directory_path() / "zendrik_fetch_test.html";
  for (const std::string& contents : {kPage, kSignature + ZlibStream(kPage)}) {
    std::ofstream(path, std::ios::binary) << contents;
    Http.Fetch("file://" + path.string());
    EXPECT_EQ(Http.Response().Bytes(), kPage);
    EXPECT_EQ(Http.BytesRead(), static_cast<std::int64_t>(contents.size()));
  }
  Http.Fetch("file://" + path.string() + std::string(1, '\0') + ".bak");
  EXPECT_EQ(Http.OpenFailure(), "the address holds a NUL byte");
  std::filesystem::remove(path);
}

}  // namespace
}  // namespace zendrik
