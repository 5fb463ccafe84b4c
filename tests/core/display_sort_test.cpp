// The display sort keys order strings exactly as CompareDisplay does: checked on every pair of a
// few thousand random strings over an alphabet of the characters that make the levels differ
// (accents, case, signs, digits, letters after z), and sorting through the keys gives the order
// of a sort with DisplayLess.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "core/text.h"

namespace tavilo {
namespace {

TEST(DisplaySortTest, KeysOrderAsTheDisplayComparison) {
  const std::string alphabet = "aAeE\xE9\xC9\xE8\xEAoO\x9C\x8C" "c\xE7zZ\xDF\xF0 '-09?";
  std::mt19937 random(7);
  std::vector<std::string> words;
  for (int i = 0; i < 1500; ++i) {
    // Every other word opens with twelve e's, accented or not: words SortForDisplay cannot tell
    // apart by the twelve leading characters it packs.
    std::string word;
    if (i % 2) {
      for (int k = 0; k < 12; ++k) word += "eE\xE9\xC9\xE8\xEA"[random() % 6];
    }
    const int size = static_cast<int>(random() % 5);
    for (int k = 0; k < size; ++k) word += alphabet[random() % alphabet.size()];
    words.push_back(word);
  }
  for (const std::string& a : words) {
    const std::string keyA = DisplaySortKey(a);
    for (const std::string& b : words) {
      const int byKey = std::string_view(keyA).compare(DisplaySortKey(b));
      ASSERT_EQ(byKey < 0 ? -1 : byKey > 0, CompareDisplay(a, b)) << Cp1252ToUtf8(a) << " / " << Cp1252ToUtf8(b);
    }
  }
  std::vector<std::string> sorted = words;
  SortForDisplay(sorted);
  std::sort(words.begin(), words.end(), DisplayLess{});
  EXPECT_EQ(sorted, words);
}

}  // namespace
}  // namespace tavilo
