#pragma once

#include "web/curl_transfer.h"
#include "web/memory_stream.h"

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace zendrik {

/// One retrieval of `RunTransfers`, as it ended.
struct TFinishedTransfer {
  /// The position of its address in the list.
  std::size_t Index = 0;
  /// Complete, NotOpened, or Failed (broke off after the address was opened).
  TTransferEnd End = TTransferEnd::Complete;
  /// Why it was not opened or failed; empty when complete.
  std::string Reason;
  /// The body as received (any transfer compression decoded) when complete; empty otherwise.
  std::unique_ptr<TMemoryStream> Body;
};

/// Called on the calling thread as each retrieval ends, in the order they end.
using TTransferDone = std::function<void(TFinishedTransfer& finished)>;

/// Retrieves every address concurrently through one libcurl multi handle, at most
/// `maxConcurrent` (at least 1) at a time, each as `RunTransfer` would: the same request,
/// redirects, limits and failures. Runs on the calling thread and returns when all have ended;
/// what `done` throws ends the remaining transfers and leaves.
void RunTransfers(const std::vector<std::string>& addresses, const TTransferLimits& limits,
                  std::size_t maxConcurrent, const TTransferDone& done);

}  // namespace zendrik
