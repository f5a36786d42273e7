// Files read back through the window's document code: a script file opened into the editor and
// saved again, the text kept for recovery, and a page file extracted and saved as a table. What
// is saved must be what was read, line ends aside.

#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "app/csv_export.h"
#include "app/file_bytes.h"
#include "app/script_document.h"
#include "extract/line_splitter.h"
#include "extract/page_walk.h"
#include "tests/fuzz/fuzz_support.h"
#include "web/web_error.h"

namespace zendrik {
namespace {

class TPlainEditor : public TDocumentEditor {
 public:
  QString Text() const override { return Contents; }
  void SetText(const QString& text) override { Contents = text; }
  QString Contents;
};

class TNoPrompts : public TDocumentPrompts {
 public:
  TAnswer Ask(const QString&, const QString&, TButtons) override { return TAnswer::No; }
  std::optional<std::string> ChooseFile(TFileChoice) override { return std::nullopt; }
};

void Check(bool ok) {
  if (!ok) std::abort();
}

std::string ReadBack(const std::string& name) {
  std::string bytes;
  Check(ReadFileBytes(name, bytes).empty());
  return bytes;
}

/// The bytes of a script as the editor saves it: every line (split at CR LF, CR or LF, a final
/// line end adding none) followed by CR LF; nothing when that leaves no text.
std::string WithCrLf(std::string_view bytes) {
  std::string lines;
  std::size_t at = 0;
  while (at < bytes.size()) {
    const std::size_t end = bytes.find_first_of("\r\n", at);
    lines.append(bytes.substr(at, end - at));
    if (end == std::string_view::npos) break;
    at = end + (bytes.substr(end, 2) == "\r\n" ? 2 : 1);
    if (at < bytes.size()) lines += "\r\n";
  }
  return lines.empty() ? lines : lines + "\r\n";
}

void ScriptFileRoundTrip(const std::string& bytes) {
  Check(SaveFileBytes("script.pas", bytes).Ok);
  TPlainEditor editor;
  TNoPrompts prompts;
  TScriptDocument document(editor, prompts, TScriptRecovery(QStringLiteral("recovery")));
  document.OpenFileWithName("script.pas");
  const std::string text = document.ScriptText();
  Check(text == WithCrLf(bytes));
  document.SaveTheFile();
  Check(ReadBack("script.pas") == text);

  std::string error;
  const TScriptRecovery recovery(QStringLiteral("recovery"));
  Check(recovery.Keep(bytes, "script.pas", error));
  const std::optional<TScriptRecovery::TKept> kept = recovery.Kept();
  Check(kept && kept->Bytes == bytes && kept->ScriptFileName == "script.pas");
}

void PageFileToTable(const std::string& bytes) {
  Check(SaveFileBytes("page.html", bytes).Ok);
  std::string page;
  Check(ReadFileBytes("page.html", page, kMaxBodyBytes).empty() && page == bytes);
  TCellTable table;
  ExtractPage(page, table);
  std::string csv;
  WriteCsv(table, [&csv](std::string_view chunk) {
    csv.append(chunk);
    return true;
  });
  Check(SaveTable(table, "table.csv").Ok);
  Check(ReadBack("table.csv") == csv);
}

}  // namespace
}  // namespace zendrik

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace zendrik;
  fuzzing::StartFuzzing();
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  ScriptFileRoundTrip(bytes);
  PageFileToTable(bytes);
  fuzzing::ClearScratchFolder();
  return 0;
}
