#include "extract/extraction_driver.h"

#include "base/system_name.h"
#include "extract/address_resolution.h"
#include "extract/allocation_report.h"
#include "extract/page_walk.h"
#include "web/ie_http.h"

#include <exception>
#include <new>

namespace zendrik {

const char* const kExtractionFailureMessage =
    "Fehler: konnte Kusre nicht aus dem Internet laden (sind Sie online?)...";

std::string CannotOpenText(std::string_view address, std::string_view reason) {
  std::string text = "cannot open ";
  text += ShownName(address);
  text += ": ";
  text += reason;
  return text;
}

namespace {

// Runs `fetch` on the resolved address; a failure after the address was opened shows the one
// message.
template <typename Fetch>
TFetchOutcome Fetched(const std::string& resolved, TIEHTTP& http, TExtractionView& view,
                      const Fetch& fetch) {
  try {
    fetch();
    if (!http.OpenFailure().empty())
      return {TFetchOutcome::TEnd::NotOpened, CannotOpenText(resolved, http.OpenFailure())};
    return {};
  } catch (const EIEHTTPAborted&) {
    return {TFetchOutcome::TEnd::Stopped, "stopped"};  // the user's wish, not a failure
  } catch (const std::bad_alloc&) {
    // Memory ran out outside the table: the size comes from the failed request.
    const std::size_t size = LastFailedAllocationSize();
    ReportAllocationFailure(size);
    view.ReportFailure(kExtractionFailureMessage);
    char message[96];
    return {TFetchOutcome::TEnd::Failed, std::string(FormatAllocationFailure(size, message))};
  } catch (const std::exception& error) {
    // Every failure shows the same message.
    view.ReportFailure(kExtractionFailureMessage);
    return {TFetchOutcome::TEnd::Failed, error.what()};
  }
}

}  // namespace

TFetchOutcome DownloadIt(const std::string& address, TCellTable& table, TIEHTTP& http,
                         TExtractionView& view) {
  if (address.empty()) return {};
  const std::string resolved = ResolveAddress(address);
  view.ShowAddress(resolved);
  view.ProcessPendingMessages();
  // Emptied before the fetch, so that a failed fetch leaves an empty table; rows added before
  // a failure stay.
  table.clearall();
  TFetchOutcome outcome = Fetched(resolved, http, view, [&] {
    http.FetchResponse(resolved);
    ExtractPage(http.Response().Bytes(), table);
  });
  view.RepaintGrid();
  return outcome;
}

TFetchOutcome FetchPage(const std::string& address, TIEHTTP& http, TExtractionView& view,
                        std::string& body) {
  body.clear();
  const std::string resolved = ResolveAddress(address);
  return Fetched(resolved, http, view, [&] {
    http.FetchResponse(resolved);
    body = http.Response().Bytes();
  });
}

}  // namespace zendrik
