#pragma once

#include "web/memory_stream.h"
#include "web/web_error.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

namespace zendrik {

/// Time and size limits of one retrieval. The defaults are the client's; tests lower them.
struct TTransferLimits {
  long ConnectTimeoutSeconds = 30;
  /// A transfer that receives nothing for this long is aborted.
  long StallSeconds = 60;
  /// A transfer still running after this long is aborted, however steadily bytes arrive.
  long TotalSeconds = 600;
  /// Largest body accepted, counted after any transfer decoding.
  std::size_t MaxBodyBytes = kMaxBodyBytes;
  /// The longest time between two calls of the wait handler while the transfer runs.
  long WaitTickMilliseconds = 20;
};

/// Receives the size of each chunk of the body and the body length the server announced
/// (-1 when it announced none, or when the body comes with a transfer compression).
using TChunkHandler = std::function<void(std::size_t chunkSize, std::int64_t announcedTotal)>;

/// Called while a transfer runs, after every wait for the network (at most
/// `TTransferLimits::WaitTickMilliseconds` apart, also when nothing arrives), so that the
/// caller's thread can do other work in between or end the transfer by throwing.
using TWaitHandler = std::function<void()>;

/// Whether the address could be opened. An address is opened once the final response's
/// headers (or the first body bytes) have arrived; redirects are followed before that.
/// `Failed` (the transfer broke off after opening) is reported by `RunTransfers` only:
/// `RunTransfer` throws instead.
enum class TTransferEnd { Complete, NotOpened, Failed };

/// How a retrieval ended; for NotOpened and Failed, `Reason` says why (libcurl's words where it
/// has them).
struct TTransferResult {
  TTransferEnd End = TTransferEnd::Complete;
  std::string Reason;
};

/// Runs one plain GET of `address` through libcurl with the agent name "SessionName",
/// following up to 20 redirects and letting libcurl decode any transfer compression. Only
/// http, https and file addresses with an explicit scheme are opened; spaces and bytes outside
/// ASCII in the address are sent percent-encoded. Body bytes are appended
/// to `body`; after each chunk `afterChunk` is called, and `whileWaiting` (when set) after
/// every wait.
///
/// Returns NotOpened and its reason, with nothing appended, when the address cannot be opened
/// (bad or missing scheme, a NUL byte, a local file that is not a regular file, unknown host,
/// refused connection, no response, a header too large, too many redirects, over the time
/// limit). Throws EIEHTTPError when the transfer fails after the address was opened (broken
/// off, stalled, over the time limit, over the size cap, undecodable transfer encoding), and
/// rethrows whatever `afterChunk` or `whileWaiting` throws.
TTransferResult RunTransfer(const std::string& address, const TTransferLimits& limits,
                            TMemoryStream& body, const TChunkHandler& afterChunk,
                            const TWaitHandler& whileWaiting = {});

}  // namespace zendrik
