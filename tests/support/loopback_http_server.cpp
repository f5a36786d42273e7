#include "tests/support/loopback_http_server.h"

#include "base/ascii.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <stdexcept>

namespace zendrik::testsupport {
namespace {

constexpr std::size_t kMaxRequestHead = 64 * 1024;
constexpr std::size_t kMissingBytes = 1000;  // announced but never sent by a broken reply

[[noreturn]] void FailSystem(const char* what) {
  throw std::runtime_error(std::string("loopback server: ") + what + ": " + std::strerror(errno));
}

/// Waits until `fd` is ready for `events`. Returns false when the server stops or the timeout
/// (-1: none) passes first.
bool WaitFor(int fd, short events, int stopFd, int timeoutMs) {
  pollfd fds[2] = {{stopFd, POLLIN, 0}, {fd, events, 0}};
  int ready;
  do {
    ready = ::poll(fds, 2, timeoutMs);
  } while (ready < 0 && errno == EINTR);
  return ready > 0 && fds[0].revents == 0;
}

/// Sleeps for `ms` milliseconds unless the server stops first; false when it stopped.
bool PauseUnlessStopped(int stopFd, int ms) {
  pollfd stop{stopFd, POLLIN, 0};
  int ready;
  do {
    ready = ::poll(&stop, 1, ms);
  } while (ready < 0 && errno == EINTR);
  return ready == 0;
}

bool SendAll(int fd, std::string_view data, int stopFd) {
  while (!data.empty()) {
    const ssize_t sent = ::send(fd, data.data(), data.size(), MSG_NOSIGNAL);
    if (sent > 0) {
      data.remove_prefix(static_cast<std::size_t>(sent));
    } else if (sent < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)) {
      if (!WaitFor(fd, POLLOUT, stopFd, -1)) {
        return false;
      }
    } else {
      return false;
    }
  }
  return true;
}

/// Reads up to the blank line that ends a request head; empty on failure.
std::string ReadRequestHead(int fd, int stopFd) {
  std::string head;
  char buffer[4096];
  while (head.find("\r\n\r\n") == std::string::npos) {
    if (head.size() > kMaxRequestHead || !WaitFor(fd, POLLIN, stopFd, -1)) {
      return {};
    }
    const ssize_t n = ::recv(fd, buffer, sizeof buffer, 0);
    if (n == 0 || (n < 0 && errno != EAGAIN && errno != EINTR)) {
      return {};
    }
    if (n > 0) {
      head.append(buffer, static_cast<std::size_t>(n));
    }
  }
  return head;
}

HttpRequest ParseRequestHead(std::string_view head) {
  HttpRequest request;
  std::size_t lineEnd = head.find("\r\n");
  const std::string_view first = head.substr(0, lineEnd);
  const std::size_t space1 = first.find(' ');
  const std::size_t space2 = first.find(' ', space1 + 1);
  request.Method = std::string(first.substr(0, space1));
  request.Target = std::string(first.substr(space1 + 1, space2 - space1 - 1));
  while (lineEnd != std::string_view::npos) {
    const std::size_t start = lineEnd + 2;
    lineEnd = head.find("\r\n", start);
    const std::string_view line = head.substr(start, lineEnd - start);
    const std::size_t colon = line.find(':');
    if (colon == std::string_view::npos) {
      continue;
    }
    const std::string name = LowerCase(line.substr(0, colon));
    const std::size_t valueStart = line.find_first_not_of(' ', colon + 1);
    request.Headers[name] =
        valueStart == std::string_view::npos ? "" : std::string(line.substr(valueStart));
  }
  return request;
}

const char* ReasonPhrase(int status) {
  switch (status) {
    case 200: return "OK";
    case 301: return "Moved Permanently";
    case 302: return "Found";
    case 303: return "See Other";
    case 307: return "Temporary Redirect";
    case 308: return "Permanent Redirect";
    case 404: return "Not Found";
    case 500: return "Internal Server Error";
    default: return "Status";
  }
}

std::string ResponseHead(const HttpReply& reply) {
  std::string head =
      "HTTP/1.1 " + std::to_string(reply.Status) + " " + ReasonPhrase(reply.Status) + "\r\n";
  for (const auto& [name, value] : reply.Headers) {
    head += name + ": " + value + "\r\n";
  }
  if (reply.Chunked) {
    head += "Transfer-Encoding: chunked\r\n";
  } else {
    std::size_t length = reply.End == HttpReply::Ending::Complete ? 0 : kMissingBytes;
    for (const std::string& piece : reply.Pieces) {
      length += piece.size();
    }
    head += "Content-Length: " + std::to_string(length) + "\r\n";
  }
  return head + "Connection: close\r\n\r\n";
}

/// Sends the pieces of the body; false when the client went away or the server stops.
bool SendBody(int fd, const HttpReply& reply, int stopFd) {
  for (std::size_t i = 0; i < reply.Pieces.size(); ++i) {
    if (i > 0 && reply.Pause.count() > 0 &&
        !PauseUnlessStopped(stopFd, static_cast<int>(reply.Pause.count()))) {
      return false;
    }
    const std::string& piece = reply.Pieces[i];
    if (reply.Chunked) {
      if (piece.empty()) {
        continue;  // an empty chunk would end the body
      }
      char size[32];
      std::snprintf(size, sizeof size, "%zx\r\n", piece.size());
      if (!SendAll(fd, size, stopFd) || !SendAll(fd, piece, stopFd) ||
          !SendAll(fd, "\r\n", stopFd)) {
        return false;
      }
    } else if (!SendAll(fd, piece, stopFd)) {
      return false;
    }
  }
  return true;
}

}  // namespace

