// The current list's capacity, at start-up and once a search restarts it (the word tables'
// capacities are pinned where their files are read).
#include <gtest/gtest.h>

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

}  // namespace
}  // namespace tavilo
