#include "extract/text_arena.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zendrik {
namespace {

TEST(TextArena, CopiesStayIntactWhileBlocksFillAndLargeTextsGetTheirOwn) {
  TTextArena arena;
  std::vector<std::pair<const char*, std::string>> copies;
  for (int i = 0; i < 20000; ++i) {
    // Mostly short texts, now and then one larger than a block.
    const std::string text = i % 997 == 0 ? std::string(300000 + i, char('a' + i % 26))
                                          : std::to_string(i) + std::string(i % 40, 'x');
    copies.emplace_back(arena.Copy(text), text);
  }
  std::size_t bytes = 0;
  for (const auto& [copy, text] : copies) {
    ASSERT_EQ(std::string(copy), text);
    bytes += text.size() + 1;
  }
  EXPECT_EQ(arena.Used(), bytes);
}

TEST(TextArena, EmptyTextsAreNulTerminatedAndClearStartsOver) {
  TTextArena arena;
  const char* empty = arena.Copy({});
  EXPECT_STREQ(empty, "");
  arena.Copy("abc");
  EXPECT_EQ(arena.Used(), 5u);
  arena.Clear();
  EXPECT_EQ(arena.Used(), 0u);
  EXPECT_STREQ(arena.Copy(std::string_view("de\0f", 4).substr(0, 2)), "de");
}

}  // namespace
}  // namespace zendrik
