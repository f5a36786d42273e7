#include "app/main_form.h"

#include "app/grid_painter.h"
#include "app/help_window.h"
#include "app/paint_box.h"
#include "app/product_info.h"
#include "extract/address_resolution.h"
#include "script/runtime/engine.h"
#include "tests/app/find_component.h"
#include "tests/app/grid_fixtures.h"
#include "tests/app/scripted_message_boxes.h"
#include "tests/support/loopback_http_server.h"

#include <QAction>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace zendrik {
namespace {

using testsupport::Fill;
using testsupport::HttpReply;

class MainFormTest : public testing::Test {
 protected:
  void SetUp() override {
    CurrentAddress().clear();
    form.show();
    QCoreApplication::processEvents();
  }

  template <typename T = QWidget>
  T& Find(const char* name) {
    return testsupport::FindComponent<T>(form, name);
  }

  void Trigger(const char* item) { Find<QAction>(item).trigger(); }

  void Extract(const std::string& address) {
    Find<QLineEdit>("Edit1").setText(QString::fromStdString(address));
    QTest::keyClick(&Find<QLineEdit>("Edit1"), Qt::Key_Return);
  }

  void FillRows(int count) {
    for (int i = 0; i < count; ++i)
      Fill(form.Table, {{std::to_string(i), "text " + std::to_string(i), std::string(60, 'm'),
                         std::string(60, 'm'), std::string(60, 'm'), "last"}});
    form.Grid().Refresh();
    QCoreApplication::processEvents();
  }

  QScrollBar& Bar(Qt::Orientation o) {
    QScrollArea& box = form.Grid().ScrollBox1();
    return *(o == Qt::Vertical ? box.verticalScrollBar() : box.horizontalScrollBar());
  }

