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

  engine.set_mode(kApplyMode);
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
  engine.set_mode(kApplyMode);
  EXPECT_EQ(apply_with(engine.busy(), find_hidden_single, 2, current(), 0), 2);
  EXPECT_EQ(current().cell(8, 4).answer, 8);
  EXPECT_EQ(apply_with(engine.busy(), find_hidden_single, 2, current(), 0), 2);
  EXPECT_EQ(current().cell(6, 0).answer, 2);
}

TEST_F(Singles, BoxLineRowCaseTextMarksAndRemovals) {
  // In box 5 (index 4) the 3 is only in its middle row, which is grid row 5.
  drop(current(), UnitKind::Box, 4, 3, {0, 1, 2, 6, 7, 8});
  EXPECT_EQ(hint_with(find_box_line, 3, 0, kBigHint), 3);
  EXPECT_EQ(last_dialog().text,
            "In box 5, the value 3 only appears in row 2 of the box.\n\nThis value can be removed "
            "from all cells of row 5 outside of box 5.");
  EXPECT_EQ(last_dialog().template_id, 1502);
  EXPECT_EQ(current().cell(4, 0).digitMark[3], kMarkRemove);
  EXPECT_EQ(current().cell(4, 8).digitMark[3], kMarkRemove);
  EXPECT_EQ(current().cell(4, 4).digitMark[3], 0);
  for (int c = 3; c < 6; ++c) EXPECT_EQ(current().cell(4, c).cellMark, kMarkRemove);
  EXPECT_EQ(current().cell(3, 3).cellMark, 0);

  engine.set_mode(kApplyMode);
  EXPECT_EQ(apply_with(engine.busy(), find_box_line, 3, current(), 0), 3);
  for (int c : {0, 1, 2, 6, 7, 8}) EXPECT_TRUE(current().cell(4, c).deleted[3]);
  EXPECT_TRUE(current().cell(4, 4).possible[3]);
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

TEST_F(Singles, LineBoxInAColumn) {
  // Column 4 (index 3) holds its 7s only in box 2 (index 1).
  keep_only_at(current(), UnitKind::Column, 3, 7, {0, 2});
  EXPECT_EQ(hint_with(find_line_box, 4, 0, kBigHint), 4);
  EXPECT_EQ(last_dialog().text,
            "In column 4, the value 7 only appears in box 2.\n\nThis value can be removed from all "
            "other cells of box 2.");
  for (int r = 0; r < 3; ++r) EXPECT_EQ(current().cell(r, 3).cellMark, kMarkRemove);
  EXPECT_EQ(current().cell(1, 4).digitMark[7], kMarkRemove);
  EXPECT_EQ(current().cell(1, 3).digitMark[7], 0);

  engine.set_mode(kApplyMode);
  EXPECT_EQ(apply_with(engine.busy(), find_line_box, 4, current(), 0), 4);
  for (int r = 0; r < 3; ++r) {
    for (int c = 4; c < 6; ++c) EXPECT_FALSE(current().cell(r, c).possible[7]);
  }
  EXPECT_TRUE(current().cell(2, 3).possible[7]);
  EXPECT_EQ(apply_with(engine.busy(), find_line_box, 4, current(), 0), 0);  // used up
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
