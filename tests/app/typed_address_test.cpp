#include "app/typed_address.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace zendrik {
namespace {

namespace fs = std::filesystem;

class TypedAddressTest : public testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(Home / "pages");
    fs::create_directories(Work / "sub");
    std::ofstream(Home / "pages" / "saved.html") << "<p>home";
    std::ofstream(Work / "sub" / "page.html") << "<p>work";
  }
  void TearDown() override { fs::remove_all(Root); }

  std::string Typed(const std::string& text) const {
    return TypedAddress(text, Work.string(), Home.string());
  }

  const fs::path Root = fs::temp_directory_path() / "zendrik_typed_address";
  const fs::path Home = Root / "home";
  const fs::path Work = Root / "work";
};

TEST_F(TypedAddressTest, ANameOfAnExistingFileBecomesItsFileAddress) {
  const std::string page = (Work / "sub" / "page.html").string();
  EXPECT_EQ(Typed(page), "file://" + page) << "absolute";
  EXPECT_EQ(Typed("sub/page.html"), "file://" + page) << "relative to the current directory";
  EXPECT_EQ(Typed("./sub/../sub/page.html"), "file://" + page) << "written the long way";
  EXPECT_EQ(Typed("~/pages/saved.html"), "file://" + (Home / "pages" / "saved.html").string());
}

TEST_F(TypedAddressTest, EverythingElseStaysAsTyped) {
  for (const std::string text :
       {"", "next.html", "sub", "sub/missing.html", "~/missing.html", "~",
        "http://host/sub/page.html", "https://host/", "file:///etc/hostname", "www.example.com",
        "WWW.example.com/sub/page.html"})
    EXPECT_EQ(Typed(text), text) << text;
  EXPECT_EQ(TypedAddress("~/pages/saved.html", Work.string(), ""), "~/pages/saved.html")
      << "no home directory";
  EXPECT_EQ(Typed(std::string("sub/page.html\0x", 15)), std::string("sub/page.html\0x", 15))
      << "a NUL byte names no file";
}

TEST(WebAddress, SchemesAndWwwAreWebAddressesAndPathsAreNot) {
  EXPECT_TRUE(IsWebAddress("http://a/"));
  EXPECT_TRUE(IsWebAddress("ftp://a/"));
  EXPECT_TRUE(IsWebAddress("Www.a.b"));
  EXPECT_FALSE(IsWebAddress("/home/me/page.html"));
  EXPECT_FALSE(IsWebAddress("wwwpage.html"));
}

}  // namespace
}  // namespace zendrik
