#include <gtest/gtest.h>

#include "strategy/finders/finders.h"
#include "strategy_fixture.h"

namespace vantry::testing {
namespace {

using Singles = StrategyFixture;

TEST_F(Singles, NakedSingleSearchIsRowMajor) {
  only(current(), 1, 0, {4});
  only(current(), 0, 5, {7});
  EXPECT_EQ(hint_with(find_naked_single, 1, 0, kBigHint), 1);
  EXPECT_EQ(last_dialog().text, "Cell 1,6 has only one possibility.");
  EXPECT_EQ(current().cell(0, 5).digitMark[7], kMarkAnswer);
  EXPECT_EQ(current().cell(1, 0).digitMark[4], 0);

  EXPECT_EQ(apply_with(engine.busy(), find_naked_single, 1, current(), 0), 1);
  EXPECT_EQ(current().cell(0, 5).answer, 7);
  EXPECT_EQ(current().cell(1, 0).answer, 0);  // one move per call
}

TEST_F(Singles, HiddenSingleInABoxIsReportedForTheBox) {
  // The 5 is alone in box 3 (index 2) and in row 1 (index 0) at r1c9.
  keep_only_at(current(), UnitKind::Box, 2, 5, {2});
  keep_only_at(current(), UnitKind::Row, 0, 5, {8});
  EXPECT_EQ(hint_with(find_hidden_single, 2, 0, kBigHint), 2);
  EXPECT_EQ(last_dialog().text, "The value 5 is only possible in one cell of box 3.");
  EXPECT_EQ(last_dialog().template_id, 1501);
  EXPECT_EQ(current().cell(0, 8).digitMark[5], kMarkAnswer);
  EXPECT_EQ(current().cell(0, 8).cellMark, kMarkRemove);
}

TEST_F(Singles, HiddenSingleInAColumnComesAfterRows) {
  keep_only_at(current(), UnitKind::Column, 0, 2, {6});  // r7c1 in column 1
  keep_only_at(current(), UnitKind::Row, 8, 8, {4});     // r9c5 in row 9
  EXPECT_EQ(hint_with(find_hidden_single, 2, 0, kBigHint), 2);
  EXPECT_EQ(last_dialog().text, "The value 8 is only possible in one cell of row 9.");
  EXPECT_EQ(apply_with(engine.busy(), find_hidden_single, 2, current(), 0), 2);
  EXPECT_EQ(current().cell(8, 4).answer, 8);
  EXPECT_EQ(apply_with(engine.busy(), find_hidden_single, 2, current(), 0), 2);
  EXPECT_EQ(current().cell(6, 0).answer, 2);
}

TEST_F(Singles, BoxLineSkipsHiddenSinglesAndUselessLines) {
  // Box 1: the 1 is in one cell only (no pattern); the 2 shares box-row 0 but
  // row 1 holds no other 2 (no target). Box 1's 4 shares box-column 2 and
  // column 3 holds more 4s: that is the move.
  keep_only_at(current(), UnitKind::Box, 0, 1, {4});
  keep_only_at(current(), UnitKind::Box, 0, 2, {0, 1});
  keep_only_at(current(), UnitKind::Row, 0, 2, {0, 1});
  keep_only_at(current(), UnitKind::Box, 0, 4, {2, 8});
  EXPECT_EQ(hint_with(find_box_line, 3, 0, kMediumHint), 3);
  EXPECT_EQ(last_dialog().text, "Look for box/line elimination with the value 4");
  hint_with(find_box_line, 3, 0, kBigHint);
  EXPECT_EQ(last_dialog().text,
            "In box 1, the value 4 only appears in column 3 of the box.\n\nThis value can be "
            "removed from all cells of column 3 outside of box 1.");
}

TEST_F(Singles, LineBoxSearchesRowsBeforeColumns) {
  keep_only_at(current(), UnitKind::Column, 0, 6, {3, 4});  // column 1, box 4
  keep_only_at(current(), UnitKind::Row, 8, 6, {0, 1, 2});  // row 9, box 7
  hint_with(find_line_box, 4, 0, kBigHint);
  EXPECT_EQ(last_dialog().text,
            "In row 9, the value 6 only appears in box 7.\n\nThis value can be removed from all "
            "other cells of box 7.");
}

}  // namespace
}  // namespace vantry::testing
