// File names (expected texts from Free Pascal on Unix unless noted), attributes and sizes, and
// searches in a temporary directory.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "script/library/file_attributes.h"
#include "script/library/file_names.h"
#include "script/library/search_record.h"

namespace zendrik {
namespace {

namespace fs = std::filesystem;

struct NameCase {
  const char* Name;
  const char* Path;
  const char* Dir;
  const char* Drive;
  const char* File;
  const char* Ext;
  const char* Changed;
};

TEST(StandardPackageFiles, FileNamesSplitAsFreePascalDoesOnUnix) {
  const NameCase cases[] = {
      {"/a/b/c.txt", "/a/b/", "/a/b", "", "c.txt", ".txt", "/a/b/c.new"},
      {"c.txt", "", "", "", "c.txt", ".txt", "c.new"},
      {"/", "/", "/", "", "", "", "/.new"},
      {"a\\b\\c.txt", "a\\b\\", "a\\b", "", "c.txt", ".txt", "a\\b\\c.new"},
      {"//server/share/dir/f.x", "//server/share/dir/", "//server/share/dir", "//server/share",
       "f.x", ".x", "//server/share/dir/f.new"},
      {"//server", "//", "//", "//server", "server", "", "//server.new"},
      {".bashrc", "", "", "", ".bashrc", "", ".bashrc.new"},
      {"a/..", "a/", "a", "", "..", ".", "a/..new"},
      {"c:x.y", "", "", "", "c:x.y", ".y", "c:x.new"},
      {"/a//b", "/a//", "/a//", "", "b", "", "/a//b.new"},
      {"x.tar.gz", "", "", "", "x.tar.gz", ".gz", "x.tar.new"},
  };
  for (const NameCase& c : cases) {
    EXPECT_EQ(ExtractFilePathOf(c.Name), c.Path) << c.Name;
    EXPECT_EQ(ExtractFileDirOf(c.Name), c.Dir) << c.Name;
    EXPECT_EQ(ExtractFileDriveOf(c.Name), c.Drive) << c.Name;
    EXPECT_EQ(ExtractFileNameOf(c.Name), c.File) << c.Name;
    EXPECT_EQ(ExtractFileExtOf(c.Name), c.Ext) << c.Name;
    EXPECT_EQ(ChangeFileExtOf(c.Name, ".new"), c.Changed) << c.Name;
  }
}

TEST(StandardPackageFiles, ExpandAndRelatePathsAsFreePascalDoes) {
  EXPECT_EQ(ExpandFileNameIn("x/../y/./z", "/cwd"), "/cwd/y/z");
  EXPECT_EQ(ExpandFileNameIn("", "/cwd"), "/cwd/");
  EXPECT_EQ(ExpandFileNameIn("a\\b", "/cwd"), "/cwd/a/b");
  EXPECT_EQ(ExpandFileNameIn("/..", "/cwd"), "/");
  EXPECT_EQ(RelativePath("/a/b", "/a/b/c"), "b/c");
  // Free Pascal compares the directories without regard to case; Linux names keep their case.
  EXPECT_EQ(RelativePath("/A/b/", "/a/b/c"), "../../a/b/c");
}

TEST(StandardPackageFiles, WildcardsMatchWholeNames) {
  EXPECT_TRUE(MatchesWildcards("f1.pas", "f?.pas"));
  EXPECT_TRUE(MatchesWildcards("readme", "*.*"));
  EXPECT_TRUE(MatchesWildcards("a.b.c", "*.c"));
  EXPECT_TRUE(MatchesWildcards("abcabd", "*ab?"));
  EXPECT_FALSE(MatchesWildcards("F1.PAS", "f1.pas"));
  EXPECT_FALSE(MatchesWildcards("abc", "*.c"));
  EXPECT_TRUE(MatchesWildcards("", "*"));
}

class StandardPackageFileSystem : public ::testing::Test {
 protected:
  void SetUp() override {
    directory_ = fs::temp_directory_path() / ("zendrik_files_" + std::to_string(::getpid()));
    fs::remove_all(directory_);
    fs::create_directories(directory_ / "sub");
    std::ofstream(directory_ / "a.txt") << "hello";
  }
  void TearDown() override { fs::remove_all(directory_); }
  std::string Path(const char* name) const { return (directory_ / name).string(); }
  fs::path directory_;
};

TEST_F(StandardPackageFileSystem, SizesOfTwoGigabytesAndMoreAreTheLargestSignedValue) {
  { std::ofstream(Path("big")) << ""; }
  fs::resize_file(Path("big"), (std::uintmax_t{5} << 30) + 7);  // sparse: no space is used
  EXPECT_EQ(FileFactsOf(Path("big"))->Size, 2147483647);
  fs::resize_file(Path("big"), 2147483647);
  EXPECT_EQ(FileFactsOf(Path("big"))->Size, 2147483647);
  EXPECT_EQ(FileFactsOf(Path("a.txt"))->Size, 5);
}

TEST_F(StandardPackageFileSystem, ReadOnlyFollowsTheOwnersWritePermission) {
  EXPECT_EQ(SetReadOnly(Path("a.txt"), true), 0);
  EXPECT_EQ(FileFactsOf(Path("a.txt"))->Attr, faArchive | faReadOnly);
  EXPECT_EQ(SetReadOnly(Path("a.txt"), false), 0);
  EXPECT_EQ(FileFactsOf(Path("a.txt"))->Attr, faArchive);
  EXPECT_EQ(SetReadOnly(Path("missing"), true), ENOENT);
}

TEST_F(StandardPackageFileSystem, SearchSkipsDirectoriesUnlessAskedAndSortsByName) {
  std::ofstream(directory_ / "b.txt") << "bb";
  fs::create_symlink("a.txt", directory_ / "link");
  TSearchRecObj search;
  std::vector<std::string> names;
  for (int code = search.Start(Path("*"), 0); code == 0; code = search.Next())
    names.push_back(search.Name);
  EXPECT_EQ(names, (std::vector<std::string>{"a.txt", "b.txt", "link"}));
  EXPECT_EQ(search.Next(), ENOENT);
  EXPECT_EQ(search.Start(Path("s*"), faDirectory), 0);
  EXPECT_EQ(search.Name, "sub");
  EXPECT_EQ(search.Attr, faDirectory | faArchive);
  EXPECT_EQ(search.Start(Path("none/*"), faAnyFile), ENOENT);
}

}  // namespace
}  // namespace zendrik
