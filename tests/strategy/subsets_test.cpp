#include <gtest/gtest.h>

#include "strategy/finders/finders.h"
#include "strategy_fixture.h"

namespace vantry::testing {
namespace {

using Subsets = StrategyFixture;

TEST_F(Subsets, UsedNakedPairDoesNotHideALaterOne) {
  // Box 1: {1,2} twice with no other 1 or 2 in the box (already used), then
  // {3,4} twice while other cells of the box still hold 3 and 4.
  State& s = current();
  drop(s, UnitKind::Box, 0, 1, {0, 1, 2, 3, 4, 5, 6, 7, 8});
  drop(s, UnitKind::Box, 0, 2, {0, 1, 2, 3, 4, 5, 6, 7, 8});
  only(s, 0, 0, {1, 2});
  only(s, 0, 1, {1, 2});
  only(s, 1, 0, {3, 4});
  only(s, 1, 1, {3, 4});
  EXPECT_EQ(hint_with(find_naked_subset, 5, 2, kBigHint), 5);
  EXPECT_EQ(last_dialog().text,
            "In box 1, there are only 2 cells whose possibilities include 3 and 4.\n\nThese "
            "possibilities can be removed from all other cells of the box.");
  EXPECT_EQ(last_dialog().template_id, 1502);
  EXPECT_EQ(s.cell(1, 0).cellMark, kMarkRemove);
  EXPECT_EQ(s.cell(0, 0).cellMark, 0);
  EXPECT_EQ(s.cell(2, 2).digitMark[3], kMarkRemove);
  EXPECT_EQ(s.cell(2, 2).digitMark[4], kMarkRemove);
  EXPECT_EQ(s.cell(1, 5).digitMark[3], 0);  // the row outside the box is untouched

  hint_with(find_naked_subset, 5, 2, kMediumHint);
  EXPECT_EQ(last_dialog().text, "Look for naked pair with the values 3 and 4");
}

TEST_F(Subsets, NakedTripleFromThreePairsSkipsTheFourDigitCell) {
  State& s = current();
  only(s, 4, 0, {1, 2});
  only(s, 4, 1, {1, 2, 3, 4});
  only(s, 4, 4, {2, 3});
  only(s, 4, 8, {1, 3});
  EXPECT_EQ(hint_with(find_naked_subset, 6, 3, kBigHint), 6);
  EXPECT_EQ(last_dialog().text,
            "In row 5, there are only 3 cells whose possibilities include 1, 2 and 3.\n\nThese "
            "possibilities can be removed from all other cells of the row.");
  EXPECT_EQ(apply_with(engine.busy(), find_naked_subset, 6, s, 3), 6);
  int left[9];
  EXPECT_EQ(s.cell(4, 1).list_possibilities(left), 1);
  EXPECT_EQ(left[0], 4);
  EXPECT_EQ(s.cell(4, 6).list_possibilities(), 6);
  EXPECT_TRUE(s.cell(4, 6).deleted[2]);
  EXPECT_EQ(s.cell(4, 8).list_possibilities(), 2);
  EXPECT_EQ(apply_with(engine.busy(), find_naked_subset, 6, s, 3), 0);  // used up
}

TEST_F(Subsets, CellsWithOnePossibilityAreNeverCandidates) {
  only(current(), 0, 0, {5});
  only(current(), 0, 1, {6});
  only(current(), 0, 2, {5, 6});
  EXPECT_EQ(apply_with(engine.busy(), find_naked_subset, 5, current(), 2), 0);
}

TEST_F(Subsets, PairInABoxIsReportedForTheBoxWithItsRemovalsOnly) {
  State& s = current();
  only(s, 0, 0, {5, 6});
  only(s, 0, 1, {5, 6});
  EXPECT_EQ(apply_with(engine.busy(), find_naked_subset, 5, s, 2), 5);
  EXPECT_FALSE(s.cell(1, 0).possible[5]);
  EXPECT_FALSE(s.cell(2, 2).possible[6]);
  EXPECT_TRUE(s.cell(0, 5).possible[5]);  // same pair's row: the next move
  EXPECT_EQ(apply_with(engine.busy(), find_naked_subset, 5, s, 2), 5);
  EXPECT_FALSE(s.cell(0, 5).possible[5]);
}

TEST_F(Subsets, HiddenPairLosesItsOtherPossibilities) {
  State& s = current();
  keep_only_at(s, UnitKind::Row, 2, 4, {1, 6});
  keep_only_at(s, UnitKind::Row, 2, 7, {1, 6});
  only(s, 2, 1, {1, 4, 7, 9});
  only(s, 2, 6, {1, 4, 7, 9});
  EXPECT_EQ(hint_with(find_hidden_subset, 8, 2, kBigHint), 8);
  EXPECT_EQ(last_dialog().text,
            "In row 3, the values 4 and 7 are possible in only 2 cells.\n\nAll other possibilities "
            "can be removed from these cells.");
  EXPECT_EQ(s.cell(2, 1).digitMark[1], kMarkRemove);
  EXPECT_EQ(s.cell(2, 6).digitMark[9], kMarkRemove);
  EXPECT_EQ(s.cell(2, 6).digitMark[4], 0);
  EXPECT_EQ(s.cell(2, 6).cellMark, kMarkRemove);

  EXPECT_EQ(apply_with(engine.busy(), find_hidden_subset, 8, s, 2), 8);
  EXPECT_EQ(s.cell(2, 1).list_possibilities(), 2);
  EXPECT_EQ(s.cell(2, 6).list_possibilities(), 2);
  EXPECT_TRUE(s.cell(2, 6).deleted[1]);
}

TEST_F(Subsets, HiddenSubsetWithNothingToRemoveGivesWayToTheNextDigits) {
  // Box 9: 4 and 7 only in two cells that hold nothing else; 5 and 8 only in
  // two cells that also hold 9.
  State& s = current();
  keep_only_at(s, UnitKind::Box, 8, 4, {0, 1});
  keep_only_at(s, UnitKind::Box, 8, 7, {0, 1});
  keep_only_at(s, UnitKind::Box, 8, 5, {3, 4});
  keep_only_at(s, UnitKind::Box, 8, 8, {3, 4});
  only(s, 6, 6, {4, 7});
  only(s, 6, 7, {4, 7});
  only(s, 7, 6, {5, 8, 9});
  only(s, 7, 7, {5, 8, 9});
  EXPECT_EQ(hint_with(find_hidden_subset, 8, 2, kBigHint), 8);
  EXPECT_EQ(last_dialog().text,
            "In box 9, the values 5 and 8 are possible in only 2 cells.\n\nAll other possibilities "
            "can be removed from these cells.");
  EXPECT_EQ(s.cell(7, 7).digitMark[9], kMarkRemove);
}

}  // namespace
}  // namespace vantry::testing
