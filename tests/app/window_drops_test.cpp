// What reaches the window from outside its commands: links in cells, dropped files and links,
// and the list of recent scripts.

#include "app/window_drops.h"
#include "app/cell_links.h"
#include "app/main_form.h"
#include "app/recent_scripts.h"

#include "extract/address_resolution.h"
#include "tests/app/scripted_message_boxes.h"
#include "tests/support/loopback_http_server.h"

#include <QAction>
#include <QCoreApplication>
#include <QDropEvent>
#include <QFile>
#include <QLineEdit>
#include <QMimeData>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <optional>

namespace zendrik {
namespace {

using testsupport::HttpReply;

TEST(CellLink, AbsoluteAddressesAlwaysAndPageNamesOnceAPageWasFetched) {
  const struct {
    const char* Text;
    bool HasBase;
    std::optional<std::string> Link;
  } cases[] = {
      {"http://example.com/a", false, "http://example.com/a"},
      {"  HTTPS://example.com/ ", false, "HTTPS://example.com/"},
      {"file:///tmp/page.html", false, "file:///tmp/page.html"},
      {"www.example.com", false, "www.example.com"},
      {"item.html", false, std::nullopt},
      {"item.html", true, "item.html"},
      {"list.PHP?page=2#top", true, "list.PHP?page=2#top"},
      {"/shop/", true, "/shop/"},
      {"../up", true, "../up"},
      {"?page=3", true, "?page=3"},
      {"Apple", true, std::nullopt},
      {"1.99", true, std::nullopt},
      {"12/05/2020", true, std::nullopt},
      {".html", true, std::nullopt},
      {"logo.png", true, std::nullopt},
      {"http://example.com/a b", false, std::nullopt},
      {"", true, std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(CellLink(c.Text, c.HasBase), c.Link) << c.Text;
}

TEST(WindowDrops, ScriptsOpenPagesAndWebLinksAreExtractedTheRestIsRefused) {
  const auto drop = [](const std::function<void(QMimeData&)>& fill) {
    QMimeData data;
    fill(data);
    return ReadDrop(data);
  };
  const auto urls = [&drop](const QList<QUrl>& list) {
    return drop([&list](QMimeData& data) { data.setUrls(list); });
  };
  using TKind = TDrop::TKind;
  TDrop script = urls({QUrl::fromLocalFile("/tmp/my scripts/run.PAS")});
  EXPECT_EQ(script.Kind, TKind::OpenScript);
  EXPECT_EQ(script.Target, "/tmp/my scripts/run.PAS");
  TDrop page = urls({QUrl::fromLocalFile("/tmp/page.htm"), QUrl::fromLocalFile("/tmp/x.pas")});
  EXPECT_EQ(page.Kind, TKind::Extract) << "the first one counts";
  EXPECT_EQ(page.Target, "file:///tmp/page.htm");
  TDrop link = urls({QUrl("https://example.com/a b?q=1")});
  EXPECT_EQ(link.Kind, TKind::Extract);
  EXPECT_EQ(link.Target, "https://example.com/a%20b?q=1");
  TDrop text = drop([](QMimeData& data) { data.setText(" http://example.com/list.html\n"); });
  EXPECT_EQ(text.Kind, TKind::Extract);
  EXPECT_EQ(text.Target, "http://example.com/list.html");

  EXPECT_EQ(urls({QUrl::fromLocalFile("/tmp/notes.txt")}).Kind, TKind::Nothing);
  EXPECT_EQ(urls({QUrl("ftp://example.com/page.html")}).Kind, TKind::Nothing);
  EXPECT_EQ(drop([](QMimeData& data) { data.setText("some words"); }).Kind, TKind::Nothing);
  EXPECT_EQ(drop([](QMimeData& data) { data.setText("http://a/\nhttp://b/"); }).Kind,
            TKind::Nothing);
}

TEST(RecentScripts, NewestFirstOnceEachAtMostSixAndNothingWithoutAFile) {
  QTemporaryDir dir;
  TRecentScripts recent(dir.filePath("sub/zendrik.conf"));
  EXPECT_TRUE(recent.Names().empty());
  for (int i = 1; i <= 7; ++i) recent.Add("/s/" + std::to_string(i) + ".pas");
  recent.Add("/s/4.pas");
  EXPECT_EQ(recent.Names(), (std::vector<std::string>{"/s/4.pas", "/s/7.pas", "/s/6.pas",
                                                      "/s/5.pas", "/s/3.pas", "/s/2.pas"}));
  recent.Remove("/s/6.pas");
  EXPECT_EQ(TRecentScripts(dir.filePath("sub/zendrik.conf")).Names().size(), 5u)
      << "kept in the file";

  TRecentScripts nowhere("/proc/zendrik/cannot/be/written.conf");
  nowhere.Add("/s/1.pas");
  EXPECT_TRUE(nowhere.Names().empty());
}

class WindowDropsTest : public testing::Test {
 protected:
  void SetUp() override {
    CurrentAddress().clear();
    QFile::remove(TRecentScripts::DefaultFile());  // what other tests left
    form.show();
  }
  void TearDown() override { QFile::remove(TRecentScripts::DefaultFile()); }

  void Drop(QWidget& target, const QMimeData& data) {
    const QPoint at(5, 5);
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&target, &enter);
    Accepted = enter.isAccepted();
    if (!Accepted) return;
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&target, &drop);
  }

  std::string File(const char* name, const std::string& bytes) {
    const std::string path = dir.filePath(name).toStdString();
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }

  static std::unique_ptr<QMimeData> Files(const std::string& path) {
    auto data = std::make_unique<QMimeData>();
    data->setUrls({QUrl::fromLocalFile(QString::fromStdString(path))});
    return data;
  }

  QTemporaryDir dir;
  testsupport::LoopbackHttpServer server;
  testsupport::ScriptedMessageBoxes boxes;
  TMainForm form{boxes};
  bool Accepted = false;
};

TEST_F(WindowDropsTest, ADroppedScriptOpensAfterTheQuestionAndJoinsTheRecentList) {
  const std::string script = File("dropped.pas", "begin\r\n  SetCell(1, 1, 'd');\r\nend;\r\n");
  form.ScriptEditor().setPlainText("unsaved");
  boxes.Answers = {QMessageBox::Cancel};
  const auto data = Files(script);
  Drop(form, *data);
  EXPECT_TRUE(Accepted);
  EXPECT_EQ(form.ScriptEditor().toPlainText(), "unsaved") << "cancelled";
  ASSERT_EQ(boxes.Boxes.size(), 1u);
  EXPECT_EQ(boxes.Boxes[0].Caption, "Open script");

  boxes.Answers = {QMessageBox::No};
  Drop(*form.ScriptEditor().viewport(), *data);
  EXPECT_EQ(form.Document().ScriptFileName(), script)
      << "dropped on the editor, opened all the same";
  EXPECT_EQ(form.ScriptEditor().toPlainText(), "begin\n  SetCell(1, 1, 'd');\nend;");
  EXPECT_EQ(form.RecentScripts().Names().front(), script);
  QAction& first = *form.findChild<QAction*>("RecentScript1");
  EXPECT_TRUE(first.isVisible());
  EXPECT_EQ(first.text(), "&1 dropped.pas");
}

TEST_F(WindowDropsTest, ADroppedPageOrLinkIsExtractedAndOtherFilesAreRefused) {
  const std::string page = File("page.html", "<p>from a file");
  Drop(*form.findChild<QLineEdit*>("Edit1"), *Files(page));
  EXPECT_EQ(form.Table.ReadCell(1, 1), "from a file ");
  EXPECT_EQ(form.findChild<QLineEdit*>("Edit1")->text().toStdString(), "file://" + page);

  server.Serve("/linked.html", HttpReply::Page("<p>linked"));
  QMimeData link;
  link.setUrls({QUrl(QString::fromStdString(server.Url("/linked.html")))});
  Drop(form, link);
  EXPECT_EQ(form.Table.ReadCell(1, 1), "linked ");

  Drop(form, *Files(File("notes.txt", "words")));
  EXPECT_FALSE(Accepted);
  EXPECT_EQ(form.Table.ReadCell(1, 1), "linked ");
  EXPECT_TRUE(boxes.Boxes.empty());
}

TEST_F(WindowDropsTest, ARecentScriptOpensFromTheMenuAndAMissingOneLeavesTheList) {
  const std::string kept = File("kept.pas", "begin end;\r\n");
  const std::string gone = File("gone.pas", "begin end;\r\n");
  form.OpenScriptAsked(gone);
  form.OpenScriptAsked(kept);
  QFile::remove(QString::fromStdString(gone));
  QAction& first = *form.findChild<QAction*>("RecentScript1");
  QAction& second = *form.findChild<QAction*>("RecentScript2");
  EXPECT_EQ(first.text(), "&1 kept.pas");
  EXPECT_EQ(first.toolTip().toStdString(), kept);
  second.trigger();
  ASSERT_EQ(boxes.Boxes.size(), 1u);
  EXPECT_EQ(boxes.Boxes[0].Icon, QMessageBox::Critical);
  EXPECT_EQ(form.Document().ScriptFileName(), kept);
  EXPECT_EQ(form.RecentScripts().Names(), std::vector<std::string>{kept});
  EXPECT_FALSE(second.isVisible());
}

}  // namespace
}  // namespace zendrik
