#include "web/curl_transfer.h"

#include "base/ascii.h"
#include "base/system_name.h"

#include <curl/curl.h>

#include <algorithm>
#include <chrono>
#include <exception>
#include <memory>
#include <mutex>
#include <string_view>

namespace zendrik {
namespace {

using TClock = std::chrono::steady_clock;

constexpr long kMaxRedirects = 20;

void InitCurlOnce() {
  static std::once_flag once;
  std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

using TCurlUrl = std::unique_ptr<CURLU, void (*)(CURLU*)>;

/// Parses the address for the transfer; null when it names no scheme this client opens.
/// libcurl on its own would guess "http" for an address without a scheme; such an address is
/// not opened. Spaces and bytes outside ASCII are percent-encoded, as browsers send them.
TCurlUrl ParseOpenableAddress(const std::string& address) {
  TCurlUrl url(curl_url(), &curl_url_cleanup);
  char* scheme = nullptr;
  if (!url ||
      curl_url_set(url.get(), CURLUPART_URL, address.c_str(),
                   CURLU_ALLOW_SPACE | CURLU_URLENCODE) != CURLUE_OK ||
      curl_url_get(url.get(), CURLUPART_SCHEME, &scheme, 0) != CURLUE_OK) {
    return TCurlUrl(nullptr, &curl_url_cleanup);
  }
  const std::string_view name(scheme);  // libcurl hands the scheme back in lower case
  const bool openable = name == "http" || name == "https" || name == "file";
  curl_free(scheme);
  return openable ? std::move(url) : TCurlUrl(nullptr, &curl_url_cleanup);
}

/// State shared with libcurl's callbacks during one transfer.
struct TTransferState {
  TTransferState(const TTransferLimits& limits, TMemoryStream& body,
                 const TChunkHandler& afterChunk, CURL* curl)
      : Limits(limits), Body(body), AfterChunk(afterChunk), Curl(curl) {}

  const TTransferLimits& Limits;
  TMemoryStream& Body;
  const TChunkHandler& AfterChunk;
  CURL* Curl;
  std::size_t Received = 0;
  TClock::time_point LastData = TClock::now();
  int Status = 0;
  bool HasLocation = false;
  bool TransferEncoded = false;  // Content-Encoding: the announced length is not the body's
  std::int64_t Announced = -1;
  bool Opened = false;
  bool OverCap = false;
  bool Stalled = false;
  std::exception_ptr CallbackError;
};

bool IsFollowedRedirect(int status, bool hasLocation) {
  return hasLocation &&
         (status == 301 || status == 302 || status == 303 || status == 307 || status == 308);
}

/// Watches the header blocks: the end of a final (not informational, not redirected) block
/// means the address was opened.
std::size_t OnHeader(char* data, std::size_t size, std::size_t count, void* user) {
  auto& state = *static_cast<TTransferState*>(user);
  const std::size_t n = size * count;
  const std::string_view line(data, n);
  state.LastData = TClock::now();
  if (line.starts_with("HTTP/")) {
    const std::size_t space = line.find(' ');
    state.Status = 0;
    for (std::size_t i = space + 1;
         space != std::string_view::npos && i < line.size() && line[i] >= '0' && line[i] <= '9';
         ++i) {
      state.Status = state.Status * 10 + (line[i] - '0');
    }
    state.HasLocation = false;
    state.TransferEncoded = false;
  } else if (StartsWithNoCase(line, "location:")) {
    state.HasLocation = true;
  } else if (StartsWithNoCase(line, "content-encoding:")) {
    state.TransferEncoded = line.find("identity") == std::string_view::npos;
  } else if (line == "\r\n" || line == "\n") {
    if (state.Status >= 200 && !IsFollowedRedirect(state.Status, state.HasLocation)) {
      state.Opened = true;
    }
  }
  return n;
}

/// Notes the announced body length once and reserves room for it, so that a large body is
/// not copied as it grows.
void TakeAnnouncedLength(TTransferState& state) {
  curl_off_t announced = -1;
  if (state.TransferEncoded ||
      curl_easy_getinfo(state.Curl, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &announced) != CURLE_OK ||
      announced < 0) {
    return;
  }
  state.Announced = announced;
  state.Body.Reserve(state.Body.Size() +
                     std::min(static_cast<std::size_t>(announced), state.Limits.MaxBodyBytes));
}

/// Appends one chunk of the body. Returning less than `n` makes libcurl abort the transfer;
/// exceptions must not cross libcurl, so they are kept and rethrown afterwards.
std::size_t OnBody(char* data, std::size_t size, std::size_t count, void* user) {
  auto& state = *static_cast<TTransferState*>(user);
  const std::size_t n = size * count;
  state.LastData = TClock::now();
  state.Opened = true;
  if (n > state.Limits.MaxBodyBytes - state.Received) {
    state.OverCap = true;
    return 0;
  }
  try {
    if (state.Received == 0) {
      TakeAnnouncedLength(state);
    }
    state.Body.Append(std::string_view(data, n));
    state.Received += n;
    state.AfterChunk(n, state.Announced);
  } catch (...) {
    state.CallbackError = std::current_exception();
    return 0;
  }
  return n;
}

/// Called by libcurl about once a second even while nothing arrives: aborts a stalled transfer.
int OnProgress(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
  auto& state = *static_cast<TTransferState*>(user);
  if (TClock::now() - state.LastData >= std::chrono::seconds(state.Limits.StallSeconds)) {
    state.Stalled = true;
    return 1;
  }
  return 0;
}

void Configure(CURL* curl, CURLU* address, TTransferState& state, char* errorText) {
  curl_easy_setopt(curl, CURLOPT_CURLU, address);
  curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https,file");
  curl_easy_setopt(curl, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(curl, CURLOPT_USERAGENT, "SessionName");
  curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
  curl_easy_setopt(curl, CURLOPT_MAXREDIRS, kMaxRedirects);
  curl_easy_setopt(curl, CURLOPT_ACCEPT_ENCODING, "");
  curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, state.Limits.ConnectTimeoutSeconds);
  curl_easy_setopt(curl, CURLOPT_MAXFILESIZE_LARGE,
                   static_cast<curl_off_t>(state.Limits.MaxBodyBytes));
  curl_easy_setopt(curl, CURLOPT_SSL_VERIFYPEER, 1L);
  curl_easy_setopt(curl, CURLOPT_SSL_VERIFYHOST, 2L);
  curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(curl, CURLOPT_SUPPRESS_CONNECT_HEADERS, 1L);
  curl_easy_setopt(curl, CURLOPT_BUFFERSIZE, 256L * 1024);
  curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, errorText);
  curl_easy_setopt(curl, CURLOPT_HEADERFUNCTION, &OnHeader);
  curl_easy_setopt(curl, CURLOPT_HEADERDATA, &state);
  curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, &OnBody);
  curl_easy_setopt(curl, CURLOPT_WRITEDATA, &state);
  curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
  curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, &OnProgress);
  curl_easy_setopt(curl, CURLOPT_XFERINFODATA, &state);
}

