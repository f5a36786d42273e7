#include "web/transfer_setup.h"

#include "base/ascii.h"

#include <sys/stat.h>

#include <algorithm>
#include <mutex>
#include <string_view>

namespace zendrik {
namespace {

constexpr long kMaxRedirects = 20;

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
  state.LastData = std::chrono::steady_clock::now();
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
  state.LastData = std::chrono::steady_clock::now();
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

/// Called by libcurl about once a second even while nothing arrives: aborts a stalled transfer
/// and one that has run too long.
int OnProgress(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
  auto& state = *static_cast<TTransferState*>(user);
  const auto now = std::chrono::steady_clock::now();
  if (now - state.LastData >= std::chrono::seconds(state.Limits.StallSeconds)) {
    state.Stalled = true;
    return 1;
  }
  if (now - state.Started >= std::chrono::seconds(state.Limits.TotalSeconds)) {
    state.TooLong = true;
    return 1;
  }
  return 0;
}

std::string NotOpenedReason(const TTransferState& state, CURLcode code, const char* errorText) {
  if (state.Stalled) {
    return "no response for " + std::to_string(state.Limits.StallSeconds) + " seconds";
  }
  if (state.TooLong) {
    return "no complete response within " + std::to_string(state.Limits.TotalSeconds) + " seconds";
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
  if (state.TooLong) {
    throw EIEHTTPError("TIE: retrieving " + address + " took longer than the limit of " +
                       std::to_string(state.Limits.TotalSeconds) + " seconds");
  }
  throw EIEHTTPError("TIE: retrieving " + address +
                     " broke off: " + (*errorText ? errorText : curl_easy_strerror(code)));
}

}  // namespace

void InitCurlOnce() {
  static std::once_flag once;
  std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

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

std::string LocalFileProblem(CURLU* address) {
  char* scheme = nullptr;
  if (curl_url_get(address, CURLUPART_SCHEME, &scheme, 0) != CURLUE_OK) return {};
  const bool local = std::string_view(scheme) == "file";
  curl_free(scheme);
  char* path = nullptr;
  if (!local || curl_url_get(address, CURLUPART_PATH, &path, CURLU_URLDECODE) != CURLUE_OK) {
    return {};
  }
  struct stat info {};
  const bool irregular = ::stat(path, &info) == 0 && !S_ISREG(info.st_mode);
  curl_free(path);
  return irregular ? "not a regular file" : std::string();
}

void ConfigureTransfer(CURL* curl, CURLU* address, TTransferState& state, char* errorText) {
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

TTransferResult FinishTransfer(const std::string& address, const TTransferState& state,
                               CURLcode code, const char* errorText) {
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
