// Runs the compiler over the snippet files in tests/scripts/compiler/<feature>/*.pas. A file
// holds cases; each starts with "// case: NAME", then the script text, then either
//   // expect listing:        followed by one "// " line per instruction, as --list prints it
//   // expect error CODE: MESSAGE
// The script text is the lines between, each ended by a line feed.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "script/compiler/compile_error.h"
#include "script/runtime/listing.h"
#include "script/runtime/script_code.h"

namespace zendrik {
namespace {

struct Snippet {
  std::string Name;  // file stem and case name, usable as a test name
  std::string Text;
  bool ExpectsError = false;
  int ErrorCode = 0;
  std::string Expected;  // the listing, or the error message
};

std::string TestName(std::string text) {
  std::replace_if(
      text.begin(), text.end(), [](unsigned char c) { return !std::isalnum(c); }, '_');
  return text;
}

void ReadSnippets(const std::filesystem::path& file, const std::string& feature,
                  std::vector<Snippet>& out) {
  std::ifstream in(file, std::ios::binary);
  std::string line;
  enum { None, Script, Listing } state = None;
  while (std::getline(in, line)) {
    if (line.rfind("// case: ", 0) == 0) {
      Snippet snippet;
      snippet.Name = TestName(feature + "_" + file.stem().string() + "_" + line.substr(9));
      out.push_back(std::move(snippet));
      state = Script;
    } else if (state == None) {
      continue;
    } else if (line == "// expect listing:") {
      state = Listing;
    } else if (line.rfind("// expect error ", 0) == 0) {
      const std::size_t colon = line.find(": ");
      out.back().ExpectsError = true;
      out.back().ErrorCode = std::stoi(line.substr(16, colon - 16));
      out.back().Expected = line.substr(colon + 2);
      state = None;
    } else if (state == Script) {
      out.back().Text += line + "\n";
    } else if (line.rfind("// ", 0) == 0) {
      out.back().Expected += line.substr(3) + "\n";
    }
  }
}

std::vector<Snippet> AllSnippets() {
  std::vector<Snippet> snippets;
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(ZENDRIK_COMPILER_SNIPPETS))
    if (entry.path().extension() == ".pas") files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  for (const auto& file : files)
    ReadSnippets(file, file.parent_path().filename().string(), snippets);
  return snippets;
}

void PrintTo(const Snippet& snippet, std::ostream* out) { *out << snippet.Name; }

class CompilerSnippet : public testing::TestWithParam<Snippet> {};

TEST_P(CompilerSnippet, CompilesAsExpected) {
  const Snippet& snippet = GetParam();
  TCtxScriptCode code;
  code.SetCode(snippet.Text);
  if (!snippet.ExpectsError) {
    EXPECT_EQ(ListCode(code), snippet.Expected) << snippet.Text;
    return;
  }
  try {
    ListCode(code);
    ADD_FAILURE() << "compiled without error:\n" << snippet.Text;
  } catch (const ECtxScriptCompileError& error) {
    EXPECT_EQ(error.what(), snippet.Expected) << snippet.Text;
    EXPECT_EQ(error.ErrorCode, snippet.ErrorCode);
    EXPECT_FALSE(code.Compiled());
    EXPECT_TRUE(code.PCode().empty());
  }
}

INSTANTIATE_TEST_SUITE_P(Scripts, CompilerSnippet, testing::ValuesIn(AllSnippets()),
                         [](const testing::TestParamInfo<Snippet>& info) {
                           return info.param.Name;
                         });

}  // namespace
}  // namespace zendrik
