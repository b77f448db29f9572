#include <gtest/gtest.h>

#include "strategy/finders/finders.h"
#include "strategy_fixture.h"

namespace vantry::testing {
namespace {

using WWings = StrategyFixture;

// A = r1c1 and B = r5c5, both {1,2}: different bands and stacks.
void far_pair(State& s) {
  only(s, 0, 0, {1, 2});
  only(s, 4, 4, {1, 2});
}

TEST_F(WWings, Type1LinkFromABoxCellToACellSeeingB) {
  State& s = current();
  far_pair(s);
  keep_only_at(s, UnitKind::Row, 1, 1, {1, 4});  // strong link on 1: r2c2 - r2c5
  EXPECT_EQ(hint_with(find_w_wing_type1, 13, 0, kBigHint), 13);
  EXPECT_EQ(last_dialog().text,
            "Either cell 2,2 or 2,5 must be 1. If cell 2,2 was 1, then cell 1,1 would have to be 2. "
            "But if cell 2,5 was 1, then cell 5,5 would have to be 2. So 2 can be removed from all "
            "cells that are covered by cells 1,1 and 5,5.");
  EXPECT_EQ(last_dialog().template_id, 1502);
  EXPECT_EQ(s.cell(0, 0).cellMark, kMarkRemove);
  EXPECT_EQ(s.cell(1, 1).cellMark, kMarkShow);
  EXPECT_EQ(s.cell(1, 4).digitMark[1], kMarkShow);
  EXPECT_EQ(s.cell(4, 0).digitMark[2], kMarkRemove);
  EXPECT_EQ(s.cell(0, 4).digitMark[2], kMarkRemove);

  hint_with(find_w_wing_type1, 13, 0, kMediumHint);
  EXPECT_EQ(last_dialog().text, "Look for an W-wing (type 1) with the value 2");
  EXPECT_EQ(apply_with(engine.busy(), find_w_wing_type1, 13, s, 0), 13);
  EXPECT_FALSE(s.cell(4, 0).possible[2]);
  EXPECT_FALSE(s.cell(0, 4).possible[2]);
  EXPECT_TRUE(s.cell(4, 0).deleted[2]);
  EXPECT_EQ(apply_with(engine.busy(), find_w_wing_type1, 13, s, 0), 0);  // nothing left to remove
}

TEST_F(WWings, Type1IgnoresLinksThatEndAtBOrMissIt) {
  State s;
  far_pair(s);
  keep_only_at(s, UnitKind::Column, 4, 1, {0, 4});  // r1c5 (in A's row) - B itself
  EXPECT_EQ(apply_with(engine.busy(), find_w_wing_type1, 13, s, 0), 0);
  s = State();
  far_pair(s);
  keep_only_at(s, UnitKind::Row, 1, 1, {1, 6});  // r2c7 does not see B
  EXPECT_EQ(apply_with(engine.busy(), find_w_wing_type1, 13, s, 0), 0);
  // The same pair sharing a row is no W-wing pair at all.
  s = State();
  only(s, 0, 0, {1, 2});
  only(s, 0, 6, {1, 2});
  keep_only_at(s, UnitKind::Row, 1, 1, {1, 7});
  EXPECT_EQ(apply_with(engine.busy(), find_w_wing_type1, 13, s, 0), 0);
}

TEST_F(WWings, Type1FindsLinksThroughColumnCellsAboveA) {
  State& s = current();
  only(s, 4, 0, {3, 7});  // A
  only(s, 7, 4, {3, 7});  // B
  keep_only_at(s, UnitKind::Row, 1, 3, {0, 4});  // r2c1 (above A) - r2c5 (sees B)
  EXPECT_EQ(hint_with(find_w_wing_type1, 13, 0, kBigHint), 13);
  EXPECT_EQ(last_dialog().text,
            "Either cell 2,1 or 2,5 must be 3. If cell 2,1 was 3, then cell 5,1 would have to be 7. "
            "But if cell 2,5 was 3, then cell 8,5 would have to be 7. So 7 can be removed from all "
            "cells that are covered by cells 5,1 and 8,5.");
  EXPECT_EQ(s.cell(7, 0).digitMark[7], kMarkRemove);
  EXPECT_EQ(s.cell(4, 4).digitMark[7], kMarkRemove);
}

TEST_F(WWings, Type3NeedsTheLinkDigitInBothRowsOfTheThirdBox) {
  State& s = current();
  only(s, 0, 0, {1, 2});
  only(s, 1, 4, {1, 2});
  drop(s, UnitKind::Box, 2, 1, {6, 7, 8});  // box 3's 1s only in rows 1 and 2
  EXPECT_EQ(hint_with(find_w_wing_type3, 16, 0, kBigHint), 16);
  EXPECT_EQ(last_dialog().text,
            "In box 3, the value 1 must appear in either row 1 or 2. Therefore, either cell 1,1 or "
            "cell 2,5 must be 2. So 2 can be removed from all cells that are covered by both cell "
            "1,1 and cell 2,5.");
  EXPECT_EQ(s.cell(1, 0).digitMark[2], kMarkRemove);  // B's row in A's box
  EXPECT_EQ(s.cell(0, 5).digitMark[2], kMarkRemove);  // A's row in B's box
  EXPECT_EQ(s.cell(2, 6).cellMark, 0);
  EXPECT_EQ(s.cell(1, 8).cellMark, kMarkShow);
  EXPECT_EQ(s.cell(1, 8).digitMark[1], kMarkShow);

  drop(s, UnitKind::Box, 2, 1, {3, 4, 5});  // now only in row 1
  EXPECT_EQ(apply_with(engine.busy(), find_w_wing_type3, 16, s, 0), 0);
}

TEST_F(WWings, Type2ColumnCheckAndItsFailures) {
  State& s = current();
  far_pair(s);
  // In box 1 the 1 lies (besides A) only in column 3, and column 3 outside
  // box 1 holds it only level with B.
  drop(s, UnitKind::Box, 0, 1, {1, 3, 4, 6, 7});
  keep_only_at(s, UnitKind::Column, 2, 1, {0, 4});
  EXPECT_EQ(hint_with(find_w_wing_type2, 17, 0, kBigHint), 17);
  EXPECT_EQ(last_dialog().text,
            "In column 3, the value 1 appears only in cell 5,3 and box 1, so we know that either "
            "cell 1,1 or cell 5,5 must be 2. Therefore, we can eliminate 2 as a possibility in cell "
            "1,5 and cell 5,1.");
  EXPECT_EQ(s.cell(4, 2).cellMark, kMarkShow);
  EXPECT_EQ(s.cell(0, 2).digitMark[1], kMarkShow);

  // Only one corner holding 2: "cell" and that corner alone.
  s.clear_marks(false, true);
  s.cell(0, 4).possible[2] = false;
  hint_with(find_w_wing_type2, 17, 0, kBigHint);
  EXPECT_NE(last_dialog().text.find("possibility in cell 5,1."), std::string::npos);

  // A 1 in A's own column inside the box fails the check.
  s.cell(1, 0).possible[1] = true;
  EXPECT_EQ(apply_with(engine.busy(), find_w_wing_type2, 17, s, 0), 0);
}

TEST_F(WWings, Type4TriesTheSecondDigitWhenTheFirstLeavesTheCross) {
  State& s = current();
  far_pair(s);
  // Box 2 (r1-3, c4-6) holds 2 only on A's row and B's column; 1 is everywhere.
  drop(s, UnitKind::Box, 1, 2, {3, 5, 6, 8});
  EXPECT_EQ(hint_with(find_w_wing_type4, 18, 0, kBigHint), 18);
  EXPECT_EQ(last_dialog().text,
            "The value 2 only appears in box 2 in the same row as cell 1,1 or in the same column as "
            "cell 5,5. There must be a 2 somewhere in box 2. If it is in row 1, then cell 1,1 must be "
            "1. If it is in column 5, then cell 5,5 must be 1. One or the other of these two cells "
            "must be 1 so we can remove 1 from all cells that are covered by both 1,1 and 5,5.");
  EXPECT_EQ(last_dialog().template_id, 1503);
  EXPECT_EQ(s.cell(0, 4).digitMark[1], kMarkRemove);
  EXPECT_EQ(s.cell(4, 0).digitMark[1], kMarkRemove);
  EXPECT_EQ(s.cell(1, 4).cellMark, kMarkShow);
  EXPECT_EQ(s.cell(1, 3).cellMark, 0);
  EXPECT_EQ(s.cell(2, 4).digitMark[2], kMarkShow);
}

}  // namespace
}  // namespace vantry::testing
