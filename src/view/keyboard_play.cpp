// Keyboard play: the play cursor moved by the arrow keys, digits that place
// an answer in the cursor cell through the same move as a click on that
// possibility, Control+digit that removes or restores a possibility as a
// right click does, Delete that takes back the player's answer, and
// Alt+digit for the highlight commands the plain digits gave up. Every
// change is a move on the Board like a click's, so it is undone, counted and
// checked alike. Each move leaves a sentence for assistive technology.
#include <string>

#include "game/presented_game.h"
#include "model/board.h"
#include "model/busy_manager.h"
#include "view/grid_window.h"

namespace vantry {

namespace {

std::string cell_name(int r, int c) { return "row " + std::to_string(r + 1) + ", column " + std::to_string(c + 1); }

}  // namespace

bool GridWindow::play_key(PlayKey key) {
  if (!my_switches.keyboard_play || my_game.entering()) return false;
  if (my_game.paused()) return true;  // the hidden grid takes no keys
  if (key != PlayKey::Delete) {
    my_cursor.move(key);
    repaint();
    return true;
  }
  // Delete: only an answer the player placed comes out, as a move of its own.
  const int r = my_cursor.row, c = my_cursor.column;
  if (my_game.busy().is_busy() || my_game.auto_solving() || !my_game.puzzle_guard()) return true;
  const Cell& cell = my_game.board().current().cell(r, c);
  if (cell.answer == 0 || cell.given) return true;
  const int d = cell.answer;
  my_game.board().push();
  State& s = my_game.board().current();
  if (!(s.chain_length() > 0 && s.chain_is_user())) s.clear_marks(false, true);
  s.take_back_answer(r, c);
  my_announcement = std::to_string(d) + " taken back from " + cell_name(r, c);
  repaint();
  my_game.count_moves(1, true);
  return true;
}

bool GridWindow::play_digit(int d, bool control, bool alt) {
  if (!my_switches.keyboard_play || my_game.entering() || d < 1 || d > 9) return false;
  if (my_game.paused()) return true;
  if (alt) {
    // The highlight command a plain digit gives without keyboard play.
    highlight_digit(d, false);
    return true;
  }
  const int r = my_cursor.row, c = my_cursor.column;
  const Cell& before = my_game.board().current().cell(r, c);
  const bool was_possible = before.is_possible(d);
  if (control) {
    // A right click on that possibility, with removed ones brought back
    // even while they are not shown.
    my_game.right_click(r, c, d, false, true);
    const Cell& after = my_game.board().current().cell(r, c);
    if (was_possible && !after.possible[d]) {
      my_announcement = std::to_string(d) + " removed from " + cell_name(r, c);
    } else if (!was_possible && after.is_possible(d)) {
      my_announcement = std::to_string(d) + " restored in " + cell_name(r, c);
    }
    return true;
  }
  // A left click on that possibility: the answer goes in.
  if (!was_possible) {
    if (my_game.puzzle_guard()) my_announcement = std::to_string(d) + " is not possible in " + cell_name(r, c);
    return true;
  }
  my_game.left_click(r, c, d);
  if (my_game.board().current().cell(r, c).answer == d) {
    my_announcement = std::to_string(d) + " placed in " + cell_name(r, c);
  }
  return true;
}

std::string GridWindow::cell_text(int r, int c) const {
  const Cell& cell = my_game.board().current().cell(r, c);
  std::string text = cell_name(r, c) + ": ";
  if (cell.answer != 0) {
    text += std::to_string(cell.answer);
    if (cell.given) text += ", given";
    return text;
  }
  std::string digits;
  for (int d = 1; d <= 9; ++d) {
    if (!cell.possible[d]) continue;
    if (!digits.empty()) digits += ", ";
    digits += std::to_string(d);
  }
  return text + (digits.empty() ? "no possibilities" : "possibilities " + digits);
}

std::string GridWindow::take_announcement() {
  std::string text;
  text.swap(my_announcement);
  return text;
}

}  // namespace vantry
