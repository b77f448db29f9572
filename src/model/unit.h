// A row, column or box of one State seen as nine cells, indexed by position:
// the column inside a row, the row inside a column, reading order inside a box.
// A Unit only points into its State's cells and never owns them.
#pragma once

#include "model/cell.h"
#include "model/list.h"

namespace vantry {

class Unit {
 public:
  void set(int i, Cell* cell) { my_cells[i] = cell; }
  Cell& cell(int i) const { return *my_cells[i]; }

  // Digit d stops being a possibility of all nine cells; deletedFlag says
  // whether that counts as a deletion (answer placement passes false).
  void remove_digit_everywhere(int d, bool deletedFlag);
  // The way strategies remove a candidate: gone, and remembered as deleted.
  void delete_possibility(int i, int d);
  // Positions (ascending) of the empty cells that can still take d.
  int places_of_digit(int d, int* out = nullptr) const;
  int places_of_digit(int d, List& out) const;
  bool is_possible(int i, int d) const { return my_cells[i]->is_possible(d); }
  // The digits possible in cell i, appended in ascending order; returns out's count.
  int possibilities_of_cell(int i, List& out) const;

 private:
  Cell* my_cells[9] = {};
};

}  // namespace vantry
