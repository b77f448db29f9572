// Puzzle entry: the player types or clicks in a puzzle from a book, then
// Done Entering accepts it when it has exactly one solution, which is
// recorded in the cells, and turns the entered digits into givens.
#include "classlib/contract.h"
#include "game/commands.h"
#include "game/game.h"
#include "strategy/game_messages.h"

namespace vantry {

void Game::enter_puzzle() {
  if (!activity_guard()) return;
  if (!new_game_step()) return;
  my_entering = true;
  my_entryRow = my_entryColumn = 0;
  my_view.show_entry_dialog();
}

void Game::advance_entry_cursor() {
  if (++my_entryColumn == 9) {
    my_entryColumn = 0;
    ++my_entryRow;
  }
}

bool Game::entry_key(int code) {
  VANTRY_ASSERT(code >= 0 && code <= 10);
  if (!my_entering) return false;
  // Once the cursor has passed the last cell, keys change nothing.
  if (my_entryRow > 8) return true;
  State& s = my_board.current();
  s.cell(my_entryRow, my_entryColumn).clear_marks(true);
  // Typed digits are taken as they come: the check at Done Entering decides.
  if (code >= 1 && code <= 9) s.set_answer_and_solution(my_entryRow, my_entryColumn, code);
  advance_entry_cursor();
  if (my_entryRow <= 8) s.mark_cell(my_entryRow, my_entryColumn, kMarkShow);
  repaint();
  return true;
}

int Game::count_and_record(BusyToken token) {
  my_counter.set_record_solution(true);
  State& s = my_board.current();
  s.solutionCount = -1;  // a cached count has no solution text to go with it
  my_busy.start(token);
  const int n = my_counter.n_solutions(s);
  const bool cancelled = my_busy.cancel_pressed();
  my_busy.end(token);
  return cancelled ? -1 : n;
}

void Game::take_recorded_solution() {
  const char* solution = my_counter.solution_text();
  State& s = my_board.current();
  for (int i = 0; i < 81; ++i) {
    const int d = solution[i] - '0';
    VANTRY_ASSERT(d >= 1 && d <= 9);
    s.set_solution(i / 9, i % 9, d);
  }
  s.mark_givens();
}

void Game::done_entering() {
  if (!my_entering || my_busy.is_busy()) return;
  // Steps 1-2. The dialog goes while the puzzle is counted.
  my_view.hide_entry_dialog();
  const int n = count_and_record(kBusyDoneEntering);

  if (n < 0) {
    // Step 3. A cancelled check discards the entry.
    my_counter.set_record_solution(false);
    entry_cancel();
    return;
  }
  if (n != 1) {
    // Steps 4-5. Not a proper puzzle yet: entry goes on.
    my_counter.set_record_solution(false);
    message(n == 0 ? "This puzzle has no solution!\n\nPlease check for any errors.  If you find "
                     "any,\neither fix them with Undo, or click Start Over."
                   : "This puzzle has more than one solution!\n\nPlease check for any errors.  "
                     "If you find any,\neither fix them with Undo, or click Start Over.",
            kProductName, MessageIcon::Exclamation);
    my_view.show_entry_dialog();
    return;
  }

  // Step 6. The entered position becomes the start of a new game.
  my_entering = false;
  my_board.forget_history();
  my_view.destroy_entry_dialog();
  my_puzzleValid = true;
  update_title();
  take_recorded_solution();
  my_board.current().clear_marks(false, true);  // the entry cursor's frame
  repaint();
  reset_statistics();
  restart_clock();
  // Step 7.
  my_counter.set_record_solution(false);
}

void Game::entry_start_over() {
  if (!my_entering || my_busy.is_busy()) return;
  my_entryRow = my_entryColumn = 0;
  my_board.reset();
  repaint();
}

void Game::entry_cancel() {
  if (!my_entering || my_busy.is_busy()) return;
  my_view.destroy_entry_dialog();
  my_entering = false;
  my_puzzleValid = false;
  my_board.reset();
  repaint();
}

void Game::entry_button(int id) {
  switch (id) {
    case kEntryDoneEntering: done_entering(); break;
    case kEntryStartOver: entry_start_over(); break;
    case kEntryCancel: entry_cancel(); break;
    default: VANTRY_ASSERT(!"unknown entry button");
  }
}

}  // namespace vantry
