#pragma once

#include "extract/table.h"

#include <string>

namespace zendrik {

class TIEHTTP;

/// What an extraction needs from the window it runs in. The window implements it; the
/// command-line tool and the tests have their own.
class TExtractionView {
 public:
  virtual ~TExtractionView() = default;
  /// Shows the resolved address in the status label.
  virtual void ShowAddress(const std::string& address) = 0;
  /// Lets pending window messages run once, so that the label is painted before the fetch.
  virtual void ProcessPendingMessages() = 0;
  /// Repaints the cells, then the column header, then the row header.
  virtual void RepaintGrid() = 0;
  /// Shows the extraction's one failure message.
  virtual void ReportFailure(const std::string& message) = 0;
};

/// The one message every failed extraction shows.
extern const char* const kExtractionFailureMessage;

/// How an extraction ended.
enum class TExtractionEnd {
  Done,     // also when the address was empty or could not be opened
  Failed,   // the failure message was shown
  Stopped,  // the transfer was aborted on purpose (`EIEHTTPAborted`): no message
};

/// Rebuilds the table from the page at `address`, resolved against CurrentAddress(). An empty
/// address does nothing. An address that cannot be opened leaves an empty table and reports
/// nothing; any failure after that keeps the rows added so far and reports the one message; a
/// stopped transfer leaves the table empty and reports nothing. The grid is repainted in every
/// case but the empty address.
TExtractionEnd DownloadIt(const std::string& address, TCellTable& table, TIEHTTP& http,
                          TExtractionView& view);

}  // namespace zendrik
