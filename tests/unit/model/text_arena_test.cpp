#include "model/text_arena.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qerix {
namespace {

TEST(TextArena, StoredTextsStayValidAcrossBlocksAndLargeTexts) {
  TextArena arena;
  std::vector<std::string> originals;
  std::vector<std::string_view> views;
  // Small texts fill several blocks; large ones are mixed in between.
  for (int number = 0; number < 60000; ++number) {
    std::string text = std::to_string(number) + std::string(static_cast<std::size_t>(number % 40), 'x');
    if (number % 15000 == 7) text = std::string(std::size_t{3} << 20, static_cast<char>('a' + number % 26));
    views.push_back(arena.store(text));
    originals.push_back(std::move(text));
  }
  for (std::size_t index = 0; index < views.size(); ++index) ASSERT_EQ(views[index], originals[index]) << index;
}

TEST(TextArena, EmptyTextsNeedNoSpace) {
  TextArena arena;
  EXPECT_TRUE(arena.store("").empty());
  const std::string_view stored = arena.store("a");
  EXPECT_EQ(stored, "a");
}

}  // namespace
}  // namespace qerix
