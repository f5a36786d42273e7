#include "app/help_page.h"

#include "app/product_info.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace zendrik {
namespace {

TEST(HelpPage, OpensThePageShippedBesideTheProgram) {
  QTemporaryDir root;
  ASSERT_TRUE(QDir(root.path()).mkpath("bin"));
  ASSERT_TRUE(QDir(root.path()).mkpath("share/zendrik"));
  const QString page = root.filePath("share/zendrik/help.html");
  QFile file(page);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.close();

  const QUrl url = HelpPageUrl(root.filePath("bin"));
  EXPECT_TRUE(url.isLocalFile());
  EXPECT_EQ(url.toLocalFile(), QFileInfo(page).canonicalFilePath());
}

TEST(HelpPage, FallsBackToTheOnlineAddressWithoutAShippedPage) {
  QTemporaryDir root;
  EXPECT_EQ(HelpPageUrl(root.path()), QUrl(kHelpAddress));
}

TEST(HelpPage, TheBuildTreeShipsThePage) {
  EXPECT_TRUE(QFileInfo(ZENDRIK_BUILD_DIR "/share/zendrik/help.html").isFile());
}

}  // namespace
}  // namespace zendrik
