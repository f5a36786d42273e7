// The README's commands, as a newcomer types them on a fresh clone: every path it names exists,
// every make target it names is in the Makefile, and every `build/app/zendrik` command that
// needs no network runs as the README says (the window's command, without a display, says
// so and ends with status 1).

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "tests/app/headless_program.h"

namespace zendrik {
namespace {

namespace fs = std::filesystem;

std::string ReadText(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// The lines of the README's ```sh blocks, without their comments.
std::vector<std::string> ShellLines(const std::string& readme) {
  std::vector<std::string> lines;
  std::istringstream in(readme);
  bool inside = false;
  for (std::string line; std::getline(in, line);) {
    if (line.starts_with("```")) {
      inside = !inside && line == "```sh";
      continue;
    }
    if (!inside) continue;
    if (const std::size_t comment = line.find(" #"); comment != std::string::npos)
      line.erase(comment);
    while (!line.empty() && line.back() == ' ') line.pop_back();
    if (!line.empty()) lines.push_back(line);
  }
  return lines;
}

std::vector<std::string> Words(const std::string& line) {
  std::istringstream in(line);
  std::vector<std::string> words;
  for (std::string word; in >> word;) words.push_back(word);
  return words;
}

class Readme : public testsupport::HeadlessProgram {
 protected:
  const fs::path Source = ZENDRIK_SOURCE_DIR;
  const std::string Text = ReadText(Source / "README.md");
};

TEST_F(Readme, EveryPathItNamesExists) {
  const std::regex path(R"((?:examples|docs|bench|tools)/[A-Za-z0-9_./-]*[A-Za-z0-9_])");
  int named = 0;
  for (std::sregex_iterator it(Text.begin(), Text.end(), path), end; it != end; ++it, ++named)
    EXPECT_TRUE(fs::exists(Source / it->str())) << it->str();
  EXPECT_GE(named, 5);
}

TEST_F(Readme, ItsMakeTargetsExist) {
  const std::string makefile = ReadText(Source / "Makefile");
  int targets = 0;
  for (const std::string& line : ShellLines(Text)) {
    const std::vector<std::string> words = Words(line);
    if (words.size() < 2 || words[0] != "make") continue;
    EXPECT_NE(makefile.find("\n" + words[1] + ":"), std::string::npos) << line;
    ++targets;
  }
  EXPECT_GE(targets, 2);
}

TEST_F(Readme, ItsProgramCommandsRunAsItSays) {
  fs::create_directory_symlink(Source / "examples", Directory / "examples");
  int run = 0;
  for (const std::string& line : ShellLines(Text)) {
    std::vector<std::string> words = Words(line);
    if (words.empty() || words[0] != "build/app/zendrik") continue;
    words.erase(words.begin());
    bool network = false;
    for (const std::string& word : words) {
      if (word.find("://") != std::string::npos) network = true;
      if (word.starts_with("examples/")) {
        EXPECT_TRUE(fs::exists(Source / word)) << line;
      }
    }
    if (network) continue;  // tests reach no address beyond 127.0.0.1
    SCOPED_TRACE(line);
    const testsupport::ChildResult result = Run(words, {{"LC_ALL", "C"}});
    if (words.empty() || NamesPageFile(words.front())) {  // the window, which needs a display
      EXPECT_EQ(result.ExitStatus, 1);
      EXPECT_TRUE(result.Err.starts_with("zendrik: no display")) << result.Err;
    } else {
      EXPECT_EQ(result.ExitStatus, 0) << result.Err;
      EXPECT_FALSE(result.Out.empty()) << "every command shows something";
    }
    ++run;
  }
  EXPECT_GE(run, 7);
}

}  // namespace
}  // namespace zendrik
