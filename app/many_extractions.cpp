#include "app/many_extractions.h"

#include "app/console_extraction.h"
#include "app/typed_address.h"
#include "web/body_encodings.h"
#include "web/curl_multi.h"

#include <filesystem>
#include <ostream>
#include <set>

namespace zendrik {
namespace {

constexpr std::size_t kMaxNameBytes = 120;

bool KeptInName(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' ||
         c == '-';
}

// One file name per address, in the order of the addresses; repeated names are numbered.
std::vector<std::string> PlanOutputFiles(const TExtractRequest& request) {
  const std::filesystem::path directory(request.Output);
  const std::string_view extension = TableFormatExtension(request.Format);
  std::set<std::string> taken;
  std::vector<std::string> files;
  for (const std::string& address : request.Addresses) {
    const std::string name = OutputNameForAddress(address, "");
    std::string file = name + std::string(extension);
    for (int number = 2; !taken.insert(file).second; ++number)
      file = name + "-" + std::to_string(number) + std::string(extension);
    files.push_back((directory / file).string());
  }
  return files;
}

std::string RowCount(const TCellTable& table) {
  const unsigned rows = table.RowCount();
  return std::to_string(rows) + (rows == 1 ? " row" : " rows");
}

// Writes the tables and says, one line per address, how each extraction ended.
class TManyExtractions {
 public:
  TManyExtractions(const TExtractRequest& request, const TConsole& console)
      : Request(request), Console(console), Files(PlanOutputFiles(request)) {}

  // Writes the table of address `index`; `problem` says what went wrong before, if anything.
  void Finish(std::size_t index, TCellTable& table, const std::string& problem) {
    std::ostream& err = Console.Err;
    err << "zendrik: " << Request.Addresses[index] << ": ";
    if (!problem.empty()) {
      AllWell = false;
      err << problem << "; ";
    }
    if (SaveResult saved = SaveTableAs(table, Request.Format, Files[index]); !saved) {
      AllWell = false;
      err << saved.Error << "\n";
      return;
    }
    err << RowCount(table) << " -> " << Files[index] << "\n";
  }

  // A local file that could not be read has had its line; nothing is written for it.
  void NoteUnreadable() { AllWell = false; }

  bool AllWent() const { return AllWell; }

 private:
  const TExtractRequest& Request;
  const TConsole& Console;
  std::vector<std::string> Files;
  bool AllWell = true;
};

void ExtractLocalFile(std::size_t index, TManyExtractions& run, const TExtractRequest& request,
                      const TConsole& console) {
  std::string body;
  if (!ReadCommandLineFile(request.Addresses[index], body, console.Err)) {
    run.NoteUnreadable();
    return;
  }
  TCellTable table;
  run.Finish(index, table, ExtractBody(body, table) ? "" : "not enough memory");
}

// Lays out a retrieved page; what went wrong, or an empty text.
std::string ExtractRetrieved(TFinishedTransfer& finished, TCellTable& table,
                             const TTransferLimits& limits) {
  switch (finished.End) {
    case TTransferEnd::NotOpened: return "cannot open: " + finished.Reason;
    case TTransferEnd::Failed: return "failed: " + finished.Reason;
    case TTransferEnd::Complete: break;
  }
  try {
    DecodeGzipBody(finished.Body, limits.MaxBodyBytes);
  } catch (const EIEHTTPError& error) {
    return std::string("failed: ") + error.what();
  }
  return ExtractBody(finished.Body->Bytes(), table) ? "" : "failed: not enough memory";
}

}  // namespace

std::string OutputNameForAddress(std::string_view address, std::string_view extension) {
  if (const std::size_t scheme = address.find("://"); scheme != std::string_view::npos)
    address.remove_prefix(scheme + 3);
  std::string name;
  for (char c : address) {
    if (KeptInName(c))
      name.push_back(c);
    else if (name.empty() || name.back() != '_')
      name.push_back('_');
  }
  const auto trimmed = [](char c) { return c == '_' || c == '.'; };
  while (!name.empty() && trimmed(name.back())) name.pop_back();
  std::size_t start = 0;
  while (start < name.size() && trimmed(name[start])) ++start;
  name = name.substr(start, kMaxNameBytes);
  if (name.empty()) name = "page";
  return name + std::string(extension);
}

int ExtractMany(const TExtractRequest& request, const TConsole& console) {
  std::error_code error;
  std::filesystem::create_directories(request.Output, error);
  if (!std::filesystem::is_directory(request.Output)) {
    console.Err << "zendrik: cannot create the directory \"" << request.Output
                << "\": " << (error ? error.message() : "a file of that name exists") << "\n";
    return 1;
  }
  TManyExtractions run(request, console);
  std::vector<std::string> webAddresses;
  std::vector<std::size_t> webIndexes;
  for (std::size_t i = 0; i < request.Addresses.size(); ++i) {
    if (IsWebAddress(request.Addresses[i])) {
      webAddresses.push_back(request.Addresses[i]);
      webIndexes.push_back(i);
    } else {
      ExtractLocalFile(i, run, request, console);
    }
  }
  const TTransferLimits limits;
  RunTransfers(webAddresses, limits, request.Jobs, [&](TFinishedTransfer& finished) {
    TCellTable table;
    const std::string problem = ExtractRetrieved(finished, table, limits);
    finished.Body.reset();
    run.Finish(webIndexes[finished.Index], table, problem);
  });
  return run.AllWent() ? 0 : 1;
}

}  // namespace zendrik
