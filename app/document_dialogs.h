#pragma once

#include "app/script_document.h"

class QFileDialog;
class QWidget;

namespace zendrik {

class TMessageBoxes;

/// The script document's questions and file dialogs in the window: message boxes over the
/// window, and the open and save-as dialogs `OpenDialog1` and `SaveDialog2`, made on first use
/// (a file dialog costs a third of the window's start, which a batch run never needs).
class TDocumentDialogs final : public TDocumentPrompts {
 public:
  /// `window` owns the dialogs; `boxes` answers them. Both must outlive this.
  TDocumentDialogs(QWidget& window, TMessageBoxes& boxes) : Window(window), Boxes(boxes) {}

  TAnswer Ask(const QString& caption, const QString& text, TButtons buttons) override;
  std::optional<std::string> ChooseFile(TFileChoice choice) override;

 private:
  QFileDialog& OpenScriptDialog();
  QFileDialog& SaveScriptDialog();

  QWidget& Window;
  TMessageBoxes& Boxes;
  QFileDialog* OpenDialog1 = nullptr;
  QFileDialog* SaveDialog2 = nullptr;
};

}  // namespace zendrik
