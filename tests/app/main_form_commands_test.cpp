#include "app/main_form.h"

#include "app/grid_painter.h"
#include "app/paint_box.h"
#include "app/product_info.h"
#include "extract/address_resolution.h"
#include "tests/app/grid_fixtures.h"
#include "tests/app/scripted_message_boxes.h"
#include "tests/support/loopback_http_server.h"

#include <QAction>
#include <QDate>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace zendrik {
namespace {

using testsupport::Fill;
using testsupport::HttpReply;

// Takes the addresses the window asks the desktop to open.
class UrlCatcher : public QObject {
  Q_OBJECT

public:
  QList<QUrl> Opened;

public slots:
  void Open(const QUrl& url) { Opened.push_back(url); }
};

class MainFormCommands : public testing::Test {
protected:
  void SetUp() override {
    CurrentAddress().clear();
    form.show();
    QCoreApplication::processEvents();
  }

  template <typename T = QWidget>
  T& Find(const char* name) {
    T* found = form.findChild<T*>(name);
    if (!found)
      ADD_FAILURE() << "no component " << name;
    return *found;
  }

  void Trigger(const char* item) { Find<QAction>(item).trigger(); }

  void TypeAddressAndPressEnter(const std::string& address) {
    auto& edit = Find<QLineEdit>("Edit1");
    edit.setText(QString::fromStdString(address));
    QTest::keyClick(&edit, Qt::Key_Return);
  }

  QScrollBar& VerticalBar() { return *form.Grid().ScrollBox1().verticalScrollBar(); }

