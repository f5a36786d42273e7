#include "app/extract_command.h"

#include "app/console_extraction.h"
#include "app/many_extractions.h"
#include "app/typed_address.h"
#include "extract/extraction_driver.h"
#include "web/ie_http.h"

#include <charconv>
#include <filesystem>
#include <optional>
#include <ostream>
#include <utility>

namespace zendrik {
namespace {

// How an extraction from the command line went.
enum class TExtraction {
  Done,
  Failed,     // the failure was reported; the rows that arrived are kept
  NotOpened,  // the address could not be opened: an empty table, reported after it is written
};

// Fetches and lays out a web address; `openFailure` receives the line that says why the
// address could not be opened.
TExtraction ExtractAddress(const std::string& address, TCellTable& table, const TConsole& console,
                           std::string& openFailure) {
  TIEHTTP http;
  TConsoleExtractionView view(console.Err);
  std::optional<TConsoleProgress> progress;
  if (console.ErrIsTerminal) {
    progress.emplace(console.Err);
    http.OnPacketRead = [&progress](TIEHTTP& client) {
      progress->Update(client.BytesRead(), client.BytesAnnounced());
    };
  }
  TFetchOutcome outcome = DownloadIt(address, table, http, view);
  switch (outcome.End) {
    case TFetchOutcome::TEnd::Done: return TExtraction::Done;
    case TFetchOutcome::TEnd::Failed:
    case TFetchOutcome::TEnd::Stopped: return TExtraction::Failed;  // nothing stops it here
    case TFetchOutcome::TEnd::NotOpened: break;
  }
  openFailure = std::move(outcome.Error);
  return TExtraction::NotOpened;
}

// Lays out a local file. When memory runs out the table is dropped: nothing is written.
TExtraction ExtractFile(const std::string& path, TCellTable& table, const TConsole& console) {
  std::string body;
  if (!ReadCommandLineFile(path, body, console.Err)) return TExtraction::Failed;
  return ExtractBody(body, table) ? TExtraction::Done : TExtraction::Failed;
}

bool WriteTable(TCellTable& table, const TExtractRequest& request, const TConsole& console) {
  if (request.Output.empty()) {
    const bool written = WriteTableAs(table, request.Format, [&console](std::string_view chunk) {
      console.Out.write(chunk.data(), static_cast<std::streamsize>(chunk.size()));
      return static_cast<bool>(console.Out);
    });
    if (!written || !console.Out.flush()) {
      console.Err << "zendrik: cannot write to standard output\n";
      return false;
    }
  } else if (SaveResult saved = SaveTableAs(table, request.Format, request.Output); !saved) {
    console.Err << "zendrik: " << saved.Error << "\n";
    return false;
  }
  return true;
}

// One address to standard output or a file. Writes the table even after a failed fetch: the
// rows that arrived are kept.
int ExtractOne(const TExtractRequest& request, const TConsole& console) {
  const std::string& address = request.Addresses.front();
  TCellTable table;
  std::string openFailure;
  const TExtraction extraction = IsWebAddress(address)
                                     ? ExtractAddress(address, table, console, openFailure)
                                     : ExtractFile(address, table, console);
  if (extraction == TExtraction::Failed && table.RowCount() == 0) return 1;
  if (!WriteTable(table, request, console)) return 1;
  if (extraction == TExtraction::NotOpened) console.Err << "zendrik: " << openFailure << "\n";
  return extraction == TExtraction::Done ? 0 : 1;
}

// The value of an option that takes one; false when it is missing.
bool TakeValue(const std::vector<std::string>& args, std::size_t& i, std::string& value) {
  if (i + 1 >= args.size()) return false;
  value = args[++i];
  return true;
}

std::optional<std::size_t> ParseJobs(const std::string& text) {
  std::size_t jobs = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), jobs);
  if (error != std::errc() || end != text.data() + text.size() || jobs < 1 ||
      jobs > kMaxExtractJobs) {
    return std::nullopt;
  }
  return jobs;
}

}  // namespace

std::string ParseExtractRequest(const std::vector<std::string>& args, TExtractRequest& request) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    std::string value;
    if (arg == "-o") {
      if (!TakeValue(args, i, value) || value.empty()) return "-o takes a file or directory";
      request.Output = value;
    } else if (arg == "--format") {
      if (!TakeValue(args, i, value)) return "--format takes csv, tsv or json";
      const std::optional<TTableFormat> format = ParseTableFormat(value);
      if (!format) return "unknown format \"" + value + "\" (csv, tsv or json)";
      request.Format = *format;
    } else if (arg == "--jobs") {
      const std::optional<std::size_t> jobs =
          TakeValue(args, i, value) ? ParseJobs(value) : std::nullopt;
      if (!jobs) return "--jobs takes a number from 1 to " + std::to_string(kMaxExtractJobs);
      request.Jobs = *jobs;
    } else if (arg.size() > 1 && arg.front() == '-') {
      return "unknown option \"" + arg + "\" for --extract";
    } else {
      request.Addresses.push_back(arg);
    }
  }
  if (request.Addresses.empty()) return "--extract takes an address";
  if (request.Addresses.size() > 1 && !WritesIntoDirectory(request))
    return "several addresses need -o DIRECTORY/";
  return {};
}

bool WritesIntoDirectory(const TExtractRequest& request) {
  std::error_code ignored;
  return !request.Output.empty() &&
         (request.Output.back() == '/' || std::filesystem::is_directory(request.Output, ignored));
}

int RunExtract(const TExtractRequest& request, const TConsole& console) {
  if (WritesIntoDirectory(request)) return ExtractMany(request, console);
  return ExtractOne(request, console);
}

}  // namespace zendrik
