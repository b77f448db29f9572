// Unique rectangles of types 1 to 6: which rectangles are tested, the order
// of the types on one rectangle, the digits they name, and their texts.
#include <gtest/gtest.h>

#include "strategy/finders/finders.h"
#include "strategy/hint_command.h"
#include "strategy_fixture.h"

namespace vantry::testing {
namespace {

using Rectangles = StrategyFixture;

// Clears 1 and 2 from every cell of a column but the listed rows.
void pair_only_at(State& s, int column, std::initializer_list<int> rows) {
  keep_only_at(s, UnitKind::Column, column, 1, rows);
  keep_only_at(s, UnitKind::Column, column, 2, rows);
}

TEST_F(Rectangles, RectangleOverFourBoxesIsNeverTested) {
  State& s = current();
  pair_only_at(s, 0, {0, 4});
  pair_only_at(s, 4, {0, 4});
  only(s, 0, 0, {1, 2});
  only(s, 0, 4, {1, 2});
  only(s, 4, 0, {1, 2});
  engine.set_mode(kApplyMode);
  EXPECT_EQ(apply_with(engine.busy(), find_unique_rectangle, 28, s, 0), 0);
  EXPECT_TRUE(s.cell(4, 4).possible[1]);
}

TEST_F(Rectangles, Type1RemovesThePairFromTheFourthCorner) {
  State& s = current();
  only(s, 0, 0, {1, 2});
  only(s, 0, 1, {1, 2});
  only(s, 3, 0, {1, 2});
  EXPECT_EQ(hint_with(find_unique_rectangle, 28, 0, kBigHint), 28);
  EXPECT_EQ(last_dialog().text,
            "If cell 4,2 were 1 or 2, then the highlighted cells would have two legitimate solutions.  "
            "This is impossible in a Sudoku with only one solution.\n\nTherefore, cell 4,2 cannot be 1 "
            "or 2.");
  EXPECT_EQ(last_dialog().template_id, 1503);
  EXPECT_EQ(s.cell(3, 1).cellMark, kMarkRemove);
  EXPECT_EQ(s.cell(3, 1).digitMark[2], kMarkRemove);
  hint_with(find_unique_rectangle, 28, 0, kMediumHint);
  EXPECT_EQ(last_dialog().text, "Look for unique rectangle (type 1) with the values 1 and 2");
}

TEST_F(Rectangles, Type2ThenType4OnTheRoofsRowWhenNoCellSeesBothOddballs) {
  State& s = current();
  only(s, 0, 0, {1, 2});
  only(s, 0, 1, {1, 2});
  only(s, 3, 0, {1, 2, 7});
  only(s, 3, 1, {1, 2, 7});
  keep_only_at(s, UnitKind::Box, 3, 7, {0, 1, 5});
  keep_only_at(s, UnitKind::Row, 3, 7, {0, 1, 8});
  EXPECT_EQ(hint_with(find_unique_rectangle, 28, 0, kBigHint), 29);
  EXPECT_EQ(last_dialog().text,
            "If neither cell 4,1 nor cell 4,2 were 7, then the highlighted cells would have two possible "
            "solutions. This is impossible in a Sudoku with only one solution, so either cell 4,1 or "
            "cell 4,2 must be 7.\n\nTherefore, 7 can be removed as a possibility from cells 5,3 and "
            "4,9.");

  // Without those two cells: type 4. Box 4 holds 1 and 2 elsewhere, row 4 only 2.
  s.cell(4, 2).possible[7] = false;
  s.cell(3, 8).possible[7] = false;
  keep_only_at(s, UnitKind::Row, 3, 1, {0, 1});
  EXPECT_EQ(hint_with(find_unique_rectangle, 28, 0, kBigHint), 31);
  EXPECT_EQ(last_dialog().text,
            "In row 4, either cell 4,1 or cell 4,2 must be 1. However, if the other cell is 2, then "
            "the highlighted cells would have two possible solutions. This is impossible in a Sudoku "
            "with only one solution.\n\nTherefore, 2 can be removed as a possibility from cells 4,1 "
            "and 4,2.");
}

TEST_F(Rectangles, Type3TakesTheExtraDigitsOfCThenD) {
  State& s = current();
  only(s, 0, 0, {1, 2});
  only(s, 0, 1, {1, 2});
  only(s, 3, 0, {1, 2, 5});
  only(s, 3, 1, {1, 2, 3});
  keep_only_at(s, UnitKind::Row, 3, 3, {1, 5, 7});
  keep_only_at(s, UnitKind::Row, 3, 5, {0, 5});
  only(s, 3, 5, {3, 5});  // the partner
  EXPECT_EQ(hint_with(find_unique_rectangle, 28, 0, kBigHint), 30);
  EXPECT_EQ(last_dialog().text,
            "Either cell 4,1 must be 5 or cell 4,2 must be 3 (otherwise the highlighted cells would "
            "have two possible solutions, which is impossible in a Sudoku with only one solution). "
            "This forces cell 4,6 to be the other value.\n\n5 and 3 will both be used, therefore they "
            "can be removed as possibilities from cell 4,8.");
  EXPECT_EQ(s.cell(3, 5).digitMark[3], kMarkShow);
  EXPECT_EQ(s.cell(3, 7).digitMark[3], kMarkRemove);
  hint_with(find_unique_rectangle, 28, 0, kMediumHint);
  EXPECT_EQ(last_dialog().text, "Look for unique rectangle (type 3) with the values 5 and 3");
}

TEST_F(Rectangles, Type4ForARoofInOneColumn) {
  State& s = current();
  only(s, 0, 0, {1, 2});
  only(s, 3, 0, {1, 2});
  keep_only_at(s, UnitKind::Column, 1, 1, {0, 3});
  EXPECT_EQ(hint_with(find_unique_rectangle, 28, 0, kBigHint), 31);
  EXPECT_EQ(last_dialog().text,
            "In col 2, either cell 1,2 or cell 4,2 must be 1. However, if the other cell is 2, then "
            "the highlighted cells would have two possible solutions. This is impossible in a Sudoku "
            "with only one solution.\n\nTherefore, 2 can be removed as a possibility from cells 1,2 "
            "and 4,2.");
  engine.set_mode(kApplyMode);
  EXPECT_EQ(apply_with(engine.busy(), find_unique_rectangle, 28, s, 0), 31);
  EXPECT_FALSE(s.cell(3, 1).possible[2]);
  EXPECT_TRUE(s.cell(3, 1).possible[1]);
}

TEST_F(Rectangles, Type5ListsItsCellsWithACommaBeforeAnd) {
  State& s = current();
  only(s, 0, 0, {1, 2});
  only(s, 0, 4, {1, 2, 6});
  only(s, 1, 0, {1, 2, 6});
  only(s, 1, 4, {1, 2});
  s.cell(0, 2).possible[6] = false;
  EXPECT_EQ(hint_with(find_unique_rectangle_5_6, 32, 0, kBigHint), 32);
  EXPECT_EQ(last_dialog().text,
            "Either cell 1,5 or cell 2,1 must be 6, otherwise the puzzle would have two valid "
            "solutions, which is impossible in a Sudoku with only one solution.\n\nTherefore, 6 can "
            "be removed as a possibility from cells 2,4, 2,6, and 1,2.");
  hint_with(find_unique_rectangle_5_6, 32, 0, kMediumHint);
  EXPECT_EQ(last_dialog().text, "Look for unique rectangle (type 5) with the values 1 and 2");
}

TEST_F(Rectangles, Type6WithOneRecordAndWithTwo) {
  State& s = current();
  only(s, 0, 0, {1, 2});
  only(s, 1, 4, {1, 2});
  keep_only_at(s, UnitKind::Row, 1, 1, {0, 4});  // 1 in row 2 only at C and D
  EXPECT_EQ(hint_with(find_unique_rectangle_5_6, 32, 0, kBigHint), 33);
  EXPECT_EQ(last_dialog().text,
            "If cell 1,5 were 1, it would force the cell in the opposite corner to be the same value, "
            "which would produce one of two equally good solutions to the deadly pattern.\n\nThis "
            "cannot happen in a puzzle with only one solution, so we can remove 1 from cell 1,5.");
  EXPECT_EQ(s.cell(0, 4).digitMark[1], kMarkRemove);

  keep_only_at(s, UnitKind::Row, 0, 2, {0, 4});  // 2 in row 1 only at A and B
  hint_with(find_unique_rectangle_5_6, 32, 0, kBigHint);
  EXPECT_EQ(last_dialog().text,
            "If cell 1,5 were 1, or cell 2,1 were 2, they would force the cells in the opposite "
            "corner to be the same value, which would produce one of two equally good solutions to "
            "the deadly pattern.\n\nThis cannot happen in a puzzle with only one solution, so we can "
            "remove 1 from cell 1,5; and 2 from cell 2,1.");
  hint_with(find_unique_rectangle_5_6, 32, 0, kMediumHint);
  EXPECT_EQ(last_dialog().text, "Look for unique rectangle (type 6) with the values 1, and 2");
}

TEST_F(Rectangles, Type3TakesOnlyTheExtraDigitsEachCellHolds) {
  // Here 4 and 9 go from r4c4 and 4 from r5c4; r5c4's 9 was taken by the
  // given 9 in r5c8 long before.
  State s = grid("51.6.7849.8...4..54............2...6.58....9...31.528.8......5........1..6.37....");
  ASSERT_TRUE(advance_to(engine, s, 30));
  ASSERT_TRUE(s.cell(4, 3).answer == 0 && !s.cell(4, 3).possible[9]);

  State applied = s;
  engine.set_mode(kApplyMode);
  EXPECT_EQ(apply_with(engine.busy(), find_unique_rectangle, 28, applied, 0), 30);
  EXPECT_EQ(real_changes(s, applied), 3);

  // Yes on the Big hint: three moves, and nothing crossed out that the player never had.
  current() = s;
  platform.hint_answers.push_back(6);
  hint_command(host, engine, kBigHint);
  ASSERT_EQ(last_dialog().title, "Unique rectangle (type 3)");
  EXPECT_EQ(host.moves_made, 3);
  EXPECT_EQ(real_changes(s, current()), 3);
}

}  // namespace
}  // namespace vantry::testing
