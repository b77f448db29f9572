#include "model/cellset.h"

namespace vantry {

int CellSet::index_of(int r, int c) const {
  for (int i = 0; i < my_n; ++i) {
    if (my_cells[i].r == r && my_cells[i].c == c) return i;
  }
  return -1;
}

void CellSet::add(int r, int c) {
  if (contains(r, c)) return;
  VANTRY_ASSERT(my_n < 81 - 1);
  my_cells[my_n++] = {r, c};
}

void CellSet::remove(int r, int c) {
  const int at = index_of(r, c);
  if (at < 0) return;
  for (int i = at + 1; i < my_n; ++i) my_cells[i - 1] = my_cells[i];
  --my_n;
}

void CellSet::intersect_with(const CellSet& other) {
  int kept = 0;
  for (int i = 0; i < my_n; ++i) {
    if (other.contains(my_cells[i].r, my_cells[i].c)) my_cells[kept++] = my_cells[i];
  }
  my_n = kept;
}

void CellSet::union_with(const CellSet& other) {
  for (int i = other.my_n - 1; i >= 0; --i) add(other.my_cells[i].r, other.my_cells[i].c);
}

}  // namespace vantry
