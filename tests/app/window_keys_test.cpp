// The window from the keyboard: shortcuts, Alt mnemonics, tips, the order of Tab, and a layout
// that grows with the window; the names the README gives to the window's commands.

#include "app/main_form.h"

#include "app/captioned_widgets.h"
#include "app/paint_box.h"
#include "tests/app/find_component.h"
#include "tests/app/scripted_message_boxes.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTest>

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace zendrik {
namespace {

class WindowKeysTest : public testing::Test {
 protected:
  void SetUp() override {
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  }

  template <typename T = QWidget>
  T& Find(const char* name) {
    return testsupport::FindComponent<T>(form, name);
  }

  QList<QMenu*> Menus() {
    QList<QMenu*> menus;
    for (QAction* title : Find<QMenuBar>("MainMenu1").actions()) menus.push_back(title->menu());
    return menus;
  }

  testsupport::ScriptedMessageBoxes boxes;
  TMainForm form{boxes};
};

TEST_F(WindowKeysTest, CommandsHaveTheStandardShortcuts) {
  // The keys the README promises, whatever the desktop's own bindings add.
  const std::map<std::string, QList<QKeySequence>> expected = {
      {"Neu1", {QKeySequence("Ctrl+N")}},
      {"ffnen1", {QKeySequence("Ctrl+O")}},
      {"Speichern1", {QKeySequence("Ctrl+S")}},
      {"Speichernunter1", {QKeySequence("Ctrl+Shift+S")}},
      {"Exit1", {QKeySequence("Ctrl+Q")}},
      {"Runscript1", {QKeySequence("F9"), QKeySequence("Ctrl+R")}},
      {"Stop1", {QKeySequence("Esc")}},
      {"Helpfile1", {QKeySequence("F1")}},
      {"FocusAddress1", {QKeySequence("Ctrl+L")}},
      {"CopyCells1", {QKeySequence("Ctrl+C")}},
  };
  for (const auto& [name, keys] : expected)
    for (const QKeySequence& key : keys)
      EXPECT_TRUE(Find<QAction>(name.c_str()).shortcuts().contains(key))
          << name << " " << key.toString().toStdString();
  for (const QKeySequence& key : QKeySequence::keyBindings(QKeySequence::Save))
    EXPECT_TRUE(Find<QAction>("Speichern1").shortcuts().contains(key)) << "and the desktop's";
}

TEST_F(WindowKeysTest, EveryMenuAndCommandHasItsOwnAltMnemonic) {
  std::set<QChar> titles;
  for (QMenu* menu : Menus()) {
    const QString title = menu->menuAction()->text();
    ASSERT_TRUE(title.contains('&')) << title.toStdString();
    EXPECT_TRUE(titles.insert(title[title.indexOf('&') + 1].toLower()).second)
        << title.toStdString();
    std::set<QChar> keys;
    for (QAction* item : menu->actions()) {
      if (item->isSeparator() || !item->isVisible()) continue;
      const QString text = item->text();
      ASSERT_TRUE(text.contains('&')) << text.toStdString();
      EXPECT_TRUE(keys.insert(text[text.indexOf('&') + 1].toLower()).second) << text.toStdString();
    }
  }
  for (const char* button : {"ExtractDataBtn", "RunScript", "StopBtn"})
    EXPECT_TRUE(Find<QPushButton>(button).text().contains('&')) << button;
  EXPECT_EQ(Find<QLabel>("Label1").buddy(), &Find<QLineEdit>("Edit1"));
}

TEST_F(WindowKeysTest, TipsShowTheShortcutsAndEmptyFieldsSayWhatTheyAreFor) {
  EXPECT_TRUE(Find<QPushButton>("RunScript").toolTip().contains("F9"));
  EXPECT_TRUE(Find<QPushButton>("StopBtn").toolTip().contains("Esc"));
  EXPECT_TRUE(Find<QPushButton>("ExtractDataBtn").toolTip().contains("Enter"));
  EXPECT_TRUE(Find<QLineEdit>("Edit1").toolTip().contains("Ctrl+L"));
  EXPECT_FALSE(Find<QLineEdit>("Edit1").placeholderText().isEmpty());
  EXPECT_FALSE(form.ScriptEditor().placeholderText().isEmpty());
}

TEST_F(WindowKeysTest, TabGoesFromTheAddressToTheButtonTheCellsAndTheEditor) {
  QWidget* const order[] = {&Find("Edit1"), &Find("ExtractDataBtn"), &form.Grid().PaintBox1(),
                            &form.ScriptEditor()};
  order[0]->setFocus();
  for (std::size_t k = 1; k < std::size(order); ++k) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), order[k]) << k;
  }
}

