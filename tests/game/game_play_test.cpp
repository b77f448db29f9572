// Playing a game through the scripted platform: guards, moves, undo and redo,
// Undo until OK, checking, the congratulation and the clock, and the save
// question before a new game.
#include <gtest/gtest.h>

#include <sstream>

#include "game/commands.h"
#include "game/saved_game.h"
#include "game_fixture.h"

namespace vantry::testing {
namespace {

class GamePlay : public GameTest {};

TEST_F(GamePlay, GuardsRefuseWithTheirMessages) {
  const char* no_puzzle =
      "There is no valid puzzle yet!\n\nPlease enter one using File|Enter puzzle\nor create one "
      "using File|Create new.";
  for (int id : {kCmdSave, kCmdExport, kCmdCopy, kCmdUndoUntilOk, kCmdCheckSolution, kCmdUndo}) {
    platform.messages.clear();
    EXPECT_TRUE(game.run_command(id));
    ASSERT_EQ(platform.messages.size(), 1u) << id;
    expect_message(no_puzzle, "Vantry", MessageIcon::Exclamation);
  }
  game.enter_puzzle();
  for (int id : {kCmdOpen, kCmdImport, kCmdPaste, kCmdSaveAs, kCmdEnterPuzzle, kCmdUndoUntilOk}) {
    platform.messages.clear();
    game.run_command(id);
    ASSERT_EQ(platform.messages.size(), 1u) << id;
    expect_message("Please finish entering the puzzle\nbefore doing this.", "Vantry", MessageIcon::Exclamation);
  }
  EXPECT_TRUE(platform.file_dialogs.empty());

  // Automatic solving and busy phases refuse moves and commands silently.
  game.entry_cancel();
  paste_puzzle();
  game.set_auto_solving(true);
  game.left_click(0, 2, 4);
  game.undo();
  game.set_auto_solving(false);
  game.busy().start(kBusyHint);
  game.check_solution();
  game.right_click(0, 2, 4, false, true);
  game.busy().end(kBusyHint);
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(game.board().size(), 1);
}

TEST_F(GamePlay, MovesAreCountedUndoneAndRedone) {
  paste_puzzle();
  game.left_click(0, 2, 9);  // 9 is not possible there
  game.left_click(0, 2, 4);
  game.right_click(0, 3, 2, false, false);
  game.right_click(0, 3, 2, false, false);  // deleted possibilities hidden: no restore
  game.right_click(0, 3, 2, false, true);
  game.right_click(0, 3, 4, true, true);  // Shift: the grid's chain, not a move
  EXPECT_EQ(game.board().size(), 4);
  EXPECT_EQ(game.statistics().moves_made, 3);
  EXPECT_EQ(platform.pane_updates.back(), PaneUpdate::CountersAndLines);

  game.undo();
  EXPECT_TRUE(current().cell(0, 3).deleted[2]);
  game.undo();
  EXPECT_EQ(game.statistics().moves_undone, 2);
  EXPECT_EQ(current().cell(0, 2).answer, 4);
  game.redo();
  EXPECT_EQ(game.statistics().moves_made, 4);
  EXPECT_FALSE(current().cell(0, 3).possible[2]);
  game.redo();
  game.redo();
  expect_message("No moves to redo.", "Vantry", MessageIcon::Exclamation);

  // A move ends the hint on display, but not the player's own chain.
  State& s = game.board().current();
  s.cell(4, 4).digitMark[5] = 11;
  s.append(1, 1, false);
  s.append(2, 2, false);
  game.left_click(0, 5, 8);
  EXPECT_EQ(current().chain_length(), 0);
  EXPECT_EQ(current().cell(4, 4).digitMark[5], 0);
  game.board().current().append(1, 1, true);
  game.board().current().append(2, 2, true);
  game.left_click(0, 6, 9);
  EXPECT_EQ(current().chain_length(), 2);

  game.start_over();
  EXPECT_EQ(game.board().size(), 1);
  EXPECT_EQ(game.statistics(), Statistics{});
  EXPECT_TRUE(game.clock_running());
  game.undo();
  expect_message("No moves to undo.", "Vantry", MessageIcon::Exclamation);
}

TEST_F(GamePlay, UndoUntilOkHasThreeOutcomes) {
  paste_puzzle();
  game.undo_until_ok();
  expect_message("There are no wrong moves to undo.", "Vantry", MessageIcon::Exclamation);

  // One wrong answer, then two right ones: the count went wrong three moves back.
  game.left_click(0, 2, wrong_digit(0, 2));
  game.left_click(8, 0, right_digit(8, 0));
  game.left_click(8, 1, right_digit(8, 1));
  game.undo_until_ok();
  expect_message("3 moves undone.", "Vantry", MessageIcon::Information);
  EXPECT_EQ(game.statistics().moves_undone, 3);
  EXPECT_EQ(game.board().current_index(), 0);
  EXPECT_EQ(platform.dialogs_shown, 0);  // a quick count never shows its busy dialog
  EXPECT_FALSE(game.busy().is_busy());

  // A history that starts from a puzzle with many solutions.
  Board board;
  board.current().set_answer(0, 0, 1);
  board.push();
  board.current().set_answer(0, 1, 1);  // clashes: no solution now
  std::ostringstream out;
  write_saved_game(out, board, Difficulty::NotRated, {});
  write_text(folder.file("open.spz"), out.str());
  platform.answers = {MessageAnswer::No};
  game.open_file(folder.file("open.spz"));
  game.undo_until_ok();
  expect_message("There are no more moves to undo, but the puzzle\nstill cannot be solved.", "Vantry",
                 MessageIcon::Exclamation);
  EXPECT_EQ(game.board().current_index(), 0);
  EXPECT_EQ(game.statistics().moves_undone, 0);
}

TEST_F(GamePlay, UndoUntilOkCanBeCancelledAndThenChangesNothing) {
  // An empty grid under a clash: the count on the empty grid has to search,
  // and Cancel is pressed at its first look at the events.
  Board board;
  board.push();
  board.current().set_answer(0, 0, 1);
  board.push();
  board.current().set_answer(0, 1, 1);
  std::ostringstream out;
  write_saved_game(out, board, Difficulty::NotRated, {});
  write_text(folder.file("open.spz"), out.str());
  platform.answers = {MessageAnswer::No};
  game.open_file(folder.file("open.spz"));
  platform.messages.clear();
  game.counter().set_poll_interval(std::chrono::microseconds{0});
  int delay_ms = -1;
  platform.on_every_pump = [&] {
    if (platform.timer_running(4)) delay_ms = platform.timers[4].interval_ms;
    platform.fire_timer(4);
    if (platform.press_cancel) platform.press_cancel();
  };
  game.undo_until_ok();
  EXPECT_EQ(delay_ms, 500);
  EXPECT_EQ(platform.dialog_message, "Checking for a solution...");
  EXPECT_EQ(platform.dialogs_shown, 1);
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(game.board().current_index(), 2);
  EXPECT_EQ(game.statistics().moves_undone, 0);
  EXPECT_FALSE(game.busy().is_busy());
}

TEST_F(GamePlay, CheckSolutionSaysWhetherThePuzzleCanStillBeSolved) {
  paste_puzzle();
  game.check_solution();
  expect_message("This puzzle can be solved.\nSo far, so good!", "Solution status:", MessageIcon::Information);
  game.right_click(0, 2, right_digit(0, 2), false, false);
  game.check_solution();
  expect_message(
      "This puzzle can no longer be solved!\n\nYou must have made a wrong move somewhere;\nuse "
      "Undo to go back and try again.",
      "Solution status:", MessageIcon::Information);
}

TEST_F(GamePlay, FillingTheGridCongratulatesAndStopsTheClock) {
  paste_puzzle();
  platform.window_shown = false;  // minimised: no time passes
  platform.fire_timer(kClockTimer);
  platform.window_shown = true;
  platform.fire_timer(kClockTimer);
  EXPECT_EQ(game.statistics().seconds, 1);

  for (int i = 0; i < 81; ++i) {
    if (kPuzzle[i] == '0') game.left_click(i / 9, i % 9, right_digit(i / 9, i % 9));
  }
  ASSERT_EQ(platform.messages.size(), 1u);
  expect_message("Congratulations!  You solved the puzzle!", "Vantry", MessageIcon::Exclamation);
  EXPECT_FALSE(game.clock_running());
  game.undo();
  EXPECT_TRUE(game.clock_running());
  game.redo();
  EXPECT_EQ(platform.messages.size(), 2u);
  EXPECT_FALSE(game.clock_running());
  EXPECT_TRUE(game.query_close());  // a solved game needs no saving
  EXPECT_EQ(platform.messages.size(), 2u);
}

TEST_F(GamePlay, TheSaveQuestionGuardsAnUnsavedGame) {
  paste_puzzle();
  game.left_click(0, 2, 4);
  platform.answers = {MessageAnswer::Cancel};
  paste(kPuzzle);
  expect_message("Do you want to save this game?", "Vantry", MessageIcon::Question);
  EXPECT_EQ(platform.messages.back().buttons, MessageButtons::YesNoCancel);
  EXPECT_EQ(current().cell(0, 2).answer, 4);

  // Yes, and then the save dialog is cancelled: the game stays.
  platform.answers = {MessageAnswer::Yes};
  paste(kPuzzle);
  EXPECT_EQ(current().cell(0, 2).answer, 4);
  platform.answers = {MessageAnswer::Yes};
  platform.file_answers = {folder.file("kept")};
  EXPECT_TRUE(game.query_close());
  EXPECT_FALSE(game.board().modified());
  EXPECT_EQ(platform.window_title, "Vantry kept.spz (not rated)");

  game.left_click(0, 3, 6);
  platform.answers = {MessageAnswer::No};
  paste(kPuzzle);
  EXPECT_EQ(current().cell(0, 3).answer, 0);
  EXPECT_EQ(platform.window_title, "Vantry (not rated)");
}

}  // namespace
}  // namespace vantry::testing
