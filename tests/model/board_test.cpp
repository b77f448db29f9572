// Board: the linear history, undo and redo, and a saved history cut short.
// (Writing and reading a whole history is checked through the saved game.)
#include <gtest/gtest.h>

#include <sstream>

#include "model/board.h"

namespace vantry {
namespace {

// Plays digit d at (0, col) as a move: push, then change the copy.
void play(Board& board, int col, int d) {
  board.push();
  board.current().set_answer(0, col, d);
}

TEST(BoardHistory, UndoAndRedoMoveAlongTheLine) {
  Board board;
  EXPECT_FALSE(board.undo());
  EXPECT_FALSE(board.redo());
  EXPECT_FALSE(board.modified());
  play(board, 0, 1);
  play(board, 1, 2);
  play(board, 2, 3);
  EXPECT_TRUE(board.modified());
  EXPECT_EQ(board.size(), 4);
  EXPECT_TRUE(board.undo());
  EXPECT_TRUE(board.undo());
  EXPECT_EQ(board.current().cell(0, 0).answer, 1);
  EXPECT_EQ(board.current().cell(0, 1).answer, 0);
  EXPECT_FALSE(board.is_at_newest());
  EXPECT_TRUE(board.redo());
  EXPECT_EQ(board.current().cell(0, 1).answer, 2);
  EXPECT_TRUE(board.undo());
  // A new move after two undos drops the two undone States.
  play(board, 5, 9);
  EXPECT_EQ(board.size(), 3);
  EXPECT_TRUE(board.is_at_newest());
  EXPECT_EQ(board.current().cell(0, 5).answer, 9);
  EXPECT_EQ(board.current().cell(0, 1).answer, 0);
}

TEST(BoardHistory, PushCopiesWithoutTouchingTheOlderState) {
  Board board;
  board.current().set_answer(4, 4, 4);
  board.current().solutionCount = 1;
  board.push();
  EXPECT_EQ(board.current().cell(4, 4).answer, 4);
  EXPECT_EQ(board.current().solutionCount, -1);
  board.current().set_answer(4, 4, 0);
  board.undo();
  EXPECT_EQ(board.current().cell(4, 4).answer, 4);
  EXPECT_EQ(board.current().solutionCount, 1);
}

TEST(BoardHistory, ForgetHistoryAndDropRedoKeepCurrent) {
  Board board;
  play(board, 0, 1);
  play(board, 1, 2);
  play(board, 2, 3);
  board.undo();
  board.drop_redo();
  EXPECT_TRUE(board.is_at_newest());
  EXPECT_EQ(board.size(), 3);
  board.clear_modified();
  board.undo();
  board.forget_history();
  EXPECT_EQ(board.size(), 1);
  EXPECT_TRUE(board.modified());
  EXPECT_FALSE(board.undo());
  EXPECT_EQ(board.current().cell(0, 0).answer, 1);
  EXPECT_EQ(board.current().cell(0, 1).answer, 0);
  board.reset();
  EXPECT_EQ(board.size(), 1);
  EXPECT_FALSE(board.modified());
  EXPECT_EQ(board.current().cell(0, 0).answer, 0);
}

TEST(BoardText, ATruncatedHistoryLeavesTheStreamFailed) {
  Board board;
  play(board, 0, 1);
  std::stringstream text;
  board.write(text, 0);
  std::string cut = text.str();
  cut.resize(cut.size() - 400);
  std::istringstream in(cut);
  Board back;
  back.read(in);
  EXPECT_TRUE(in.fail());
}

}  // namespace
}  // namespace vantry
