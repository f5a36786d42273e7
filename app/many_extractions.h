#pragma once

#include "app/extract_command.h"

#include <string>
#include <string_view>

namespace zendrik {

/// The name, without directory, of the file that `--extract` into a directory writes for
/// `address`: the address without its scheme, each run of characters other than ASCII letters,
/// digits, '.' and '-' made one '_', no '_' or '.' at either end, at most 120 bytes ("page"
/// when nothing is left), then `extension`.
std::string OutputNameForAddress(std::string_view address, std::string_view extension);

/// Extracts each address of `request` into a file of its own in the directory `Output`
/// (created when missing, with its parents), named by `OutputNameForAddress`; an address that would
/// take a name already given gets "-2", "-3", ... before the extension. Local files are read first,
/// then web addresses are fetched concurrently, at most `Jobs` at a time. Each address ends with
/// one line on standard error saying what was written or what went wrong. Returns 0 when every
/// address was extracted and written, 1 otherwise.
int ExtractMany(const TExtractRequest& request, const TConsole& console);

}  // namespace zendrik
