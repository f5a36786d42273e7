#pragma once

#include "app/host_functions.h"
#include "extract/table.h"

class QLineEdit;

namespace zendrik {

class TGridView;
class TWindowExtraction;

/// The window as the host functions see it: the address field, the window's extraction, and
/// the table with its grid. While it lives it is the host the functions work on.
class TWindowScriptHost final : public TScriptHost {
 public:
  /// The parts must outlive the host.
  TWindowScriptHost(QLineEdit& addressField, TWindowExtraction& extraction, TCellTable& table,
                    TGridView& grid);
  TWindowScriptHost(const TWindowScriptHost&) = delete;
  TWindowScriptHost& operator=(const TWindowScriptHost&) = delete;

  std::string AddressFieldText() const override;
  void SetAddressFieldText(std::string_view text) override;
  TFetchOutcome Download(const std::string& address) override;
  TFetchOutcome GetPage(const std::string& address, std::string& body) override;
  std::string_view ReadCell(int row, int column) override;
  void WriteCell(int row, int column, std::string_view text) override;
  void ClearCells() override;
  bool SaveTable(const std::string& fileName, std::string& error) override;

 private:
  QLineEdit& AddressField;
  TWindowExtraction& Extraction;
  TCellTable& Table;
  TGridView& Grid;
};

}  // namespace zendrik
