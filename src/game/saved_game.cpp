#include "game/saved_game.h"

#include <istream>
#include <ostream>

#include "model/board.h"

namespace vantry {

void write_saved_game(std::ostream& out, const Board& board, Difficulty difficulty, const Statistics& stats) {
  board.write(out, difficulty_index(difficulty));
  write_statistics(out, stats);
}

bool read_saved_game(std::istream& in, Board& board, SavedGameTrailer& trailer) {
  // The number that ends the history is the difficulty; the stream's state
  // is the only sign of a damaged file.
  const int difficulty = board.read(in);
  if (!in) return false;
  trailer.difficulty = difficulty_from_index(difficulty);
  trailer.stats = read_statistics(in);
  return true;
}

}  // namespace vantry
