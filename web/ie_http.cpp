#include "web/ie_http.h"

#include "web/body_encodings.h"

#include <algorithm>
#include <cstring>

namespace zendrik {

TIEHTTP::TIEHTTP() : ResponseStream(std::make_unique<TMemoryStream>()) {
  SetRequestMethod("GET");
  SetMultipartPOST(false);
}

std::string TIEHTTP::Fetch(const std::string& address) {
  FetchResponse(address);
  return LinesAsText();
}

void TIEHTTP::FetchResponse(const std::string& address) {
  Lines.clear();
  ResponseStream->Clear();
  try {
    Retrieve(address, *ResponseStream);
    ResponseStream->Seek(0);
    DecodeGzipBody(ResponseStream, Limits.MaxBodyBytes);
  } catch (...) {
    ResponseStream->Clear();  // a broken body must not pass for a whole one
    throw;
  }
  SplitResponseLines();
}

void TIEHTTP::Retrieve(const std::string& address, TMemoryStream& stream) {
  ReadCount = 0;
  AnnouncedCount = -1;
  const auto afterChunk = [this](std::size_t size, std::int64_t announced) {
    ReadCount += static_cast<std::int64_t>(size);
    AnnouncedCount = announced;
    if (OnPacketRead) {
      OnPacketRead(*this);
    }
  };
  OpenFailureReason.clear();
  const auto whileWaiting = [this] {
    if (OnWait) {
      OnWait(*this);
    }
  };
  TTransferResult result = RunTransfer(address, Limits, stream, afterChunk, whileWaiting);
  if (result.End == TTransferEnd::NotOpened) {
    OpenFailureReason = std::move(result.Reason);
  } else if (OnPacketRead) {
    OnPacketRead(*this);  // the final read of 0 bytes
  }
}

void TIEHTTP::SplitResponseLines() {
  const std::string_view body = ResponseStream->Bytes();
  const char* const begin = body.data();
  const char* const end = begin + body.size();
  // The next CR and the next LF are found with memchr, each searched again only once passed,
  // so the scan runs at memchr's speed instead of testing every byte twice.
  const auto next = [end](const char* from, char c) {
    const void* found = std::memchr(from, c, static_cast<std::size_t>(end - from));
    return found ? static_cast<const char*>(found) : end;
  };
  const char* nextCR = next(begin, '\r');
  const char* nextLF = next(begin, '\n');
  AllBreaksCRLF = true;
  const char* start = begin;
  while (start < end) {
    const char* lineEnd = std::min(nextCR, nextLF);
    Lines.emplace_back(start, static_cast<std::size_t>(lineEnd - start));
    if (lineEnd == end) {
      AllBreaksCRLF = false;  // the last line has no break of its own
      return;
    }
    const bool crlf = *lineEnd == '\r' && lineEnd + 1 < end && lineEnd[1] == '\n';
    AllBreaksCRLF = AllBreaksCRLF && crlf;
    start = lineEnd + (crlf ? 2 : 1);
    if (nextCR < start) {
      nextCR = next(start, '\r');
    }
    if (nextLF < start) {
      nextLF = next(start, '\n');
    }
  }
}

std::string TIEHTTP::LinesAsText() const {
  const std::string_view body = ResponseStream->Bytes();
  if (AllBreaksCRLF || body.empty()) {
    return std::string(body);  // already every line followed by CR LF
  }
  std::size_t size = 0;
  for (const std::string_view line : Lines) {
    size += line.size() + 2;
  }
  std::string text(size, '\0');
  char* out = text.data();
  for (const std::string_view line : Lines) {
    std::memcpy(out, line.data(), line.size());
    out += line.size();
    *out++ = '\r';
    *out++ = '\n';
  }
  return text;
}

}  // namespace zendrik
