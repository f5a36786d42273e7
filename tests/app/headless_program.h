#pragma once

// The program run as a user runs it from a shell without a display: a child process in a
// working directory of its own, whose files the test writes and reads.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "app/file_bytes.h"
#include "tests/support/child_process.h"

namespace zendrik::testsupport {

class HeadlessProgram : public ::testing::Test {
 protected:
  void SetUp() override {
    Directory =
        std::filesystem::temp_directory_path() / ("zendrik_program_" + std::to_string(::getpid()));
    std::filesystem::create_directories(Directory);
  }
  void TearDown() override { std::filesystem::remove_all(Directory); }

  /// Writes a file into the working directory and returns its path.
  std::string Script(const std::string& name, const std::string& text) const {
    const std::filesystem::path file = Directory / name;
    std::ofstream(file, std::ios::binary) << text;
    return file.string();
  }

  /// Runs the program with these arguments, no display, and `environment` besides.
  ChildResult Run(std::vector<std::string> args,
                  std::vector<std::pair<std::string, std::string>> environment = {}) const {
    ChildOptions options;
    options.Environment = std::move(environment);
    return RunWith(std::move(args), options);
  }

  /// The same with more of the child's options (its environment is added to).
  ChildResult RunWith(std::vector<std::string> args, ChildOptions options) const {
    args.insert(args.begin(), ZENDRIK_PROGRAM);
    options.Environment.insert(options.Environment.begin(),
                               {{"DISPLAY", ""}, {"WAYLAND_DISPLAY", ""}, {"QT_QPA_PLATFORM", ""}});
    options.WorkingDirectory = Directory.string();
    return RunChild(args, options);
  }

  /// The bytes of a file in the working directory.
  std::string Saved(const std::string& name) const {
    std::string bytes;
    EXPECT_EQ(ReadFileBytes((Directory / name).string(), bytes), "") << name;
    return bytes;
  }

  std::filesystem::path Directory;
};

}  // namespace zendrik::testsupport
