#include "app/console_extraction.h"

#include "app/file_bytes.h"
#include "base/ascii.h"
#include "extract/allocation_report.h"
#include "extract/page_walk.h"
#include "web/web_error.h"

#include <cstdio>
#include <new>
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

bool ReadCommandLineFile(const std::string& path, std::string& bytes, std::ostream& err) {
  if (std::string reason = ReadFileBytes(path, bytes, kMaxBodyBytes); !reason.empty()) {
    err << "zendrik: cannot read \"" << path << "\": " << reason << "\n";
    return false;
  }
  return true;
}

bool ExtractBody(std::string_view body, TCellTable& table) {
  try {
    ExtractPage(body, table);
    return true;
  } catch (const TableAllocationError&) {
    // The reporter has already printed the message.
  } catch (const std::bad_alloc&) {
    ReportAllocationFailure(LastFailedAllocationSize());
  }
  table.clearall();
  return false;
}

}  // namespace zendrik
