#pragma once

#include <chrono>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <utility>
#include <vector>

namespace zendrik::testsupport {

/// What the server sends for one path.
struct HttpReply {
  /// How the reply ends after its pieces have been sent.
  enum class Ending {
    Complete,      ///< the whole body has been sent
    CloseMidBody,  ///< the announced body is longer; the connection is closed
    Stall,         ///< the announced body is longer; nothing more is sent, the connection stays
  };

  int Status = 200;
  /// Header lines after the status line, e.g. {"Content-Encoding", "gzip"}. The server adds
  /// Content-Length (or Transfer-Encoding: chunked) and Connection: close itself.
  std::vector<std::pair<std::string, std::string>> Headers;
  /// The body, written piece by piece, each in its own write.
  std::vector<std::string> Pieces;
  /// Wait before every piece after the first, so that the client reads them separately.
  std::chrono::milliseconds Pause{0};
  bool Chunked = false;  ///< "Transfer-Encoding: chunked" instead of a Content-Length
  Ending End = Ending::Complete;

  /// A 200 page with the given body and content type.
  static HttpReply Page(std::string body, std::string contentType = "text/html");
  /// A 200 page whose body arrives in the given pieces, `pause` apart.
  static HttpReply InPieces(std::vector<std::string> pieces, std::chrono::milliseconds pause);
  /// A redirect to `location` (absolute, or a path on this server).
  static HttpReply Redirect(std::string location, int status = 302);
  /// Any status with an HTML body.
  static HttpReply WithStatus(int status, std::string body);
};

/// A request as the server received it. Header names are kept in lower case.
struct HttpRequest {
  std::string Method;
  std::string Target;
  std::map<std::string, std::string> Headers;
};

/// An HTTP/1.1 server on 127.0.0.1 at a free port, answering from a table of replies on
/// threads of its own; one request per connection. Paths without a reply get a 404. The
/// destructor ends every connection, stalled ones included, and joins the threads.
class LoopbackHttpServer {
 public:
  LoopbackHttpServer();
  ~LoopbackHttpServer();
  LoopbackHttpServer(const LoopbackHttpServer&) = delete;
  LoopbackHttpServer& operator=(const LoopbackHttpServer&) = delete;

  /// Answers requests for `path` (the request target, query included) with `reply`.
  void Serve(const std::string& path, HttpReply reply);
  std::uint16_t Port() const { return ListenPort; }
  /// "http://127.0.0.1:PORT" followed by `path`.
  std::string Url(std::string_view path) const;
  /// Every request received so far, in order of arrival.
  std::vector<HttpRequest> Requests() const;

 private:
  void AcceptLoop();
  void HandleConnection(int client);
  std::shared_ptr<const HttpReply> ReplyFor(const std::string& target) const;

  int ListenFd = -1;
  int StopFd = -1;  // an eventfd, readable once the server stops
  std::uint16_t ListenPort = 0;
  mutable std::mutex Lock;
  std::map<std::string, std::shared_ptr<const HttpReply>> Replies;
  std::vector<HttpRequest> Received;
  std::vector<std::thread> Connections;
  std::thread Acceptor;
};

/// A port on 127.0.0.1 that nothing listens on (bound and released), for refused connections.
std::uint16_t UnusedLoopbackPort();

/// A socket on 127.0.0.1 that listens and never accepts: connections complete in the kernel's
/// backlog and then hear nothing, like a server that hangs.
class SilentLoopbackListener {
 public:
  SilentLoopbackListener();
  ~SilentLoopbackListener();
  SilentLoopbackListener(const SilentLoopbackListener&) = delete;
  SilentLoopbackListener& operator=(const SilentLoopbackListener&) = delete;
  std::uint16_t Port() const { return ListenPort; }

 private:
  int ListenFd = -1;
  std::uint16_t ListenPort = 0;
};

}  // namespace zendrik::testsupport
