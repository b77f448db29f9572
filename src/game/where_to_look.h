// Where to look: the gentlest hint. The cells of the next move's pattern are
// framed on the grid, and nothing more: no strategy named, no digit, no
// possibility to remove. It counts as a Little hint, which tells about as
// much, so the statistics keep their six counters.
#pragma once

namespace vantry {

class Game;
class Move;

// The cells to frame for move: those its Big hint frames, the cells it marks
// and the cells of its chain, never the cells that only lose possibilities.
// A move that marks neither shows the cells of its answers instead. Returns
// how many cells are set in cells.
int pattern_cells(const Move& move, bool cells[9][9]);

// The command: the guards of a hint, a search on the position on display,
// and the pattern's cells framed (or "No hints available").
void where_to_look(Game& game);

}  // namespace vantry
