#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QTextBrowser;
class QTextDocument;

namespace zendrik {

/// The program's own help, which needs no web browser: the guide to scripts
/// (`docs/scripting.md`, built into the program) shown as Markdown in a window of its own,
/// with working links between its sections and to the window's help page, and find: Ctrl+F
/// opens the find bar, Enter and F3 find the next place, Shift+F3 the one before, Esc closes
/// the bar. Web links open in the desktop's browser.
class THelpWindow : public QWidget {
  Q_OBJECT

 public:
  /// The guide inside the program.
  static constexpr const char* kGuide = "qrc:/docs/scripting.md";

  explicit THelpWindow(QWidget* parent = nullptr);

  QTextBrowser& Browser() const { return *Text; }
  /// Shows the find bar with the focus in it.
  void StartFind();
  /// Selects the next place of `text` after the cursor (before it with `backwards`), going
  /// round the end; false, with the bar saying so, when the text is nowhere.
  bool Find(const QString& text, bool backwards = false);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildFindBar();

  QTextBrowser* Text = nullptr;
  QWidget* FindBar = nullptr;
  QLineEdit* FindText = nullptr;
  QLabel* FindResult = nullptr;
};

/// Gives each heading of `document` the anchor name that links to it use: its text in lower
/// case, letters, digits, '-' and '_' kept, spaces as '-', everything else left out, and
/// "-1", "-2", ... after a name already taken (as Markdown renderers name headings).
void NameHeadings(QTextDocument& document);

}  // namespace zendrik
