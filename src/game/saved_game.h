// The saved-game file (.spz): the history of States from the oldest to the
// one on display, separated by lines holding -1, then the difficulty and the
// statistics line. Plain text of whitespace-separated integers, so these are
// plain functions over streams.
#pragma once

#include <cstddef>
#include <iosfwd>

#include "game/statistics.h"
#include "strategy/difficulty.h"

namespace vantry {

class Board;

// Files larger than this are refused before they are read, and Save refuses
// to write one, so every saved game opens again. A State takes about 3.6 KB
// of text and 7 KB of memory: this allows some 36,000 moves (a long game
// has a few hundred, one that removes every possibility by hand a few
// thousand), while a forged file of the shortest cell lines still costs no
// more than about 600 MB.
inline constexpr std::size_t kMaxSavedGameBytes = std::size_t{128} << 20;

void write_saved_game(std::ostream& out, const Board& board, Difficulty difficulty, const Statistics& stats);

struct SavedGameTrailer {
  Difficulty difficulty = Difficulty::NotRated;
  Statistics stats;
};

// Reads a saved game into board (which should be fresh). Returns false when
// the history or the difficulty could not be read; board then holds a partly
// read game that must be discarded. A difficulty outside 0-8 reads as 0; a
// missing statistics line as zero statistics.
bool read_saved_game(std::istream& in, Board& board, SavedGameTrailer& trailer);

}  // namespace vantry
