#include "web/curl_multi.h"

#include "web/transfer_setup.h"

#include <algorithm>

namespace zendrik {
namespace {

const TChunkHandler kIgnoreChunks = [](std::size_t, std::int64_t) {};

/// One running transfer: its handle, its body and the state its callbacks keep. Its address
/// is where libcurl's CURLOPT_PRIVATE points, so it does not move.
struct TRunningTransfer {
  TRunningTransfer(std::size_t index, const std::string& address, TCurlUrl url,
                   const TTransferLimits& limits)
      : Index(index),
        Address(address),
        Url(std::move(url)),
        Curl(curl_easy_init(), &curl_easy_cleanup),
        State(limits, *Body, kIgnoreChunks, Curl.get()) {}

  std::size_t Index;
  const std::string& Address;
  TCurlUrl Url;
  std::unique_ptr<TMemoryStream> Body = std::make_unique<TMemoryStream>();
  std::unique_ptr<CURL, void (*)(CURL*)> Curl;
  TTransferState State;
  char ErrorText[CURL_ERROR_SIZE] = "";
};

/// The multi handle and the transfers on it; every transfer still running is taken off the
/// handle before either is freed.
class TConcurrentTransfers {
 public:
  explicit TConcurrentTransfers(const TTransferLimits& limits)
      : Limits(limits), Multi(curl_multi_init(), &curl_multi_cleanup) {
    if (!Multi) throw EIEHTTPError("TIE: libcurl could not create a transfer");
  }
  TConcurrentTransfers(const TConcurrentTransfers&) = delete;
  TConcurrentTransfers& operator=(const TConcurrentTransfers&) = delete;
  ~TConcurrentTransfers() {
    for (const auto& transfer : Running)
      curl_multi_remove_handle(Multi.get(), transfer->Curl.get());
  }

  std::size_t Count() const { return Running.size(); }

  /// Starts the transfer of `address`, or reports it at once when it cannot be started.
  void Start(std::size_t index, const std::string& address, const TTransferDone& done) {
    TCurlUrl url = ParseOpenableAddress(address);
    if (!url) {
      TFinishedTransfer finished{index, TTransferEnd::NotOpened,
                                 curl_easy_strerror(CURLE_UNSUPPORTED_PROTOCOL), nullptr};
      done(finished);
      return;
    }
    if (std::string problem = LocalFileProblem(url.get()); !problem.empty()) {
      TFinishedTransfer finished{index, TTransferEnd::NotOpened, std::move(problem), nullptr};
      done(finished);
      return;
    }
    auto transfer = std::make_unique<TRunningTransfer>(index, address, std::move(url), Limits);
    if (!transfer->Curl) throw EIEHTTPError("TIE: libcurl could not create a transfer");
    ConfigureTransfer(transfer->Curl.get(), transfer->Url.get(), transfer->State,
                      transfer->ErrorText);
    curl_easy_setopt(transfer->Curl.get(), CURLOPT_PRIVATE, transfer.get());
    if (curl_multi_add_handle(Multi.get(), transfer->Curl.get()) != CURLM_OK)
      throw EIEHTTPError("TIE: libcurl could not start the transfer of " + address);
    Running.push_back(std::move(transfer));
  }

  /// Lets the transfers run and reports those that ended; when none did, waits until
  /// something happens on their connections (at most a second, so that stalls are seen).
  void Advance(const TTransferDone& done) {
    int stillRunning = 0;
    curl_multi_perform(Multi.get(), &stillRunning);
    bool anyEnded = false;
    int queued = 0;
    while (CURLMsg* message = curl_multi_info_read(Multi.get(), &queued)) {
      if (message->msg != CURLMSG_DONE) continue;
      anyEnded = true;
      Finish(message->easy_handle, message->data.result, done);
    }
    if (!anyEnded) curl_multi_poll(Multi.get(), nullptr, 0, 1000, nullptr);
  }

 private:
  void Finish(CURL* curl, CURLcode code, const TTransferDone& done) {
    const auto found = std::find_if(Running.begin(), Running.end(), [curl](const auto& transfer) {
      return transfer->Curl.get() == curl;
    });
    std::unique_ptr<TRunningTransfer> transfer = std::move(*found);
    Running.erase(found);
    curl_multi_remove_handle(Multi.get(), curl);
    TFinishedTransfer finished{transfer->Index, TTransferEnd::Complete, {}, nullptr};
    try {
      TTransferResult result =
          FinishTransfer(transfer->Address, transfer->State, code, transfer->ErrorText);
      finished.End = result.End;
      finished.Reason = std::move(result.Reason);
      if (result.End == TTransferEnd::Complete) finished.Body = std::move(transfer->Body);
    } catch (const EIEHTTPError& error) {
      finished.End = TTransferEnd::Failed;
      finished.Reason = error.what();
    }
    transfer.reset();  // the body of a failed transfer goes before the next one is handled
    done(finished);
  }

  const TTransferLimits& Limits;
  std::unique_ptr<CURLM, CURLMcode (*)(CURLM*)> Multi;
  std::vector<std::unique_ptr<TRunningTransfer>> Running;
};

}  // namespace

void RunTransfers(const std::vector<std::string>& addresses, const TTransferLimits& limits,
                  std::size_t maxConcurrent, const TTransferDone& done) {
  InitCurlOnce();
  maxConcurrent = std::max<std::size_t>(maxConcurrent, 1);
  TConcurrentTransfers transfers(limits);
  std::size_t next = 0;
  while (next < addresses.size() || transfers.Count() > 0) {
    while (next < addresses.size() && transfers.Count() < maxConcurrent) {
      transfers.Start(next, addresses[next], done);
      ++next;
    }
    if (transfers.Count() > 0) transfers.Advance(done);
  }
}

}  // namespace zendrik
