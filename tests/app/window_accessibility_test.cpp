// The window as assistive technology reads it through Qt's accessibility interfaces: names of
// the controls, the grid as a table with headers, the status bar's messages, and the text of
// the editor and the output pane; and the grid's cells reached from the keyboard.

#include "app/main_form.h"

#include "app/output_pane.h"
#include "app/paint_box.h"
#include "tests/app/grid_fixtures.h"
#include "tests/app/scripted_message_boxes.h"

#include <QAccessible>
#include <QAccessibleTableInterface>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>

#include <gtest/gtest.h>

namespace zendrik {
namespace {

using testsupport::Fill;

QString NameOf(QObject* object) {
  QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
  return iface ? iface->text(QAccessible::Name) : QString("(no interface)");
}

class WindowAccessibilityTest : public testing::Test {
 protected:
  void SetUp() override {
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    Fill(form.Table, {{"Name", "Price"}, {"Apple", "1.99", "fresh"}});
    form.Grid().Refresh();
  }

  QAccessibleInterface& Cells() { return *QAccessible::queryAccessibleInterface(&Surface()); }
  QAccessibleTableInterface& Table() { return *Cells().tableInterface(); }
  TPaintBox& Surface() { return form.Grid().PaintBox1(); }

  testsupport::ScriptedMessageBoxes boxes;
  TMainForm form{boxes};
};

TEST_F(WindowAccessibilityTest, EveryControlHasAName) {
  EXPECT_EQ(NameOf(form.findChild<QLineEdit*>("Edit1")), "URL:") << "named by its label";
  EXPECT_EQ(NameOf(form.findChild<QPushButton*>("ExtractDataBtn")), "Extract data from website...");
  EXPECT_EQ(NameOf(form.findChild<QPushButton*>("RunScript")), "Run Pascal script...");
  EXPECT_EQ(NameOf(form.findChild<QPushButton*>("StopBtn")), "Stop");
  EXPECT_EQ(NameOf(&form.ScriptEditor()), "Script editor");
  EXPECT_EQ(NameOf(&form.ScriptOutput()), "Script output");
  EXPECT_EQ(NameOf(&Surface()), "Table");
  EXPECT_EQ(NameOf(&form.Grid().PaintBox2()), "Column names");
  EXPECT_EQ(NameOf(&form.Grid().PaintBox3()), "Row numbers");
}

TEST_F(WindowAccessibilityTest, TheGridIsATableOfCellsWithRowAndColumnHeaders) {
  ASSERT_NE(Cells().tableInterface(), nullptr);
  EXPECT_EQ(Cells().role(), QAccessible::Table);
  EXPECT_EQ(Table().rowCount(), 2);
  EXPECT_EQ(Table().columnCount(), 3);
  EXPECT_EQ(Cells().childCount(), 3 * 4) << "a header row and a header column";

  QAccessibleInterface* apple = Table().cellAt(1, 0);
  ASSERT_NE(apple, nullptr);
  EXPECT_EQ(apple->role(), QAccessible::Cell);
  EXPECT_EQ(apple->text(QAccessible::Name), "Apple");
  EXPECT_EQ(Table().cellAt(1, 2)->text(QAccessible::Name), "fresh");
  EXPECT_EQ(Table().cellAt(0, 2)->text(QAccessible::Name), "") << "beyond its row's cells";
  EXPECT_EQ(Table().cellAt(2, 0), nullptr);
  EXPECT_EQ(Table().cellAt(0, 3), nullptr);
  EXPECT_EQ(apple->parent(), &Cells());
  EXPECT_EQ(Cells().child(Cells().indexOfChild(apple)), apple);
  EXPECT_EQ(Table().cellAt(1, 0), apple) << "one interface a cell";

  QAccessibleTableCellInterface* cell = apple->tableCellInterface();
  ASSERT_NE(cell, nullptr);
  EXPECT_EQ(cell->rowIndex(), 1);
  EXPECT_EQ(cell->columnIndex(), 0);
  EXPECT_EQ(cell->table(), &Cells());
  ASSERT_EQ(cell->columnHeaderCells().size(), 1);
  EXPECT_EQ(cell->columnHeaderCells()[0]->text(QAccessible::Name), "A");
  EXPECT_EQ(cell->columnHeaderCells()[0]->role(), QAccessible::ColumnHeader);
  ASSERT_EQ(cell->rowHeaderCells().size(), 1);
  EXPECT_EQ(cell->rowHeaderCells()[0]->text(QAccessible::Name), "2");
  EXPECT_EQ(cell->rowHeaderCells()[0]->role(), QAccessible::RowHeader);
  EXPECT_EQ(Table().columnDescription(2), "C");
  EXPECT_EQ(Table().rowDescription(0), "1");
  EXPECT_EQ(Cells().child(1)->text(QAccessible::Name), "A") << "the header row comes first";

  const QRect place = apple->rect();
  EXPECT_EQ(place.topLeft(), Surface().mapToGlobal(QPoint(0, form.Grid().Layout().RowPitch())));
  EXPECT_EQ(Cells().childAt(place.center().x(), place.center().y()), apple);

  // The table changes under the interfaces: they read what is there now.
  form.Table.clearall();
  Fill(form.Table, {{"Pear"}});
  form.Grid().Refresh();
  EXPECT_EQ(Table().rowCount(), 1);
  EXPECT_EQ(Table().columnCount(), 1);
  EXPECT_EQ(Table().cellAt(0, 0)->text(QAccessible::Name), "Pear");
  EXPECT_EQ(Table().cellAt(1, 0), nullptr);
}

TEST_F(WindowAccessibilityTest, KeysMoveThroughTheCellsAndTheTableTellsWhichAreSelected) {
  Surface().setFocus();
  QTest::keyClick(&Surface(), Qt::Key_Down);
  EXPECT_EQ(form.Grid().Selection().Range(), (TCellRange{0, 0, 0, 0})) << "the first key: A1";
  QTest::keyClick(&Surface(), Qt::Key_Down);
  QTest::keyClick(&Surface(), Qt::Key_Right);
  EXPECT_EQ(form.Grid().Selection().Range(), (TCellRange{1, 1, 1, 1}));
  QTest::keyClick(&Surface(), Qt::Key_Right, Qt::ShiftModifier);
  QTest::keyClick(&Surface(), Qt::Key_Up, Qt::ShiftModifier);
  EXPECT_EQ(form.Grid().Selection().Range(), (TCellRange{0, 1, 1, 2}));
  EXPECT_EQ(Table().selectedCellCount(), 4);
  EXPECT_TRUE(Table().cellAt(0, 2)->state().selected);
  EXPECT_FALSE(Table().cellAt(0, 0)->state().selected);
  EXPECT_TRUE(Table().cellAt(0, 2)->state().focused) << "the cell the keys reached";
  EXPECT_EQ(Cells().focusChild(), Table().cellAt(0, 2));
  QTest::keyClick(&Surface(), Qt::Key_Home, Qt::ControlModifier);
  EXPECT_EQ(form.Grid().Selection().Range(), (TCellRange{0, 0, 0, 0}));
  QTest::keyClick(&Surface(), Qt::Key_End, Qt::ControlModifier);
  EXPECT_EQ(form.Grid().Selection().Range(), (TCellRange{1, 2, 1, 2}));
  QTest::keyClick(&Surface(), Qt::Key_Down);
  EXPECT_EQ(form.Grid().Selection().Range(), (TCellRange{1, 2, 1, 2})) << "stays in the table";

  form.Grid().SelectAll();
  EXPECT_EQ(Table().selectedRows(), (QList<int>{0, 1}));
  EXPECT_EQ(Table().selectedColumns(), (QList<int>{0, 1, 2}));
}

// Announcing the change reaches only a listening screen reader (checked through AT-SPI).
TEST_F(WindowAccessibilityTest, StatusMessagesAreTheStatusBarsName) {
  QAccessibleInterface& status = *QAccessible::queryAccessibleInterface(form.statusBar());
  EXPECT_EQ(status.role(), QAccessible::StatusBar);
  EXPECT_EQ(status.text(QAccessible::Name), "Status");
  form.ScriptEditor().setPlainText("begin end.");
  form.RunScriptClick();
  EXPECT_TRUE(status.text(QAccessible::Name).startsWith("Script finished in "))
      << status.text(QAccessible::Name).toStdString();
  form.statusBar()->clearMessage();
  EXPECT_EQ(status.text(QAccessible::Name), "Status");
}

TEST_F(WindowAccessibilityTest, TheEditorAndTheOutputPaneArePlainText) {
  form.ScriptEditor().setPlainText("begin\n  writeln('out');\nend.");
  ASSERT_TRUE(form.RunScriptClick());
  for (QWidget* pane :
       {static_cast<QWidget*>(&form.ScriptEditor()), static_cast<QWidget*>(&form.ScriptOutput())}) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(pane);
    ASSERT_NE(iface, nullptr);
    EXPECT_EQ(iface->role(), QAccessible::EditableText);
    QAccessibleTextInterface* text = iface->textInterface();
    ASSERT_NE(text, nullptr);
    const QString shown = static_cast<QPlainTextEdit*>(pane)->toPlainText();
    EXPECT_EQ(text->text(0, text->characterCount()), shown);
  }
  EXPECT_TRUE(form.ScriptOutput().toPlainText().endsWith("out\n"));
}

}  // namespace
}  // namespace zendrik
