#include "game/where_to_look.h"

#include "game/color_elements.h"
#include "game/game.h"
#include "strategy/game_messages.h"
#include "strategy/move.h"

namespace vantry {

int pattern_cells(const Move& move, bool cells[9][9]) {
  int n = 0;
  for (int r = 0; r < 9; ++r) {
    for (int c = 0; c < 9; ++c) {
      cells[r][c] = move.cell_mark(r, c) != 0;
      n += cells[r][c];
    }
  }
  // The chain's cells are the pattern of the chain strategies and the wings,
  // which mark possibilities rather than cells; the grid frames them too.
  for (int i = 0; i < move.chain_length(); ++i) {
    bool& cell = cells[move.chain_row(i)][move.chain_column(i)];
    if (!cell) ++n;
    cell = true;
  }
  if (n > 0) return n;
  // Every finder marks its cells or its chain; the answer is the fallback.
  for (const Move::Action& a : move.actions()) {
    if (a.place && !cells[a.r][a.c]) {
      cells[a.r][a.c] = true;
      ++n;
    }
  }
  return n;
}

void where_to_look(Game& game) {
  // Step 1. The guards of the hint commands.
  if (!game.activity_guard() || !game.puzzle_guard()) return;
  game.resume_game();

  // Step 2. A new hint starts from a clean grid, as the other levels do.
  State& s = game.board().current();
  s.clear_marks(false, true);

  // Step 3. The search, read-only on the position on display.
  BusyManager& busy = game.busy();
  busy.start(kBusyHint);
  Move move;
  const int n = game.engine().find(s, true, move);
  const bool cancelled = busy.cancel_pressed();
  busy.end(kBusyHint);
  if (cancelled) {
    game.repaint();
    return;
  }
  if (n == kNoMove) {
    game.repaint();
    game.services().message_box("No hints available", kProductName, MessageIcon::Information, MessageButtons::Ok);
    return;
  }

  // Step 4. The frames, and the hint counted.
  bool cells[9][9];
  pattern_cells(move, cells);
  for (int r = 0; r < 9; ++r) {
    for (int c = 0; c < 9; ++c) {
      if (cells[r][c]) s.mark_cell(r, c, kColorHintRemove);
    }
  }
  game.count_hint(HintLevel::Little);
  game.repaint();
}

}  // namespace vantry
