// The symmetries of a Sudoku grid that keep every rule: relabelling the
// digits, swapping rows inside a band and columns inside a stack, swapping
// bands and stacks, and transposing. A position and its image have the same
// logic, so a strategy that applies to one applies to the other.
#pragma once

namespace vantry {

class Random;
class State;

struct GridSymmetry {
  int digit[10] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};  // digit[d]: the new label of d
  int row[9] = {0, 1, 2, 3, 4, 5, 6, 7, 8};        // row[r]: where row r goes
  int column[9] = {0, 1, 2, 3, 4, 5, 6, 7, 8};
  bool transpose = false;  // rows become columns before the swaps

  static GridSymmetry random(Random& random);

  // The image of s: answers, givens, solutions and deleted possibilities moved
  // and relabelled; marks, colours and the chain are not carried over.
  State apply(const State& s) const;
};

}  // namespace vantry
