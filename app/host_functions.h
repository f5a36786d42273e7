#pragma once

#include <string>
#include <string_view>

#include "extract/extraction_driver.h"
#include "script/runtime/engine.h"

namespace zendrik {

/// The largest position `SetCell` writes to (those of a large spreadsheet); beyond them it fails.
inline constexpr int kMaxScriptRows = 1'048'576;
inline constexpr int kMaxScriptColumns = 16'384;

/// What the host functions reach in the program's one window: the address field, the
/// extraction, the table and its grid. The window implements it; tests give a stand-in.
class TScriptHost : public TCtxHostServices {
 public:
  /// The text of the address field `Edit1`, as bytes.
  virtual std::string AddressFieldText() const = 0;
  virtual void SetAddressFieldText(std::string_view text) = 0;
  /// The extraction of the window (`DownloadIt`): resolves `address`, replaces the table, and
  /// tells how it ended.
  virtual TFetchOutcome Download(const std::string& address) = 0;
  /// The cell at (row, column), 1-based; empty outside the table. Valid until the table changes.
  virtual std::string_view ReadCell(int row, int column) = 0;
  /// Writes the cell by the table's write rule, then repaints the cell grid.
  virtual void WriteCell(int row, int column, std::string_view text) = 0;
  /// The body of the page at `address`, fetched by the window's client (`FetchPage`); the
  /// table stays as it is.
  virtual TFetchOutcome GetPage(const std::string& address, std::string& body) = 0;
  /// Empties the table and repaints the cell grid.
  virtual void ClearCells() = 0;
  /// Saves the table as CSV; false with the reason when it cannot.
  virtual bool SaveTable(const std::string& fileName, std::string& error) = 0;

  /// Why the last `Download` or `GetPage` of a script did not work; empty when it did. Kept for
  /// `LastDownloadError`.
  std::string LastDownloadError;
};

/// Registers `URL`, `Download`, `SaveTable`, `GetCell`, `SetCell` and `ClearCells` on the
/// system scope, in this order, then `GetPage` and `LastDownloadError`; once at start-up.
/// `LastDownloadError` is empty after a Download or GetPage that worked, else why it did not
/// (CannotOpenText for an address that could not be opened).
void RegisterHostFunctions();

}  // namespace zendrik
