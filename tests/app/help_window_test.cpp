// The help that needs no browser: the guide in the program's own window, its links and find;
// and File, Examples, which opens the example scripts shipped with the program.

#include "app/help_window.h"

#include "app/examples_menu.h"
#include "app/main_form.h"
#include "tests/app/scripted_message_boxes.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>

#include <gtest/gtest.h>

namespace zendrik {
namespace {

// The anchor names of a document's headings.
QStringList HeadingNames(const QTextDocument& document) {
  QStringList names;
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
    for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment)
      names += fragment.fragment().charFormat().anchorNames();
  return names;
}

TEST(HelpWindow, ShowsTheGuideAsMarkdownWithNamedHeadings) {
  THelpWindow help;
  QTextBrowser& browser = help.Browser();
  EXPECT_EQ(browser.source(), QUrl(THelpWindow::kGuide));
  EXPECT_TRUE(browser.toPlainText().startsWith("Scripting Zendrik"));
  EXPECT_EQ(browser.document()->begin().blockFormat().headingLevel(), 1) << "Markdown, not text";
  const QStringList names = HeadingNames(*browser.document());
  EXPECT_TRUE(names.contains("running-a-script"));
  EXPECT_TRUE(names.contains("automation-objects-d-bus-services"));
  EXPECT_TRUE(names.contains("host-functions-the-windows-table"));
}

TEST(HelpWindow, EveryLinkBetweenSectionsOfTheGuideFindsItsSection) {
  THelpWindow help;
  QFile guide(ZENDRIK_SOURCE_DIR "/docs/scripting.md");
  ASSERT_TRUE(guide.open(QIODevice::ReadOnly));
  const QStringList names = HeadingNames(*help.Browser().document());
  const QRegularExpression link(R"(\]\(#([^)]+)\))");
  int links = 0;
  for (const QRegularExpressionMatch& match :
       link.globalMatch(QString::fromUtf8(guide.readAll()))) {
    EXPECT_TRUE(names.contains(match.captured(1))) << match.captured(1).toStdString();
    ++links;
  }
  EXPECT_GE(links, 5);
}

// Clicks the first link of the browser's page that goes to `target`.
void ClickLink(QTextBrowser& browser, const QString& target) {
  for (QTextBlock block = browser.document()->begin(); block.isValid(); block = block.next())
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      if (it.fragment().charFormat().anchorHref() != target) continue;
      QTextCursor at(browser.document());
      at.setPosition(it.fragment().position() + 1);
      browser.setTextCursor(at);
      browser.ensureCursorVisible();
      QTest::mouseClick(browser.viewport(), Qt::LeftButton, {}, browser.cursorRect(at).center());
      return;
    }
  ADD_FAILURE() << "no link to " << target.toStdString();
}

TEST(HelpWindow, ALinkToASectionScrollsThereAndOneToTheWindowsHelpShowsIt) {
  THelpWindow help;
  help.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&help));
  QTextBrowser& browser = help.Browser();
  ClickLink(browser, "#example-scripts");
  EXPECT_GT(browser.verticalScrollBar()->value(), 0);
  const QTextCursor top = browser.cursorForPosition(QPoint(2, 2));
  EXPECT_TRUE(top.block().text().startsWith("Example scripts")) << top.block().text().toStdString();

  browser.moveCursor(QTextCursor::Start);
  ClickLink(browser, "help.html");
  EXPECT_TRUE(browser.toPlainText().startsWith("Zendrik")) << "the window's help page";
  browser.backward();
  EXPECT_TRUE(browser.toPlainText().startsWith("Scripting Zendrik"));
}

TEST(HelpWindow, CtrlFFindsTextGoingRoundTheEndAndSaysWhenItIsNowhere) {
  THelpWindow help;
  help.show();
  help.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&help));
  QLineEdit& find = *help.findChild<QLineEdit*>("FindText");
  EXPECT_FALSE(find.isVisible());
  QTest::keyClick(&help.Browser(), Qt::Key_F, Qt::ControlModifier);
  EXPECT_TRUE(find.isVisible());
  EXPECT_EQ(QApplication::focusWidget(), &find);

  QTest::keyClicks(&find, "CreateOleObject");
  QTest::keyClick(&find, Qt::Key_Return);
  EXPECT_EQ(help.Browser().textCursor().selectedText(), "CreateOleObject");
  const int first = help.Browser().textCursor().position();
  QTest::keyClick(&find, Qt::Key_Return);
  EXPECT_GT(help.Browser().textCursor().position(), first);
  // Backwards from the first place goes round to the last.
  help.Browser().moveCursor(QTextCursor::Start);
  EXPECT_TRUE(help.Find("CreateOleObject", true));
  EXPECT_GT(help.Browser().textCursor().position(), first);

  EXPECT_FALSE(help.Find("no such words in the guide"));
  EXPECT_EQ(help.findChild<QLabel*>("FindResult")->text(), "Not found");
  QTest::keyClick(&find, Qt::Key_Escape);
  EXPECT_FALSE(find.isVisible());
}

TEST(ExamplesMenu, ListsTheScriptsOfTheShippedFolder) {
  QTemporaryDir root;
  ASSERT_TRUE(QDir(root.path()).mkpath("bin"));
  ASSERT_TRUE(QDir(root.path()).mkpath("share/zendrik/examples"));
  for (const char* name : {"b.pas", "a.pas", "page.html"}) {
    QFile file(root.filePath(QString("share/zendrik/examples/") + name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  }
  const QString directory = ExamplesDirectory(root.filePath("bin"));
  EXPECT_EQ(directory, QDir(root.filePath("share/zendrik/examples")).canonicalPath());
  QMenu menu;
  FillExamplesMenu(menu, directory);
  ASSERT_EQ(menu.actions().size(), 2);
  EXPECT_EQ(menu.actions()[0]->text(), "a.pas");
  EXPECT_EQ(ExampleOf(*menu.actions()[1]), QFile::encodeName(directory + "/b.pas").toStdString());

  QMenu none;
  FillExamplesMenu(none, "");
  ASSERT_EQ(none.actions().size(), 1);
  EXPECT_FALSE(none.actions()[0]->isEnabled());
  EXPECT_EQ(ExampleOf(*none.actions()[0]), "");
}

TEST(ExamplesMenu, TheWindowOpensAnExampleAfterTheQuestionAboutUnsavedWork) {
  testsupport::ScriptedMessageBoxes boxes;
  TMainForm form(boxes);
  QMenu& examples = *form.findChild<QMenu*>("ExamplesMenu");
  QStringList names;
  for (const QAction* item : examples.actions()) names << item->text();
  EXPECT_TRUE(names.contains("prices.pas")) << names.join(", ").toStdString();
  EXPECT_TRUE(names.contains("window_demo.pas"));

  form.ScriptEditor().setPlainText("unsaved");
  boxes.Answers = {QMessageBox::Cancel};
  QAction* prices = examples.actions()[static_cast<int>(names.indexOf("prices.pas"))];
  prices->trigger();
  EXPECT_EQ(form.ScriptEditor().toPlainText(), "unsaved");
  ASSERT_EQ(boxes.Boxes.size(), 1u);
  EXPECT_EQ(boxes.Boxes[0].Caption, "Open script");

  boxes.Answers = {QMessageBox::No};
  prices->trigger();
  EXPECT_EQ(form.Document().ScriptFileName(), ExampleOf(*prices));
  EXPECT_TRUE(form.ScriptEditor().toPlainText().startsWith("{ The stock list"));
  EXPECT_EQ(form.windowTitle(), form.BaseCaption() + " - [prices.pas]");
}

}  // namespace
}  // namespace zendrik
