#include "web/curl_transfer.h"

#include <algorithm>
#include <memory>

#include "base/system_name.h"
#include "web/transfer_setup.h"

namespace zendrik {

namespace {

/// Runs the transfer on a multi handle, so that the calling thread gets control back after
/// every wait for the network; returns the transfer's own result.
CURLcode Perform(CURL* curl, const TTransferLimits& limits, const TWaitHandler& whileWaiting) {
  const std::unique_ptr<CURLM, CURLMcode (*)(CURLM*)> multi(curl_multi_init(), &curl_multi_cleanup);
  if (!multi || curl_multi_add_handle(multi.get(), curl) != CURLM_OK) {
    throw EIEHTTPError("TIE: libcurl could not start a transfer");
  }
  // Detached before the multi handle goes, also when the wait handler throws.
  const auto detach = [&multi](CURL* easy) { curl_multi_remove_handle(multi.get(), easy); };
  const std::unique_ptr<CURL, decltype(detach)> attached(curl, detach);
  const int waitMs = static_cast<int>(std::max(1L, limits.WaitTickMilliseconds));
  for (int running = 1;;) {
    if (curl_multi_perform(multi.get(), &running) != CURLM_OK) {
      throw EIEHTTPError("TIE: libcurl could not run the transfer");
    }
    if (running == 0) {
      break;
    }
    curl_multi_poll(multi.get(), nullptr, 0, waitMs, nullptr);
    if (whileWaiting) {
      whileWaiting();
    }
  }
  int queued = 0;
  while (const CURLMsg* message = curl_multi_info_read(multi.get(), &queued)) {
    if (message->msg == CURLMSG_DONE && message->easy_handle == curl) {
      return message->data.result;
    }
  }
  return CURLE_FAILED_INIT;
}

}  // namespace

TTransferResult RunTransfer(const std::string& address, const TTransferLimits& limits,
                            TMemoryStream& body, const TChunkHandler& afterChunk,
                            const TWaitHandler& whileWaiting) {
  InitCurlOnce();
  // libcurl, like the system, would end the address at a NUL byte and open another one.
  if (!IsSystemName(address)) return {TTransferEnd::NotOpened, "the address holds a NUL byte"};
  const TCurlUrl url = ParseOpenableAddress(address);
  if (!url) {
    return {TTransferEnd::NotOpened, curl_easy_strerror(CURLE_UNSUPPORTED_PROTOCOL)};
  }
  if (std::string problem = LocalFileProblem(url.get()); !problem.empty()) {
    return {TTransferEnd::NotOpened, std::move(problem)};
  }
  std::unique_ptr<CURL, void (*)(CURL*)> curl(curl_easy_init(), &curl_easy_cleanup);
  if (!curl) {
    throw EIEHTTPError("TIE: libcurl could not create a transfer");
  }
  TTransferState state(limits, body, afterChunk, curl.get());
  char errorText[CURL_ERROR_SIZE] = "";
  ConfigureTransfer(curl.get(), url.get(), state, errorText);
  return FinishTransfer(address, state, Perform(curl.get(), limits, whileWaiting), errorText);
}

}  // namespace zendrik
