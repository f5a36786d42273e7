#pragma once

#include "app/script_document.h"

#include <QPlainTextEdit>

namespace zendrik {

class TScriptHighlighter;

/// The script editor `Memo1`: plain text in the system's fixed-pitch font, coloured by the
/// dialect's token rules, with the line numbers in a gutter on its left. It holds the text of the
/// window's script document.
class TScriptEditor : public QPlainTextEdit, public TDocumentEditor {
  Q_OBJECT
  Q_PROPERTY(QString Text READ toPlainText WRITE setPlainText)

 public:
  explicit TScriptEditor(QWidget* parent = nullptr);

  QString Text() const override { return toPlainText(); }
  void SetText(const QString& text) override { setPlainText(text); }

  /// Puts the cursor on `line` (1-based) at `column` (1-based, kept within the line) and shows
  /// it; lines outside the text go to its first or last line.
  void MoveCursorTo(int line, int column = 1);
  /// Marks `line` (1-based) as the line of an error, until the text is next edited.
  void MarkErrorLine(int line);
  /// The line marked as the error's (1-based); 0 when none is.
  int ErrorLine() const { return MarkedLine; }
  /// Width of the line-number gutter for the current number of lines.
  int GutterWidth() const;
  /// Paints the gutter (the gutter widget's paint event).
  void PaintGutter(QPaintEvent* event);
  TScriptHighlighter& Highlighter() const { return *Colours; }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void UpdateGutterWidth();
  void UpdateGutter(const QRect& rect, int dy);

  QWidget* Gutter;
  TScriptHighlighter* Colours;
  int MarkedLine = 0;
};

}  // namespace zendrik
