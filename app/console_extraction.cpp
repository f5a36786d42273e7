#include "app/console_extraction.h"

#include <cstdio>
#include <ostream>

namespace zendrik {
namespace {

std::string Megabytes(std::int64_t bytes) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f MB", static_cast<double>(bytes) / (1 << 20));
  return text;
}

}  // namespace

void TConsoleExtractionView::ReportFailure(const std::string& message) { Err << message << '\n'; }

TConsoleProgress::~TConsoleProgress() {
  if (Shown) Err << "\r\033[K" << std::flush;  // leave a clean line for what follows
}

void TConsoleProgress::Update(std::int64_t bytesRead, std::int64_t totalBytes) {
  const auto now = std::chrono::steady_clock::now();
  if (Shown && now - LastShown < std::chrono::milliseconds(200)) return;
  LastShown = now;
  Shown = true;
  Err << "\rzendrik: " << Megabytes(bytesRead) << " received";
  if (totalBytes > 0) Err << " of " << Megabytes(totalBytes);
  Err << "\033[K" << std::flush;
}

}  // namespace zendrik
