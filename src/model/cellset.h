// An ordered set of cells with room for 80. Insertion order is kept (it is
// the order in which hints name their cells), a cell appears at most once.
#pragma once

#include "classlib/contract.h"

namespace vantry {

class CellSet {
 public:
  int count() const { return my_n; }
  bool empty() const { return my_n == 0; }
  int row(int i) const {
    VANTRY_ASSERT(i >= 0 && i < my_n);
    return my_cells[i].r;
  }
  int column(int i) const {
    VANTRY_ASSERT(i >= 0 && i < my_n);
    return my_cells[i].c;
  }

  bool contains(int r, int c) const { return index_of(r, c) >= 0; }
  // Appends the cell unless it is already present.
  void add(int r, int c);
  // Removes the cell if present; later cells move up, keeping their order.
  void remove(int r, int c);
  void clear() { my_n = 0; }
  // Keeps only the cells also in other, in their existing order.
  void intersect_with(const CellSet& other);
  // Appends other's missing cells taken from its last to its first, so they
  // appear in the reverse of other's order.
  void union_with(const CellSet& other);

 private:
  struct Place {
    int r, c;
  };
  int index_of(int r, int c) const;

  int my_n = 0;
  Place my_cells[81] = {};
};

}  // namespace vantry
