#include "app/help_window.h"

#include <QAction>
#include <QBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>

// The guide is a resource of a static library: it must be registered by hand.
static void RegisterHelpResources() { Q_INIT_RESOURCE(help); }

namespace zendrik {

namespace {

constexpr int kWidth = 760;
constexpr int kHeight = 620;

QString HeadingName(const QString& heading) {
  QString name;
  for (const QChar c : heading.toLower()) {
    if (c.isLetterOrNumber() || c == u'-' || c == u'_')
      name += c;
    else if (c == u' ')
      name += u'-';
  }
  return name;
}

// Gives every page it shows the names of its headings before it goes to the section a link
// names, so that links between sections work.
class THelpBrowser final : public QTextBrowser {
 public:
  using QTextBrowser::QTextBrowser;

 protected:
  void doSetSource(const QUrl& name, QTextDocument::ResourceType type) override {
    QTextBrowser::doSetSource(name, type);
    NameHeadings(*document());
    if (name.hasFragment()) scrollToAnchor(name.fragment(QUrl::FullyDecoded));
  }
};

}  // namespace

void NameHeadings(QTextDocument& document) {
  QSet<QString> taken;
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    if (block.blockFormat().headingLevel() == 0 || block.length() <= 1) continue;
    const QString base = HeadingName(block.text());
    QString name = base;
    for (int k = 1; taken.contains(name); ++k) name = base + "-" + QString::number(k);
    taken.insert(name);
    QTextCursor heading(block);
    heading.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    QTextCharFormat anchor;
    anchor.setAnchor(true);
    anchor.setAnchorNames({name});
    heading.mergeCharFormat(anchor);
  }
}

THelpWindow::THelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  RegisterHelpResources();
  setObjectName("HelpWindow");
  setWindowTitle("Zendrik Help - Scripting guide");
  resize(kWidth, kHeight);
  Text = new THelpBrowser(this);
  Text->setObjectName("HelpBrowser");
  Text->setAccessibleName("Scripting guide");
  Text->setOpenExternalLinks(true);
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  column->addWidget(Text);
  BuildFindBar();
  column->addWidget(FindBar);

  auto* find = new QAction("Find", this);
  find->setShortcut(QKeySequence::Find);
  connect(find, &QAction::triggered, this, &THelpWindow::StartFind);
  auto* next = new QAction("Find next", this);
  next->setShortcut(QKeySequence::FindNext);
  connect(next, &QAction::triggered, this, [this] { Find(FindText->text()); });
  auto* previous = new QAction("Find previous", this);
  previous->setShortcut(QKeySequence::FindPrevious);
  connect(previous, &QAction::triggered, this, [this] { Find(FindText->text(), true); });
  addActions({find, next, previous});

  Text->setSource(QUrl(kGuide), QTextDocument::MarkdownResource);
  Text->setFocus();
}

void THelpWindow::BuildFindBar() {
  FindBar = new QWidget(this);
  FindBar->setObjectName("FindBar");
  auto* line = new QHBoxLayout(FindBar);
  auto* label = new QLabel("Fi&nd:", FindBar);
  FindText = new QLineEdit(FindBar);
  FindText->setObjectName("FindText");
  FindText->setPlaceholderText("Text to find in the guide");
  label->setBuddy(FindText);
  auto* next = new QPushButton("&Next", FindBar);
  next->setToolTip("Find the next place (Enter, F3)");
  auto* previous = new QPushButton("&Previous", FindBar);
  previous->setToolTip("Find the place before (Shift+F3)");
  FindResult = new QLabel(FindBar);
  FindResult->setObjectName("FindResult");
  line->addWidget(label);
  line->addWidget(FindText, 1);
  line->addWidget(next);
  line->addWidget(previous);
  line->addWidget(FindResult);
  connect(FindText, &QLineEdit::returnPressed, this, [this] { Find(FindText->text()); });
  connect(next, &QPushButton::clicked, this, [this] { Find(FindText->text()); });
  connect(previous, &QPushButton::clicked, this, [this] { Find(FindText->text(), true); });
  FindText->installEventFilter(this);
  FindBar->hide();
}

void THelpWindow::StartFind() {
  FindBar->show();
  FindText->setFocus(Qt::ShortcutFocusReason);
  FindText->selectAll();
}

bool THelpWindow::Find(const QString& text, bool backwards) {
  if (text.isEmpty()) return false;
  const QTextDocument::FindFlags flags =
      backwards ? QTextDocument::FindBackward : QTextDocument::FindFlags();
  bool found = Text->find(text, flags);
  if (!found) {
    // Round the end: from the other end of the guide.
    QTextCursor from(Text->document());
    from.movePosition(backwards ? QTextCursor::End : QTextCursor::Start);
    const QTextCursor kept = Text->textCursor();
    Text->setTextCursor(from);
    found = Text->find(text, flags);
    if (!found) Text->setTextCursor(kept);
  }
  FindResult->setText(found ? QString() : QString("Not found"));
  return found;
}

bool THelpWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == FindText && event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
    FindBar->hide();
    Text->setFocus();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace zendrik
