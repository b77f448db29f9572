// Mouse and keys on the grid: placing and removing digits through the Game's
// moves, the player's own chain drawn with Shift-drags, cell colouring with
// Control, highlighting from typed digits and keypad keys, and the automatic
// placing of naked singles with its delay.
#include <cstdlib>
#include <sstream>

#include "classlib/contract.h"
#include "classlib/inifile.h"
#include "classlib/system_services.h"
#include "classlib/view_observer.h"
#include "game/commands.h"
#include "game/presented_game.h"
#include "model/board.h"
#include "model/busy_manager.h"
#include "strategy/game_messages.h"
#include "view/grid_window.h"

namespace vantry {

namespace {

int chain_position(const State& s, int r, int c) {
  for (int i = 0; i < s.chain_length(); ++i) {
    if (s.chain_row(i) == r && s.chain_column(i) == c) return i;
  }
  return s.chain_length();
}

}  // namespace

void GridWindow::left_down(const GridMouse& m) {
  if (my_game.paused()) return;  // the grid is hidden behind the resume text: no moves
  const GridHit hit = hit_test(my_geometry, m.x, m.y);
  if (!hit.valid()) return;
  my_cursor = {hit.row, hit.column};  // a click also moves the play cursor
  const bool entering = my_game.entering();
  // Step 1.
  if (!entering && !my_game.puzzle_guard()) return;
  if (my_game.auto_solving()) return;
  if (!entering && m.control) {
    // Step 2.
    open_coloring_dialog(m, hit.row, hit.column);
    repaint();
  } else if (!entering && m.shift) {
    // Step 3. The chain is drawn when the button comes up over another cell.
    my_dragRow = hit.row;
    my_dragColumn = hit.column;
    my_game.view().set_grid_cursor(GridCursor::Chain);
    my_chainCursor = true;
  } else {
    // Step 4.
    my_game.left_click(hit.row, hit.column, hit.digit);
  }
}

void GridWindow::left_up(const GridMouse& m) {
  const int r0 = my_dragRow, c0 = my_dragColumn;
  my_dragRow = my_dragColumn = -1;
  if (my_chainCursor) {
    my_game.view().set_grid_cursor(GridCursor::Arrow);
    my_chainCursor = false;
  }
  const GridHit hit = hit_test(my_geometry, m.x, m.y);
  if (!m.shift || r0 < 0 || !hit.valid()) return;
  chain_drag_end(r0, c0, hit.row, hit.column);
}

void GridWindow::chain_drag_end(int r0, int c0, int r1, int c1) {
  // Step 1.
  if (!my_game.entering() && !my_game.puzzle_guard()) return;
  // Step 2.
  if (my_game.auto_solving() || (r0 == r1 && c0 == c1)) return;
  State& s = my_game.board().current();
  const int n = s.chain_length();
  // Step 3. A hint's chain is not the player's to extend.
  if (n > 0 && !s.chain_is_user()) return;
  // Step 4. The drag extends the chain at whichever end it touches.
  bool matched = false;
  if (n > 0) {
    const int first_r = s.chain_row(0), first_c = s.chain_column(0);
    const int last_r = s.chain_row(n - 1), last_c = s.chain_column(n - 1);
    auto add = [&](int r, int c, bool at_end) {
      if (s.chain_contains(r, c)) return;
      if (at_end) s.append(r, c, true);
      else s.prepend(r, c, true);
    };
    if (r1 == last_r && c1 == last_c) {
      add(r0, c0, true);
      matched = true;
    } else if (r0 == last_r && c0 == last_c) {
      add(r1, c1, true);
      matched = true;
    } else {
      if (r1 == first_r && c1 == first_c) {
        add(r0, c0, false);
        matched = true;
      }
      if (r0 == first_r && c0 == first_c) {
        add(r1, c1, false);
        matched = true;
      }
    }
  }
  // Step 5. Otherwise the drag starts a new chain.
  if (!matched) {
    s.clear_chain();
    s.clear_marks(false, true);
    s.append(r0, c0, true);
    s.append(r1, c1, true);
  }
  // Step 6.
  repaint();
}

void GridWindow::right_down(const GridMouse& m) {
  if (my_game.paused()) return;
  const GridHit hit = hit_test(my_geometry, m.x, m.y);
  if (!hit.valid()) return;
  my_cursor = {hit.row, hit.column};
  if (my_game.entering()) {
    my_game.right_click(hit.row, hit.column, hit.digit, m.shift, my_switches.deleted_possibilities);
    return;
  }
  if (!my_game.puzzle_guard()) return;
  if (m.control) {
    my_game.board().current().cell(hit.row, hit.column).color = 0;
    repaint();
  } else if (m.shift) {
    chain_right_click(hit.row, hit.column);
  } else {
    my_game.right_click(hit.row, hit.column, hit.digit, false, my_switches.deleted_possibilities);
  }
}

void GridWindow::chain_right_click(int r, int c) {
  State& s = my_game.board().current();
  const int n = s.chain_length();
  const int i = chain_position(s, r, c);
  // A cell of a hint's chain is left alone; a click elsewhere ends any chain.
  if (i < n && !s.chain_is_user()) return;
  if (i == n) {
    s.clear_chain();
    s.clear_marks(false, true);
  } else if (i == 0) {
    s.remove_first();
  } else if (i == n - 1) {
    s.remove_last();
  } else {
    s.remove_at(i);
  }
  repaint();
}

int GridWindow::default_coloring_index() const {
  if (my_defaultColoring == kCmdLastColorSelected) return my_lastColor;
  if (my_defaultColoring >= kCmdColor1 && my_defaultColoring <= kCmdColor1 + 5) {
    return my_defaultColoring - kCmdColor1;
  }
  return 0;
}

void GridWindow::open_coloring_dialog(const GridMouse& m, int r, int c) {
  // The default choice's button lands under the mouse: the buttons are 42
  // pixels apart and 48 wide, the first one 24 pixels from the client origin.
  const int i = default_coloring_index();
  const int answer = my_game.services().coloring_dialog(m.screen_x - (24 + 42 * i), m.screen_y - 24);
  if (answer >= 101 && answer <= 106) {
    my_game.board().current().cell(r, c).color = kColorColoring1 + (answer - 101);
    my_lastColor = answer - 101;
  } else if (answer == 1) {
    clear_colouring();
  }
}

void GridWindow::char_typed(const std::string& text) {
  if (my_game.paused()) return;  // keys on the hidden grid change nothing either
  if (text.empty()) return;
  for (int i = 0; i < 9; ++i) {
    const bool digit = text.size() == 1 && text[0] == '1' + i;
    if (digit || (!my_shifted[i].empty() && text == my_shifted[i])) {
      highlight_digit(i + 1, my_game.services().shift_held());
      return;
    }
  }
}

void GridWindow::key_down(GridKey key) {
  if (my_game.paused()) return;
  // The keypad with NumLock off adds or removes one digit.
  int code = -1;
  switch (key) {
    case GridKey::Home: code = 7; break;
    case GridKey::Up: code = 8; break;
    case GridKey::PageUp: code = 9; break;
    case GridKey::Left: code = 4; break;
    case GridKey::Clear: code = 5; break;
    case GridKey::Right: code = 6; break;
    case GridKey::End: code = 1; break;
    case GridKey::Down: code = 2; break;
    case GridKey::PageDown: code = 3; break;
    case GridKey::Space:
    case GridKey::Insert:
    case GridKey::Zero: code = 10; break;
    case GridKey::Shift:
      if (my_dragRow >= 0) {
        my_game.view().set_grid_cursor(GridCursor::Chain);
        my_chainCursor = true;
      }
      return;
    case GridKey::Other: return;
  }
  highlight_digit(code, true);
}

void GridWindow::key_up(GridKey key) {
  if (key == GridKey::Shift && my_chainCursor) {
    my_game.view().set_grid_cursor(GridCursor::Arrow);
    my_chainCursor = false;
  }
}

void GridWindow::singles_timer() {
  SystemServices& services = my_game.services();
  services.kill_timer(kSinglesTimer);
  my_game.busy().end(kBusySolvingSingles);
  my_game.set_auto_solving(false);
  if (my_stopSolving) {
    my_stopSolving = false;
    my_pending = {};
    return;
  }
  if (my_pending.row < 0) return;
  const PendingSingle single = my_pending;
  my_pending = {};
  State& s = my_game.board().current();
  // The cell may have changed since the drawing that chose it.
  if (!s.cell(single.row, single.column).is_possible(single.digit)) return;
  my_game.board().push();
  State& next = my_game.board().current();
  next.clear_marks(next.cell(single.row, single.column).digitMark[single.digit] != 0, true);
  next.set_answer(single.row, single.column, single.digit);
  repaint();
  my_game.count_moves(1, true);
  my_game.solved_check();
}

void GridWindow::solve_singles_now() {
  if (!my_switches.singles) {
    const MessageAnswer answer = my_game.services().message_box(
        "To solve naked singles, you must have\nhighlighting of naked singles turned on.\n\nShall "
        "I do that for you now?",
        kProductName, MessageIcon::Question, MessageButtons::YesNoCancel);
    if (answer != MessageAnswer::Yes) return;
    toggle_display(kCmdSingles);
  }
  // The singles are placed on the grid for the player to see.
  my_game.resume_game();
  my_solveNow = true;
  my_stopSolving = false;
  my_game.board().drop_redo();
  repaint();
}

int GridWindow::parse_delay(const std::string& text) {
  std::istringstream in(text);
  double seconds = 0;
  if (!(in >> seconds)) return -1;
  in >> std::ws;
  if (!in.eof()) return -1;
  if (!(seconds > 0 && seconds <= 2)) return -1;
  return static_cast<int>(seconds * 1000 + 0.5);
}

std::string GridWindow::delay_text(int ms) {
  std::ostringstream out;
  out << ms * 0.001;
  return out.str();
}

void GridWindow::set_delay_command() {
  SystemServices& services = my_game.services();
  // A refused text is explained and the dialog asks again, from the delay
  // still in force.
  for (;;) {
    const std::string text =
        services.input_dialog("Naked singles solving delay",
                              "Enter the delay, from 0.001 to 2.000 seconds:", delay_text(my_singlesDelay), 20);
    const int ms = parse_delay(text);
    if (ms >= 0) {
      my_singlesDelay = ms;
      settings().write_integer(kSolveSinglesTiming, ms);
      return;
    }
    services.message_box(
        "Please enter a delay that is between 0.001 and 2.000 seconds.\nFor example, the value "
        "0.25 indicates a quarter of a second.",
        "Invalid delay", MessageIcon::None, MessageButtons::Ok);
  }
}

}  // namespace vantry
