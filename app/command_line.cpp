#include "app/command_line.h"

#include "app/csv_export.h"
#include "app/file_bytes.h"
#include "extract/page_walk.h"

#include <ostream>

namespace zendrik {
namespace {

constexpr const char* kUsage = "usage: zendrik [--help] [--version] [--extract ADDRESS [-o FILE]]";

void PrintHelp(std::ostream& out) {
  out << kUsage << "\n\n"
      << "Turns web pages into tables.\n\n"
      << "  --extract ADDRESS  lay out the page at ADDRESS (a local HTML file) as a table and\n"
      << "                     write it as CSV to standard output\n"
      << "  -o FILE            with --extract: write the CSV to FILE instead\n"
      << "  --help             show this help and exit\n"
      << "  --version          show the version and exit\n";
}

int UsageError(std::ostream& err, const std::string& problem) {
  err << "zendrik: " << problem << "\n" << kUsage << "\n";
  return 2;
}

void WriteCsv(TCellTable& table, std::ostream& out) {
  std::string line;
  table.Rows.First();
  while (table.Rows.Next()) {
    line.clear();
    AppendCsvLine(line, **table.Rows.Current);
    out.write(line.data(), static_cast<std::streamsize>(line.size()));
  }
  out.flush();
}

int Extract(const std::string& address, const std::string& outputFile, std::ostream& out,
            std::ostream& err) {
  std::string body;
  if (std::string reason = ReadFileBytes(address, body); !reason.empty()) {
    err << "zendrik: cannot read \"" << address << "\": " << reason << "\n";
    return 1;
  }
  TCellTable table;
  try {
    ExtractPage(body, table);
  } catch (const TableAllocationError&) {
    return 1; // the reporter has already printed the message
  }
  if (outputFile.empty()) {
    WriteCsv(table, out);
    if (!out) {
      err << "zendrik: cannot write to standard output\n";
      return 1;
    }
    return 0;
  }
  if (SaveResult saved = SaveTable(table, outputFile); !saved) {
    err << "zendrik: " << saved.Error << "\n";
    return 1;
  }
  return 0;
}

} // namespace

int RunCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.empty())
    return UsageError(err, "nothing to do");
  const std::string& command = args[0];
  if (command == "--help" && args.size() == 1) {
    PrintHelp(out);
    return 0;
  }
  if (command == "--version" && args.size() == 1) {
    out << "zendrik 1.0\n";
    return 0;
  }
  if (command == "--extract") {
    if (args.size() == 2)
      return Extract(args[1], {}, out, err);
    if (args.size() == 4 && args[2] == "-o")
      return Extract(args[1], args[3], out, err);
    return UsageError(err, "--extract takes an address and optionally -o FILE");
  }
  if (command.rfind("-", 0) == 0)
    return UsageError(err, "unknown option \"" + command + "\"");
  return UsageError(err, "unexpected argument \"" + command + "\"");
}

} // namespace zendrik
