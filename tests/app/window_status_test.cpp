// How operations end, as the window's status bar says it, and local files typed into the
// address field.

#include "app/main_form.h"

#include "extract/address_resolution.h"
#include "extract/extraction_driver.h"
#include "tests/app/scripted_message_boxes.h"
#include "tests/support/loopback_http_server.h"

#include <QDir>
#include <QLineEdit>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <fstream>

namespace zendrik {
namespace {

using testsupport::HttpReply;

class WindowStatusTest : public testing::Test {
 protected:
  void SetUp() override {
    CurrentAddress().clear();
    form.show();
  }

  void Extract(const QString& typed) {
    Edit1().setText(typed);
    QTest::keyClick(&Edit1(), Qt::Key_Return);
  }

  QLineEdit& Edit1() { return *form.findChild<QLineEdit*>("Edit1"); }
  std::string Status() { return form.statusBar()->currentMessage().toStdString(); }

  std::string Page(const char* name, const std::string& html) const {
    const std::string path = dir.filePath(name).toStdString();
    std::ofstream(path, std::ios::binary) << html;
    return path;
  }

  QTemporaryDir dir;
  testsupport::LoopbackHttpServer server;
  testsupport::ScriptedMessageBoxes boxes;
  TMainForm form{boxes};
};

TEST_F(WindowStatusTest, AnAddressThatCannotBeOpenedSaysWhyAndLeavesTheTableEmpty) {
  server.Serve("/page.html", HttpReply::Page("<p>one<p>two"));
  Extract(QString::fromStdString(server.Url("/page.html")));
  ASSERT_EQ(form.Table.RowCount(), 2u);
  const std::string refused =
      "http://127.0.0.1:" + std::to_string(testsupport::UnusedLoopbackPort()) + "/list.html";
  Extract(QString::fromStdString(refused));
  EXPECT_TRUE(Status().starts_with("Could not open " + refused + ": Failed to connect"))
      << Status();
  EXPECT_EQ(form.Table.RowCount(), 0u);
  EXPECT_TRUE(boxes.Boxes.empty()) << "no message box for an address that cannot be opened";
}

TEST_F(WindowStatusTest, ABrokenBodyKeepsItsMessageBoxAndTheStatusSaysItFailed) {
  HttpReply reply = HttpReply::Page("<p>first half");
  reply.End = HttpReply::Ending::CloseMidBody;
  server.Serve("/cut.html", reply);
  Extract(QString::fromStdString(server.Url("/cut.html")));
  ASSERT_EQ(boxes.Boxes.size(), 1u);
  EXPECT_EQ(boxes.Boxes[0].Text.toStdString(), kExtractionFailureMessage);
  EXPECT_TRUE(Status().starts_with("Extraction from " + server.Url("/cut.html") + " failed: "))
      << Status();
  EXPECT_EQ(Status().find('\n'), std::string::npos);
}

TEST_F(WindowStatusTest, ATypedLocalPathOpensThatFile) {
  const std::string page = Page("local page.html", "<table><tr><td>a<td>b<tr><td>gjpq</table>");
  Extract(QString::fromStdString(page));
  ASSERT_EQ(form.Table.RowCount(), 2u);
  EXPECT_EQ(form.Table.ReadCell(2, 1), "gjpq");
  EXPECT_EQ(Status(), "2 rows, 3 cells from file://" + page + " (41 bytes)");
  EXPECT_EQ(Edit1().text().toStdString(), page) << "the field keeps what was typed";

  // Relative to the current directory, and in the home directory.
  const QString current = QDir::currentPath();
  QDir::setCurrent(dir.path());
  Page("relative.html", "<p>relative");
  Extract("relative.html");
  QDir::setCurrent(current);
  EXPECT_EQ(form.Table.ReadCell(1, 1), "relative ");
  const QByteArray home = qgetenv("HOME");
  qputenv("HOME", dir.path().toLocal8Bit());
  Page("home.html", "<p>at home");
  Extract("~/home.html");
  qputenv("HOME", home);
  EXPECT_EQ(form.Table.ReadCell(1, 1), "at home ");
  EXPECT_TRUE(boxes.Boxes.empty());
}

TEST_F(WindowStatusTest, ANameThatIsNoFileStaysAnAddressRelativeToThePageFetchedLast) {
  server.Serve("/dir/first.html", HttpReply::Page("<p>first"));
  server.Serve("/dir/second.html", HttpReply::Page("<p>second"));
  Extract(QString::fromStdString(server.Url("/dir/first.html")));
  Extract("second.html");
  EXPECT_EQ(form.Table.ReadCell(1, 1), "second ");
  EXPECT_EQ(CurrentAddress(), server.Url("/dir/second.html"));
}

TEST_F(WindowStatusTest, ScriptsTablesAndDocumentsSayHowTheyEnded) {
  form.ScriptEditor().setPlainText("begin SetCell(1, 1, 'x') end.");
  EXPECT_TRUE(form.RunScriptClick());
  EXPECT_TRUE(Status().starts_with("Script finished in ")) << Status();
  EXPECT_TRUE(Status().ends_with(" s")) << Status();

  boxes.FileAnswers = {dir.filePath("table.csv")};
  form.SaveTable1Click();
  EXPECT_EQ(Status(), "1 row saved to " + dir.filePath("table.csv").toStdString());
  form.NewTable1Click();
  EXPECT_EQ(Status(), "Table emptied");

  boxes.FileAnswers = {dir.filePath("s.pas")};
  form.Speichernunter1Click();
  EXPECT_EQ(Status(), "Saved " + dir.filePath("s.pas").toStdString());
  boxes.FileAnswers = {dir.filePath("s.pas")};
  form.ffnen1Click();
  EXPECT_EQ(Status(), "Opened " + dir.filePath("s.pas").toStdString());
  form.Neu1Click();
  EXPECT_EQ(Status(), "New script");
}

}  // namespace
}  // namespace zendrik
