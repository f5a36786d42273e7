// What a run from the window shows: its output in the pane below the editor, how it ended in
// the status bar, and, after an error, the editor with the focus at the error.

#include "app/main_form.h"

#include "app/output_pane.h"
#include "tests/app/scripted_message_boxes.h"

#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTimer>

#include <gtest/gtest.h>

#include <fstream>

namespace zendrik {
namespace {

class WindowOutputTest : public testing::Test {
 protected:
  void SetUp() override {
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  }

  bool Run(const QString& text) {
    form.ScriptEditor().setPlainText(text);
    return form.RunScriptClick();
  }

  QStringList OutputLines() const {
    return form.findChild<TOutputPane*>("OutputPane")->toPlainText().split('\n');
  }
  std::string Status() { return form.statusBar()->currentMessage().toStdString(); }

  QTemporaryDir dir;
  testsupport::ScriptedMessageBoxes boxes;
  TMainForm form{boxes};
};

TEST_F(WindowOutputTest, ThePaneAppearsWithTheFirstOutputAndEachRunBeginsWithItsLine) {
  TOutputPane& pane = form.ScriptOutput();
  EXPECT_TRUE(pane.isHidden());
  ASSERT_TRUE(Run("begin SetCell(1, 1, 'quiet') end;"));
  EXPECT_TRUE(pane.isHidden()) << "nothing written";
  EXPECT_TRUE(pane.toPlainText().isEmpty());

  ASSERT_TRUE(Run("begin write('a', 1); writeln(' b'); write('no line end') end;"));
  EXPECT_FALSE(pane.isHidden());
  const QStringList first = OutputLines();
  ASSERT_EQ(first.size(), 3) << pane.toPlainText().toStdString();
  EXPECT_TRUE(first[0].startsWith("--- noname.pas, run at ")) << first[0].toStdString();
  EXPECT_EQ(first[1], "a1 b");
  EXPECT_EQ(first[2], "no line end");

  // A shown pane gets each run's line at once, on a line of its own.
  const std::string file = dir.filePath("named.pas").toStdString();
  std::ofstream(file, std::ios::binary) << "begin writeln('Stra'#$C3#$9F'e') end;\r\n";
  form.Document().OpenFileWithName(file);
  ASSERT_TRUE(form.RunScriptClick());
  ASSERT_TRUE(Run("begin end;"));
  const QStringList lines = OutputLines();
  ASSERT_EQ(lines.size(), 7) << pane.toPlainText().toStdString();
  EXPECT_TRUE(lines[3].startsWith("--- named.pas, run at ")) << lines[3].toStdString();
  EXPECT_EQ(lines[4], QString::fromUtf8("Stra\xC3\x9F"
                                        "e"));
  EXPECT_TRUE(lines[5].startsWith("--- named.pas, run at ")) << "the next run, without output";
  EXPECT_EQ(lines[6], "");
}

TEST_F(WindowOutputTest, ThePaneKeepsItsLastLinesOnly) {
  ASSERT_TRUE(Run(QString("var i; begin for i := 1 to %1 do writeln(i) end;")
                      .arg(TOutputPane::kMaxLines + 500)));
  const QStringList lines = OutputLines();
  EXPECT_LE(lines.size(), TOutputPane::kMaxLines);
  EXPECT_EQ(lines[lines.size() - 2], QString::number(TOutputPane::kMaxLines + 500));
}

TEST_F(WindowOutputTest, AStoppedRunSaysWhereAndAFailedOneItsErrorsFirstLine) {
  QTimer::singleShot(100, &form, [this] { form.Stop1Click(); });
  EXPECT_FALSE(Run("var i;\nbegin\n  i := 0;\n  while true do i := i + 1;\nend;"));
  EXPECT_EQ(Status(), "Script stopped at line 4");

  EXPECT_FALSE(Run("begin\n  raise 'first line' + #10 + 'second line';\nend;"));
  EXPECT_EQ(Status(), "first line");
  EXPECT_EQ(boxes.Boxes.back().Text, "first line\nsecond line");
}

TEST_F(WindowOutputTest, AfterAnErrorTheEditorHasTheFocusAtTheErrorWithItsLineMarked) {
  form.findChild<QWidget*>("RunScript")->setFocus();
  EXPECT_FALSE(Run("begin\n  x := 1;\n  y := ;\nend."));
  EXPECT_EQ(QApplication::focusWidget(), &form.ScriptEditor());
  const QTextCursor cursor = form.ScriptEditor().textCursor();
  EXPECT_EQ(cursor.blockNumber(), 2);
  EXPECT_EQ(cursor.positionInBlock(), 7) << "before the ';'";
  EXPECT_EQ(form.ScriptEditor().ErrorLine(), 3);
  ASSERT_EQ(form.ScriptEditor().extraSelections().size(), 1);
  EXPECT_EQ(form.ScriptEditor().extraSelections()[0].cursor.blockNumber(), 2);

  QTest::keyClick(&form.ScriptEditor(), Qt::Key_X);
  EXPECT_EQ(form.ScriptEditor().ErrorLine(), 0) << "the mark goes with the next edit";
  EXPECT_TRUE(form.ScriptEditor().extraSelections().isEmpty());

  form.findChild<QWidget*>("Edit1")->setFocus();
  EXPECT_FALSE(Run("begin\n  SetCell(1, 1, 'x');\n\n  raise 'stop';\nend;"));
  EXPECT_EQ(QApplication::focusWidget(), &form.ScriptEditor());
  EXPECT_EQ(form.ScriptEditor().textCursor().blockNumber(), 3);
  EXPECT_EQ(form.ScriptEditor().ErrorLine(), 4);
}

TEST_F(WindowOutputTest, ACompileErrorNamesTheScriptsFileAndParamStrIsThatFile) {
  const std::string file = dir.filePath("prices.pas").toStdString();
  std::ofstream(file, std::ios::binary)
      << "begin\r\n  SetCell(1, 1, ParamStr(1));\r\n  x := ;\r\nend;";
  form.Document().OpenFileWithName(file);
  EXPECT_FALSE(form.RunScriptClick());
  EXPECT_EQ(boxes.Boxes.back().Text.toStdString(),
            "Error compiling prices.pas. Syntax Error: ; at line 3, pos 8");
  EXPECT_EQ(Status(), "Error compiling prices.pas. Syntax Error: ; at line 3, pos 8");

  form.ScriptEditor().setPlainText(
      "begin\n  SetCell(1, 1, ParamStr(1));\n  SetCell(2, 1, ParamCount)\nend;");
  ASSERT_TRUE(form.RunScriptClick());
  EXPECT_EQ(form.Table.ReadCell(1, 1), file);
  EXPECT_EQ(form.Table.ReadCell(1, 2), "1");
  boxes.Answers = {QMessageBox::No};
  form.Neu1Click();
  ASSERT_TRUE(Run("begin SetCell(1, 1, ParamCount) end;"));
  EXPECT_EQ(form.Table.ReadCell(1, 1), "0") << "an unnamed document has no file";
}

}  // namespace
}  // namespace zendrik
