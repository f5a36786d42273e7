#pragma once

#include "app/command_line.h"
#include "app/table_formats.h"

#include <cstddef>
#include <string>
#include <vector>

namespace zendrik {

/// Concurrent retrievals of `--extract` with several addresses, unless `--jobs` says otherwise.
inline constexpr std::size_t kDefaultExtractJobs = 8;
/// The most `--jobs` accepts.
inline constexpr std::size_t kMaxExtractJobs = 64;

/// What `--extract ADDRESS... [-o FILE|DIR/] [--format F] [--jobs N]` asks for.
struct TExtractRequest {
  std::vector<std::string> Addresses;
  /// The file to write, or the directory of one file per address; empty for standard output.
  std::string Output;
  TTableFormat Format = TTableFormat::Csv;
  std::size_t Jobs = kDefaultExtractJobs;
};

/// Reads the arguments that follow `--extract`; returns the problem when they do not make a
/// request, else an empty text.
std::string ParseExtractRequest(const std::vector<std::string>& args, TExtractRequest& request);

/// Whether the request writes one file per address into a directory: when the output ends in
/// '/' or names an existing directory. Several addresses need one; a single file name after
/// them is refused rather than taken for a directory to create.
bool WritesIntoDirectory(const TExtractRequest& request);

/// Runs the extraction and returns the exit status: 0 when every address was extracted and
/// written, 1 otherwise.
int RunExtract(const TExtractRequest& request, const TConsole& console);

}  // namespace zendrik
