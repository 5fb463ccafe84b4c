// The current list's capacity, at start-up and once a search restarts it (the word tables'
// capacities are pinned where their files are read), and a table's rows as it stores them.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/session.h"

namespace tavilo {
namespace {

TEST(ResultListTest, HoldsThirtyThousandRowsAndRefusesTheNext) {
  Session fresh, restarted;
  restarted.resultList.Reset(5);
  restarted.StartResultList(" rimes");
  for (Session* session : {&fresh, &restarted}) {
    for (int row = 0; row < 30000; ++row) ASSERT_TRUE(session->resultList.Append({"mot", "mo", 1, 0})) << row;
    EXPECT_FALSE(session->resultList.Append({"mot", "mo", 1, 0}));
    EXPECT_EQ(session->resultList.Size(), 30000u);
  }
}

// A table keeps every row's text in one block: a row copied from the table itself while that
// block grows, and a field too long for a row's record, are the two ways a copy could go wrong.
TEST(WordTableTest, RowsReadBackAsAppendedEvenFromTheTableItself) {
  WordTable table(100);
  std::vector<WordEntry> expected;
  for (int row = 0; row < 40; ++row) {
    if (row % 3 == 2) {
      // A row of the table itself, copied while the block grows (caught under the sanitizers).
      expected.push_back(table[table.Size() / 2].ToEntry());
      ASSERT_TRUE(table.Append(table[table.Size() / 2]));
    } else {
      expected.push_back({std::string(static_cast<std::size_t>(row) + 1, 'a') + "\xE9", "a",
                          static_cast<std::int16_t>(row % 9), static_cast<std::int16_t>(row % 2)});
      ASSERT_TRUE(table.Append(expected.back()));
    }
  }
  EXPECT_TRUE(std::ranges::equal(table, expected));
  EXPECT_FALSE(table.Append({std::string(65536, 'a'), "a", 1, 0})) << "longer than a row's record";
  EXPECT_EQ(table.Size(), expected.size());
}

}  // namespace
}  // namespace tavilo
