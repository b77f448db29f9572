#include <gtest/gtest.h>

#include "strategy/finders/finders.h"
#include "strategy_fixture.h"

namespace vantry::testing {
namespace {

using AvoidableRectangles = StrategyFixture;

// A = r1c1 solved as 1 and B = r1c5 solved as 2 by the player.
void solved_pair(State& s) {
  s.set_answer(0, 0, 1);
  s.set_answer(0, 4, 2);
}

TEST_F(AvoidableRectangles, Type1AndGivenCornersTakeNoPart) {
  State& s = current();
  solved_pair(s);
  s.set_answer(1, 0, 2);  // C, also the player's
  EXPECT_EQ(hint_with(find_avoidable_rectangle, 34, 0, kBigHint), 34);
  EXPECT_EQ(last_dialog().text,
            "Cells 1,1, 1,5, and 2,1 were all solved by you. If cell 2,5 were 1, these four cells "
            "would form an avoidable pattern, and the puzzle would have two valid solutions.\n\nThis "
            "cannot happen in a Sudoku with only one solution, so cell 2,5 cannot be 1.");
  EXPECT_EQ(last_dialog().template_id, 1503);
  EXPECT_EQ(s.cell(1, 0).cellMark, kMarkRemove);
  EXPECT_EQ(s.cell(1, 4).cellMark, kMarkRemove);
  EXPECT_EQ(s.cell(1, 4).digitMark[1], kMarkRemove);
  hint_with(find_avoidable_rectangle, 34, 0, kMediumHint);
  EXPECT_EQ(last_dialog().text, "Look for avoidable rectangle (type 1) with the values 1 and 2");
  EXPECT_EQ(apply_with(engine.busy(), find_avoidable_rectangle, 34, s, 0), 34);
  EXPECT_FALSE(s.cell(1, 4).possible[1]);

  State t;
  solved_pair(t);
  t.set_answer(1, 0, 2);
  t.cell(1, 0).given = true;
  EXPECT_EQ(apply_with(engine.busy(), find_avoidable_rectangle, 34, t, 0), 0);
}

TEST_F(AvoidableRectangles, Type1IsAlsoTriedWithTheRolesExchanged) {
  State& s = current();
  solved_pair(s);
  s.set_answer(2, 4, 1);  // C on B's column, solved as A's answer
  EXPECT_EQ(hint_with(find_avoidable_rectangle, 34, 0, kBigHint), 34);
  EXPECT_EQ(last_dialog().text,
            "Cells 1,5, 1,1, and 3,5 were all solved by you. If cell 3,1 were 2, these four cells "
            "would form an avoidable pattern, and the puzzle would have two valid solutions.\n\nThis "
            "cannot happen in a Sudoku with only one solution, so cell 3,1 cannot be 2.");
  EXPECT_EQ(s.cell(2, 0).digitMark[2], kMarkRemove);
}

TEST_F(AvoidableRectangles, Type2ListsItsRemovalCellsWithAComma) {
  State& s = current();
  solved_pair(s);
  only(s, 1, 0, {2, 7});
  only(s, 1, 4, {1, 7});
  keep_only_at(s, UnitKind::Row, 1, 7, {0, 4, 6, 8});
  EXPECT_EQ(hint_with(find_avoidable_rectangle, 34, 0, kBigHint), 35);
  EXPECT_EQ(last_dialog().title, "Avoidable rectangle (type 2)");
  EXPECT_EQ(last_dialog().text,
            "Cells 1,1 and 1,5 were both solved by you.  If cell 2,1 were 2 and cell 2,5 were 1, then "
            "these four cells would form an avoidable pattern, and the puzzle would have two equally "
            "good solutions. \nThis cannot happen in a Sudoku with only one solution so one of these "
            "two cells must be 7, which can therefore be deleted as a possibility from cells 2,7, and "
            "2,9.");
  EXPECT_EQ(s.cell(1, 6).digitMark[7], kMarkRemove);
  EXPECT_EQ(apply_with(engine.busy(), find_avoidable_rectangle, 34, s, 0), 35);
  EXPECT_FALSE(s.cell(1, 8).possible[7]);
}

TEST_F(AvoidableRectangles, Type3NeedsABivaluePartner) {
  State& s = current();
  solved_pair(s);
  only(s, 1, 0, {2, 7});
  only(s, 1, 4, {1, 8});
  keep_only_at(s, UnitKind::Row, 1, 7, {0, 6, 8});
  keep_only_at(s, UnitKind::Row, 1, 8, {4, 6, 8});
  only(s, 1, 6, {7, 8, 9});  // three digits: no partner
  State copy = s;
  EXPECT_EQ(apply_with(engine.busy(), find_avoidable_rectangle, 34, copy, 0), 0);

  only(s, 1, 6, {7, 8});
  EXPECT_EQ(hint_with(find_avoidable_rectangle, 34, 0, kBigHint), 36);
  EXPECT_EQ(last_dialog().text,
            "Cells 1,1 and 1,5 were both solved by you.  If cell 2,1 were 2 and cell 2,5 were 1, then "
            "these four cells would form an avoidable pattern. \n\nTherefore, one of these two cells "
            "must be 7 or 8, which forces cell 2,7 to be the other value.  7 and 8 can therefore be "
            "deleted as possibilities from cell 2,9.");
  EXPECT_EQ(s.cell(1, 6).cellMark, kMarkShow);
  EXPECT_EQ(s.cell(1, 8).digitMark[7], kMarkRemove);
  EXPECT_EQ(s.cell(1, 8).digitMark[8], kMarkRemove);
  EXPECT_EQ(apply_with(engine.busy(), find_avoidable_rectangle, 34, s, 0), 36);
  EXPECT_FALSE(s.cell(1, 8).possible[7]);
  EXPECT_FALSE(s.cell(1, 8).possible[8]);
}

TEST_F(AvoidableRectangles, FourBoxesAreSkipped) {
  State& s = current();
  solved_pair(s);
  s.set_answer(4, 0, 2);  // C in another band: the rectangle spans four boxes
  EXPECT_EQ(apply_with(engine.busy(), find_avoidable_rectangle, 34, s, 0), 0);
}

}  // namespace
}  // namespace vantry::testing
