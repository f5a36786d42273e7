// The window's script document offscreen, with the questions and dialogs answered by the test:
// the caption's mark, the question before unsaved work goes, opening and saving bytes, runs that
// fail, and the recovery file.

#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "app/file_bytes.h"
#include "app/main_form.h"
#include "app/script_recovery.h"
#include "tests/app/scripted_message_boxes.h"

namespace zendrik {
namespace {

class ScriptDocuments : public testing::Test {
 protected:
  void SetUp() override { TScriptRecovery().Remove(); }

  QString Suffix() const { return form.windowTitle().mid(form.BaseCaption().size()); }

  void Type(const QString& text) {
    form.ScriptEditor().setFocus();
    QTest::keyClicks(&form.ScriptEditor(), text);
  }

  std::string Path(const char* name) const { return dir.filePath(name).toStdString(); }

  static std::string Bytes(const std::string& path) {
    std::string bytes;
    EXPECT_EQ(ReadFileBytes(path, bytes), "") << path;
    return bytes;
  }

  static void Write(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
  }

  QTemporaryDir dir;
  testsupport::ScriptedMessageBoxes boxes;
  TMainForm form{boxes};
};

TEST_F(ScriptDocuments, TypingMarksTheCaptionAndSavingAsNamesIt) {
  EXPECT_EQ(Suffix(), " - [noname.pas]");
  Type("b");
  EXPECT_EQ(Suffix(), " - [noname.pas*]");
  EXPECT_TRUE(form.Document().Changed());
  boxes.FileAnswers.push_back(QString::fromStdString(Path("a.pas")));
  form.Speichernunter1Click();
  EXPECT_EQ(Suffix(), " - [a.pas]");
  EXPECT_EQ(form.Document().ScriptFileName(), Path("a.pas"));
  EXPECT_EQ(Bytes(Path("a.pas")), "b\r\n");
  Type("x");
  EXPECT_EQ(Suffix(), " - [a.pas*]");
  form.Speichern1Click();  // named: no dialog
  EXPECT_EQ(boxes.FileDialogs.size(), 1u);
  EXPECT_EQ(Bytes(Path("a.pas")), "bx\r\n");
  EXPECT_EQ(boxes.FileDialogs[0]->objectName(), "SaveDialog2");
  EXPECT_EQ(boxes.FileDialogs[0]->nameFilters(), QStringList{"Pascal files (*.pas)"});
  EXPECT_EQ(boxes.FileDialogs[0]->defaultSuffix(), "pas");
}

TEST_F(ScriptDocuments, NewScriptAsksInAQuestionBoxFirst) {
  Type("keep me");
  boxes.Answers = {QMessageBox::Cancel};
  form.Neu1Click();
  ASSERT_EQ(boxes.Boxes.size(), 1u);
  EXPECT_EQ(boxes.Boxes[0].Caption, "New script");
  EXPECT_EQ(boxes.Boxes[0].Icon, QMessageBox::Question);
  EXPECT_EQ(boxes.Boxes[0].Text,
            "The existing script has not been saved. Do you want to save the script now?");
  EXPECT_EQ(form.ScriptEditor().toPlainText(), "keep me");
  EXPECT_EQ(Suffix(), " - [noname.pas*]");

  boxes.Answers = {QMessageBox::No};
  form.Neu1Click();
  EXPECT_EQ(form.ScriptEditor().toPlainText(), "");
  EXPECT_EQ(Suffix(), " - [noname.pas]");
}

TEST_F(ScriptDocuments, ClosingWithUnsavedWorkAsksAndACancelledSaveKeepsTheWindowOpen) {
  form.show();
  Type("x");
  boxes.Answers = {QMessageBox::Yes};
  EXPECT_FALSE(form.close());
  EXPECT_TRUE(form.isVisible());
  EXPECT_EQ(boxes.Boxes.back().Caption, "Quit");
  boxes.Answers = {QMessageBox::Cancel};
  EXPECT_FALSE(form.close());
  boxes.Answers = {QMessageBox::No};
  EXPECT_TRUE(form.close());
}

TEST_F(ScriptDocuments, OpenedScriptsShowTheirLinesAndComeFromTheOpenDialog) {
  Write(Path("in.pas"),
        "begin\r\n  SetCell(1, 1, 'Stra\xDF"
        "e');\r\nend;\r\n");
  boxes.FileAnswers = {QString::fromStdString(Path("in.pas"))};
  form.ffnen1Click();
  EXPECT_EQ(form.ScriptEditor().toPlainText(),
            "begin\n  SetCell(1, 1, 'Stra\u00DF"
            "e');\nend;");
  EXPECT_EQ(Suffix(), " - [in.pas]");
  ASSERT_EQ(boxes.FileDialogs.size(), 1u);
  EXPECT_EQ(boxes.FileDialogs.front()->objectName(), "OpenDialog1");
  EXPECT_EQ(boxes.FileDialogs.front()->fileMode(), QFileDialog::ExistingFile);
  EXPECT_EQ(boxes.FileDialogs.front()->nameFilters(),
            QStringList{"Pascal script files (.pas) (*.pas)"});
}

TEST_F(ScriptDocuments, FailedReadsAndWritesAreShownAndLoseNothing) {
  Write(Path("kept.pas"), "old\r\n");
  form.Document().OpenFileWithName(Path("kept.pas"));
  Type("new ");
  boxes.FileAnswers = {QString::fromStdString(Path("missing/dir.pas"))};
  form.Speichernunter1Click();
  ASSERT_EQ(boxes.Boxes.size(), 1u);
  EXPECT_EQ(boxes.Boxes[0].Icon, QMessageBox::Critical);
  EXPECT_TRUE(boxes.Boxes[0].Text.contains("No such file or directory"));
  EXPECT_EQ(Bytes(Path("kept.pas")), "old\r\n");
  EXPECT_TRUE(form.Document().Changed());

  boxes.FileAnswers = {QString::fromStdString(Path("nothing.pas"))};
  form.ffnen1Click();  // the dialog would not let it through; the error box does
  EXPECT_EQ(boxes.Boxes.size(), 2u);
  EXPECT_TRUE(form.ScriptEditor().toPlainText().startsWith("new old"));
}

TEST_F(ScriptDocuments, ACompileErrorPutsTheCursorAtItsLineAndPosition) {
  form.ScriptEditor().setPlainText("begin\n  x := 1;\n  y := ;\nend;");
  EXPECT_FALSE(form.RunScriptClick());
  EXPECT_EQ(boxes.Boxes.back().Text.toStdString(),
            "Error compiling . Syntax Error: ; at line 3, pos 8");
  const QTextCursor cursor = form.ScriptEditor().textCursor();
  EXPECT_EQ(cursor.blockNumber(), 2);
  EXPECT_EQ(cursor.positionInBlock(), 7) << "before the ';'";
}

TEST_F(ScriptDocuments, ACompileErrorFarAlongALongLinePutsTheCursorThere) {
  std::string line = "var x; begin x := 1";
  for (int k = 0; k < 50000; ++k) line += " + 1";
  const int column = static_cast<int>(line.size()) + 4;  // the ';' after the last "+ "
  form.ScriptEditor().setPlainText(QString::fromStdString(line + " + ; end;"));
  EXPECT_FALSE(form.RunScriptClick());
  EXPECT_EQ(boxes.Boxes.back().Text.toStdString(),
            "Error compiling . Syntax Error: ; at line 1, pos " + std::to_string(column));
  EXPECT_EQ(form.ScriptEditor().textCursor().positionInBlock(), column - 1);
  form.ScriptEditor().MoveCursorTo(1, 1 << 30);  // past the end: the end of the line
  EXPECT_EQ(form.ScriptEditor().textCursor().positionInBlock(), column + 5);
}

TEST_F(ScriptDocuments, ARunTimeErrorPutsTheCursorOnItsLineAndTwoRunsAgree) {
  form.ScriptEditor().setPlainText("begin\n  SetCell(1, 1, 'x');\n\n  raise 'stop';\nend;");
  for (int run = 0; run < 2; ++run) {
    form.ScriptEditor().MoveCursorTo(1);
    EXPECT_FALSE(form.RunScriptClick());
    EXPECT_EQ(boxes.Boxes.back().Text, "stop");
    EXPECT_EQ(form.ScriptEditor().textCursor().blockNumber(), 3);
    EXPECT_EQ(form.ScriptEditor().textCursor().positionInBlock(), 0);
    EXPECT_EQ(form.Table.ReadCell(1, 1), "x");
  }
  EXPECT_EQ(boxes.Boxes.size(), 2u);
}

TEST_F(ScriptDocuments, UnsavedTextIsKeptForRecoveryAndOfferedAtTheNextStart) {
  Type("begin end;");
  EXPECT_FALSE(TScriptRecovery().Kept().has_value());
  // A few seconds after typing, the text is kept.
  EXPECT_TRUE(QTest::qWaitFor([] { return TScriptRecovery().Kept().has_value(); },
                              TMainForm::kRecoveryDelayMs + 2000));
  EXPECT_EQ(TScriptRecovery().Kept()->Bytes, "begin end;\r\n");

  testsupport::ScriptedMessageBoxes nextBoxes;
  TMainForm next(nextBoxes);  // the next start, after a crash
  nextBoxes.Answers = {QMessageBox::Yes};
  next.OfferRecovery();
  ASSERT_EQ(nextBoxes.Boxes.size(), 1u);
  EXPECT_EQ(nextBoxes.Boxes[0].Icon, QMessageBox::Question);
  EXPECT_EQ(next.ScriptEditor().toPlainText(), "begin end;");
  EXPECT_TRUE(next.Document().Changed());
  EXPECT_EQ(next.windowTitle(), next.BaseCaption() + " - [noname.pas*]");

  testsupport::ScriptedMessageBoxes declinedBoxes;
  TMainForm declined(declinedBoxes);
  declinedBoxes.Answers = {QMessageBox::No};
  declined.OfferRecovery();
  EXPECT_EQ(declined.ScriptEditor().toPlainText(), "");
  EXPECT_FALSE(TScriptRecovery().Kept().has_value()) << "declined: forgotten";
}

TEST_F(ScriptDocuments, ARunKeepsTheTextAndSavingOrClosingForgetsIt) {
  form.show();
  Type("begin end;");
  form.findChild<QAction*>("Runscript1")->trigger();
  ASSERT_TRUE(TScriptRecovery().Kept().has_value()) << "kept before the run";
  EXPECT_EQ(TScriptRecovery().Kept()->ScriptFileName, "");

  boxes.FileAnswers = {QString::fromStdString(Path("named.pas"))};
  form.Speichernunter1Click();
  EXPECT_FALSE(TScriptRecovery().Kept().has_value()) << "saved";

  Type(" ");
  form.findChild<QAction*>("Runscript1")->trigger();
  EXPECT_EQ(TScriptRecovery().Kept()->ScriptFileName, Path("named.pas"));
  boxes.Answers = {QMessageBox::No};
  EXPECT_TRUE(form.close());
  EXPECT_FALSE(TScriptRecovery().Kept().has_value()) << "closed normally";
}

}  // namespace
}  // namespace zendrik
