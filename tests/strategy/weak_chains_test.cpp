#include <gtest/gtest.h>

#include "basic_steps.h"
#include "strategy/finders/finders.h"
#include "strategy_fixture.h"

namespace vantry::testing {
namespace {

using WeakChains = StrategyFixture;

// Expert puzzles of the corpus, after the basic steps.
constexpr std::string_view kChainMove =
    "....72....7.85......2..4....86.1....91.28.......9.7....9....1.416....5.2.2..6879.";
constexpr std::string_view kContradiction =
    "8...741....4..5.6...6.8..522.........58.6.....7...8.2.5.9.......6.42...1........6";

TEST_F(WeakChains, ChainMoveTextMarksAndRemoval) {
  current() = basic_position(engine, kChainMove);
  State& s = current();
  EXPECT_EQ(hint_with(find_weak_singles_chain, 41, 0, kBigHint), 41);
  EXPECT_EQ(last_dialog().text,
            "Cell 1,2 either is 3 or it is not 3. If it is not 3, then cell 6,5 must be 3 because of "
            "the way their 3's are locked with the 3's in the other highlighted cells. So either cell "
            "1,2 or cell 6,5 must be 3\n\nTherefore, 3 cannot be a possibility in cell 6,2.");
  EXPECT_EQ(last_dialog().template_id, 1503);
  ASSERT_EQ(s.chain_length(), 6);
  EXPECT_EQ(s.chain_row(0), 0);
  EXPECT_EQ(s.chain_column(5), 4);
  EXPECT_EQ(s.cell(5, 1).digitMark[3], kMarkRemove);
  hint_with(find_weak_singles_chain, 41, 0, kMediumHint);
  EXPECT_EQ(last_dialog().text, "Look for an Weak singles chain with the value 3");

  engine.set_mode(kApplyMode);
  EXPECT_EQ(apply_with(engine.busy(), find_weak_singles_chain, 41, s, 0), 41);
  EXPECT_FALSE(s.cell(5, 1).possible[3]);
  EXPECT_TRUE(s.cell(5, 1).deleted[3]);
}

TEST_F(WeakChains, ContradictionPlacesTheStartDigit) {
  current() = basic_position(engine, kContradiction);
  State& s = current();
  EXPECT_EQ(hint_with(find_weak_singles_chain, 41, 0, kBigHint), 42);
  EXPECT_EQ(last_dialog().title, "Weak singles chain contradiction");
  EXPECT_EQ(last_dialog().text,
            "If cell 1,9 is not 9, then cell 2,1 must be 9 because of the way their 9's are locked "
            "with the 9's in the other highlighted cells. But then cells 2,5 and 2,2 cannot be 9, "
            "which forces cells 4,5 and 4,2 to both be 9, which is impossible.\n\nTherefore, cell "
            "1,9 must be 9.");
  EXPECT_EQ(s.cell(0, 8).digitMark[9], kMarkAnswer);
  for (const auto& [r, c] : {std::pair{1, 1}, {1, 4}, {3, 1}, {3, 4}}) EXPECT_EQ(s.cell(r, c).cellMark, kMarkRemove);
  EXPECT_EQ(s.cell(1, 1).digitMark[9], 11);
  EXPECT_EQ(s.chain_length(), 8);

  engine.set_mode(kApplyMode);
  EXPECT_EQ(apply_with(engine.busy(), find_weak_singles_chain, 41, s, 0), 42);
  EXPECT_EQ(s.cell(0, 8).answer, 9);
}

TEST_F(WeakChains, CancelEndsTheSearchWithNoMove) {
  current() = basic_position(engine, kChainMove);
  busy.cancel();
  engine.set_mode(kApplyMode);
  const State before = current();
  EXPECT_EQ(apply_with(engine.busy(), find_weak_singles_chain, 41, current(), 0), 0);
  EXPECT_EQ(current().cell(5, 1).possible[3], before.cell(5, 1).possible[3]);
}

}  // namespace
}  // namespace vantry::testing
