// The building blocks of a new puzzle: a random complete grid, then random
// removal of givens (in symmetric pairs or one at a time) while the puzzle
// keeps exactly one solution. Difficulty is not built in here: the game
// rates each candidate and builds again until the rating is the one asked for.
#pragma once

#include <cstdint>
#include <random>

#include "strategy/difficulty.h"

namespace vantry {

class SolutionCounter;
class State;

// The generator's pseudo-random numbers: the standard library's engine, so a
// seed replays every creation exactly (tests and vantry-cli --seed rely on it).
class Random {
 public:
  void seed(std::uint32_t value) {
    my_engine.seed(value);
    my_seeded = true;
  }
  bool seeded() const { return my_seeded; }
  // The next number modulo n (n > 0).
  int next(int n) { return static_cast<int>(my_engine() % static_cast<std::uint32_t>(n)); }

 private:
  std::mt19937 my_engine;
  bool my_seeded = false;
};

// Symmetric removal works on the top four rows and the first five cells of
// row 4 (the centre included); each takes its partner, the cell mirrored
// through the centre, with it. Asymmetric removal works on every cell.
inline constexpr int kSymmetricCandidates = 41;
inline constexpr int kAsymmetricCandidates = 81;
// An Easy puzzle tries fewer removals, so it keeps many more givens.
inline constexpr int kEasySymmetricAttempts = 25;
inline constexpr int kEasyAsymmetricAttempts = 49;

inline int partner_row(int r) { return 8 - r; }
inline int partner_column(int c) { return 8 - c; }

// Fills every empty cell of s, in row-major order from the top left, with a
// random complete grid; answers and solutions both. False when no grid fits
// the answers already there.
bool fill_random_grid(State& s, Random& random);

// Empties cell (r, c), and its partner when symmetric, if the puzzle then
// still has exactly one solution; otherwise puts the solution digits back.
// An interrupted count (the attempt's time ran out) is a failure too.
bool try_to_remove(State& s, SolutionCounter& counter, int r, int c, bool symmetric);

// The cells emptied by remove_givens, as cell numbers (row * 9 + column) in
// the order they were emptied; a symmetric removal lists the first cell only.
struct Removals {
  int cells[kAsymmetricCandidates];
  int count = 0;
};

// The number of removal attempts for a target (NotRated for a practice build).
int removal_attempts(Difficulty target, bool symmetric);

// Picks attempts candidate cells at random, each once, and tries to remove
// each; stops early when the counter's abort flag is set.
Removals remove_givens(State& s, SolutionCounter& counter, Random& random, bool symmetric, int attempts);

// Places the solutions of the last how_many removed cells (with their
// partners when symmetric) again.
void put_back(State& s, const Removals& removals, int how_many, bool symmetric);

}  // namespace vantry
