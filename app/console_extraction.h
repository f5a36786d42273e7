#pragma once

#include "extract/extraction_driver.h"

#include <chrono>
#include <cstdint>
#include <iosfwd>
#include <string>
#include <string_view>

namespace zendrik {

/// The extraction's window, seen from a terminal: there is nothing to show or repaint, and the
/// failure message goes to standard error.
class TConsoleExtractionView : public TExtractionView {
 public:
  explicit TConsoleExtractionView(std::ostream& err) : Err(err) {}

  void ShowAddress(const std::string&) override {}
  void ProcessPendingMessages() override {}
  void RepaintGrid() override {}
  void ReportFailure(const std::string& message) override;

 private:
  std::ostream& Err;
};

/// Shows the bytes received so far on one terminal line, at most five times a second.
class TConsoleProgress {
 public:
  explicit TConsoleProgress(std::ostream& err) : Err(err) {}
  ~TConsoleProgress();

  void Update(std::int64_t bytesRead, std::int64_t totalBytes);

 private:
  std::ostream& Err;
  std::chrono::steady_clock::time_point LastShown{};
  bool Shown = false;
};

/// Reads a file named on the command line, up to the size cap of a web page's body; false,
/// with one line on `err` naming the file and the reason, when it cannot be read.
bool ReadCommandLineFile(const std::string& path, std::string& bytes, std::ostream& err);

/// Lays out a page body into the table. When memory runs out, the message is shown, the table
/// is emptied and the result is false.
bool ExtractBody(std::string_view body, TCellTable& table);

}  // namespace zendrik
