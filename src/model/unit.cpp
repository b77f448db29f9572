#include "model/unit.h"

namespace vantry {

void Unit::remove_digit_everywhere(int d, bool deletedFlag) {
  for (Cell* cell : my_cells) {
    cell->possible[d] = false;
    cell->deleted[d] = deletedFlag;
    cell->digitMark[d] = 0;
  }
}

void Unit::delete_possibility(int i, int d) {
  Cell& c = *my_cells[i];
  c.possible[d] = false;
  c.deleted[d] = true;
  c.digitMark[d] = 0;
}

int Unit::places_of_digit(int d, int* out) const {
  int n = 0;
  for (int i = 0; i < 9; ++i) {
    if (!my_cells[i]->is_possible(d)) continue;
    if (out) out[n] = i;
    ++n;
  }
  return n;
}

int Unit::places_of_digit(int d, List& out) const {
  out.set_size(0);
  for (int i = 0; i < 9; ++i) {
    if (my_cells[i]->is_possible(d)) out.add(i);
  }
  return out.count();
}

int Unit::possibilities_of_cell(int i, List& out) const {
  const Cell& c = *my_cells[i];
  if (c.answer == 0) {
    for (int d = 1; d <= 9; ++d) {
      if (c.possible[d]) out.add(d);
    }
  }
  return out.count();
}

}  // namespace vantry
