// Cells out of the grid: selecting with the mouse and the keys, copying to the clipboard, and
// following a link in a cell.

#include "app/main_form.h"

#include "app/paint_box.h"
#include "extract/address_resolution.h"
#include "tests/app/grid_fixtures.h"
#include "tests/app/scripted_message_boxes.h"
#include "tests/support/loopback_http_server.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMimeData>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

namespace zendrik {
namespace {

using testsupport::HttpReply;

class WindowCellsTest : public testing::Test {
 protected:
  void SetUp() override {
    CurrentAddress().clear();
    QGuiApplication::clipboard()->clear();
    testsupport::Fill(form.Table, {{"Name", "Price"}, {"Apple", "1,99"}, {"Pear", "2,50", "ripe"}});
    form.Grid().Refresh();
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  }

  TPaintBox& Cells() { return form.Grid().PaintBox1(); }

  // The middle of a cell (zero-based) on a surface scrolled by `scroll`.
  QPoint CellCentre(int row, int column, QPoint scroll = {}) {
    const TGridLayout& layout = form.Grid().Layout();
    return QPoint((layout.ColumnLeft(column) + layout.ColumnLeft(column + 1)) / 2,
                  row * layout.RowPitch() + layout.RowPitch() / 2) -
           scroll;
  }

  void Click(QWidget& on, QPoint at, Qt::KeyboardModifiers keys = Qt::NoModifier) {
    QTest::mouseClick(&on, Qt::LeftButton, keys, at);
  }

  QString Copied() {
    QTest::keyClick(&Cells(), Qt::Key_C, Qt::ControlModifier);
    return QGuiApplication::clipboard()->text();
  }

  testsupport::LoopbackHttpServer server;
  testsupport::ScriptedMessageBoxes boxes;
  TMainForm form{boxes};
};

TEST_F(WindowCellsTest, ClickAndShiftClickSelectARectangleThatCtrlCCopies) {
  Click(Cells(), CellCentre(1, 0));
  EXPECT_EQ(QApplication::focusWidget(), &Cells()) << "the click gives the cells the keys";
  EXPECT_EQ(Copied(), "Apple");
  Click(Cells(), CellCentre(2, 1), Qt::ShiftModifier);
  EXPECT_EQ(Copied(), "Apple\t1,99\nPear\t2,50");
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  ASSERT_NE(data, nullptr);
  EXPECT_EQ(data->data("text/csv").toStdString(), "\"Apple\",\"1,99\"\r\n\"Pear\",\"2,50\"\r\n");
}

TEST_F(WindowCellsTest, DraggingSelectsAndHeadersSelectWholeRowsAndColumns) {
  QTest::mousePress(&Cells(), Qt::LeftButton, {}, CellCentre(0, 0));
  QMouseEvent move(QEvent::MouseMove, CellCentre(1, 1), Cells().mapToGlobal(CellCentre(1, 1)),
                   Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&Cells(), &move);
  QTest::mouseRelease(&Cells(), Qt::LeftButton, {}, CellCentre(1, 1));
  EXPECT_EQ(Copied(), "Name\tPrice\nApple\t1,99");

  const int pitch = form.Grid().Layout().RowPitch();
  Click(form.Grid().PaintBox3(), QPoint(10, 2 * pitch + pitch / 2));
  EXPECT_EQ(Copied(), "Pear\t2,50\tripe") << "a whole row";
  Click(form.Grid().PaintBox2(), QPoint(CellCentre(0, 1).x(), 10));
  EXPECT_EQ(Copied(), "Price\n1,99\n2,50") << "a whole column";
}

TEST_F(WindowCellsTest, CtrlAAndTheCornerSelectEverythingAndTheContextMenuCopies) {
  Click(Cells(), CellCentre(0, 0));
  QTest::keyClick(&Cells(), Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(Copied(), "Name\tPrice\nApple\t1,99\nPear\t2,50\tripe");

  Click(Cells(), CellCentre(0, 0));
  Click(*form.findChild<QWidget*>("Panel4"), QPoint(5, 5));
  QGuiApplication::clipboard()->clear();
  EXPECT_EQ(Cells().contextMenuPolicy(), Qt::ActionsContextMenu);
  ASSERT_EQ(Cells().actions().size(), 2);
  EXPECT_EQ(Cells().actions()[0]->text(), "Copy");
  Cells().actions()[0]->trigger();
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "Name\tPrice\nApple\t1,99\nPear\t2,50\tripe");
}

TEST_F(WindowCellsTest, CtrlCInTheEditorStillCopiesTheEditorsText) {
  auto& editor = *form.findChild<QWidget*>("Memo1");
  form.ScriptEditor().setPlainText("begin end;");
  editor.setFocus();
  form.ScriptEditor().selectAll();
  QTest::keyClick(&editor, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "begin end;");
}

TEST_F(WindowCellsTest, ANewTableDropsTheSelection) {
  Click(Cells(), CellCentre(0, 0));
  QTest::keyClick(&Cells(), Qt::Key_A, Qt::ControlModifier);
  EXPECT_FALSE(form.Grid().Selection().Range().Empty());
  form.NewTable1Click();
  EXPECT_TRUE(form.Grid().Selection().Range().Empty());
}

TEST_F(WindowCellsTest, DoubleClickingALinkExtractsItsPageRelativeToTheLastOne) {
  server.Serve("/dir/list.html",
               HttpReply::Page("<tr><td>Item</td><td><a href=\"item.html\">see</a></td></tr>"));
  server.Serve("/dir/item.html", HttpReply::Page("<p>Details"));
  form.findChild<QLineEdit*>("Edit1")->setText(
      QString::fromStdString(server.Url("/dir/list.html")));
  form.ExtractDataBtnClick();
  ASSERT_EQ(form.Table.ReadCell(1, 2), "item.html");

  QTest::mouseDClick(&Cells(), Qt::LeftButton, {}, CellCentre(0, 0));  // "Item": no address
  QCoreApplication::processEvents();
  EXPECT_EQ(form.Table.ReadCell(1, 1), "Item");
  QTest::mouseDClick(&Cells(), Qt::LeftButton, {}, CellCentre(0, 1));
  QCoreApplication::processEvents();
  EXPECT_EQ(form.Table.ReadCell(1, 1), "Details ");
  EXPECT_EQ(form.findChild<QLineEdit*>("Edit1")->text().toStdString(),
            server.Url("/dir/item.html"));
  EXPECT_TRUE(boxes.Boxes.empty());
}

}  // namespace
}  // namespace zendrik
