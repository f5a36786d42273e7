#include "app/command_line.h"

#include "app/console_extraction.h"
#include "app/extract_command.h"
#include "app/version.h"
#include "extract/allocation_report.h"
#include "script/runtime/listing.h"
#include "script/runtime/script_code.h"

#include <new>
#include <ostream>

namespace zendrik {
namespace {

constexpr const char* kUsage =
    "usage: zendrik [--help] [--version] [--list SCRIPT.pas]\n"
    "       zendrik --extract ADDRESS... [-o FILE|DIR/] [--format csv|tsv|json] [--jobs N]\n"
    "       zendrik SCRIPT.pas [ARGS...]";

void PrintHelp(std::ostream& out) {
  out << kUsage << "\n\n"
      << "Turns web pages into tables.\n\n"
      << "  --extract ADDRESS  lay out the page at ADDRESS as a table and write it as CSV to\n"
      << "                     standard output; ADDRESS is a web address (http://, https://,\n"
      << "                     file://, www.) or the path of a local HTML file\n"
      << "  -o FILE            with --extract: write the table to FILE instead\n"
      << "  -o DIR/            with --extract: write one file per address into DIR (created\n"
      << "                     when missing), named from the address; needed for several\n"
      << "                     addresses, which are fetched concurrently; one line per address\n"
      << "                     on standard error; the exit status is 1 if any failed\n"
      << "  --format FORMAT    with --extract: csv (the default; every field quoted, backslash\n"
      << "                     escapes, CR LF), tsv (tab-separated, LF; tab, CR, LF and\n"
      << "                     backslash written as \\t \\r \\n \\\\) or json (an array of rows,\n"
      << "                     each an array of strings; a cell that is not valid UTF-8 is read\n"
      << "                     as Latin-1, its bytes above 127 written as \\u00XX)\n"
      << "  --jobs N           with --extract into DIR/: at most N pages fetched at a time\n"
      << "                     (1 to 64, default 8)\n"
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

// Prints the p-code listing of a script; a compile error is one line on standard error.
int List(const std::string& path, const TConsole& console) {
  std::string text;
  if (!ReadCommandLineFile(path, text, console.Err)) return 1;
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
    TExtractRequest request;
    const std::string problem =
        ParseExtractRequest(std::vector<std::string>(args.begin() + 1, args.end()), request);
    if (!problem.empty()) return UsageError(err, problem);
    return RunExtract(request, console);
  }
  if (command == "--list") {
    if (args.size() == 2) return List(args[1], console);
    return UsageError(err, "--list takes one script file");
  }
  if (command.rfind("-", 0) == 0) return UsageError(err, "unknown option \"" + command + "\"");
  return UsageError(err, "unexpected argument \"" + command + "\"");
}

}  // namespace

bool NamesPageFile(std::string_view argument) {
  return EndsWithNoCase(argument, ".html") || EndsWithNoCase(argument, ".htm");
}

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
