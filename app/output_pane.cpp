#include "app/output_pane.h"

#include "app/cell_text.h"

#include <QFontDatabase>
#include <QTextBlock>
#include <QTextCursor>
#include <QTime>

namespace zendrik {

TOutputPane::TOutputPane(QWidget* parent) : QPlainTextEdit(parent) {
  setObjectName("OutputPane");
  setAccessibleName("Script output");
  setReadOnly(true);
  setLineWrapMode(QPlainTextEdit::NoWrap);
  setMaximumBlockCount(kMaxLines);
  QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  fixed.setPointSize(10);
  setFont(fixed);
  setPlaceholderText("What scripts write with write and writeln");
  hide();
}

void TOutputPane::BeginRun(const QString& scriptName, const QTime& time) {
  PendingRunLine =
      QString("--- %1, run at %2 ---\n").arg(scriptName, time.toString(QStringLiteral("HH:mm:ss")));
  if (!isHidden()) Append({});
}

void TOutputPane::Write(std::string_view bytes) {
  if (bytes.empty()) return;
  Append(DisplayText(bytes));
  if (isHidden()) show();
}

void TOutputPane::Append(const QString& text) {
  QTextCursor end(document());
  end.movePosition(QTextCursor::End);
  if (!PendingRunLine.isEmpty()) {
    // The run's line starts a line of its own, after what the last run left unfinished.
    if (document()->lastBlock().length() > 1) end.insertText(QStringLiteral("\n"));
    end.insertText(PendingRunLine);
    PendingRunLine.clear();
  }
  end.insertText(text);
  // Follows the output as a terminal does.
  setTextCursor(end);
  ensureCursorVisible();
}

}  // namespace zendrik
