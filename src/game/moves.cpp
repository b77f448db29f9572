// The player's moves on the grid: placing an answer, removing and restoring a
// possibility. Each pushes the Board first, so Undo returns to the position
// before it, and counts one move. During entry the same clicks place givens.
#include "classlib/contract.h"
#include "game/game.h"
#include "strategy/game_messages.h"

namespace vantry {

namespace {

bool is_player_chain(const State& s) { return s.chain_length() >= 1 && s.chain_is_user(); }

bool in_grid(int r, int c, int d) { return r >= 0 && r < 9 && c >= 0 && c < 9 && d >= 1 && d <= 9; }

}  // namespace

void Game::left_click(int r, int c, int d) {
  VANTRY_ASSERT(in_grid(r, c, d));
  // The grid takes no moves while a computation or the automatic solving runs.
  if (my_busy.is_busy() || my_autoSolving) return;
  if (!my_entering && !puzzle_guard()) return;
  if (!my_board.current().cell(r, c).is_possible(d)) return;

  my_board.push();
  State& s = my_board.current();
  // A new move ends the hint on display, unless the player is drawing a
  // chain; the marks of a hint being followed stay when d itself is marked.
  if (!is_player_chain(s)) s.clear_marks(s.cell(r, c).digitMark[d] != 0, true);
  s.set_answer(r, c, d);
  repaint();
  if (my_entering) {
    my_entryRow = r;
    my_entryColumn = c;
    advance_entry_cursor();
    return;
  }
  count_moves(1, true);
  solved_check();
}

void Game::right_click(int r, int c, int d, bool shift, bool show_deleted) {
  VANTRY_ASSERT(in_grid(r, c, d));
  if (my_busy.is_busy() || my_autoSolving) return;
  const Cell& cell = my_board.current().cell(r, c);

  if (my_entering) {
    if (cell.answer != 0) {
      // A wrongly entered digit comes out, and with it its removals.
      my_board.push();
      State& s = my_board.current();
      s.reset_cell(r, c);
      s.recompute_possibilities();
      repaint();
    } else if (shift && cell.is_possible(d)) {
      my_board.push();
      my_board.current().delete_possibility(r, c, d);
      repaint();
    } else {
      message(
          "While entering a puzzle, right-clicking is only used to\ncorrect a cell in which the "
          "wrong value has been entered.",
          kProductName, MessageIcon::Exclamation);
    }
    return;
  }

  if (!puzzle_guard() || shift) return;
  if (cell.is_possible(d)) {
    my_board.push();
    State& s = my_board.current();
    if (!is_player_chain(s)) s.clear_marks(s.cell(r, c).digitMark[d] == kMarkRemove, true);
    s.delete_possibility(r, c, d);
  } else if (show_deleted && cell.answer == 0 && cell.deleted[d]) {
    // The crossed-out digit is drawn only in an empty cell.
    my_board.push();
    my_board.current().restore_possibility(r, c, d);
  } else {
    return;
  }
  repaint();
  count_moves(1, true);
}

void Game::solved_check() {
  if (!my_board.current().is_solved()) return;
  stop_clock();
  message(kCongratulationsText, kProductName, MessageIcon::Exclamation);
}

}  // namespace vantry
