#pragma once

#include "extract/extraction_driver.h"
#include "extract/table.h"

#include <cstdint>
#include <string>

class QLabel;
class QStatusBar;
class QWidget;

namespace zendrik {

class TGridView;
class TIEHTTPComponent;
class TMessageBoxes;
class TRunController;

/// The window's extractions: a page the user or a script asks for becomes the table in the
/// grid, fetched by the window's HTTP client as work that Stop ends. It is the extraction's
/// view in the window: the status label shows the address, the grid repaints, and the one
/// failure message is a message box; the status bar counts the bytes received, then says how
/// the extraction ended.
class TWindowExtraction final : public TExtractionView {
 public:
  /// The window's parts an extraction shows itself in; they must outlive it.
  struct TParts {
    QWidget& Window;
    QLabel& AddressLabel;
    TGridView& Grid;
    QStatusBar& Status;
    TMessageBoxes& Boxes;
  };

  TWindowExtraction(TCellTable& table, TIEHTTPComponent& http, TRunController& work,
                    const TParts& parts);
  ~TWindowExtraction() override;
  TWindowExtraction(const TWindowExtraction&) = delete;
  TWindowExtraction& operator=(const TWindowExtraction&) = delete;

  /// Rebuilds the table from the page at `address` (an empty address does nothing), as work
  /// that Stop ends; the status bar then says how it ended (the rows, cells and bytes; why the
  /// address could not be opened; why the extraction failed; "Download stopped" when it was
  /// not a script's).
  TFetchOutcome DownloadIt(const std::string& address);
  /// A script's fetch of a page's body; the table stays as it is.
  TFetchOutcome GetPage(const std::string& address, std::string& body);

  void ShowAddress(const std::string& address) override;
  void ProcessPendingMessages() override;
  void RepaintGrid() override;
  void ReportFailure(const std::string& message) override;

 private:
  void ShowBytesReceived(std::int64_t bytes);
  void ReportEnd(const TFetchOutcome& outcome, bool startedByUser);

  TCellTable& Table;
  TIEHTTPComponent& Http;
  TRunController& Work;
  TParts Parts;
};

}  // namespace zendrik
