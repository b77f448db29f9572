// XY-wing, XYZ-wing and XY-wing chain: which cells are wings, which chains
// are evaluated, the order of the removal cells, texts and hint chains.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "strategy/finders/finders.h"
#include "strategy_fixture.h"

namespace vantry::testing {
namespace {

using Wings = StrategyFixture;

std::vector<std::pair<int, int>> hint_chain(const State& s) {
  std::vector<std::pair<int, int>> out;
  for (int i = 0; i < s.chain_length(); ++i) out.emplace_back(s.chain_row(i), s.chain_column(i));
  return out;
}

TEST_F(Wings, XYWingNamesRemovalsInTheOrderOfTheFirstWingsPeers) {
  State& s = current();
  only(s, 0, 0, {1, 2});  // pivot
  only(s, 0, 2, {1, 2});  // same pair as the pivot: never a wing
  only(s, 0, 4, {1, 3});
  only(s, 2, 1, {2, 3});
  EXPECT_EQ(hint_with(find_xy_wing, 7, 0, kBigHint), 7);
  EXPECT_EQ(last_dialog().text,
            "Either cell 1,5 or cell 3,2 must be 3 because of the way they are locked with the other "
            "highlighted cells.\n\nTherefore, 3 cannot be a possibility in cells 3,4; 3,5; 3,6 or "
            "1,2.");
  EXPECT_EQ(last_dialog().template_id, 1503);
  EXPECT_EQ(hint_chain(s), (std::vector<std::pair<int, int>>{{0, 4}, {0, 0}, {2, 1}}));
  EXPECT_EQ(s.cell(2, 4).digitMark[3], kMarkRemove);
  EXPECT_EQ(s.cell(0, 0).cellMark, 0);
  s.clear_marks(false, true);
  hint_with(find_xy_wing, 7, 0, kMediumHint);
  EXPECT_EQ(last_dialog().text, "Look for an XY-wing with the value 3");
}

TEST_F(Wings, XYZWingTriesTheHighestDigitFirstAndNamesOneCell) {
  State& s = current();
  only(s, 3, 3, {4, 6});  // a wing for z = 6 too, but 8 is tried first
  only(s, 3, 4, {6, 8});
  only(s, 4, 1, {4, 8});
  only(s, 4, 4, {4, 6, 8});
  s.cell(4, 5).possible[8] = false;
  EXPECT_EQ(hint_with(find_xyz_wing, 23, 0, kBigHint), 23);
  EXPECT_EQ(last_dialog().text,
            "Either cell 4,5 is 8 or it is not 8. If it is not, then either cell 5,5 or cell 5,2 must "
            "be 8 because they form a naked pair. In all of these cases, 8 cannot be a possibility "
            "in cell 5,4.");
  EXPECT_EQ(last_dialog().template_id, 1502);
  EXPECT_EQ(hint_chain(s), (std::vector<std::pair<int, int>>{{3, 4}, {4, 4}, {4, 1}}));

  State copy = s;
  EXPECT_EQ(apply_with(engine.busy(), find_xyz_wing, 23, copy, 0), 23);
  EXPECT_FALSE(copy.cell(4, 3).possible[8]);
  EXPECT_TRUE(copy.cell(4, 3).possible[6]);
}

TEST_F(Wings, ChainsOfTwoCellsAndRepeatedCellsAreNeverEvaluated) {
  State& s = current();
  keep_only_at(s, UnitKind::Row, 3, 3, {0, 4, 6});
  only(s, 0, 0, {1, 2});
  only(s, 0, 6, {1, 2});
  only(s, 3, 0, {1, 3});  // sees the first chain cell
  only(s, 2, 7, {2, 3});  // sees the second: wings of a two-cell chain
  only(s, 1, 1, {2, 3});  // sees the first again: an XY-wing, but no chain
  State copy = s;
  EXPECT_EQ(apply_with(engine.busy(), find_xy_wing_chain, 37, copy, 0), 0);
  EXPECT_EQ(apply_with(engine.busy(), find_xy_wing, 7, copy, 0), 7);

  only(s, 6, 6, {1, 2});  // the third chain cell, below the second
  only(s, 3, 6, {2, 3});
  EXPECT_EQ(hint_with(find_xy_wing_chain, 37, 0, kBigHint), 37);
  EXPECT_EQ(last_dialog().text,
            "Either cell 4,1 or cell 4,7 must be 3 because of the way they are locked with the other "
            "highlighted cells.\n\nTherefore, 3 cannot be a possibility in cell 4,5.");
  EXPECT_EQ(hint_chain(s),
            (std::vector<std::pair<int, int>>{{3, 0}, {0, 0}, {0, 6}, {6, 6}, {3, 6}}));
}

}  // namespace
}  // namespace vantry::testing
