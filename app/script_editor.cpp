#include "app/script_editor.h"

#include <QFontDatabase>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QTextBlock>

#include <algorithm>

#include "app/script_highlighter.h"

namespace zendrik {

namespace {

constexpr int kGutterPadding = 6;
// The background of the line of an error.
constexpr QRgb kErrorLineColour = 0xFFD8D8;

// The strip left of the text that shows the line numbers; the editor paints it.
class TLineNumberGutter : public QWidget {
 public:
  explicit TLineNumberGutter(TScriptEditor& editor) : QWidget(&editor), Editor(editor) {}
  QSize sizeHint() const override { return {Editor.GutterWidth(), 0}; }

 protected:
  void paintEvent(QPaintEvent* event) override { Editor.PaintGutter(event); }

 private:
  TScriptEditor& Editor;
};

}  // namespace

TScriptEditor::TScriptEditor(QWidget* parent)
    : QPlainTextEdit(parent),
      Gutter(new TLineNumberGutter(*this)),
      Colours(new TScriptHighlighter(document())) {
  QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  fixed.setPointSize(10);
  setFont(fixed);
  Gutter->setAccessibleName("Line numbers");
  connect(this, &QPlainTextEdit::blockCountChanged, this, [this] { UpdateGutterWidth(); });
  connect(this, &QPlainTextEdit::textChanged, this, [this] {
    if (MarkedLine == 0) return;
    MarkedLine = 0;
    setExtraSelections({});
  });
  connect(this, &QPlainTextEdit::updateRequest, this,
          [this](const QRect& rect, int dy) { UpdateGutter(rect, dy); });
  UpdateGutterWidth();
}

int TScriptEditor::GutterWidth() const {
  const int digits = static_cast<int>(QString::number(std::max(1, blockCount())).size());
  return 2 * kGutterPadding + fontMetrics().horizontalAdvance(QLatin1Char('9')) * digits;
}

void TScriptEditor::UpdateGutterWidth() { setViewportMargins(GutterWidth(), 0, 0, 0); }

void TScriptEditor::UpdateGutter(const QRect& rect, int dy) {
  if (dy != 0)
    Gutter->scroll(0, dy);
  else
    Gutter->update(0, rect.y(), Gutter->width(), rect.height());
  if (rect.contains(viewport()->rect())) UpdateGutterWidth();
}

void TScriptEditor::resizeEvent(QResizeEvent* event) {
  QPlainTextEdit::resizeEvent(event);
  const QRect inside = contentsRect();
  Gutter->setGeometry(QRect(inside.left(), inside.top(), GutterWidth(), inside.height()));
}

void TScriptEditor::PaintGutter(QPaintEvent* event) {
  QPainter painter(Gutter);
  painter.fillRect(event->rect(), palette().color(QPalette::Window));
  painter.setPen(palette().color(QPalette::PlaceholderText));
  QTextBlock block = firstVisibleBlock();
  int top = qRound(blockBoundingGeometry(block).translated(contentOffset()).top());
  while (block.isValid() && top <= event->rect().bottom()) {
    const int height = qRound(blockBoundingRect(block).height());
    if (block.isVisible() && top + height >= event->rect().top()) {
      painter.drawText(0, top, Gutter->width() - kGutterPadding, fontMetrics().height(),
                       Qt::AlignRight, QString::number(block.blockNumber() + 1));
    }
    block = block.next();
    top += height;
  }
}

void TScriptEditor::MoveCursorTo(int line, int column) {
  const QTextBlock block =
      document()->findBlockByNumber(std::clamp(line, 1, std::max(1, blockCount())) - 1);
  // Placed by its position in the document: moving right one character at a time would lay
  // out the line at every step.
  QTextCursor cursor(document());
  cursor.setPosition(block.position() +
                     std::clamp(column - 1, 0, static_cast<int>(block.length()) - 1));
  setTextCursor(cursor);
  ensureCursorVisible();
}

void TScriptEditor::MarkErrorLine(int line) {
  const QTextBlock block =
      document()->findBlockByNumber(std::clamp(line, 1, std::max(1, blockCount())) - 1);
  QTextEdit::ExtraSelection mark;
  mark.cursor = QTextCursor(block);
  mark.format.setBackground(QColor::fromRgb(kErrorLineColour));
  mark.format.setProperty(QTextFormat::FullWidthSelection, true);
  setExtraSelections({mark});
  MarkedLine = block.blockNumber() + 1;
}

}  // namespace zendrik
