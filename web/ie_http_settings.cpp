#include "web/ie_http.h"

#include "base/ascii.h"
#include "base/system_name.h"

#include "web/body_encodings.h"

#include <curl/curl.h>

#include <cstdio>
#include <optional>

namespace zendrik {
namespace {

constexpr std::size_t kMaxMultipartNameLength = 255;

/// Owns a parsed address of libcurl's URL API.
using TCurlUrl = std::unique_ptr<CURLU, void (*)(CURLU*)>;

/// One part of a parsed address, or nothing when libcurl has none.
std::optional<std::string> UrlPart(CURLU* url, CURLUPart part) {
  char* text = nullptr;
  if (curl_url_get(url, part, &text, 0) != CURLUE_OK) {
    return std::nullopt;
  }
  std::string value(text);
  curl_free(text);
  return value;
}

}  // namespace

void TIEHTTP::SetRequestMethod(const std::string& method) {
  Method = UpperCase(method);
  if (Method == "POST") {
    Content = Multipart
                  ? "multipart/form-data; boundary=-----------------------------7cf87224d2020a"
                  : "application/x-www-form-urlencoded";
  } else if (Method == "GET") {
    Content.clear();
  }
}

void TIEHTTP::SetMultipartPOST(bool multipart) {
  Multipart = multipart;
  if (multipart) {
    SetRequestMethod("POST");
  }
}

void TIEHTTP::SetURL(std::string address) {
  Address = std::move(address);
  if (Address.empty()) {
    Host.clear();
    Path.clear();
    Extra.clear();
    return;
  }
  if (Address.find("://") == std::string::npos) {
    Address.insert(0, "http://");
  }
  CrackURL();
}

void TIEHTTP::CrackURL() {
  Host.clear();
  Path.clear();
  Extra.clear();
  TCurlUrl url(curl_url(), &curl_url_cleanup);
  // libcurl would end the address at a NUL byte and split another one.
  const CURLUcode rc = !url ? CURLUE_OUT_OF_MEMORY
                       : !IsSystemName(Address)
                           ? CURLUE_MALFORMED_INPUT
                           : curl_url_set(url.get(), CURLUPART_URL, Address.c_str(), 0);
  if (rc != CURLUE_OK) {
    char prefix[64];
    std::snprintf(prefix, sizeof prefix, "TIE: Invalid URL. Error - %d = ", static_cast<int>(rc));
    throw EIEHTTPError(prefix + std::string(curl_url_strerror(rc)));
  }
  const std::optional<std::string> path = UrlPart(url.get(), CURLUPART_PATH);
  if (!path || path->empty()) {
    throw EIEHTTPError("xxx");
  }
  Path = *path;
  Host = UrlPart(url.get(), CURLUPART_HOST).value_or("");
  if (const auto query = UrlPart(url.get(), CURLUPART_QUERY)) {
    Extra = "?" + *query;
  }
  if (const auto fragment = UrlPart(url.get(), CURLUPART_FRAGMENT)) {
    Extra += "#" + *fragment;
  }
  Extra = ReplaceVia(std::move(Extra), "+", "%2B");
}

void TIEHTTP::AddMultipartVar(const std::string& name, std::u16string value) {
  if (!Multipart) {
    throw EIEHTTPError("tIE not in multipart mode");
  }
  Vars.push_back({name.substr(0, kMaxMultipartNameLength), std::move(value)});
}

void TIEHTTP::AddMultipartFile(const std::string& name, const std::string& fileName) {
  auto stream = std::make_unique<TMemoryStream>();
  stream->LoadFromFile(fileName);
  AddMultipartStream(name, std::move(stream));
}

void TIEHTTP::AddMultipartStream(const std::string& name, std::unique_ptr<TMemoryStream> stream) {
  const std::string text = WrapLines64(Base64Encode(stream->Bytes()));
  stream.reset();
  AddMultipartVar(name, std::u16string(text.begin(), text.end()));
}

}  // namespace zendrik
