#include "app/status_texts.h"

#include "base/system_name.h"

#include <cstdio>

namespace zendrik {

namespace {

std::string Counted(std::size_t count, const char* one, const char* many) {
  return std::to_string(count) + " " + (count == 1 ? one : many);
}

}  // namespace

std::string ExtractionDoneText(std::string_view address, unsigned rows, std::size_t cells,
                               std::int64_t bytes) {
  return Counted(rows, "row", "rows") + ", " + Counted(cells, "cell", "cells") + " from " +
         ShownName(address) + " (" + Counted(static_cast<std::size_t>(bytes), "byte", "bytes") +
         ")";
}

std::string CouldNotOpenText(std::string_view address, std::string_view reason) {
  return "Could not open " + ShownName(address) + ": " + std::string(reason);
}

std::string ExtractionFailedText(std::string_view address, std::string_view reason) {
  return "Extraction from " + ShownName(address) + " failed: " + std::string(FirstLine(reason));
}

std::string TableSavedText(unsigned rows, std::string_view fileName) {
  return Counted(rows, "row", "rows") + " saved to " + ShownName(fileName);
}

std::string ScriptFinishedText(std::int64_t milliseconds) {
  const long long hundredths = (static_cast<long long>(milliseconds) + 5) / 10;
  char seconds[32];
  std::snprintf(seconds, sizeof seconds, "%lld.%02lld", hundredths / 100, hundredths % 100);
  return std::string("Script finished in ") + seconds + " s";
}

std::string_view FirstLine(std::string_view message) {
  return message.substr(0, message.find_first_of("\r\n"));
}

}  // namespace zendrik
