// The window while a script or a download runs: it lets events through, Esc and Stop end the
// work, the commands that would start other work wait, and closing asks first.

#include "app/main_form.h"

#include "app/paint_box.h"
#include "extract/address_resolution.h"
#include "script/runtime/engine.h"
#include "tests/app/find_component.h"
#include "tests/app/scripted_message_boxes.h"
#include "tests/support/loopback_http_server.h"

#include <QAction>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace zendrik {
namespace {

using testsupport::HttpReply;

// A script that never ends by itself: the cell (1, 1) is written before its loop on line 5.
constexpr const char* kEndless =
    "var i;\nbegin\n  SetCell(1, 1, 'left');\n  i := 0;\n  while true do i := i + 1;\nend;";

class WindowWorkTest : public testing::Test {
 protected:
  void SetUp() override {
    CurrentAddress().clear();
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  }

  template <typename T = QWidget>
  T& Find(const char* name) {
    return testsupport::FindComponent<T>(form, name);
  }

  // Runs `action` once `ms` have passed, while whatever the test starts runs.
  void After(int ms, std::function<void()> action) {
    QTimer::singleShot(ms, &form, std::move(action));
  }

  void PressEscape() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape); }

  // Presses Esc after `ms` and measures from there.
  void EscapeAfter(int ms) {
    After(ms, [this] {
      SincePress.start();
      PressEscape();
    });
  }

  void RunFromButton(const QString& text) {
    Find<QPlainTextEdit>("Memo1").setPlainText(text);
    QTest::mouseClick(&Find<QPushButton>("RunScript"), Qt::LeftButton);
  }

  QString Status() { return Find<QStatusBar>("StatusBar1").currentMessage(); }

  testsupport::LoopbackHttpServer server;
  testsupport::ScriptedMessageBoxes boxes;
  TMainForm form{boxes};
  QElapsedTimer SincePress;
};

TEST_F(WindowWorkTest, EscStopsAnEndlessScriptWithinATenthOfASecondAndTheNextRunWorks) {
  EscapeAfter(60);
  RunFromButton(kEndless);
  ASSERT_TRUE(SincePress.isValid()) << "the key was pressed while the script ran";
  EXPECT_LT(SincePress.elapsed(), 100);
  EXPECT_EQ(Status(), "Script stopped at line 5");
  EXPECT_TRUE(boxes.Boxes.empty()) << "a stop is no error";
  EXPECT_EQ(form.Table.ReadCell(1, 1), "left");
  EXPECT_EQ(form.Grid().PaintBox1().size(), form.Grid().Layout().SurfaceSize());
  EXPECT_EQ(Find<QPlainTextEdit>("Memo1").toPlainText(), kEndless);
  EXPECT_FALSE(Find<QPlainTextEdit>("Memo1").isReadOnly());

  RunFromButton("begin SetCell(1, 2, 'next') end;");
  EXPECT_EQ(form.Table.ReadCell(2, 1), "next");
  EXPECT_TRUE(boxes.Boxes.empty());
}

TEST_F(WindowWorkTest, CommandsWaitWhileWorkRunsAndStopIsThereOnlyThen) {
  const char* const exclusive[] = {"NewTable1",  "SaveTable1",      "Neu1",         "ffnen1",
                                   "Speichern1", "Speichernunter1", "Extractdata1", "Runscript1"};
  const char* const always[] = {"Exit1", "Helpfile1", "About1"};
  const auto states = [this, &exclusive, &always](bool running) {
    for (const char* name : exclusive) EXPECT_EQ(Find<QAction>(name).isEnabled(), !running) << name;
    for (const char* name : always) EXPECT_TRUE(Find<QAction>(name).isEnabled()) << name;
    EXPECT_EQ(Find<QPushButton>("RunScript").isEnabled(), !running);
    EXPECT_EQ(Find<QPushButton>("ExtractDataBtn").isEnabled(), !running);
    EXPECT_EQ(Find<QPlainTextEdit>("Memo1").isReadOnly(), running);
    EXPECT_EQ(Find<QAction>("Stop1").isEnabled(), running);
    EXPECT_EQ(Find<QPushButton>("StopBtn").isEnabled(), running);
  };
  states(false);
  // Once by the menu command, once by the button.
  for (const auto& stop : std::initializer_list<std::function<void()>>{
           [this] { Find<QAction>("Stop1").trigger(); },
           [this] { QTest::mouseClick(&Find<QPushButton>("StopBtn"), Qt::LeftButton); }}) {
    After(40, [&states, stop] {
      states(true);
      stop();
    });
    RunFromButton(kEndless);
    EXPECT_EQ(Status(), "Script stopped at line 5");
    states(false);
  }
}

