// The cells a cell sees that still hold some digit, walked in the order every
// wing, chain and rectangle finder names them: the cell's box in position
// order, then its row in column order, then its column in row order. The cell
// itself is included when it holds the digit.
#pragma once

#include "model/cellset.h"
#include "model/state.h"

namespace vantry {

// Unsolved cells holding d.
CellSet peers_holding(const State& s, int r, int c, int d);
// Unsolved cells holding at least one digit of mask (bit d-1 for digit d).
CellSet peers_holding_any(const State& s, int r, int c, unsigned mask);
// Unsolved cells holding every digit of mask.
CellSet peers_holding_all(const State& s, int r, int c, unsigned mask);

// Cell (r1, c1) sees cell (r2, c2): same row, column or box (a cell sees itself).
constexpr bool sees(int r1, int c1, int r2, int c2) {
  return r1 == r2 || c1 == c2 || (r1 / 3 == r2 / 3 && c1 / 3 == c2 / 3);
}

// Does some cell that sees both (r1, c1) and (r2, c2) still hold d, other
// than the ones excluded(r, c) names? A cheap test that spares most patterns
// the ordered removal set. The walk is (r1, c1)'s box, row and column.
template <typename Excluded>
bool some_cell_sees_both(const State& s, int r1, int c1, int r2, int c2, int d, Excluded excluded) {
  auto useful = [&](int r, int c) { return sees(r, c, r2, c2) && s.cell(r, c).is_possible(d) && !excluded(r, c); };
  const int b = r1 / 3 * 3 + c1 / 3;
  for (int p = 0; p < 9; ++p) {
    if (useful(b / 3 * 3 + p / 3, b % 3 * 3 + p % 3)) return true;
  }
  for (int i = 0; i < 9; ++i) {
    if (useful(r1, i) || useful(i, c1)) return true;
  }
  return false;
}

// The digits a cell may still hold as a mask, bit d-1 for digit d (0 when answered).
unsigned possibility_mask(const Cell& cell);

}  // namespace vantry
