#include "app/window_extraction.h"

#include "app/cell_text.h"
#include "app/grid_view.h"
#include "app/ie_http_component.h"
#include "app/message_boxes.h"
#include "app/run_controller.h"

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
  // A script's download that is stopped stops the script, which says so itself.
  if (outcome.End == TFetchOutcome::TEnd::Stopped && started)
    Parts.Status.showMessage("Download stopped");
  return outcome;
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
