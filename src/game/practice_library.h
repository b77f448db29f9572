// The practice library: positions mined from the engine's own solving runs,
// a list per strategy, from which a practice position is drawn in an instant
// however rare the strategy. A drawn position is shown through a random
// symmetry of the grid and checked again, so the same strategy practised
// many times rarely shows the same grid.
//
// The file: lines starting with '#' and blank lines are comments; every other
// line is "<table number> <position>", the position in the form of
// position_text.h.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace vantry {

class Move;
class Random;
class State;
class Strategy;

// The practised strategy n is the engine's next move on s. For a strategy
// the search can never reach first (reached_only_by_own_finder: the XY-wing
// chain, every one of which is also a pairs chain), its own finder must find
// the very move the search makes with a row of the same level.
// An extended row (45-55) is checked with the extended search on.
// move, when given, receives the search's move.
bool practice_move_holds(Strategy& engine, const State& s, int n, Move* move = nullptr);

class PracticeLibrary {
 public:
  // Reads a library; returns the reason for the first bad line (and keeps
  // nothing), or an empty string.
  std::string read(std::istream& in);
  // Reads the file at path; the reason when it cannot be opened or is bad.
  std::string read_file(const std::string& path);

  // The positions of strategy n (a table number), as text.
  const std::vector<std::string>& positions(int n) const;
  bool empty() const;

 private:
  std::vector<std::vector<std::string>> my_positions;
};

// Where the library is looked for: $VANTRY_PRACTICE_LIBRARY, "help/practice.txt"
// beside the running program, "../share/vantry/help/practice.txt" from it
// (installed), then the source tree's copy (a build that is not installed).
std::vector<std::string> practice_library_paths();

// The library of the first of those paths that reads; an empty library, and
// the reason, when none does. Read once and kept.
const PracticeLibrary& shared_practice_library(std::string* reason = nullptr);

// A practice position for strategy n from the library: a random entry through
// a random symmetry, kept when the strategy still holds on it (another
// symmetry, then another entry, when not). False when the library has no
// position for n that holds.
bool library_practice_position(Strategy& engine, const PracticeLibrary& library, int n, Random& random, State& out);

}  // namespace vantry
