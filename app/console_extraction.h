#pragma once

#include "extract/extraction_driver.h"

#include <chrono>
#include <cstdint>
#include <iosfwd>

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

}  // namespace zendrik
