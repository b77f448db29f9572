#include <gtest/gtest.h>

#include "strategy/finders/finders.h"
#include "strategy_fixture.h"

namespace vantry::testing {
namespace {

using FinnedFish = StrategyFixture;

// Column 1 holds 5 only in rows 2 and 8: the base line of a column-form fish.
void base_column(State& s) { keep_only_at(s, UnitKind::Column, 0, 5, {1, 7}); }

TEST_F(FinnedFish, FinnedColumnFormOneFin) {
  State& s = current();
  base_column(s);
  keep_only_at(s, UnitKind::Column, 4, 5, {1, 6, 7});  // corners at rows 2 and 8, fin at row 7
  EXPECT_EQ(hint_with(find_finned_x_wing, 10, 0, kBigHint), 10);
  EXPECT_EQ(last_dialog().text,
            "The value 5 appears either in cell 7,5; or in cells 8,1 and 2,5; or cells 8,5 and 2,1. "
            "In all cases, cells 8,4 and 8,6 cannot be 5.");
  EXPECT_EQ(last_dialog().template_id, 1502);
  EXPECT_EQ(s.cell(6, 4).cellMark, kMarkRemove);
  EXPECT_EQ(s.cell(6, 4).digitMark[5], kMarkShow);
  EXPECT_EQ(s.cell(1, 0).digitMark[5], kMarkShow);
  EXPECT_EQ(s.cell(7, 3).digitMark[5], kMarkRemove);
  EXPECT_EQ(s.cell(7, 5).digitMark[5], kMarkRemove);

  hint_with(find_finned_x_wing, 10, 0, kLittleHint);
  EXPECT_EQ(last_dialog().text, "Look for finned X-wing");
  EXPECT_EQ(apply_with(engine.busy(), find_finned_x_wing, 10, s, 0), 10);
  EXPECT_FALSE(s.cell(7, 3).possible[5]);
  EXPECT_FALSE(s.cell(7, 5).possible[5]);
  EXPECT_TRUE(s.cell(6, 3).possible[5]);
}

TEST_F(FinnedFish, TwoFinsGiveThePluralAndRowsNeedOtherBands) {
  State& s = current();
  base_column(s);
  keep_only_at(s, UnitKind::Column, 4, 5, {1, 6, 7, 8});
  keep_only_at(s, UnitKind::Row, 7, 5, {0, 4, 5});  // one removal cell left
  EXPECT_EQ(hint_with(find_finned_x_wing, 10, 0, kBigHint), 10);
  EXPECT_EQ(last_dialog().text,
            "The value 5 appears either in cells 7,5 or 9,5; or in cells 8,1 and 2,5; or cells 8,5 "
            "and 2,1. In all cases, cell 8,6 cannot be 5.");

  // The second column in the base column's stack is never paired.
  State t;
  keep_only_at(t, UnitKind::Column, 0, 5, {1, 7});
  keep_only_at(t, UnitKind::Column, 2, 5, {1, 6, 7});
  EXPECT_EQ(apply_with(engine.busy(), find_finned_x_wing, 10, t, 0), 0);
  // Corners and fins over all three bands are no pattern either.
  keep_only_at(t, UnitKind::Column, 4, 5, {1, 4, 7});
  EXPECT_EQ(apply_with(engine.busy(), find_finned_x_wing, 10, t, 0), 0);
}

TEST_F(FinnedFish, SashimiRowFormWithOneFinShowsMoreInTheBigHintOnly) {
  State& s = current();
  keep_only_at(s, UnitKind::Row, 0, 5, {1, 7});  // base row 1
  keep_only_at(s, UnitKind::Row, 4, 5, {1, 6});  // present corner c2, fin c7, corner c8 missing
  EXPECT_EQ(hint_with(find_sashimi_x_wing, 11, 0, kBigHint), 11);
  EXPECT_EQ(last_dialog().text,
            "The value 5 appears either in cell 5,7, or cells 5,2 and 1,8. In both cases, cells 4,8; "
            "6,8; 2,7 and 3,7 cannot be 5.");
  EXPECT_EQ(s.cell(4, 6).cellMark, kMarkRemove);
  EXPECT_EQ(s.cell(0, 7).cellMark, kMarkRemove);
  EXPECT_EQ(s.cell(4, 7).cellMark, 0);  // the missing corner
  EXPECT_EQ(s.cell(1, 6).digitMark[5], kMarkRemove);

  hint_with(find_sashimi_x_wing, 11, 0, kMediumHint);
  EXPECT_EQ(last_dialog().text, "Look for sashimi finned X-wing with the value 5");
  EXPECT_EQ(apply_with(engine.busy(), find_sashimi_x_wing, 11, s, 0), 11);
  EXPECT_FALSE(s.cell(3, 7).possible[5]);
  EXPECT_FALSE(s.cell(5, 7).possible[5]);
  EXPECT_TRUE(s.cell(1, 6).possible[5]);  // the Big hint's extra cells stay in apply mode
}

TEST_F(FinnedFish, SashimiPrefersTheRowFormAndCountsItsRemovals) {
  // The same digit carries a row-form and a column-form sashimi.
  State& s = current();
  keep_only_at(s, UnitKind::Row, 0, 5, {1, 7});
  keep_only_at(s, UnitKind::Row, 4, 5, {1, 6});
  keep_only_at(s, UnitKind::Column, 0, 5, {2, 6});
  keep_only_at(s, UnitKind::Column, 4, 5, {2, 7});
  hint_with(find_sashimi_x_wing, 11, 0, kBigHint);
  EXPECT_EQ(last_dialog().text.substr(0, 37), "The value 5 appears either in cell 5,");

  // A single removal cell: "cell" and one space.
  State t;
  keep_only_at(t, UnitKind::Row, 0, 5, {1, 7});
  keep_only_at(t, UnitKind::Row, 4, 5, {1, 6, 8});
  keep_only_at(t, UnitKind::Column, 7, 5, {0, 3});
  Move move;
  EXPECT_EQ(find_sashimi_x_wing(busy, 11, t, 0, move), 11);
  EXPECT_EQ(move.explanation(),
            "The value 5 appears either in cells 5,7 or cell 5,9, or cells 5,2 and 1,8. In both "
            "cases, cell 4,8 cannot be 5.");
}

}  // namespace
}  // namespace vantry::testing
