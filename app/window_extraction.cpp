#include "app/window_extraction.h"

#include "app/cell_text.h"
#include "app/grid_view.h"
#include "app/ie_http_component.h"
#include "app/message_boxes.h"
#include "app/run_controller.h"
#include "app/status_texts.h"
#include "extract/address_resolution.h"

#include <QCoreApplication>
#include <QLabel>
#include <QStatusBar>

namespace zendrik {

TWindowExtraction::TWindowExtraction(TCellTable& table, TIEHTTPComponent& http,
                                     TRunController& work, const TParts& parts)
    : Table(table), Http(http), Work(work), Parts(parts) {
  Http.Client.OnPacketRead = [this](TIEHTTP& client) {
    ShowBytesReceived(client.BytesRead());
    Work.TickTransfer();
  };
  Http.Client.OnWait = [this](TIEHTTP&) { Work.TickTransfer(); };
}

TWindowExtraction::~TWindowExtraction() {
  Http.Client.OnPacketRead = nullptr;
  Http.Client.OnWait = nullptr;
}

TFetchOutcome TWindowExtraction::DownloadIt(const std::string& address) {
  const bool started = !Work.Busy();
  const TRunController::TScope work(Work, TRunController::TWork::Download);
  TFetchOutcome outcome = zendrik::DownloadIt(address, Table, Http.Client, *this);
  if (!address.empty()) ReportEnd(outcome, started);
  return outcome;
}

void TWindowExtraction::ReportEnd(const TFetchOutcome& outcome, bool startedByUser) {
  const std::string& address = CurrentAddress();
  std::string text;
  switch (outcome.End) {
    case TFetchOutcome::TEnd::Done: {
      std::size_t cells = 0;
      for (unsigned row = 0; row < Table.RowCount(); ++row) cells += Table.Row(row).Count;
      text = ExtractionDoneText(address, Table.RowCount(), cells, Http.Client.BytesRead());
      break;
    }
    case TFetchOutcome::TEnd::NotOpened:
      text = CouldNotOpenText(address, Http.Client.OpenFailure());
      break;
    case TFetchOutcome::TEnd::Failed: text = ExtractionFailedText(address, outcome.Error); break;
    case TFetchOutcome::TEnd::Stopped:
      // A script's download that is stopped stops the script, which says so itself.
      if (!startedByUser) return;
      text = "Download stopped";
      break;
  }
  Parts.Status.showMessage(DisplayText(text));
}

TFetchOutcome TWindowExtraction::GetPage(const std::string& address, std::string& body) {
  // A script's fetch: work inside the script's, which a stop ends with it.
  const TRunController::TScope work(Work, TRunController::TWork::Download);
  return FetchPage(address, Http.Client, *this, body);
}

void TWindowExtraction::ShowBytesReceived(std::int64_t bytes) {
  // Painted when the transfer next lets events through.
  Parts.Status.showMessage(QString("%1 bytes received").arg(bytes));
}

void TWindowExtraction::ShowAddress(const std::string& address) {
  Parts.AddressLabel.setText(DisplayText(address));
}

void TWindowExtraction::ProcessPendingMessages() { QCoreApplication::processEvents(); }

void TWindowExtraction::RepaintGrid() { Parts.Grid.Refresh(); }

void TWindowExtraction::ReportFailure(const std::string& message) {
  Parts.Boxes.Show(&Parts.Window, {QMessageBox::NoIcon, {}, DisplayText(message)});
}

}  // namespace zendrik
