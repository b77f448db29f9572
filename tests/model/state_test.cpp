// State: answer placement and its reach, possibilities, hint marks, the
// chain, copies, and the text form.
#include <gtest/gtest.h>

#include <sstream>

#include "model/state.h"

namespace vantry {
namespace {

bool is_peer_or_self(int r, int c, int r0, int c0) { return r == r0 || c == c0 || box_of(r, c) == box_of(r0, c0); }

TEST(StatePlacement, AnswerRemovesTheDigitFromItsTwentyOneCells) {
  State s;
  s.cell(4, 4).deleted[5] = true;  // a deletion there is overwritten, not kept
  s.cell(4, 4).possible[5] = false;
  s.cell(0, 0).possible[5] = false;
  s.cell(0, 0).deleted[5] = true;  // outside the reach: stays deleted
  s.set_answer(4, 4, 5);
  int cleared = 0;
  for (int r = 0; r < 9; ++r) {
    for (int c = 0; c < 9; ++c) {
      const Cell& cell = s.cell(r, c);
      if (is_peer_or_self(r, c, 4, 4)) {
        ++cleared;
        EXPECT_FALSE(cell.possible[5]) << r << c;
        EXPECT_FALSE(cell.deleted[5]) << r << c;
      } else if (r != 0 || c != 0) {
        EXPECT_TRUE(cell.possible[5]) << r << c;
      }
      for (int d : {1, 4, 6, 9}) EXPECT_TRUE(cell.possible[d]);
    }
  }
  EXPECT_EQ(cleared, 21);
  EXPECT_TRUE(s.cell(0, 0).deleted[5]);
  EXPECT_EQ(s.cell(4, 4).answer, 5);
}

TEST(StatePlacement, EmptyingACellRestoresNothingUntilRecompute) {
  State s;
  s.set_answer(2, 3, 8);
  s.cell(8, 8).possible[3] = false;  // the player's deletion
  s.cell(8, 8).deleted[3] = true;
  s.set_answer(2, 3, 0);
  EXPECT_EQ(s.cell(2, 3).answer, 0);
  EXPECT_FALSE(s.cell(2, 3).possible[8]);
  EXPECT_FALSE(s.cell(2, 0).possible[8]);
  s.set_answer(0, 0, 1);
  s.recompute_possibilities();
  EXPECT_TRUE(s.cell(2, 3).possible[8]);
  EXPECT_TRUE(s.cell(8, 8).possible[3]);
  EXPECT_FALSE(s.cell(8, 8).deleted[3]);
  EXPECT_FALSE(s.cell(0, 5).possible[1]);
  EXPECT_EQ(s.cell(0, 0).answer, 1);
}

TEST(StatePlacement, ChangesForgetTheCachedCountButUnitsDoNot) {
  State s;
  s.solutionCount = 1;
  s.set_answer(0, 0, 1);
  EXPECT_EQ(s.solutionCount, -1);
  s.solutionCount = 1;
  s.row(3).delete_possibility(2, 4);
  EXPECT_EQ(s.solutionCount, 1);
  s.recompute_possibilities();
  EXPECT_EQ(s.solutionCount, -1);
  s.solutionCount = 2;
  s.reset_cell(1, 1);
  EXPECT_EQ(s.solutionCount, -1);
}

TEST(StateUnits, PointIntoTheirOwnStateAfterCopies) {
  State a;
  a.set_answer(1, 7, 6);
  State b = a;
  State c;
  c = b;
  c.box(2).cell(position_in_box(1, 7)).color = 3;
  EXPECT_EQ(c.cell(1, 7).color, 3);
  EXPECT_EQ(b.cell(1, 7).color, 0);
  EXPECT_EQ(&c.unit(UnitKind::Column, 7).cell(1), &c.cell(1, 7));
  EXPECT_EQ(&c.unit(UnitKind::Row, 1).cell(7), &c.cell(1, 7));
  EXPECT_EQ(b.column(7).places_of_digit(6), 0);
  const State& same = c;  // through a reference, which is how self-assignment happens
  c = same;               // and it changes nothing
  EXPECT_EQ(c.cell(1, 7).answer, 6);
}

TEST(StateCopy, KeepsThePlayersChainButNotAHintsAndForgetsTheCount) {
  State s;
  s.append(0, 0, true);
  s.append(0, 1, true);
  s.solutionCount = 1;
  s.cell(3, 3).digitMark[2] = 8;
  State player_copy(s);
  EXPECT_EQ(player_copy.chain_length(), 2);
  EXPECT_TRUE(player_copy.chain_is_user());
  EXPECT_EQ(player_copy.solutionCount, -1);
  EXPECT_EQ(player_copy.cell(3, 3).digitMark[2], 8);

  s.append(0, 2, false);
  State hint_copy;
  hint_copy = s;
  EXPECT_EQ(hint_copy.chain_length(), 0);
}

TEST(StateHints, ApplyHintRemovesBeforeItPlacesAndCountsEachMove) {
  State s;
  s.cell(0, 0).digitMark[5] = 9;  // place 5 at 1,1
  s.cell(0, 4).digitMark[5] = 8;  // remove 5 at 1,5: counted even though the placement takes it too
  s.cell(4, 4).digitMark[5] = 8;  // remove 5 at 5,5, out of the placement's reach
  s.cell(7, 7).digitMark[3] = 10;
  s.cell(7, 7).cellMark = 8;
  s.append(7, 7, false);
  EXPECT_EQ(s.apply_hint(), 3);
  EXPECT_EQ(s.cell(0, 0).answer, 5);
  EXPECT_TRUE(s.cell(4, 4).deleted[5]);
  EXPECT_FALSE(s.cell(4, 4).possible[5]);
  // The placement came second, so its own removal (never a deletion) has the last word.
  EXPECT_FALSE(s.cell(0, 4).deleted[5]);
  EXPECT_FALSE(s.cell(0, 4).possible[5]);
  EXPECT_EQ(s.cell(7, 7).digitMark[3], 0);
  EXPECT_EQ(s.cell(7, 7).cellMark, 0);
  EXPECT_EQ(s.chain_length(), 0);
}

TEST(StateHints, ApplyEliminationsTakesTheLowestMarkedDigitOfEachCell) {
  State s;
  s.cell(2, 2).digitMark[3] = 8;
  s.cell(2, 2).digitMark[6] = 8;
  s.cell(5, 1).digitMark[9] = 8;
  s.apply_eliminations();
  EXPECT_FALSE(s.cell(2, 2).possible[3]);
  EXPECT_TRUE(s.cell(2, 2).deleted[3]);
  EXPECT_TRUE(s.cell(2, 2).possible[6]);
  EXPECT_FALSE(s.cell(5, 1).possible[9]);
}

TEST(StateChain, RemovalsNeverLeaveASingleCell) {
  State s;
  s.remove_last();
  EXPECT_EQ(s.chain_length(), 0);
  s.append(1, 1, true);
  s.append(1, 2, true);
  s.remove_last();
  EXPECT_EQ(s.chain_length(), 0);

  s.append(1, 1, true);
  s.append(1, 2, true);
  s.prepend(0, 0, true);
  s.append(2, 2, true);  // 0,0  1,1  1,2  2,2
  s.cell(4, 4).digitMark[1] = 9;
  s.remove_at(1);
  EXPECT_EQ(s.cell(4, 4).digitMark[1], 0);
  ASSERT_EQ(s.chain_length(), 3);
  EXPECT_EQ(s.chain_row(1), 1);
  EXPECT_EQ(s.chain_column(1), 2);
  s.remove_first();
  ASSERT_EQ(s.chain_length(), 2);
  EXPECT_EQ(s.chain_row(0), 1);
  EXPECT_TRUE(s.chain_contains(2, 2));
  s.remove_first();
  EXPECT_EQ(s.chain_length(), 0);
}

TEST(StateText, RoundTripsAGameInProgress) {
  State s;
  s.set_answer_and_solution(0, 0, 7);
  s.set_answer(8, 8, 2);
  s.mark_givens();
  s.set_answer(4, 5, 3);  // the player's own answer
  s.row(6).delete_possibility(1, 4);
  std::stringstream text;
  s.write(text);
  State back;
  back.set_answer(3, 3, 9);  // reading starts from a reset State
  back.read(text);
  ASSERT_TRUE(text);
  std::stringstream again;
  back.write(again);
  EXPECT_EQ(again.str(), text.str());
  EXPECT_EQ(back.cell(3, 3).answer, 0);
  EXPECT_TRUE(back.cell(0, 0).given);
  EXPECT_FALSE(back.cell(4, 5).given);
  EXPECT_TRUE(back.cell(6, 1).deleted[4]);
}

}  // namespace
}  // namespace vantry