HttpReply HttpReply::Page(std::string body, std::string contentType) {
  HttpReply reply;
  reply.Headers.emplace_back("Content-Type", std::move(contentType));
  reply.Pieces.push_back(std::move(body));
  return reply;
}

HttpReply HttpReply::InPieces(std::vector<std::string> pieces, std::chrono::milliseconds pause) {
  HttpReply reply;
  reply.Headers.emplace_back("Content-Type", "text/html");
  reply.Pieces = std::move(pieces);
  reply.Pause = pause;
  return reply;
}

HttpReply HttpReply::Redirect(std::string location, int status) {
  HttpReply reply = WithStatus(status, "<p>moved</p>");
  reply.Headers.emplace_back("Location", std::move(location));
  return reply;
}

HttpReply HttpReply::WithStatus(int status, std::string body) {
  HttpReply reply = Page(std::move(body));
  reply.Status = status;
  return reply;
}

namespace {

// A socket listening on a free port of 127.0.0.1; returns the socket and sets `port`.
int ListenOnLoopback(std::uint16_t& port) {
  const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) {
    FailSystem("socket");
  }
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
      ::listen(fd, 64) != 0 ||
      ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
    FailSystem("bind");
  }
  port = ntohs(address.sin_port);
  return fd;
}

}  // namespace

LoopbackHttpServer::LoopbackHttpServer() {
  StopFd = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
  if (StopFd < 0) {
    FailSystem("eventfd");
  }
  ListenFd = ListenOnLoopback(ListenPort);
  Acceptor = std::thread([this] { AcceptLoop(); });
}

SilentLoopbackListener::SilentLoopbackListener() { ListenFd = ListenOnLoopback(ListenPort); }

SilentLoopbackListener::~SilentLoopbackListener() { ::close(ListenFd); }

LoopbackHttpServer::~LoopbackHttpServer() {
  const std::uint64_t one = 1;
  [[maybe_unused]] const ssize_t written = ::write(StopFd, &one, sizeof one);
  Acceptor.join();
  for (std::thread& connection : Connections) {
    connection.join();
  }
  ::close(ListenFd);
  ::close(StopFd);
}

void LoopbackHttpServer::Serve(const std::string& path, HttpReply reply) {
  std::lock_guard<std::mutex> guard(Lock);
  Replies[path] = std::make_shared<const HttpReply>(std::move(reply));
}

std::string LoopbackHttpServer::Url(std::string_view path) const {
  return "http://127.0.0.1:" + std::to_string(ListenPort) + std::string(path);
}

std::vector<HttpRequest> LoopbackHttpServer::Requests() const {
  std::lock_guard<std::mutex> guard(Lock);
  return Received;
}

void LoopbackHttpServer::AcceptLoop() {
  while (WaitFor(ListenFd, POLLIN, StopFd, -1)) {
    const int client = ::accept4(ListenFd, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
    if (client >= 0) {
      std::lock_guard<std::mutex> guard(Lock);
      Connections.emplace_back([this, client] { HandleConnection(client); });
    }
  }
}

std::shared_ptr<const HttpReply> LoopbackHttpServer::ReplyFor(const std::string& target) const {
  std::lock_guard<std::mutex> guard(Lock);
  const auto found = Replies.find(target);
  if (found != Replies.end()) {
    return found->second;
  }
  return std::make_shared<const HttpReply>(HttpReply::WithStatus(404, "<p>not found</p>"));
}

void LoopbackHttpServer::HandleConnection(int client) {
  const std::string head = ReadRequestHead(client, StopFd);
  if (!head.empty()) {
    HttpRequest request = ParseRequestHead(head);
    const std::shared_ptr<const HttpReply> reply = ReplyFor(request.Target);
    {
      std::lock_guard<std::mutex> guard(Lock);
      Received.push_back(std::move(request));
    }
    const bool sent =
        SendAll(client, ResponseHead(*reply), StopFd) && SendBody(client, *reply, StopFd);
    if (sent && reply->End == HttpReply::Ending::Complete) {
      if (reply->Chunked) {
        SendAll(client, "0\r\n\r\n", StopFd);
      }
      // Let the client read everything and close first, so that no reset cuts the body.
      ::shutdown(client, SHUT_WR);
      WaitFor(client, POLLIN, StopFd, 5000);
    } else if (sent && reply->End == HttpReply::Ending::Stall) {
      WaitFor(client, POLLIN, StopFd, -1);  // until the client gives up or the server stops
    }
  }
  ::close(client);
}

std::uint16_t UnusedLoopbackPort() {
  const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  if (fd < 0 || ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
      ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
    FailSystem("bind");
  }
  ::close(fd);
  return ntohs(address.sin_port);
}

}  // namespace zendrik::testsupport
