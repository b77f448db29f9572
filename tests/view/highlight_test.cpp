// Stepping through digit sets with Next and Previous; the commands themselves
// are scripted scenarios (grid_scenarios_test).
#include <gtest/gtest.h>

#include <set>

#include "game/commands.h"
#include "view/highlight.h"

namespace vantry::testing {
namespace {

std::vector<int> step(std::vector<int> set, bool forward) {
  bool digits[10] = {};
  for (int d : set) digits[d] = true;
  step_digit_set(digits, forward);
  std::vector<int> out;
  for (int d = 1; d <= 9; ++d) {
    if (digits[d]) out.push_back(d);
  }
  return out;
}

TEST(DigitSetTest, StepsInLexicographicOrderAndWraps) {
  EXPECT_EQ(step({1}, true), std::vector<int>({2}));
  EXPECT_EQ(step({9}, true), std::vector<int>({1}));
  EXPECT_EQ(step({1}, false), std::vector<int>({9}));
  EXPECT_EQ(step({7, 8, 9}, true), std::vector<int>({1, 2, 3}));
  EXPECT_EQ(step({2, 3, 4}, false), std::vector<int>({1, 8, 9}));
  EXPECT_EQ(step({1, 2, 3}, false), std::vector<int>({7, 8, 9}));
  EXPECT_EQ(step({1, 8, 9}, true), std::vector<int>({2, 3, 4}));
  EXPECT_TRUE(step({}, true).empty());

  // Every 4-digit set once, forward and back, before coming round again.
  for (bool forward : {true, false}) {
    std::set<std::vector<int>> seen;
    std::vector<int> set = {1, 2, 3, 4};
    for (int i = 0; i < 126; ++i) {
      EXPECT_TRUE(seen.insert(set).second);
      set = step(set, forward);
    }
    EXPECT_EQ(set, std::vector<int>({1, 2, 3, 4}));
  }
}

}  // namespace
}  // namespace vantry::testing
