// Entering a puzzle from a book: digits typed at the entry cursor or clicked
// into cells, corrections, and Done Entering with its refusals, its
// cancelled check and its success.
#include <gtest/gtest.h>

#include "game/commands.h"
#include "game_fixture.h"

namespace vantry::testing {
namespace {

class Entry : public GameTest {
 protected:
  void SetUp() override {
    game.enter_puzzle();
    ASSERT_TRUE(game.entering() && platform.entry_dialog_visible);
  }
  void type(const std::string& digits) {
    for (char ch : digits) game.entry_key(ch - '0');
  }
};

TEST_F(Entry, TypedDigitsFillTheGridRowByRowAndDoneEnteringAcceptsThem) {
  type(std::string(kPuzzle).substr(0, 10));
  EXPECT_EQ(current().cell(1, 0).answer, 6);
  EXPECT_EQ(current().cell(1, 1).cellMark, kMarkShow);  // the cursor
  EXPECT_EQ(current().cell(1, 0).cellMark, 0);
  type(std::string(kPuzzle).substr(10) + "7");  // the 82nd key does nothing
  EXPECT_EQ(current().cell(8, 8).answer, 9);
  EXPECT_EQ(game.board().size(), 1);  // typing pushes nothing

  game.run_command(kEntryDoneEntering);
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_TRUE(game.puzzle_valid() && !game.entering() && !platform.entry_dialog_exists);
  EXPECT_EQ(platform.window_title, "Vantry (not rated)");
  EXPECT_TRUE(game.clock_running());
  for (int i = 0; i < 81; ++i) {
    const Cell& cell = current().cell(i / 9, i % 9);
    EXPECT_EQ(cell.solution, kSolution[i] - '0');
    EXPECT_EQ(cell.given, kPuzzle[i] != '0');
  }
  game.undo();
  expect_message("No moves to undo.", "Vantry", MessageIcon::Exclamation);
}

TEST_F(Entry, ClicksPlaceGivensAndRightClicksCorrectThem) {
  game.left_click(0, 0, 5);
  game.left_click(4, 8, 1);
  EXPECT_EQ(game.entry_row() * 9 + game.entry_column(), 45);  // after the clicked cell
  EXPECT_EQ(game.statistics().moves_made, 0);

  game.right_click(0, 0, 3, false, false);  // takes the 5 out again
  EXPECT_EQ(current().cell(0, 0).answer, 0);
  EXPECT_TRUE(current().cell(0, 8).possible[5]);
  EXPECT_FALSE(current().cell(3, 8).possible[1]);  // the other given's removals stay
  game.right_click(2, 2, 7, true, false);
  EXPECT_TRUE(current().cell(2, 2).deleted[7]);
  EXPECT_TRUE(platform.messages.empty());
  game.right_click(2, 2, 6, false, false);
  expect_message(
      "While entering a puzzle, right-clicking is only used to\ncorrect a cell in which the wrong "
      "value has been entered.",
      "Vantry", MessageIcon::Exclamation);

  game.undo();  // no puzzle guard while entering
  EXPECT_FALSE(current().cell(2, 2).deleted[7]);
  game.run_command(kEntryStartOver);
  EXPECT_EQ(game.board().size(), 1);
  EXPECT_EQ(current().cell(4, 8).answer, 0);
  EXPECT_EQ(game.entry_row(), 0);
  EXPECT_TRUE(game.entering());
}

TEST_F(Entry, DoneEnteringRefusesNoOrManySolutionsAndEntryGoesOn) {
  game.done_entering();
  expect_message(
      "This puzzle has more than one solution!\n\nPlease check for any errors.  If you find "
      "any,\neither fix them with Undo, or click Start Over.",
      "Vantry", MessageIcon::Exclamation);
  EXPECT_TRUE(game.entering() && platform.entry_dialog_visible);
  type("11" + std::string(kPuzzle).substr(2));
  game.done_entering();
  expect_message(
      "This puzzle has no solution!\n\nPlease check for any errors.  If you find any,\neither fix "
      "them with Undo, or click Start Over.",
      "Vantry", MessageIcon::Exclamation);
  EXPECT_TRUE(game.entering() && !game.puzzle_valid());
}

TEST_F(Entry, CancelEndsEntryWithAnEmptyGame) {
  game.counter().set_poll_interval(std::chrono::microseconds(0));
  type("5");
  platform.on_every_pump = [&] {
    if (platform.press_cancel) platform.press_cancel();
  };
  game.done_entering();  // cancelled in the busy dialog
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_FALSE(game.entering() || game.puzzle_valid() || platform.entry_dialog_exists);
  EXPECT_EQ(current().cell(0, 0).answer, 0);
  EXPECT_FALSE(game.counter().record_solution());

  platform.on_every_pump = nullptr;
  game.enter_puzzle();
  type("5");
  game.run_command(kEntryCancel);
  EXPECT_FALSE(game.entering() || game.board().modified());
  EXPECT_EQ(current().cell(0, 0).answer, 0);
  EXPECT_FALSE(game.entry_key(5));  // the grid's highlight key again
}

}  // namespace
}  // namespace vantry::testing
