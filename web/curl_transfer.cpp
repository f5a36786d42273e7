#include "web/curl_transfer.h"

#include "web/transfer_setup.h"

namespace zendrik {

TTransferResult RunTransfer(const std::string& address, const TTransferLimits& limits,
                            TMemoryStream& body, const TChunkHandler& afterChunk) {
  InitCurlOnce();
  const TCurlUrl url = ParseOpenableAddress(address);
  if (!url) {
    return {TTransferEnd::NotOpened, curl_easy_strerror(CURLE_UNSUPPORTED_PROTOCOL)};
  }
  std::unique_ptr<CURL, void (*)(CURL*)> curl(curl_easy_init(), &curl_easy_cleanup);
  if (!curl) {
    throw EIEHTTPError("TIE: libcurl could not create a transfer");
  }
  TTransferState state(limits, body, afterChunk, curl.get());
  char errorText[CURL_ERROR_SIZE] = "";
  ConfigureTransfer(curl.get(), url.get(), state, errorText);
  return FinishTransfer(address, state, curl_easy_perform(curl.get()), errorText);
}

}  // namespace zendrik
