#include <gtest/gtest.h>

#include "strategy/finders/finders.h"
#include "strategy_fixture.h"

namespace vantry::testing {
namespace {

using Cycles = StrategyFixture;

// Box 1 holds 4 only at r1c1, r1c2 and r2c1: a cross on row 1 and column 1.
// Column 4 links r1c4 to r6c4, so r6c1 would empty the box.
void cross_in_box_one(State& s) {
  keep_only_at(s, UnitKind::Box, 0, 4, {0, 1, 3});
  keep_only_at(s, UnitKind::Column, 3, 4, {0, 5});
}

TEST_F(Cycles, RectangleEliminationOneWay) {
  State& s = current();
  cross_in_box_one(s);
  EXPECT_EQ(hint_with(find_rectangle_elimination, 19, 0, kBigHint), 19);
  EXPECT_EQ(last_dialog().text,
            "If cell 6,1 were 4, then cell 1,4 would also be 4 (because of the way they are locked "
            "with cell 6,4), and there would be no cells in box 1 that could be 4, which is "
            "impossible.\n\nTherefore, 4 can be removed as a possibility from cell 6,1.");
  EXPECT_EQ(last_dialog().template_id, 1503);
  EXPECT_EQ(s.chain_length(), 3);
  EXPECT_EQ(s.cell(5, 0).digitMark[4], kMarkRemove);
  EXPECT_EQ(s.cell(1, 0).digitMark[4], 11);
  EXPECT_EQ(s.cell(0, 3).digitMark[4], 0);
  EXPECT_EQ(apply_with(engine.busy(), find_rectangle_elimination, 19, s, 0), 19);
  EXPECT_FALSE(s.cell(5, 0).possible[4]);
  EXPECT_TRUE(s.cell(0, 3).possible[4]);
}

TEST_F(Cycles, RectangleEliminationBothWaysAndNoCrossInOneLine) {
  State& s = current();
  cross_in_box_one(s);
  keep_only_at(s, UnitKind::Row, 5, 4, {0, 3});  // row 6 links T and F as well
  EXPECT_EQ(hint_with(find_rectangle_elimination, 19, 0, kBigHint), 19);
  EXPECT_EQ(last_dialog().text,
            "If cell 6,1 were 4, then cell 1,4 would also be 4 (because of the way they are locked "
            "with cell 6,4). Also, if cell 1,4 were 4, it would force cell 6,1 to be 4 in the same "
            "manner.  In either case, there would be no cells in box 1 that could be 4, which is "
            "impossible.\n\nTherefore, 4 can be removed as a possibility from cells 6,1 and 1,4.");
  EXPECT_EQ(s.cell(0, 3).digitMark[4], kMarkRemove);

  // Candidates on one row of the box make no cross.
  State t;
  keep_only_at(t, UnitKind::Box, 0, 4, {0, 1});
  keep_only_at(t, UnitKind::Column, 3, 4, {0, 5});
  EXPECT_EQ(apply_with(engine.busy(), find_rectangle_elimination, 19, t, 0), 0);
}

TEST_F(Cycles, TwoCellsLockedOnTwoDigitsAreAType1Cycle) {
  State& s = current();
  keep_only_at(s, UnitKind::Row, 0, 1, {0, 4});
  keep_only_at(s, UnitKind::Row, 0, 2, {0, 4});
  only(s, 0, 4, {1, 2, 3});
  EXPECT_EQ(hint_with(find_locked_cell_cycle, 21, 0, kBigHint), 21);
  EXPECT_EQ(last_dialog().text,
            "Cells 1,1 and 1,5 are all locked together in a cycle. The only possible values for "
            "these cells are 1-2 or 2-1.\n\nTherefore, the excess possibilities in cells 1,1 and  "
            "1,5 can be removed.");
  EXPECT_EQ(s.chain_length(), 3);  // the start cell closes the drawn cycle
  EXPECT_EQ(s.cell(0, 0).digitMark[1], 12);
  EXPECT_EQ(s.cell(0, 4).digitMark[2], 12);
  EXPECT_EQ(s.cell(0, 0).digitMark[9], kMarkRemove);
  EXPECT_EQ(s.cell(0, 4).digitMark[3], kMarkRemove);
  hint_with(find_locked_cell_cycle, 21, 0, kMediumHint);
  EXPECT_EQ(last_dialog().text, "Look for locked cell cycle (type 1) with Cell 1,1");

  EXPECT_EQ(apply_with(engine.busy(), find_locked_cell_cycle, 21, s, 0), 21);
  EXPECT_EQ(s.cell(0, 0).list_possibilities(), 2);
  EXPECT_EQ(s.cell(0, 4).list_possibilities(), 2);
  // Now both cells hold only their link digits: no excess, no move.
  EXPECT_EQ(apply_with(engine.busy(), find_locked_cell_cycle, 21, s, 0), 0);
}

TEST_F(Cycles, StartEnteredAndLeftOnOneDigitIsType2) {
  // r1c1 -1- r1c5 -3- r5c5 -2- r5c1 -1- r1c1: r1c1 must be 1.
  State& s = current();
  keep_only_at(s, UnitKind::Row, 0, 1, {0, 4});
  keep_only_at(s, UnitKind::Column, 4, 3, {0, 4});
  keep_only_at(s, UnitKind::Row, 4, 2, {0, 4});
  keep_only_at(s, UnitKind::Column, 0, 1, {0, 4});
  only(s, 0, 4, {1, 3});
  only(s, 4, 4, {2, 3});
  only(s, 4, 0, {1, 2});
  EXPECT_EQ(hint_with(find_locked_cell_cycle, 21, 0, kBigHint), 22);
  EXPECT_EQ(last_dialog().title, "Locked cell cycle (type 2)");
  EXPECT_EQ(last_dialog().text,
            "Either cell 1,1 must be 1, or cells 1,5 and 5,1 must both be 1 because they are "
            "strongly locked on that value. But if cell 1,5 is 1, then the rest of the chain "
            "prevents cell 5,1 from being 1\n\nThis is a contradiction, so cell 1,1 must be 1.");
  EXPECT_EQ(s.cell(0, 0).digitMark[1], kMarkAnswer);
  EXPECT_EQ(s.chain_length(), 5);
  EXPECT_EQ(apply_with(engine.busy(), find_locked_cell_cycle, 21, s, 0), 22);
  EXPECT_EQ(s.cell(0, 0).answer, 1);
}

TEST_F(Cycles, LongCyclesWaitForTheSecondPass) {
  // Eight cells in a ring, linked by rows on 1 and by columns on 2: longer
  // than the first pass allows, so only the second pass finds it.
  State& s = current();
  const int ring[8][2] = {{0, 0}, {0, 3}, {3, 3}, {3, 1}, {1, 1}, {1, 6}, {6, 6}, {6, 0}};
  for (const auto& cell : ring) only(s, cell[0], cell[1], {1, 2, 9});
  for (int i = 0; i < 8; i += 2) {
    keep_only_at(s, UnitKind::Row, ring[i][0], 1, {ring[i][1], ring[i + 1][1]});
    const int next = (i + 2) % 8;
    keep_only_at(s, UnitKind::Column, ring[i + 1][1], 2, {ring[i + 1][0], ring[next][0]});
  }
  EXPECT_EQ(hint_with(find_locked_cell_cycle, 21, 0, kBigHint), 21);
  EXPECT_EQ(s.chain_length(), 9);
  EXPECT_EQ(last_dialog().text.substr(0, 99),
            "Cells 1,1; 1,4; 4,4; 4,2; 2,2; 2,7; 7,7 and 7,1 are all locked together in a cycle. The "
            "only possib");
  for (const auto& cell : ring) EXPECT_EQ(s.cell(cell[0], cell[1]).digitMark[9], kMarkRemove);
}

TEST_F(Cycles, BoxLinkAlongARowThatHoldsTheDigitMoreOften) {
  // Box 1 holds 1 only at 1,1 and 1,2; row 1 holds it a third time at 1,6, so
  // the box gives the only link on 1. Row 1 links the same two cells on 2.
  State& s = current();
  keep_only_at(s, UnitKind::Box, 0, 1, {0, 1});
  keep_only_at(s, UnitKind::Row, 0, 1, {0, 1, 5});
  keep_only_at(s, UnitKind::Row, 0, 2, {0, 1});
  only(s, 0, 0, {1, 2});
  only(s, 0, 1, {1, 2, 3});
  ASSERT_EQ(hint_with(find_locked_cell_cycle, 21, 0, kBigHint), 21);
  EXPECT_EQ(last_dialog().text.substr(0, 45), "Cells 1,1 and 1,2 are all locked together in ");
  EXPECT_EQ(s.cell(0, 1).digitMark[3], kMarkRemove);
}

}  // namespace
}  // namespace vantry::testing