TEST_F(WindowKeysTest, CtrlLGoesToTheAddressAndF9AndCtrlRRunTheScript) {
  Find<QLineEdit>("Edit1").setText("typed");
  form.ScriptEditor().setFocus();
  QTest::keyClick(&form.ScriptEditor(), Qt::Key_L, Qt::ControlModifier);
  EXPECT_EQ(QApplication::focusWidget(), &Find("Edit1"));
  EXPECT_EQ(Find<QLineEdit>("Edit1").selectedText(), "typed");

  form.ScriptEditor().setPlainText("begin SetCell(1, 1, 'by F9') end;");
  QTest::keyClick(&Find("Edit1"), Qt::Key_F9);
  EXPECT_EQ(form.Table.ReadCell(1, 1), "by F9");
  form.ScriptEditor().setPlainText("begin SetCell(1, 1, 'by Ctrl+R') end;");
  QTest::keyClick(&form.ScriptEditor(), Qt::Key_R, Qt::ControlModifier);
  EXPECT_EQ(form.Table.ReadCell(1, 1), "by Ctrl+R");
}

TEST_F(WindowKeysTest, TheAddressFieldStretchesWithTheWindow) {
  EXPECT_EQ(Find("Edit1").width(), 657);
  form.resize(TMainForm::kWidth + 300, TMainForm::kHeight);
  QCoreApplication::processEvents();
  EXPECT_EQ(Find("Edit1").width(), 957);
  EXPECT_EQ(Find("Label2").geometry().right(), form.width() - 9);
  form.resize(TMainForm::kWidth, TMainForm::kHeight);
  QCoreApplication::processEvents();
  EXPECT_EQ(Find("Edit1").width(), 657);
  EXPECT_EQ(Find("ExtractDataBtn").geometry(), QRect(8, 32, 201, 33));
}

TEST_F(WindowKeysTest, TheCommandsTheReadmeNamesAreTheWindows) {
  QFile readme(ZENDRIK_SOURCE_DIR "/README.md");
  ASSERT_TRUE(readme.open(QIODevice::ReadOnly));
  const QString text = QString::fromUtf8(readme.readAll());
  std::map<QString, std::set<QString>> menus;
  for (QMenu* menu : Menus())
    for (QAction* item : menu->actions())
      menus[PlainCaption(menu->menuAction()->text())].insert(PlainCaption(item->text()));
  std::set<QString> buttons;
  for (const QPushButton* button : form.findChildren<QPushButton*>())
    buttons.insert(PlainCaption(button->text()));
  // **Menu, Item** names a menu command, **Name** a button; both may wrap across lines.
  const QRegularExpression bold(R"(\*\*([^*]+)\*\*)");
  int named = 0;
  for (const QRegularExpressionMatch& match : bold.globalMatch(text)) {
    const QString name = match.captured(1).simplified();
    const qsizetype comma = name.indexOf(", ");
    if (comma < 0) {
      EXPECT_TRUE(buttons.contains(name)) << name.toStdString();
    } else {
      const QString menu = name.left(comma), item = name.mid(comma + 2);
      ASSERT_TRUE(menus.contains(menu)) << name.toStdString();
      EXPECT_TRUE(menus[menu].contains(item)) << name.toStdString();
    }
    ++named;
  }
  EXPECT_GE(named, 4);
}

}  // namespace
}  // namespace zendrik
