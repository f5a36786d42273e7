#pragma once

#include "web/curl_transfer.h"
#include "web/memory_stream.h"
#include "web/web_error.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zendrik {

/// Fetches the body of a web address into memory. Every fetch is a plain GET of the address
/// given to it; the request settings below are stored and checked but never change what is
/// sent. Not copyable: `ResponseLines` point into `Response`.
class TIEHTTP {
 public:
  /// A value of the multipart list: a name of at most 255 characters and a wide value.
  struct TMultipartVar {
    std::string Name;
    std::u16string Value;
  };

  TIEHTTP();
  TIEHTTP(const TIEHTTP&) = delete;
  TIEHTTP& operator=(const TIEHTTP&) = delete;

  /// Retrieves `address`, inflates a body that carries the compressed-body signature, and
  /// returns the body as text: every line of `ResponseLines` followed by CR LF. An address that
  /// cannot be opened gives an empty body and no error. Throws EIEHTTPError when the transfer
  /// or the inflating fails after the address was opened; `Response` and `ResponseLines` are
  /// then empty and `BytesRead` counts what arrived.
  std::string Fetch(const std::string& address);
  /// `Fetch` without building the returned text, for callers that read `Response` (the
  /// extraction): the body is then held once.
  void FetchResponse(const std::string& address);

  /// Appends the body of `address` to `stream`; sets `BytesRead` and calls `OnPacketRead`
  /// after every chunk and once more at the end. Nothing is read when the address cannot be
  /// opened. Throws as `Fetch` does; `stream` then keeps the bytes that arrived.
  void Retrieve(const std::string& address, TMemoryStream& stream);

  /// The body of the last fetch, decompressed where the signature applied.
  const TMemoryStream& Response() const { return *ResponseStream; }
  /// The body of the last fetch split at CR, LF or CR LF; views into `Response`, valid until
  /// the next fetch.
  const std::vector<std::string_view>& ResponseLines() const { return Lines; }
  /// Why the address of the last retrieval could not be opened; empty when it was opened (or
  /// when the retrieval failed later, which throws instead).
  const std::string& OpenFailure() const { return OpenFailureReason; }
  /// Bytes received by the last retrieval.
  std::int64_t BytesRead() const { return ReadCount; }
  /// The body length the server announced for the last retrieval, for showing progress; -1
  /// when it announced none or sent the body with a transfer compression.
  std::int64_t BytesAnnounced() const { return AnnouncedCount; }

  /// Called after every chunk received and once more when the body is complete. An exception
  /// it throws aborts the fetch and leaves `Fetch`.
  std::function<void(TIEHTTP&)> OnPacketRead;
  /// Called while a retrieval waits for the network, at least every 20 ms (also when nothing
  /// arrives), so that the calling thread can do other work. An exception it throws
  /// (`EIEHTTPAborted` for a stop) aborts the fetch and leaves `Fetch`.
  std::function<void(TIEHTTP&)> OnWait;

  const std::string& RequestMethod() const { return Method; }
  /// Stores the upper case of `method`; "POST" and "GET" choose the content type.
  void SetRequestMethod(const std::string& method);
  bool MultipartPOST() const { return Multipart; }
  /// Stores the flag; true also makes the method "POST".
  void SetMultipartPOST(bool multipart);
  const std::string& ContentType() const { return Content; }
  const std::string& getStr() const { return GetText; }
  void SetgetStr(std::string text) { GetText = std::move(text); }
  const std::string& postStr() const { return PostText; }
  void SetpostStr(std::string text) { PostText = std::move(text); }

  const std::string& URL() const { return Address; }
  /// Stores the address, with "http://" in front when it holds no "://", and splits it with
  /// `CrackURL`. An empty address clears the split parts.
  void SetURL(std::string address);
  /// Splits `URL` into host name, path and extra information (query and fragment, with their
  /// "?" and "#"); a "+" in the extra information becomes "%2B". Throws EIEHTTPError "TIE:
  /// Invalid URL. Error - N = ..." when libcurl cannot parse the address, "xxx" without a path.
  void CrackURL();
  const std::string& HostName() const { return Host; }
  const std::string& UrlPath() const { return Path; }
  const std::string& ExtraInfo() const { return Extra; }

  /// Appends a value to the multipart list; throws EIEHTTPError "tIE not in multipart mode"
  /// unless `MultipartPOST` is true. The name is cut to 255 characters.
  void AddMultipartVar(const std::string& name, std::u16string value);
  /// Adds the whole file, base64-encoded and wrapped; throws when the file cannot be read.
  void AddMultipartFile(const std::string& name, const std::string& fileName);
  /// Adds the stream's bytes, base64-encoded with a CR after every 64 characters.
  void AddMultipartStream(const std::string& name, std::unique_ptr<TMemoryStream> stream);
  const std::vector<TMultipartVar>& MultipartVars() const { return Vars; }

  /// Limits of every retrieval; lowered by tests to make a stall quick to observe.
  void SetTransferLimits(const TTransferLimits& limits) { Limits = limits; }

 private:
  /// Fills `Lines` from `Response` and notes whether every line ended in CR LF.
  void SplitResponseLines();
  /// Every line followed by CR LF.
  std::string LinesAsText() const;

  std::unique_ptr<TMemoryStream> ResponseStream;
  std::vector<std::string_view> Lines;
  bool AllBreaksCRLF = false;
  std::int64_t ReadCount = 0;
  std::int64_t AnnouncedCount = -1;
  std::string OpenFailureReason;
  TTransferLimits Limits;

  std::string Method;
  bool Multipart = false;
  std::string Content;
  std::string GetText;
  std::string PostText;
  std::string Address;
  std::string Host;
  std::string Path;
  std::string Extra;
  std::vector<TMultipartVar> Vars;
};

}  // namespace zendrik
