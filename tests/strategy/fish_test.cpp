// X-wings, swordfish and jellyfish: which lines count as base lines, rows
// before columns, the texts and the marks.
#include <gtest/gtest.h>

#include "strategy/finders/finders.h"
#include "strategy_fixture.h"

namespace vantry::testing {
namespace {

using Fish = StrategyFixture;

TEST_F(Fish, UsedXWingAndEmptyRowsDoNotHideTheUsefulOne) {
  State& s = current();
  // Rows 1 and 4 hold 4 only in columns 1 and 2, which hold it nowhere else:
  // a fish with nothing to remove. Row 9 has 4 placed: never a base line.
  keep_only_at(s, UnitKind::Column, 0, 4, {0, 3});
  keep_only_at(s, UnitKind::Column, 1, 4, {0, 3});
  keep_only_at(s, UnitKind::Row, 0, 4, {0, 1});
  keep_only_at(s, UnitKind::Row, 3, 4, {0, 1});
  s.set_answer(8, 4, 4);
  keep_only_at(s, UnitKind::Row, 1, 4, {2, 7});
  keep_only_at(s, UnitKind::Row, 6, 4, {2, 7});

  EXPECT_EQ(hint_with(find_fish, 9, 2, kBigHint), 9);
  EXPECT_EQ(last_dialog().text,
            "In rows 2 and 7, the value 4 only appears in columns 3 and 8.\n\n4 can be removed as a "
            "possibility in all other rows of these columns.");
  EXPECT_EQ(last_dialog().template_id, 1502);
  EXPECT_EQ(s.cell(1, 2).cellMark, kMarkRemove);
  EXPECT_EQ(s.cell(6, 7).cellMark, kMarkRemove);
  EXPECT_EQ(s.cell(4, 2).digitMark[4], kMarkRemove);
  EXPECT_EQ(s.cell(1, 2).digitMark[4], 0);
  EXPECT_EQ(s.cell(4, 3).digitMark[4], 0);

  State copy = s;
  EXPECT_EQ(apply_with(engine.busy(), find_fish, 9, copy, 2), 9);
  EXPECT_FALSE(copy.cell(4, 7).possible[4]);
  EXPECT_TRUE(copy.cell(4, 7).deleted[4]);
  EXPECT_TRUE(copy.cell(6, 7).possible[4]);
  EXPECT_TRUE(copy.cell(4, 6).possible[4]);
  EXPECT_EQ(apply_with(engine.busy(), find_fish, 9, copy, 2), 0);
}

TEST_F(Fish, RowFishOfAHighDigitBeforeColumnFishOfALowOne) {
  State& s = current();
  keep_only_at(s, UnitKind::Column, 0, 1, {3, 5});
  keep_only_at(s, UnitKind::Column, 8, 1, {3, 5});
  keep_only_at(s, UnitKind::Row, 2, 9, {4, 6});
  keep_only_at(s, UnitKind::Row, 7, 9, {4, 6});
  EXPECT_EQ(hint_with(find_fish, 9, 2, kMediumHint), 9);
  EXPECT_EQ(last_dialog().text, "Look for an X-wing with the value 9");
}

TEST_F(Fish, SwordfishWithTwoPlacesInEachRow) {
  State& s = current();
  keep_only_at(s, UnitKind::Row, 0, 5, {1, 4});
  keep_only_at(s, UnitKind::Row, 4, 5, {4, 7});
  keep_only_at(s, UnitKind::Row, 8, 5, {1, 7});
  EXPECT_EQ(hint_with(find_fish, 24, 3, kBigHint), 24);
  EXPECT_EQ(last_dialog().text,
            "In rows 1, 5 and 9, the value 5 only appears in columns 2, 5 and 8.\n\n5 can be removed "
            "as a possibility in all other rows of these columns.");
  EXPECT_EQ(s.cell(0, 1).cellMark, kMarkRemove);
  EXPECT_EQ(s.cell(0, 7).cellMark, 0);  // not a place of 5 in its row
  EXPECT_EQ(s.cell(2, 7).digitMark[5], kMarkRemove);
}

TEST_F(Fish, ThreeRowsInTwoColumnsAreNoSwordfish) {
  // Every set of three columns holding columns 2 and 5 has three base lines,
  // but its third column is covered by none of them.
  State& s = current();
  for (int r = 0; r < 3; ++r) keep_only_at(s, UnitKind::Row, r, 5, {1, 4});
  for (int r = 3; r < 9; ++r) keep_only_at(s, UnitKind::Row, r, 5, {1, 4, 5, 6});
  EXPECT_EQ(apply_with(engine.busy(), find_fish, 24, s, 3), 0);
  EXPECT_TRUE(s.cell(5, 1).possible[5]);
}

TEST_F(Fish, ColumnJellyfish) {
  State& s = current();
  keep_only_at(s, UnitKind::Column, 0, 2, {0, 3});
  keep_only_at(s, UnitKind::Column, 2, 2, {3, 6});
  keep_only_at(s, UnitKind::Column, 4, 2, {6, 8});
  keep_only_at(s, UnitKind::Column, 8, 2, {0, 8});
  EXPECT_EQ(hint_with(find_fish, 27, 4, kBigHint), 27);
  EXPECT_EQ(last_dialog().text,
            "In columns 1, 3, 5 and 9, the value 2 only appears in rows 1, 4, 7 and 9.\n\n2 can be "
            "removed as a possibility in all other columns of these rows.");
  EXPECT_EQ(s.cell(3, 5).digitMark[2], kMarkRemove);
  hint_with(find_fish, 27, 4, kLittleHint);
  EXPECT_EQ(last_dialog().text, "Look for jellyfish");
}

}  // namespace
}  // namespace vantry::testing
