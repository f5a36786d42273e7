#include "web/ie_http.h"

#include "web/body_encodings.h"

namespace zendrik {

TIEHTTP::TIEHTTP() : ResponseStream(std::make_unique<TMemoryStream>()) {
  SetRequestMethod("GET");
  SetMultipartPOST(false);
}

std::string TIEHTTP::Fetch(const std::string& address) {
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

  std::string text;
  text.reserve(ResponseStream->Size() + 2 * Lines.size());
  for (const std::string_view line : Lines) {
    text += line;
    text += "\r\n";
  }
  return text;
}

void TIEHTTP::Retrieve(const std::string& address, TMemoryStream& stream) {
  ReadCount = 0;
  const auto afterChunk = [this](std::size_t size) {
    ReadCount += static_cast<std::int64_t>(size);
    if (OnPacketRead) {
      OnPacketRead(*this);
    }
  };
  if (RunTransfer(address, Limits, stream, afterChunk) == TTransferEnd::Complete &&
      OnPacketRead) {
    OnPacketRead(*this);  // the final read of 0 bytes
  }
}

void TIEHTTP::SplitResponseLines() {
  const std::string_view body = ResponseStream->Bytes();
  std::size_t start = 0;
  for (std::size_t i = 0; i < body.size(); ++i) {
    const char c = body[i];
    if (c != '\r' && c != '\n') {
      continue;
    }
    Lines.push_back(body.substr(start, i - start));
    if (c == '\r' && i + 1 < body.size() && body[i + 1] == '\n') {
      ++i;
    }
    start = i + 1;
  }
  if (start < body.size()) {
    Lines.push_back(body.substr(start));
  }
}

}  // namespace zendrik
