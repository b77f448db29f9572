// One snapshot of a puzzle in play: 81 cells, the 27 units that view them as
// rows, columns and boxes, the chain drawn on the grid, and the cached count
// of the puzzle's solutions. Every rule of play that changes the grid is an
// operation here. Copying is a plain field copy with no allocation: the
// strategy search and the rating copy States by value all the time.
#pragma once

#include <iosfwd>

#include "model/cell.h"
#include "model/coords.h"
#include "model/unit.h"

namespace vantry {

class State {
 public:
  State();
  State(const State& other);
  State& operator=(const State& other);

  Cell& cell(int r, int c) { return cells[r][c]; }
  const Cell& cell(int r, int c) const { return cells[r][c]; }
  Unit& row(int r) { return rows[r]; }
  Unit& column(int c) { return columns[c]; }
  Unit& box(int b) { return boxes[b]; }
  const Unit& row(int r) const { return rows[r]; }
  const Unit& column(int c) const { return columns[c]; }
  const Unit& box(int b) const { return boxes[b]; }
  Unit& unit(UnitKind kind, int index);
  const Unit& unit(UnitKind kind, int index) const;

  // All 81 cells have an answer (whether the answers are right is not checked).
  bool is_solved() const;

  // Places d (0 empties the cell) and removes d from the cell's row, column
  // and box, the cell itself included; those removals are not deletions.
  // Emptying a cell restores nothing: recompute_possibilities() does that.
  void set_answer(int r, int c, int d);
  void set_answer_and_solution(int r, int c, int d);
  // Empties a cell the player answered, undoing the placement's removals: its
  // digit comes back wherever no other answer in that peer's units rules it
  // out and the player had not removed it, and the cell gets back every digit
  // no peer holds unless the player had removed it.
  void take_back_answer(int r, int c);
  // Removes d from an empty cell as a deletion (the player's or a strategy's):
  // remembered as deleted, unmarked. A digit the cell no longer holds stays as
  // it is: a placement took it, and a deleted flag would show it as a removal
  // to be restored beside the answer.
  void delete_possibility(int r, int c, int d);
  // Gives a deleted possibility back to an empty cell (the player's undoing of
  // a deletion shown crossed out).
  void restore_possibility(int r, int c, int d);
  void set_solution(int r, int c, int d) { cells[r][c].solution = d; }
  void mark_givens();
  void reset_all_cells();
  void reset_cell(int r, int c);
  // Exactly the possibilities the answers imply; the player's deletions are lost.
  void recompute_possibilities();

  // Hint marks.
  void mark_cell(int r, int c, int mark) { cells[r][c].cellMark = mark; }
  void mark_digit(int r, int c, int d, int mark) { cells[r][c].digitMark[d] = mark; }
  void clear_marks(bool keepActionMarks, bool clearChain);
  // In each cell, the lowest digit marked for removal loses its possibility.
  void apply_eliminations();
  // Carries out a hint's marks: removals first, then placements. Returns the
  // number of moves made (one per removal and one per placement).
  int apply_hint();

  // The chain shown on the grid, drawn by the player or filled by a hint.
  int chain_length() const { return my_chainLength; }
  int chain_row(int i) const { return my_chainRows[i]; }
  int chain_column(int i) const { return my_chainColumns[i]; }
  bool chain_is_user() const { return chainIsUser; }
  bool chain_contains(int r, int c) const;
  void clear_chain() { my_chainLength = 0; }
  void append(int r, int c, bool isUser);
  void prepend(int r, int c, bool isUser);
  // The removals clear all marks first; a chain is never left with one cell.
  void remove_last();
  void remove_first();
  void remove_at(int i);

  // 81 cell lines, row-major. Reading resets every cell first.
  void write(std::ostream& out) const;
  void read(std::istream& in);

  // Cached result of the solution counter; -1 = not known. Every change to an
  // answer or a possibility through State, and every copy, forgets it.
  int solutionCount = -1;

 private:
  void build_units();
  void remove_possibility(int r, int c, int d);
  // Drops one chain cell and any single leftover.
  void shorten_chain();

  Unit rows[9];
  Unit columns[9];
  Unit boxes[9];
  Cell cells[9][9];
  int my_chainRows[81];
  int my_chainColumns[81];
  int my_chainLength = 0;
  bool chainIsUser = false;
};

}  // namespace vantry
