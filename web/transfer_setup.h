#pragma once

// One libcurl transfer: its settings, the state its callbacks keep, and how its end is read.
// Shared by the single retrieval (curl_transfer) and the concurrent ones (curl_multi).

#include "web/curl_transfer.h"

#include <curl/curl.h>

#include <chrono>
#include <cstdint>
#include <exception>
#include <memory>
#include <string>

namespace zendrik {

/// Initialises libcurl once for the process.
void InitCurlOnce();

using TCurlUrl = std::unique_ptr<CURLU, void (*)(CURLU*)>;

/// Parses the address for the transfer; null when it names no scheme this client opens.
/// libcurl on its own would guess "http" for an address without a scheme; such an address is
/// not opened. Spaces and bytes outside ASCII are percent-encoded, as browsers send them.
TCurlUrl ParseOpenableAddress(const std::string& address);

/// Why a parsed address is not to be opened although its scheme is: a `file://` address of
/// something that is not a regular file (a FIFO or a device would hold the transfer, which
/// cannot be stopped while it waits, forever). Empty when it may be opened.
std::string LocalFileProblem(CURLU* address);

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
  std::chrono::steady_clock::time_point Started = std::chrono::steady_clock::now();
  std::chrono::steady_clock::time_point LastData = Started;
  int Status = 0;
  bool HasLocation = false;
  bool TransferEncoded = false;  // Content-Encoding: the announced length is not the body's
  std::int64_t Announced = -1;
  bool Opened = false;
  bool OverCap = false;
  bool Stalled = false;
  bool TooLong = false;
  std::exception_ptr CallbackError;
};

/// Sets up `curl` for a plain GET of `address` with the client's agent name, redirects,
/// decoding, limits and the callbacks that fill `state`; libcurl's error text goes to
/// `errorText` (CURL_ERROR_SIZE bytes). `state` and `errorText` must outlive the transfer.
void ConfigureTransfer(CURL* curl, CURLU* address, TTransferState& state, char* errorText);

/// Reads how a transfer that libcurl ended with `code` went: Complete, or NotOpened with its
/// reason. Rethrows what a chunk handler threw; throws EIEHTTPError when the transfer failed
/// after the address was opened.
TTransferResult FinishTransfer(const std::string& address, const TTransferState& state,
                               CURLcode code, const char* errorText);

}  // namespace zendrik
