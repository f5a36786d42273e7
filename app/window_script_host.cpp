#include "app/window_script_host.h"

#include "app/cell_text.h"
#include "app/csv_export.h"
#include "app/grid_view.h"
#include "app/window_extraction.h"

#include <QLineEdit>

namespace zendrik {

TWindowScriptHost::TWindowScriptHost(QLineEdit& addressField, TWindowExtraction& extraction,
                                     TCellTable& table, TGridView& grid)
    : AddressField(addressField), Extraction(extraction), Table(table), Grid(grid) {}

std::string TWindowScriptHost::AddressFieldText() const {
  return AddressField.text().toStdString();
}

void TWindowScriptHost::SetAddressFieldText(std::string_view text) {
  AddressField.setText(DisplayText(text));
}

TFetchOutcome TWindowScriptHost::Download(const std::string& address) {
  return Extraction.DownloadIt(address);
}

TFetchOutcome TWindowScriptHost::GetPage(const std::string& address, std::string& body) {
  return Extraction.GetPage(address, body);
}

std::string_view TWindowScriptHost::ReadCell(int row, int column) {
  return Table.ReadCell(row, column);
}

void TWindowScriptHost::WriteCell(int row, int column, std::string_view text) {
  const TCellWriteShape before = Grid.Layout().BeforeWrite(Table, row, column);
  Table.WriteCell(row, column, text);
  Grid.RefreshAfterWrite(row, column, before);
}

void TWindowScriptHost::ClearCells() {
  Table.clearall();
  Grid.Refresh();
}

bool TWindowScriptHost::SaveTable(const std::string& fileName, std::string& error) {
  SaveResult saved = zendrik::SaveTable(Table, fileName);
  error = std::move(saved.Error);
  return saved.Ok;
}

}  // namespace zendrik
