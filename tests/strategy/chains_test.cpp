// Singles chains and pairs chains beyond what the finders describe (their
// moves are cases in tests/data/finder_edges.txt): the placements of a
// contradiction leave nothing crossed out, and Cancel ends either search.
#include <gtest/gtest.h>

#include <utility>

#include "strategy/finders/finders.h"
#include "strategy_fixture.h"

namespace vantry::testing {
namespace {

using Chains = StrategyFixture;

TEST_F(Chains, ContradictionPlacementsAreNoDeletions) {
  // 5,1 - 9,1 - 9,5 - 5,5; 5,4 sees 5,1 and is linked to 5,5 only by box 5
  // (row 5 holds 5 three times).
  State& s = current();
  keep_only_at(s, UnitKind::Column, 0, 5, {4, 8});
  keep_only_at(s, UnitKind::Row, 8, 5, {0, 4});
  keep_only_at(s, UnitKind::Column, 4, 5, {4, 8});
  keep_only_at(s, UnitKind::Row, 4, 5, {0, 3, 4});
  keep_only_at(s, UnitKind::Box, 4, 5, {3, 4});
  const State before = s;
  EXPECT_EQ(apply_with(engine.busy(), find_singles_chain, 38, s, 0), 39);
  // The two placements take 5 from the other cells, which is no deletion:
  // nothing is left crossed out beside a placed 5.
  EXPECT_EQ(real_changes(before, s), 2);
  for (const auto& [r, c] : {std::pair{4, 0}, std::pair{8, 4}, std::pair{4, 3}}) {
    EXPECT_FALSE(s.cell(r, c).deleted[5]) << r << c;
  }
}

// A simple path of bivalue cells 1,1 {1,2} - 1,5 {2,3} - 5,5 {3,4} - 5,9
// {4,5} - 9,9 {5,1}: the chain back to 1 needs five cells.
void five_cell_pairs_chain(State& s) {
  only(s, 0, 0, {1, 2});
  only(s, 0, 4, {2, 3});
  only(s, 4, 4, {3, 4});
  only(s, 4, 8, {4, 5});
  only(s, 8, 8, {1, 5});
}

TEST_F(Chains, CancelEndsEitherSearchWithoutAMove) {
  State& s = current();
  five_cell_pairs_chain(s);
  keep_only_at(s, UnitKind::Box, 8, 7, {0, 2});
  keep_only_at(s, UnitKind::Row, 6, 7, {6, 8, 0});
  platform.on_pump[3].push_back([this] { busy.cancel(); });
  EXPECT_EQ(hint_with(find_pairs_chain, 20, 0, HintLevel::Big), 0);
  EXPECT_EQ(hint_with(find_singles_chain, 38, 0, HintLevel::Big), 0);
  EXPECT_TRUE(platform.hint_dialogs.empty());
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(s.chain_length(), 0);
  EXPECT_EQ(platform.pumps, 4);
}

}  // namespace
}  // namespace vantry::testing
