#include "app/command_line.h"

#include "app/console_extraction.h"
#include "app/csv_export.h"
#include "app/file_bytes.h"
#include "app/version.h"
#include "base/ascii.h"
#include "extract/page_walk.h"
#include "script/runtime/listing.h"
#include "script/runtime/script_code.h"
#include "web/ie_http.h"

#include <optional>
#include <ostream>

namespace zendrik {
namespace {

constexpr const char* kUsage =
    "usage: zendrik [--help] [--version] [--extract ADDRESS [-o FILE]] [--list SCRIPT.pas]";

void PrintHelp(std::ostream& out) {
  out << kUsage << "\n\n"
      << "Turns web pages into tables.\n\n"
      << "  --extract ADDRESS  lay out the page at ADDRESS as a table and write it as CSV to\n"
      << "                     standard output; ADDRESS is a web address (http://, https://,\n"
      << "                     file://, www.) or the path of a local HTML file\n"
      << "  -o FILE            with --extract: write the CSV to FILE instead\n"
      << "  --list SCRIPT.pas  compile the script and print its p-code, one instruction a line\n"
      << "  --help             show this help and exit\n"
      << "  --version          show the version and exit\n";
}

int UsageError(std::ostream& err, const std::string& problem) {
  err << "zendrik: " << problem << "\n" << kUsage << "\n";
  return 2;
}

// Reads a file named on the command line; false, with one line naming the file and the
// reason, when it cannot be read.
bool ReadInput(const std::string& path, std::string& bytes, const TConsole& console) {
  if (std::string reason = ReadFileBytes(path, bytes); !reason.empty()) {
    console.Err << "zendrik: cannot read \"" << path << "\": " << reason << "\n";
    return false;
  }
  return true;
}

bool IsWebAddress(std::string_view address) {
  return address.find("://") != std::string_view::npos || StartsWithNoCase(address, "www.");
}

// Fetches and lays out a web address; false when the extraction reported a failure.
bool ExtractAddress(const std::string& address, TCellTable& table, const TConsole& console) {
  TIEHTTP http;
  TConsoleExtractionView view(console.Err);
  std::optional<TConsoleProgress> progress;
  if (console.ErrIsTerminal) {
    progress.emplace(console.Err);
    http.OnPacketRead = [&progress](TIEHTTP& client) {
      progress->Update(client.BytesRead(), client.BytesAnnounced());
    };
  }
  DownloadIt(address, table, http, view);
  return !view.Failed();
}

// Lays out a local file; false when it cannot be read.
bool ExtractFile(const std::string& path, TCellTable& table, const TConsole& console) {
  std::string body;
  if (!ReadInput(path, body, console)) return false;
  ExtractPage(body, table);
  return true;
}

// Writes the table even after a failed fetch: the rows that arrived are kept.
int Extract(const std::string& address, const std::string& outputFile, const TConsole& console) {
  TCellTable table;
  bool extracted = false;
  try {
    extracted = IsWebAddress(address) ? ExtractAddress(address, table, console)
                                      : ExtractFile(address, table, console);
  } catch (const TableAllocationError&) {
    return 1;  // the reporter has already printed the message
  }
  if (!extracted && table.RowCount() == 0) return 1;
  if (outputFile.empty()) {
    const bool written = WriteCsv(table, [&console](std::string_view chunk) {
      console.Out.write(chunk.data(), static_cast<std::streamsize>(chunk.size()));
      return static_cast<bool>(console.Out);
    });
    if (!written || !console.Out.flush()) {
      console.Err << "zendrik: cannot write to standard output\n";
      return 1;
    }
  } else if (SaveResult saved = SaveTable(table, outputFile); !saved) {
    console.Err << "zendrik: " << saved.Error << "\n";
    return 1;
  }
  return extracted ? 0 : 1;
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

}  // namespace

int RunCommandLine(const std::vector<std::string>& args, const TConsole& console) {
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

}  // namespace zendrik
