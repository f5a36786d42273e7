#pragma once

#include "extract/table.h"

#include <string>
#include <string_view>

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

/// The text that says why an address could not be opened: "cannot open ADDRESS: REASON", the
/// reason in the HTTP client's words. The command line, batch mode and scripts all use it.
std::string CannotOpenText(std::string_view address, std::string_view reason);

/// How a fetch ended.
struct TFetchOutcome {
  enum class TEnd {
    Done,
    NotOpened,  // the address could not be opened; nothing was shown
    Failed,     // the transfer or the page failed after that; the view showed the one message
    Stopped,    // the transfer was aborted on purpose (`EIEHTTPAborted`): no message
  };
  TEnd End = TEnd::Done;
  /// Why it did not work: CannotOpenText for NotOpened, the failure's own words for Failed;
  /// empty when done.
  std::string Error;
};

/// Rebuilds the table from the page at `address`, resolved against CurrentAddress(). An empty
/// address does nothing. An address that cannot be opened leaves an empty table and reports
/// nothing; any failure after that keeps the rows added so far and reports the one message; a
/// stopped transfer leaves the table empty and reports nothing. The grid is repainted in every
/// case but the empty address.
TFetchOutcome DownloadIt(const std::string& address, TCellTable& table, TIEHTTP& http,
                         TExtractionView& view);

/// The body of the page at `address` (resolved against CurrentAddress(), which it then
/// becomes) as bytes, fetched and inflated as an extraction fetches it, into `body`; the
/// table is not touched. An address that cannot be opened reports nothing; a failure after
/// that reports the one message. `body` is empty unless the fetch is done.
TFetchOutcome FetchPage(const std::string& address, TIEHTTP& http, TExtractionView& view,
                        std::string& body);

}  // namespace zendrik