TEST_F(WindowWorkTest, NothingStartsASecondRunOrChangesTheDocumentMeanwhile) {
  // The script enables the Run button itself: a click still has to wait.
  const QString script =
      "var i;\nbegin\n  SetCell(1, 1, GetCell(1, 1) + 'x');\n  RunScript.Enabled := True;\n"
      "  i := 0;\n  while true do i := i + 1;\nend;";
  After(40, [this] {
    EXPECT_TRUE(Find<QPushButton>("RunScript").isEnabled());
    QTest::mouseClick(&Find<QPushButton>("RunScript"), Qt::LeftButton);
    Find<QLineEdit>("Edit1").setText(QString::fromStdString(server.Url("/page.html")));
    QTest::keyClick(&Find<QLineEdit>("Edit1"), Qt::Key_Return);
    QTest::keyClicks(&Find<QPlainTextEdit>("Memo1"), "typed");
    form.Stop1Click();
  });
  server.Serve("/page.html", HttpReply::Page("<p>page"));
  RunFromButton(script);
  EXPECT_EQ(form.Table.ReadCell(1, 1), "x") << "one run only";
  EXPECT_TRUE(server.Requests().empty()) << "no extraction";
  EXPECT_EQ(Find<QPlainTextEdit>("Memo1").toPlainText(), script) << "no typing";
  EXPECT_TRUE(Find<QPushButton>("RunScript").isEnabled());
}

TEST_F(WindowWorkTest, ClosingDuringARunAsksAndClosesOnceTheRunStopped) {
  boxes.Answers = {QMessageBox::No, QMessageBox::Yes, QMessageBox::No};
  After(30, [this] { EXPECT_FALSE(form.close()) << "not while the script runs"; });
  After(70, [this] { form.close(); });
  RunFromButton(kEndless);
  EXPECT_EQ(Status(), "Script stopped at line 5");
  EXPECT_TRUE(form.isVisible()) << "the run had to unwind first";
  QCoreApplication::processEvents();
  EXPECT_FALSE(form.isVisible());
  ASSERT_EQ(boxes.Boxes.size(), 3u);
  for (int i : {0, 1}) {
    EXPECT_EQ(boxes.Boxes[i].Caption, "Quit");
    EXPECT_EQ(boxes.Boxes[i].Text,
              "A script is running. Do you want to stop it and close the window?");
  }
  EXPECT_EQ(boxes.Boxes[2].Text,
            "The existing script has not been saved. Do you want to save the script now?");
}

TEST_F(WindowWorkTest, EscStopsADownloadThatHangs) {
  HttpReply hanging = HttpReply::Page("<p>first<p>second");
  hanging.End = HttpReply::Ending::Stall;
  server.Serve("/hang.html", hanging);
  form.Table.WriteCell(1, 1, "old");
  EscapeAfter(150);
  Find<QLineEdit>("Edit1").setText(QString::fromStdString(server.Url("/hang.html")));
  QTest::keyClick(&Find<QLineEdit>("Edit1"), Qt::Key_Return);
  ASSERT_TRUE(SincePress.isValid());
  EXPECT_LT(SincePress.elapsed(), 100);
  EXPECT_EQ(Status(), "Download stopped");
  EXPECT_TRUE(boxes.Boxes.empty());
  EXPECT_EQ(form.Table.RowCount(), 0u);
  EXPECT_TRUE(Find<QPushButton>("ExtractDataBtn").isEnabled());
}

TEST_F(WindowWorkTest, EscDuringAScriptsDownloadStopsTheScriptThere) {
  HttpReply hanging = HttpReply::Page("<p>first");
  hanging.End = HttpReply::Ending::Stall;
  server.Serve("/hang.html", hanging);
  EscapeAfter(150);
  RunFromButton(QString::fromStdString("begin\n  SetCell(1, 1, 'before');\n  Download('" +
                                       server.Url("/hang.html") +
                                       "', '');\n  SetCell(1, 1, 'after');\nend;"));
  EXPECT_EQ(Status(), "Script stopped at line 3");
  EXPECT_TRUE(boxes.Boxes.empty()) << "no failure message for a stop";
  EXPECT_EQ(form.Table.RowCount(), 0u) << "the download emptied the table, nothing came after";
}

TEST_F(WindowWorkTest, TheGridShowsCellsWhileAScriptWritesThem) {
  QSize seen;
  After(80, [this, &seen] {
    seen = form.Grid().PaintBox1().size();
    PressEscape();
  });
  RunFromButton(
      "var i;\nbegin\n  i := 0;\n  while true do\n  begin\n    i := i + 1;\n"
      "    SetCell(1 + i mod 3, 1 + i mod 40, i);\n  end;\nend;");
  EXPECT_EQ(seen.height(), 40 * form.Grid().Layout().RowPitch()) << "sized while running";
  EXPECT_EQ(form.Grid().PaintBox1().size(), form.Grid().Layout().SurfaceSize());
}

}  // namespace
}  // namespace zendrik
