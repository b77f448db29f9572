// The peer walk every wing, chain and rectangle finder names its cells by.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "model/state.h"
#include "strategy/finders/peers.h"

namespace vantry {
namespace {

std::vector<std::pair<int, int>> cells_of(const CellSet& set) {
  std::vector<std::pair<int, int>> out;
  for (int i = 0; i < set.count(); ++i) out.emplace_back(set.row(i), set.column(i));
  return out;
}

TEST(PeersHolding, WalksBoxThenRowThenColumnIncludingTheCell) {
  State s;
  for (int r = 0; r < 9; ++r) {
    for (int c = 0; c < 9; ++c) s.row(r).delete_possibility(c, 4);
  }
  // 4 stays possible in a few cells seen by 4,5 (row 3, column 4) and one unseen.
  for (auto [r, c] : {std::pair{8, 4}, {3, 0}, {4, 3}, {3, 4}, {5, 5}, {0, 0}}) s.cell(r, c).possible[4] = true;
  EXPECT_EQ(cells_of(peers_holding(s, 3, 4, 4)),
            (std::vector<std::pair<int, int>>{{3, 4}, {4, 3}, {5, 5}, {3, 0}, {8, 4}}));
  s.set_answer(5, 5, 4);  // answered cells hold nothing; the placement clears box 4 too
  EXPECT_EQ(cells_of(peers_holding(s, 3, 4, 4)), (std::vector<std::pair<int, int>>{{3, 0}, {8, 4}}));
}

TEST(PeersHolding, AnyAndAllOfSeveralDigits) {
  State s;
  for (int c = 0; c < 9; ++c) {
    if (c != 2) s.row(0).delete_possibility(c, 1);
    if (c != 5) s.row(0).delete_possibility(c, 2);
  }
  s.cell(0, 7).possible[1] = true;
  const unsigned both = (1u << 0) | (1u << 1);
  const CellSet any = peers_holding_any(s, 0, 0, both);
  EXPECT_TRUE(any.contains(0, 2));
  EXPECT_TRUE(any.contains(0, 5));
  EXPECT_TRUE(any.contains(4, 0));  // column 0 below row 0 still holds both
  EXPECT_FALSE(any.contains(0, 1));
  const CellSet all = peers_holding_all(s, 0, 0, both);
  EXPECT_FALSE(all.contains(0, 2));
  EXPECT_FALSE(all.contains(0, 7));
  EXPECT_TRUE(all.contains(1, 1));
  EXPECT_TRUE(sees(0, 0, 2, 2));
  EXPECT_FALSE(sees(0, 0, 3, 3));
}

}  // namespace
}  // namespace vantry
