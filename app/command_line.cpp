#include "app/command_line.h"

#include "app/console_extraction.h"
#include "app/csv_export.h"
#include "app/file_bytes.h"
#include "app/typed_address.h"
#include "app/version.h"
#include "extract/allocation_report.h"
#include "extract/page_walk.h"
#include "script/runtime/listing.h"
#include "script/runtime/script_code.h"
#include "web/ie_http.h"

#include <new>
#include <optional>
#include <ostream>

namespace zendrik {
namespace {

constexpr const char* kUsage =
    "usage: zendrik [--help] [--version] [--extract ADDRESS [-o FILE]] [--list SCRIPT.pas]\n"
    "       zendrik SCRIPT.pas [ARGS...]";

void PrintHelp(std::ostream& out) {
  out << kUsage << "\n\n"
      << "Turns web pages into tables.\n\n"
      << "  --extract ADDRESS  lay out the page at ADDRESS as a table and write it as CSV to\n"
      << "                     standard output; ADDRESS is a web address (http://, https://,\n"
      << "                     file://, www.) or the path of a local HTML file\n"
      << "  -o FILE            with --extract: write the CSV to FILE instead\n"
      << "  --list SCRIPT.pas  compile the script and print its p-code, one instruction a line\n"
      << "  SCRIPT.pas [ARGS...]\n"
      << "                     run the script and exit (batch mode); without a display, message\n"
      << "                     boxes are lines on standard error; the exit status is 1 when the\n"
      << "                     script cannot be read, does not compile or fails\n"
      << "  --help             show this help and exit\n"
      << "  --version          show the version and exit\n";
}

int UsageError(std::ostream& err, const std::string& problem) {
  err << "zendrik: " << problem << "\n" << kUsage << "\n";
  return 2;
}

// Reads a file named on the command line, up to the size cap of a web page's body; false,
// with one line naming the file and the reason, when it cannot be read.
bool ReadInput(const std::string& path, std::string& bytes, const TConsole& console) {
  if (std::string reason = ReadFileBytes(path, bytes, kMaxBodyBytes); !reason.empty()) {
    console.Err << "zendrik: cannot read \"" << path << "\": " << reason << "\n";
    return false;
  }
  return true;
}

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
  if (!ReadInput(path, body, console)) return TExtraction::Failed;
  try {
    ExtractPage(body, table);
    return TExtraction::Done;
  } catch (const TableAllocationError&) {
    // The reporter has already printed the message.
  } catch (const std::bad_alloc&) {
    ReportAllocationFailure(LastFailedAllocationSize());
  }
  table.clearall();
  return TExtraction::Failed;
}

bool WriteTable(TCellTable& table, const std::string& outputFile, const TConsole& console) {
  if (outputFile.empty()) {
    const bool written = WriteCsv(table, [&console](std::string_view chunk) {
      console.Out.write(chunk.data(), static_cast<std::streamsize>(chunk.size()));
      return static_cast<bool>(console.Out);
    });
    if (!written || !console.Out.flush()) {
      console.Err << "zendrik: cannot write to standard output\n";
      return false;
    }
  } else if (SaveResult saved = SaveTable(table, outputFile); !saved) {
    console.Err << "zendrik: " << saved.Error << "\n";
    return false;
  }
  return true;
}

// Writes the table even after a failed fetch: the rows that arrived are kept.
int Extract(const std::string& address, const std::string& outputFile, const TConsole& console) {
  TCellTable table;
  std::string openFailure;
  const TExtraction extraction = IsWebAddress(address)
                                     ? ExtractAddress(address, table, console, openFailure)
                                     : ExtractFile(address, table, console);
  if (extraction == TExtraction::Failed && table.RowCount() == 0) return 1;
  if (!WriteTable(table, outputFile, console)) return 1;
  if (extraction == TExtraction::NotOpened) console.Err << "zendrik: " << openFailure << "\n";
  return extraction == TExtraction::Done ? 0 : 1;
}

// Prints the p-code listing of a script; a compile error is one line on standard error.
int List(const std::string& path, const TConsole& console) {
  std::string text;
  if (!ReadInput(path, text, console)) return 1;
  TCtxScriptCode code;
  code.SetCode(std::move(text));
  try {
    console.Out << ListCode(code) << std::flush;
  } catch (const std::exception& error) {
    console.Err << error.what() << "\n";
    return 1;
  }
  return 0;
}

int RunCommand(const std::vector<std::string>& args, const TConsole& console) {
  std::ostream& out = console.Out;
  std::ostream& err = console.Err;
  if (args.empty()) return UsageError(err, "nothing to do");
  const std::string& command = args[0];
  if (command == "--help" && args.size() == 1) {
    PrintHelp(out);
    return 0;
  }
  if (command == "--version" && args.size() == 1) {
    out << "zendrik " ZENDRIK_VERSION "\n";
    return 0;
  }
  if (command == "--extract") {
    if (args.size() == 2) return Extract(args[1], {}, console);
    if (args.size() == 4 && args[2] == "-o") return Extract(args[1], args[3], console);
    return UsageError(err, "--extract takes an address and optionally -o FILE");
  }
  if (command == "--list") {
    if (args.size() == 2) return List(args[1], console);
    return UsageError(err, "--list takes one script file");
  }
  if (command.rfind("-", 0) == 0) return UsageError(err, "unknown option \"" + command + "\"");
  return UsageError(err, "unexpected argument \"" + command + "\"");
}

}  // namespace

int RunCommandLine(const std::vector<std::string>& args, const TConsole& console) {
  try {
    return RunCommand(args, console);
  } catch (const std::bad_alloc&) {
    // Memory ran out outside an extraction (reading, writing): the same message, no abort.
    ReportAllocationFailure(LastFailedAllocationSize());
    return 1;
  }
}

}  // namespace zendrik