  void Wheel(QWidget& target, int delta) {
    const QPointF inside(target.width() / 2.0, target.height() / 2.0);
    QWheelEvent event(inside, target.mapToGlobal(inside), QPoint(), QPoint(0, delta),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(&target, &event);
  }

  void FillRows(int count) {
    for (int i = 0; i < count; ++i)
      Fill(form.Table, {{"row " + std::to_string(i), std::string(i % 40, 'w')}});
    form.Grid().Refresh();
    QCoreApplication::processEvents();
  }

  static std::string ReadFile(const QString& name) {
    std::ifstream in(name.toStdString(), std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
  }

  testsupport::LoopbackHttpServer server;
  testsupport::ScriptedMessageBoxes boxes;
  TMainForm form{boxes};
};

TEST_F(MainFormCommands, EnterInAnEmptyAddressFieldDoesNothing) {
  Fill(form.Table, {{"kept"}});
  TypeAddressAndPressEnter("");
  EXPECT_EQ(form.Table.ReadCell(1, 1), "kept");
  EXPECT_TRUE(Find<QLabel>("Label2").text().isEmpty());
  EXPECT_TRUE(boxes.Boxes.empty());
  EXPECT_TRUE(server.Requests().empty());
}

TEST_F(MainFormCommands, EnterExtractsThePageIntoTheGrid) {
  const std::string page = "<table><tr><td>Name</td><td>Price</td></tr>\n"
                           "<tr><td>Apple</td><td>1.99</td></tr></table>";
  server.Serve("/prices.html", HttpReply::Page(page));
  const std::string address = server.Url("/prices.html");
  TypeAddressAndPressEnter(address);

  ASSERT_EQ(form.Table.RowCount(), 2u);
  EXPECT_EQ(form.Table.ReadCell(1, 2), "Price");
  EXPECT_EQ(form.Table.ReadCell(2, 1), "Apple");
  EXPECT_EQ(Find<QLabel>("Label2").text().toStdString(), address);
  EXPECT_EQ(Find<QStatusBar>("StatusBar1").currentMessage(),
            QString("%1 bytes received").arg(page.size()));
  EXPECT_EQ(form.Grid().Layout().ColumnCount(), 2);
  EXPECT_EQ(form.Grid().PaintBox1().size(), form.Grid().Layout().SurfaceSize());
  EXPECT_EQ(form.Grid().PaintBox1().height(), 2 * form.Grid().Layout().RowPitch());
  EXPECT_TRUE(boxes.Boxes.empty());
}

TEST_F(MainFormCommands, ButtonAndMenuCommandExtractTheAddressTyped) {
  server.Serve("/a.html", HttpReply::Page("<p>from the button"));
  server.Serve("/b.html", HttpReply::Page("<p>from the menu<p>two rows"));
  Find<QLineEdit>("Edit1").setText(QString::fromStdString(server.Url("/a.html")));
  Find<QPushButton>("ExtractDataBtn").click();
  EXPECT_EQ(form.Table.RowCount(), 1u);
  // Relative to the page fetched last.
  Find<QLineEdit>("Edit1").setText("b.html");
  Trigger("Extractdata1");
  EXPECT_EQ(form.Table.RowCount(), 2u);
  EXPECT_EQ(Find<QLabel>("Label2").text().toStdString(), server.Url("/b.html"));
}

TEST_F(MainFormCommands, FailedExtractionShowsTheOneMessageAndAnEmptyGrid) {
  HttpReply reply = HttpReply::Page("<p>first half");
  reply.End = HttpReply::Ending::CloseMidBody;
  server.Serve("/cut.html", reply);
  Fill(form.Table, {{"old"}});
  TypeAddressAndPressEnter(server.Url("/cut.html"));
  ASSERT_EQ(boxes.Boxes.size(), 1u);
  EXPECT_EQ(boxes.Boxes[0].Text.toStdString(), kExtractionFailureMessage);
  EXPECT_EQ(boxes.Boxes[0].Caption, "Zendrik");
  EXPECT_EQ(form.Table.RowCount(), 0u);
  EXPECT_EQ(form.Grid().PaintBox1().size(), QSize(1, 1));
}

TEST_F(MainFormCommands, NewTableEmptiesTableAndGrid) {
  FillRows(30);
  ASSERT_GT(form.Grid().PaintBox1().height(), 1);
  Trigger("NewTable1");
  EXPECT_EQ(form.Table.RowCount(), 0u);
  EXPECT_EQ(form.Grid().PaintBox1().size(), QSize(1, 1));
  EXPECT_EQ(form.Grid().Layout().ColumnCount(), 0);
  Trigger("NewTable1");
  EXPECT_EQ(form.Grid().PaintBox1().size(), QSize(1, 1));
}

TEST_F(MainFormCommands, SaveTableWritesTheChosenFileAndCancelWritesNothing) {
  QTemporaryDir dir;
  Fill(form.Table, {{"a", "He said \"hi\""}, {"c"}});
  const QString chosen = dir.filePath("table.csv");
  boxes.FileAnswers.push_back(chosen);
  Trigger("SaveTable1");
  EXPECT_EQ(ReadFile(chosen), "\"a\",\"He said \\\"hi\\\"\"\r\n\"c\"\r\n");
  ASSERT_EQ(boxes.FileDialogs.size(), 1u);
  EXPECT_EQ(boxes.FileDialogs[0]->objectName(), "SaveDialog1");

  QFile::remove(chosen);
  Trigger("SaveTable1"); // no answer queued: the dialog is cancelled
  EXPECT_EQ(boxes.FileDialogs.size(), 2u);
  EXPECT_TRUE(QDir(dir.path()).isEmpty());
  EXPECT_TRUE(boxes.Boxes.empty());
}

TEST_F(MainFormCommands, FailedSaveNamesTheFileAndTheReason) {
  QTemporaryDir dir;
  Fill(form.Table, {{"a"}});
  const QString chosen = dir.filePath("missing/table.csv");
  boxes.FileAnswers.push_back(chosen);
  Trigger("SaveTable1");
  ASSERT_EQ(boxes.Boxes.size(), 1u);
  EXPECT_EQ(boxes.Boxes[0].Icon, QMessageBox::Critical);
  EXPECT_TRUE(boxes.Boxes[0].Text.contains(chosen)) << boxes.Boxes[0].Text.toStdString();
  EXPECT_TRUE(boxes.Boxes[0].Text.contains("No such file or directory"))
      << boxes.Boxes[0].Text.toStdString();
}

TEST_F(MainFormCommands, WheelScrollsTheGridTwentyPixelsANotch) {
  FillRows(200);
  // Each step turns the wheel over the target and expects the scroll position after it; every
  // case ends on a whole notch.
  struct Step {
    int Delta;
    int Expected;
  };
  const struct {
    const char* Target;
    std::vector<Step> Steps;
  } cases[] = {
      {"PaintBox1", {{-120, 20}, {-120, 40}, {120, 20}}},
      {"PaintBox1", {{-240, 40}}},
      {"PaintBox1", {{-60, 0}, {-60, 20}}}, // half notches add up
      {"PaintBox1", {{120, 0}}},            // kept within the range
      {"PaintBox2", {{-120, 20}}},
      {"PaintBox3", {{-120, 20}}},
      {"ScrollBox1", {{-120, 20}}}, // beside the cell surface
      {"MainForm", {{-360, 60}}},   // anywhere else in the window
  };
  const auto target = [this](const char* name) -> QWidget& {
    if (form.objectName() == name)
      return form;
    if (auto* box = form.findChild<QScrollArea*>(name))
      return *box->viewport();
    return Find(name);
  };
  for (const auto& c : cases) {
    VerticalBar().setValue(0);
    for (const Step& step : c.Steps) {
      Wheel(target(c.Target), step.Delta);
      EXPECT_EQ(VerticalBar().value(), step.Expected) << c.Target << " after " << step.Delta;
    }
  }
  VerticalBar().setValue(VerticalBar().maximum());
  Wheel(Find("PaintBox1"), -120);
  EXPECT_EQ(VerticalBar().value(), VerticalBar().maximum());
}

TEST_F(MainFormCommands, HeadersPaintWithTheCellAreasScrollPosition) {
  for (int i = 0; i < 100; ++i)
    Fill(form.Table, {{std::to_string(i), "a longer text " + std::to_string(i), "x", "y",
                       std::string(60, 'm'), "z", std::string(60, 'm'), std::string(60, 'm'),
                       std::string(60, 'm'), "last"}});
  form.Grid().Refresh();
  QCoreApplication::processEvents();
  form.Grid().ScrollBox1().horizontalScrollBar()->setValue(100);
  VerticalBar().setValue(40);
  QCoreApplication::processEvents();
  ASSERT_EQ(form.Grid().ScrollBox1().horizontalScrollBar()->value(), 100);
  ASSERT_EQ(VerticalBar().value(), 40);

  const auto expected = [&](TPaintBox& box, auto paint) {
    QImage image(box.size(), QImage::Format_RGB32);
    QPainter painter(&image);
    paint(painter, image.rect(), box.size());
    return image;
  };
  const TGridLayout& layout = form.Grid().Layout();
  TPaintBox& columns = form.Grid().PaintBox2();
  EXPECT_EQ(columns.grab().toImage().convertToFormat(QImage::Format_RGB32),
            expected(columns, [&](QPainter& p, QRect r, QSize s) {
              PaintColumnHeader(p, r, s, 100, layout);
            }));
  TPaintBox& rows = form.Grid().PaintBox3();
  EXPECT_EQ(rows.grab().toImage().convertToFormat(QImage::Format_RGB32),
            expected(rows, [&](QPainter& p, QRect r, QSize s) {
              PaintRowHeader(p, r, s, 40, form.Table.RowCount(), layout);
            }));
}

TEST_F(MainFormCommands, AboutShowsTheInfoDialogWithTheCurrentYear) {
  Trigger("About1");
  ASSERT_EQ(boxes.ModalDialogs.size(), 1u);
  QDialog& about = *boxes.ModalDialogs[0];
  EXPECT_EQ(about.windowTitle(), "Info");
  const QString year = QString::number(QDate::currentDate().year());
  bool yearShown = false;
  for (const QLabel* label : about.findChildren<QLabel*>()) {
    EXPECT_FALSE(label->text().contains("YYYY"));
    yearShown = yearShown || label->text().contains(year);
  }
  EXPECT_TRUE(yearShown);
}

TEST_F(MainFormCommands, HelpFileOpensTheHelpPage) {
  UrlCatcher catcher;
  QDesktopServices::setUrlHandler("https", &catcher, "Open");
  Trigger("Helpfile1");
  QDesktopServices::unsetUrlHandler("https");
  EXPECT_EQ(catcher.Opened, QList<QUrl>{QUrl(kHelpAddress)});
}

TEST_F(MainFormCommands, OutOfMemoryInTheTableShowsAnErrorBox) {
  EXPECT_THROW(FailAllocation(4000), TableAllocationError);
  ASSERT_EQ(boxes.Boxes.size(), 1u);
  EXPECT_EQ(boxes.Boxes[0].Icon, QMessageBox::Critical);
  EXPECT_EQ(boxes.Boxes[0].Text.toStdString(), AllocationFailureMessage(4000));
}

TEST_F(MainFormCommands, ExitClosesTheWindow) {
  Find<QPushButton>("RunScript").click(); // not wired yet: must simply do nothing
  EXPECT_TRUE(form.isVisible());
  Trigger("Exit1");
  EXPECT_FALSE(form.isVisible());
}

} // namespace
} // namespace zendrik

#include "main_form_commands_test.moc"
