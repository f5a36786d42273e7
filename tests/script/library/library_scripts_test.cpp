// Runs the scripts in tests/scripts/library/<family>/*.pas (format: tests/script/script_cases.h)
// with the standard package, the C locale and a command line of three parameters, each in a
// fresh current directory that holds:
//   a.txt ("hello"), b.pas ("begin end;"), .hidden ("x"), sub/ with sub/c.txt ("c")

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "script/library/standard_package.h"
#include "script/runtime/conversions.h"
#include "tests/script/script_cases.h"
#include "tests/script/script_test_support.h"

namespace zendrik {
namespace {

namespace fs = std::filesystem;
using Case = testsupport::ScriptCase;

void WriteFile(const fs::path& file, std::string_view bytes) {
  std::ofstream(file, std::ios::binary) << bytes;
}

class LibraryScript : public ::testing::TestWithParam<Case> {
 protected:
  void SetUp() override {
    testsupport::StartScriptEngineForTests();
    saved_ = fs::current_path();
    directory_ = fs::temp_directory_path() / ("zendrik_library_" + std::to_string(::getpid()));
  }
  // A fresh current directory with the files the cases expect.
  void MakeDirectory() {
    fs::current_path(saved_);
    fs::remove_all(directory_);
    fs::create_directories(directory_ / "sub");
    WriteFile(directory_ / "a.txt", "hello");
    WriteFile(directory_ / "b.pas", "begin end;");
    WriteFile(directory_ / ".hidden", "x");
    WriteFile(directory_ / "sub" / "c.txt", "c");
    fs::current_path(directory_);
  }
  void TearDown() override {
    fs::current_path(saved_);
    fs::remove_all(directory_);
  }

  const TCtxFormatSettings formats_ = TCtxFormatSettings::FromLocale(QLocale::c());
  const TCtxFormatsInEffect inEffect_{formats_};
  fs::path saved_;
  fs::path directory_;
};

TEST_P(LibraryScript, RunsAsExpected) {
  testsupport::ExpectScriptCase(GetParam(), [this](TCtxScript& engine) {
    engine.Parameters = {"/opt/zendrik/bin/zendrik", "job.pas", "one two"};
    MakeDirectory();
  });
}

INSTANTIATE_TEST_SUITE_P(Scripts, LibraryScript,
                         ::testing::ValuesIn(testsupport::ReadScriptCases(ZENDRIK_LIBRARY_SCRIPTS)),
                         [](const ::testing::TestParamInfo<Case>& info) {
                           return info.param.Name;
                         });

}  // namespace
}  // namespace zendrik
