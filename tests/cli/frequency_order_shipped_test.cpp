// On the shipped dictionary, every tool sorted by frequency lists the same items as in its usual
// order, only reordered, and the order really changes.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "support/cli_run.h"

namespace tavilo::cli {
namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

TEST(FrequencyOrderShipped, SameItemsReordered) {
  const std::string data = FindDataDirectory().string();
  const std::vector<std::vector<std::string>> searches = {
      {"rimes", "age"},
      {"filtre", "?a?e?e"},
      {"anagrammes", "lavieestbelle"},
      {"anagrammes", "chienne", "--auto", "--mots", "1-3"},
      {"lipogrammes", "aeu", "--syllabes", "2"},
      {"anaphones", "rame"},
      {"contrepeteries", "chapeau", "--decadentes", "--phonemes", "2"},
      {"liste", "palindromes"},
      {"liste", "ambigrammes"},
      {"liste", "anaphones"},
  };
  for (std::vector<std::string> search : searches) {
    search.insert(search.begin(), {"--data", data});
    search.push_back("--brut");
    const testing::CliOutcome alpha = testing::RunCliCaptured(search);
    search.insert(search.end(), {"--tri", "frequence"});
    const testing::CliOutcome common = testing::RunCliCaptured(search);
    ASSERT_EQ(alpha.code, kExitOk) << search[2] << ' ' << search[3] << alpha.err;
    ASSERT_EQ(common.code, kExitOk) << search[2] << ' ' << search[3] << common.err;
    std::vector<std::string> a = Lines(alpha.out), c = Lines(common.out);
    EXPECT_NE(a, c) << search[2] << ' ' << search[3] << ": the order did not change";
    std::sort(a.begin(), a.end());
    std::sort(c.begin(), c.end());
    EXPECT_EQ(a, c) << search[2] << ' ' << search[3];
  }
}

}  // namespace
}  // namespace tavilo::cli