  testsupport::LoopbackHttpServer server;
  testsupport::ScriptedMessageBoxes boxes;
  TMainForm form{boxes};
};

TEST_F(MainFormTest, EveryComponentCarriesItsFormName) {
  const struct {
    const char* Name;
    const char* Class;
  } components[] = {
      {"MainMenu1", "QMenuBar"},
      {"Panel1", "QFrame"},
      {"Label1", "QLabel"},
      {"Edit1", "QLineEdit"},
      {"ExtractDataBtn", "QPushButton"},
      {"Label2", "QLabel"},
      {"Panel2", "QFrame"},
      {"Panel3", "QFrame"},
      {"Panel4", "QFrame"},
      {"ScrollBox1", "QScrollArea"},
      {"PaintBox1", "zendrik::TPaintBox"},
      {"ScrollBox2", "QScrollArea"},
      {"PaintBox2", "zendrik::TPaintBox"},
      {"ScrollBox3", "QScrollArea"},
      {"PaintBox3", "zendrik::TPaintBox"},
      {"Splitter1", "QSplitter"},
      {"Panel5Unten", "QFrame"},
      {"Panel6", "QFrame"},
      {"RunScript", "QPushButton"},
      {"Memo1", "QPlainTextEdit"},
      {"StatusBar1", "QStatusBar"},
      {"IEHTTP1", "zendrik::TIEHTTPComponent"},
      {"CtxScript1", "zendrik::TCtxScript"},
  };
  for (const auto& c : components) {
    const QList<QObject*> found = form.findChildren<QObject*>(c.Name);
    ASSERT_EQ(found.size(), 1) << c.Name;
    EXPECT_TRUE(found.front()->inherits(c.Class)) << c.Name;
  }
}

TEST_F(MainFormTest, ProgramClassesReportTheirOwnClassNames) {
  EXPECT_STREQ(form.metaObject()->className(), "zendrik::TMainForm");
  EXPECT_STREQ(form.Grid().metaObject()->className(), "zendrik::TGridView");
  EXPECT_TRUE(form.Grid().inherits("QObject"));
}

TEST_F(MainFormTest, LookingUpAMissingComponentFailsInsteadOfCrashing) {
  EXPECT_THROW(Find<QLabel>("NoSuchLabel"), std::runtime_error);
  EXPECT_THROW(Find<QLineEdit>("Label1"), std::runtime_error) << "a component of another class";
}

TEST_F(MainFormTest, MenusHoldTheCommandsInOrder) {
  // Every entry is "name text"; "-" is a separator. Hidden entries (the recent-scripts list
  // while it is empty) are left out.
  const std::vector<std::vector<std::string>> expected = {
      {"File1 &File", "NewTable1 New &table", "SaveTable1 Save ta&ble...", "N1 -",
       "Neu1 &New script", "ffnen1 &Open script...", "Examples1 Exa&mples",
       "Speichern1 &Save script", "Speichernunter1 Save script &as...", "N2 -", "Exit1 E&xit"},
      {"Operations1 &Operations", "Extractdata1 &Extract data from website...",
       "Runscript1 &Run script...", "Stop1 &Stop"},
      {"Help1 &Help", "Helpfile1 &Help file", "About1 &About"},
  };
  const auto describe = [](const QObject& named, const QAction& action) {
    return named.objectName().toStdString() + " " +
           (action.isSeparator() ? std::string("-") : action.text().toStdString());
  };
  std::vector<std::vector<std::string>> actual;
  for (QAction* title : Find<QMenuBar>("MainMenu1").actions()) {
    actual.push_back({describe(*title->menu(), *title)});
    for (QAction* item : title->menu()->actions())
      if (item->isVisible()) actual.back().push_back(describe(*item, *item));
  }
  EXPECT_EQ(actual, expected);
}

TEST_F(MainFormTest, StartsEmptyWithTheUnnamedCaptionAtItsSizes) {
  EXPECT_EQ(form.windowTitle(), "Zendrik 1.0 - [noname.pas]");
  EXPECT_EQ(form.size(), QSize(780, 580));
  // Alt+U, Alt+E and Alt+R are their mnemonics.
  EXPECT_EQ(Find<QLabel>("Label1").text(), "&URL:");
  EXPECT_EQ(Find<QLabel>("Label1").buddy(), &Find<QLineEdit>("Edit1"));
  EXPECT_EQ(Find<QPushButton>("ExtractDataBtn").text(), "&Extract data from website...");
  EXPECT_EQ(Find<QPushButton>("RunScript").text(), "&Run Pascal script...");
  EXPECT_TRUE(Find<QLineEdit>("Edit1").text().isEmpty());
  EXPECT_TRUE(Find<QLabel>("Label2").text().isEmpty());
  EXPECT_TRUE(Find<QPlainTextEdit>("Memo1").toPlainText().isEmpty());
  EXPECT_EQ(Find("ExtractDataBtn").geometry(), QRect(8, 32, 201, 33));
  EXPECT_EQ(Find("Panel1").height(), 73);
  EXPECT_EQ(Find("Panel2").height(), 264);
  EXPECT_EQ(Find("StatusBar1").height(), 19);
}

TEST_F(MainFormTest, EnterInAnEmptyAddressFieldDoesNothing) {
  Fill(form.Table, {{"kept"}});
  Extract("");
  EXPECT_EQ(form.Table.ReadCell(1, 1), "kept");
  EXPECT_TRUE(Find<QLabel>("Label2").text().isEmpty());
  EXPECT_TRUE(boxes.Boxes.empty());
}

TEST_F(MainFormTest, ExtractionFillsTheGridAndShowsAddressAndBytes) {
  const std::string page =
      "<table><tr><td>Name</td><td>Price</td></tr>\n"
      "<tr><td>Apple</td><td>1.99</td></tr></table>";
  server.Serve("/dir/prices.html", HttpReply::Page(page));
  server.Serve("/dir/next.html", HttpReply::Page("<p>one<p>two<p>three"));
  Extract(server.Url("/dir/prices.html"));
  ASSERT_EQ(form.Table.RowCount(), 2u);
  EXPECT_EQ(form.Table.ReadCell(2, 1), "Apple");
  EXPECT_EQ(Find<QLabel>("Label2").text().toStdString(), server.Url("/dir/prices.html"));
  EXPECT_EQ(Find<QStatusBar>("StatusBar1").currentMessage().toStdString(),
            "2 rows, 4 cells from " + server.Url("/dir/prices.html") + " (" +
                std::to_string(page.size()) + " bytes)");
  EXPECT_EQ(form.Grid().Layout().ColumnCount(), 2);
  EXPECT_EQ(form.Grid().PaintBox1().size(), form.Grid().Layout().SurfaceSize());

  // The menu command does the same, relative to the page fetched last.
  Find<QLineEdit>("Edit1").setText("next.html");
  Trigger("Extractdata1");
  EXPECT_EQ(form.Table.RowCount(), 3u);
  EXPECT_EQ(form.Grid().PaintBox1().height(), 3 * form.Grid().Layout().RowPitch());
  EXPECT_TRUE(boxes.Boxes.empty());
}

TEST_F(MainFormTest, FailedExtractionShowsTheOneMessage) {
  HttpReply reply = HttpReply::Page("<p>first half");
  reply.End = HttpReply::Ending::CloseMidBody;
  server.Serve("/cut.html", reply);
  FillRows(5);
  Extract(server.Url("/cut.html"));
  ASSERT_EQ(boxes.Boxes.size(), 1u);
  EXPECT_EQ(boxes.Boxes[0].Text.toStdString(), kExtractionFailureMessage);
  EXPECT_EQ(boxes.Boxes[0].Caption, "Zendrik");
  EXPECT_EQ(form.Grid().PaintBox1().size(), QSize(1, 1));
}

TEST_F(MainFormTest, NewTableEmptiesTableAndGrid) {
  FillRows(30);
  Trigger("NewTable1");
  EXPECT_EQ(form.Table.RowCount(), 0u);
  EXPECT_EQ(form.Grid().PaintBox1().size(), QSize(1, 1));
  EXPECT_EQ(form.Grid().Layout().ColumnCount(), 0);
}

TEST_F(MainFormTest, SaveTableWritesTheChosenFileAndCancelWritesNothing) {
  QTemporaryDir dir;
  Fill(form.Table, {{"a", "He said \"hi\""}, {"c"}});
  const QString chosen = dir.filePath("table.csv");
  boxes.FileAnswers.push_back(chosen);
  Trigger("SaveTable1");
  std::ostringstream written;
  written << std::ifstream(chosen.toStdString(), std::ios::binary).rdbuf();
  EXPECT_EQ(written.str(), "\"a\",\"He said \\\"hi\\\"\"\r\n\"c\"\r\n");

  QFile::remove(chosen);
  Trigger("SaveTable1");  // no answer queued: cancelled
  EXPECT_TRUE(QDir(dir.path()).isEmpty());
  EXPECT_TRUE(boxes.Boxes.empty());
  ASSERT_EQ(boxes.FileDialogs.size(), 2u);
  const QFileDialog& dialog = *boxes.FileDialogs[0];
  EXPECT_EQ(dialog.objectName(), "SaveDialog1");
  EXPECT_EQ(dialog.defaultSuffix(), "csv");
  EXPECT_EQ(dialog.nameFilters(), QStringList{"CSV files (*.csv)"});
  EXPECT_FALSE(dialog.testOption(QFileDialog::DontConfirmOverwrite));
}

TEST_F(MainFormTest, FailedSaveNamesTheFileAndTheReason) {
  QTemporaryDir dir;
  Fill(form.Table, {{"a"}});
  const QString chosen = dir.filePath("missing/table.csv");
  boxes.FileAnswers.push_back(chosen);
  Trigger("SaveTable1");
  ASSERT_EQ(boxes.Boxes.size(), 1u);
  EXPECT_EQ(boxes.Boxes[0].Icon, QMessageBox::Critical);
  EXPECT_TRUE(boxes.Boxes[0].Text.contains(chosen));
  EXPECT_TRUE(boxes.Boxes[0].Text.contains("No such file or directory"));
}

TEST_F(MainFormTest, WheelScrollsTheGridTwentyPixelsANotch) {
  FillRows(200);
  const auto wheel = [](QWidget& target, int delta) {
    const QPointF at(5, 5);
    QWheelEvent event(at, target.mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(&target, &event);
  };
  // The steps of each case end on whole notches; each expects the position after it.
  const struct {
    QWidget* Target;
    std::vector<std::pair<int, int>> Steps;
  } cases[] = {
      {&form.Grid().PaintBox1(), {{-120, 20}, {-120, 40}, {120, 20}, {-240, 60}}},
      {&form.Grid().PaintBox1(), {{-60, 0}, {-60, 20}, {120, 0}, {120, 0}}},
      {&form.Grid().PaintBox2(), {{-120, 20}}},
      {&form.Grid().PaintBox3(), {{-120, 20}}},
      {form.Grid().ScrollBox1().viewport(), {{-120, 20}}},
      {&form, {{-360, 60}}},  // anywhere else in the window
  };
  for (const auto& c : cases) {
    Bar(Qt::Vertical).setValue(0);
    for (const auto& [delta, expected] : c.Steps) {
      wheel(*c.Target, delta);
      EXPECT_EQ(Bar(Qt::Vertical).value(), expected) << c.Target->objectName().toStdString();
    }
  }
}

TEST_F(MainFormTest, HeadersPaintWithTheCellAreasScrollPosition) {
  FillRows(100);
  Bar(Qt::Horizontal).setValue(100);
  Bar(Qt::Vertical).setValue(40);
  ASSERT_EQ(Bar(Qt::Horizontal).value(), 100);
  QCoreApplication::processEvents();
  const auto shown = [](TPaintBox& box) {
    return box.grab().toImage().convertToFormat(QImage::Format_RGB32);
  };
  TPaintBox& columns = form.Grid().PaintBox2();
  TPaintBox& rows = form.Grid().PaintBox3();
  QImage expectedColumns(columns.size(), QImage::Format_RGB32);
  QImage expectedRows(rows.size(), QImage::Format_RGB32);
  {
    QPainter c(&expectedColumns), r(&expectedRows);
    PaintColumnHeader(c, columns.rect(), columns.size(), 100, form.Grid().Layout());
    PaintRowHeader(r, rows.rect(), rows.size(), 40, form.Table.RowCount(), form.Grid().Layout());
  }
  EXPECT_EQ(shown(columns), expectedColumns);
  EXPECT_EQ(shown(rows), expectedRows);
}

TEST_F(MainFormTest, AboutShowsTheYearAndHelpOpensTheGuideInAWindowOfItsOwn) {
  Trigger("About1");
  ASSERT_EQ(boxes.ModalDialogs.size(), 1u);
  EXPECT_EQ(boxes.ModalDialogs[0]->windowTitle(), "Info");
  QStringList texts;
  for (const QLabel* label : boxes.ModalDialogs[0]->findChildren<QLabel*>()) texts << label->text();
  EXPECT_TRUE(texts.join("\n").contains(QString::number(QDate::currentDate().year())));
  EXPECT_FALSE(texts.join("\n").contains("YYYY"));

  EXPECT_EQ(form.HelpWindow(), nullptr) << "made on first use";
  Trigger("Helpfile1");
  ASSERT_NE(form.HelpWindow(), nullptr);
  EXPECT_TRUE(form.HelpWindow()->isVisible());
  EXPECT_TRUE(form.HelpWindow()->Browser().toPlainText().startsWith("Scripting Zendrik"));
  Trigger("Helpfile1");  // the same window again
  EXPECT_EQ(form.findChildren<THelpWindow*>().size(), 1);
}

TEST_F(MainFormTest, RunScriptRunsTheEditorsTextWithTheWindowAsHost) {
  Find<QPlainTextEdit>("Memo1").setPlainText(
      "begin\n  SetCell(2, 1, 'hello');\n  URL := 'typed';\nend;");
  QTest::mouseClick(&Find<QPushButton>("RunScript"), Qt::LeftButton);
  EXPECT_TRUE(boxes.Boxes.empty());
  EXPECT_EQ(form.Table.ReadCell(1, 2), "hello");
  EXPECT_EQ(Find<QLineEdit>("Edit1").text(), "typed");
  ASSERT_EQ(form.Grid().Layout().ColumnCount(), 2) << "the grid follows SetCell";
  EXPECT_EQ(form.Grid().Layout().ColumnWidth(1), form.Grid().Layout().CellWidth("hello"));

  Find<QPlainTextEdit>("Memo1").setPlainText("begin ClearCells end;");
  Trigger("Runscript1");
  EXPECT_EQ(form.Table.RowCount(), 0u);
}

TEST_F(MainFormTest, ErrorsOfARunAreShownAndTheNextRunBehavesTheSame) {
  Find<QPlainTextEdit>("Memo1").setPlainText("begin\n  SetCell(1, 1, 'x');\n  Nope;\nend;");
  for (int run = 0; run < 2; ++run) {
    EXPECT_FALSE(form.RunScriptClick());
    ASSERT_EQ(boxes.Boxes.size(), static_cast<std::size_t>(run + 1));
    EXPECT_EQ(boxes.Boxes.back().Icon, QMessageBox::Critical);
    EXPECT_EQ(boxes.Boxes.back().Text, "Method not found. Method: Nope");
    EXPECT_EQ(form.CtxScript1().CurrentState().SP, -1);
  }
  Find<QPlainTextEdit>("Memo1").setPlainText("begin x := ; end;");
  EXPECT_FALSE(form.RunScriptClick());
  EXPECT_EQ(boxes.Boxes.back().Text.toStdString(),
            "Error compiling . Syntax Error: ; at line 1, pos 12");
  Find<QPlainTextEdit>("Memo1").clear();
  EXPECT_FALSE(form.RunScriptClick()) << "an empty editor runs an empty script";
  EXPECT_EQ(boxes.Boxes.back().Text, "Error compiling . Syntax Error at line 1, pos 2");
}

TEST_F(MainFormTest, AScriptCannotFreeTheWindowThatRunsIt) {
  Find<QPlainTextEdit>("Memo1").setPlainText("begin Free end;");
  EXPECT_FALSE(form.RunScriptClick());
  EXPECT_EQ(boxes.Boxes.back().Text, "Cannot free TMainForm: it owns the running script engine");
  EXPECT_TRUE(form.isVisible());
}

TEST_F(MainFormTest, AScriptFileReachesTheEngineAsTheBytesItHolds) {
  QTemporaryDir dir;
  const struct {
    const char* Name;
    std::string Bytes;
  } files[] = {
      {"latin1.pas",
       "begin\r\n  SetCell(1, 1, 'Stra\xDF"
       "e');\r\nend;\r\n"},
      {"utf8.pas",
       "begin\r\n  SetCell(1, 1, 'Stra\xC3\x9F"
       "e');\r\nend;\r\n"},
  };
  for (const auto& file : files) {
    const std::string path = dir.filePath(file.Name).toStdString();
    std::ofstream(path, std::ios::binary) << file.Bytes;
    EXPECT_EQ(form.Document().OpenFileWithName(path), 1);
    EXPECT_EQ(form.Document().ScriptFileName(), path);
    EXPECT_EQ(form.Document().ScriptText(), file.Bytes) << file.Name;
    EXPECT_TRUE(form.RunScriptClick());
    const std::size_t quote = file.Bytes.find('\'') + 1;
    EXPECT_EQ(form.Table.ReadCell(1, 1),
              file.Bytes.substr(quote, file.Bytes.find('\'', quote) - quote));
  }
}

TEST(HeadlessMessageBoxes, EveryBoxIsOneLineAndTakesItsDefaultAnswer) {
  std::ostringstream err;
  THeadlessMessageBoxes boxes(err);
  EXPECT_EQ(boxes.Show(nullptr, {QMessageBox::Critical, {}, "two\nlines"}), QMessageBox::Ok);
  const TMessageBox question{QMessageBox::Question, "New script", "Save?",
                             QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                             QMessageBox::NoButton};
  EXPECT_EQ(boxes.Show(nullptr, question), QMessageBox::Yes);
  TMessageBox cancelFirst = question;
  cancelFirst.DefaultButton = QMessageBox::Cancel;
  EXPECT_EQ(boxes.Show(nullptr, cancelFirst), QMessageBox::Cancel);
  EXPECT_EQ(err.str(), "two lines\nSave?\nSave?\n");
  QFileDialog dialog;
  EXPECT_FALSE(boxes.ChooseFile(dialog).has_value());
}

TEST_F(MainFormTest, OutOfMemoryInTheTableShowsAnErrorBox) {
  EXPECT_THROW(FailAllocation(4000), TableAllocationError);
  ASSERT_EQ(boxes.Boxes.size(), 1u);
  EXPECT_EQ(boxes.Boxes[0].Icon, QMessageBox::Critical);
  EXPECT_EQ(boxes.Boxes[0].Text.toStdString(), std::string(TableAllocationError(4000).what()));
}

}  // namespace
}  // namespace zendrik
