#include "extract/extraction_driver.h"

#include "extract/address_resolution.h"
#include "extract/allocation_report.h"
#include "extract/page_walk.h"
#include "web/ie_http.h"

#include <exception>
#include <new>

namespace zendrik {

const char* const kExtractionFailureMessage =
    "Fehler: konnte Kusre nicht aus dem Internet laden (sind Sie online?)...";

TExtractionEnd DownloadIt(const std::string& address, TCellTable& table, TIEHTTP& http,
                          TExtractionView& view) {
  if (address.empty()) return TExtractionEnd::Done;
  TExtractionEnd end = TExtractionEnd::Done;
  try {
    const std::string resolved = ResolveAddress(address);
    view.ShowAddress(resolved);
    view.ProcessPendingMessages();
    // Emptied before the fetch, so that a failed fetch leaves an empty table.
    table.clearall();
    http.FetchResponse(resolved);
    ExtractPage(http.Response().Bytes(), table);
  } catch (const EIEHTTPAborted&) {
    end = TExtractionEnd::Stopped;  // the user's wish, not a failure
  } catch (const std::bad_alloc&) {
    // Memory ran out outside the table: the size comes from the failed request.
    ReportAllocationFailure(LastFailedAllocationSize());
    view.ReportFailure(kExtractionFailureMessage);
    end = TExtractionEnd::Failed;
  } catch (const std::exception&) {
    // Rows added before the failure stay; every failure shows the same message.
    view.ReportFailure(kExtractionFailureMessage);
    end = TExtractionEnd::Failed;
  }
  view.RepaintGrid();
  return end;
}

}  // namespace zendrik