std::string NotOpenedReason(const TTransferState& state, CURLcode code, const char* errorText) {
  if (state.Stalled) {
    return "no response for " + std::to_string(state.Limits.StallSeconds) + " seconds";
  }
  return *errorText ? errorText : curl_easy_strerror(code);
}

[[noreturn]] void FailAfterOpen(const std::string& address, const TTransferState& state,
                                CURLcode code, const char* errorText) {
  if (state.OverCap || code == CURLE_FILESIZE_EXCEEDED) {
    throw EIEHTTPError("TIE: the body of " + address + " is larger than " +
                       std::to_string(state.Limits.MaxBodyBytes) + " bytes");
  }
  if (state.Stalled) {
    throw EIEHTTPError("TIE: no data from " + address + " for " +
                       std::to_string(state.Limits.StallSeconds) + " seconds");
  }
  throw EIEHTTPError("TIE: retrieving " + address +
                     " broke off: " + (*errorText ? errorText : curl_easy_strerror(code)));
}

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
  std::unique_ptr<CURL, void (*)(CURL*)> curl(curl_easy_init(), &curl_easy_cleanup);
  if (!curl) {
    throw EIEHTTPError("TIE: libcurl could not create a transfer");
  }
  TTransferState state(limits, body, afterChunk, curl.get());
  char errorText[CURL_ERROR_SIZE] = "";
  Configure(curl.get(), url.get(), state, errorText);

  const CURLcode code = Perform(curl.get(), limits, whileWaiting);
  if (state.CallbackError) {
    std::rethrow_exception(state.CallbackError);
  }
  if (code == CURLE_OK) {
    return {};
  }
  if (!state.Opened && !state.OverCap && code != CURLE_FILESIZE_EXCEEDED) {
    return {TTransferEnd::NotOpened, NotOpenedReason(state, code, errorText)};
  }
  FailAfterOpen(address, state, code, errorText);
}

}  // namespace zendrik
