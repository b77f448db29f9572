// Moving along the history (Undo, Redo, Undo until OK, Start over) and asking
// whether the puzzle can still be solved (Check solution), plus the hints,
// which the strategy engine carries out against this game. Each of them shows
// or changes the puzzle, so a paused game goes on once the guards let it.
#include <string>

#include "game/game.h"
#include "strategy/game_messages.h"
#include "strategy/hint_command.h"

namespace vantry {

void Game::undo() {
  if (my_busy.is_busy() || my_autoSolving) return;
  if (!my_entering && !puzzle_guard()) return;
  resume_game();
  const bool left_solved = my_board.current().is_solved();
  if (!my_board.undo()) {
    message("No moves to undo.", kProductName, MessageIcon::Exclamation);
    return;
  }
  repaint();
  count_moves(-1, true);
  // Play goes on after a full grid, and so does its clock.
  if (left_solved && !my_entering) start_clock();
}

void Game::redo() {
  if (my_busy.is_busy() || my_autoSolving) return;
  resume_game();
  if (!my_board.redo()) {
    message("No moves to redo.", kProductName, MessageIcon::Exclamation);
    return;
  }
  repaint();
  count_moves(1, true);
  if (!my_entering) solved_check();
}

void Game::undo_until_ok() {
  if (!activity_guard() || !puzzle_guard()) return;
  resume_game();
  // The counts run in a busy phase whose dialog offers Cancel, as Check
  // solution's does: a long history of hard positions can take a while.
  my_busy.start(kBusyCheckingSolution);

  // Step 1. The position as it stands.
  int n = my_counter.n_solutions(my_board.current());
  if (n < 0) {
    const bool cancelled = my_busy.cancel_pressed();
    my_busy.end(kBusyCheckingSolution);
    if (cancelled) return;
    message(
        "unexpected abort in n_solutions from undo_until_ok\nPlease save this puzzle and "
        "contact Tavimo Labs.  Thanks!",
        "", MessageIcon::None);
    return;
  }
  // Step 2. Nothing wrong yet.
  if (n == 1) {
    my_busy.end(kBusyCheckingSolution);
    message("There are no wrong moves to undo.", kProductName, MessageIcon::Exclamation);
    return;
  }
  // Step 3. Step back until the puzzle has exactly one solution again.
  int k = 0;
  do {
    if (!my_board.undo()) {
      my_busy.end(kBusyCheckingSolution);
      repaint();
      message("There are no more moves to undo, but the puzzle\nstill cannot be solved.", kProductName,
              MessageIcon::Exclamation);
      return;
    }
    ++k;
    n = my_counter.n_solutions(my_board.current());
    if (n < 0) break;  // cancelled or interrupted: reported below, the steps taken back
  } while (n != 1);
  if (n < 0) {
    const bool cancelled = my_busy.cancel_pressed();
    while (k-- > 0) my_board.redo();
    my_busy.end(kBusyCheckingSolution);
    repaint();
    if (!cancelled) {
      message(
          "unexpected abort in n_solutions from undo_until_ok\nPlease save this puzzle and "
          "contact Tavimo Labs.  Thanks!",
          "", MessageIcon::None);
    }
    return;
  }
  my_busy.end(kBusyCheckingSolution);

  // Step 4. Report and count the steps.
  repaint();
  message(std::to_string(k) + " moves undone.", kProductName, MessageIcon::Information);
  count_moves(-k, true);
}

void Game::start_over() {
  if (my_busy.is_busy() || my_autoSolving) return;
  resume_game();
  while (my_board.undo()) {
  }
  my_board.forget_history();
  if (my_listener) my_listener->highlighting_reset();
  my_view.clear_highlights();
  repaint();
  reset_statistics();
  if (my_puzzleValid && !my_entering) restart_clock();
}

void Game::check_solution() {
  if (!activity_guard() || !puzzle_guard()) return;
  resume_game();
  my_busy.start(kBusyCheckingSolution);
  const int n = my_counter.n_solutions(my_board.current());
  const bool cancelled = my_busy.cancel_pressed();
  my_busy.end(kBusyCheckingSolution);
  if (cancelled || n < 0) return;
  const char* text = n == 1   ? "This puzzle can be solved.\nSo far, so good!"
                     : n == 0 ? "This puzzle can no longer be solved!\n\nYou must have made a "
                                "wrong move somewhere;\nuse Undo to go back and try again."
                              : "Oops: this puzzle has multiple solutions!";
  message(text, "Solution status:", MessageIcon::Information);
}

void Game::hint(HintLevel level) {
  // The guards of the hint command: a hint it refuses leaves the game paused.
  if (!my_entering && !my_autoSolving && !my_busy.is_busy() && my_puzzleValid) resume_game();
  hint_command(*this, my_engine, level);
}

}  // namespace vantry
