#include "strategy/finders/peers.h"

#include "model/coords.h"

namespace vantry {

unsigned possibility_mask(const Cell& cell) {
  if (cell.answer != 0) return 0;
  unsigned mask = 0;
  for (int d = 1; d <= 9; ++d) {
    if (cell.possible[d]) mask |= 1u << (d - 1);
  }
  return mask;
}

namespace {

// Walks box, row, column and keeps the cells whose possibilities pass keep.
template <typename Keep>
CellSet walk_peers(const State& s, int r, int c, Keep keep) {
  CellSet out;
  const int b = box_of(r, c);
  for (int p = 0; p < 9; ++p) {
    const int pr = row_of(b, p), pc = column_of(b, p);
    if (keep(possibility_mask(s.cell(pr, pc)))) out.add(pr, pc);
  }
  for (int col = 0; col < 9; ++col) {
    if (keep(possibility_mask(s.cell(r, col)))) out.add(r, col);
  }
  for (int row = 0; row < 9; ++row) {
    if (keep(possibility_mask(s.cell(row, c)))) out.add(row, c);
  }
  return out;
}

}  // namespace

CellSet peers_holding(const State& s, int r, int c, int d) {
  const unsigned bit = 1u << (d - 1);
  return walk_peers(s, r, c, [bit](unsigned held) { return (held & bit) != 0; });
}

CellSet peers_holding_any(const State& s, int r, int c, unsigned mask) {
  return walk_peers(s, r, c, [mask](unsigned held) { return (held & mask) != 0; });
}

CellSet peers_holding_all(const State& s, int r, int c, unsigned mask) {
  return walk_peers(s, r, c, [mask](unsigned held) { return mask != 0 && (held & mask) == mask; });
}

}  // namespace vantry
