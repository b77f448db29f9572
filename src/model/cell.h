// Everything known about one square of the grid: its possibilities, the ones
// the player (or an applied hint) deleted, its answer and solution, whether it
// was given, the player's colour, and the hint marks the renderer shows.
#pragma once

#include <iosfwd>

namespace vantry {

// Hint marks are colour element numbers. 8 and 9 are action marks (remove this
// possibility, place this answer); anything above 9 only colours the display.
inline constexpr int kMarkRemove = 8;
inline constexpr int kMarkAnswer = 9;
inline constexpr int kMarkShow = 10;

struct Cell {
  bool possible[10];  // possible[d]: digit d is still a possibility; [0] unused
  bool deleted[10];   // deleted[d]: removed by the player or a hint, not by a placement
  int answer;         // digit placed in the cell, 0 = empty
  int solution;       // the cell's digit in the puzzle's solution, 0 = not known
  bool given;         // the answer is part of the puzzle as posed
  int color;          // the player's colouring, 0 = none
  int cellMark;       // mark of the whole cell, 0 = none
  int digitMark[10];  // hint mark of each possibility, 0 = none; [0] unused

  Cell() { reset(); }

  void reset();
  // All nine digits possible again, no deletions; nothing else changes.
  void restore_possibilities();
  // The possibilities in ascending order into out (when given); returns how
  // many. An answered cell has none, whatever its possible flags say.
  int list_possibilities(int* out = nullptr) const;
  // Clears the cell mark and the digit marks; keepActionMarks keeps marks of 9 or less.
  void clear_marks(bool keepActionMarks);
  void mark_given_if_answered() {
    if (answer != 0) given = true;
  }
  bool is_possible(int d) const { return answer == 0 && possible[d]; }

  // One line of a saved game: solution, answer, nine possibility flags, a bar,
  // given and nine deleted flags. Reading accepts the older form that stops
  // before the bar; a value out of range fails the stream.
  void write(std::ostream& out) const;
  void read(std::istream& in);
};

}  // namespace vantry
