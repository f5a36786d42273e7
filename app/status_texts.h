#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace zendrik {

// What the window's status bar says when an operation ends.

/// "2 rows, 5 cells from ADDRESS (77 bytes)", with "1 row" and "1 cell" for one.
std::string ExtractionDoneText(std::string_view address, unsigned rows, std::size_t cells,
                               std::int64_t bytes);
/// "Could not open ADDRESS: REASON": the reason batch mode and `--extract` give.
std::string CouldNotOpenText(std::string_view address, std::string_view reason);
/// "Extraction from ADDRESS failed: REASON".
std::string ExtractionFailedText(std::string_view address, std::string_view reason);
/// "3 rows saved to FILE", with "1 row" for one.
std::string TableSavedText(unsigned rows, std::string_view fileName);
/// "Script finished in 0.42 s".
std::string ScriptFinishedText(std::int64_t milliseconds);
/// The first line of `message`, for messages of several lines.
std::string_view FirstLine(std::string_view message);

}  // namespace zendrik
