// XY-wing, XYZ-wing and XY-wing chain: two bivalue wings that share a digit z
// are tied to a pivot (or to a chain of same-pair cells) so that one of them
// must be z; z then goes from every cell that sees both wings.
//
//   XY-wing:   pivot {x,y} --- W1 {x,z}      Either W1 or W2 is z, whatever
//                 |                           the pivot takes, so z leaves
//              W2 {y,z} ...... T: z removed   every cell T that sees both.
//
// The search, for each pivot (or same-pair chain of odd length):
//   1. W1: a bivalue cell that sees the chain's first cell and shares one of
//      its digits; its other digit is z.
//   2. W2: a bivalue cell that sees the chain's last cell and holds z with
//      the pair digit W1 lacks.
//   3. The cells that see both wings and hold z; none, and the wings go on.
#include "model/cellset.h"
#include "strategy/finders/finder_support.h"
#include "strategy/finders/finders.h"
#include "strategy/finders/peers.h"
#include "strategy/hint_templates.h"
#include "strategy/move.h"
#include "strategy/text_builder.h"

namespace vantry {

namespace {

// A cell with exactly two possibilities, x < y.
struct Bivalue {
  int r, c, x, y;
};

// The bivalue cells of a State in row-major order, listed once per finder
// call: every loop below walks this list instead of all 81 cells.
struct BivalueCells {
  int n = 0;
  Bivalue cell[81];

  explicit BivalueCells(const State& s) {
    for (int r = 0; r < 9; ++r) {
      for (int c = 0; c < 9; ++c) {
        int digits[9];
        if (s.cell(r, c).list_possibilities(digits) == 2) cell[n++] = {r, c, digits[0], digits[1]};
      }
    }
  }
};

bool has_pair(const Bivalue& b, int d1, int d2) { return (b.x == d1 && b.y == d2) || (b.x == d2 && b.y == d1); }

// A chain of cells with the same pair, each seeing the one before it; the
// XY-wing's pivot is a chain of one.
struct Chain {
  int n = 0;
  int r[81], c[81];

  bool contains(int row, int col) const {
    for (int i = 0; i < n; ++i) {
      if (r[i] == row && c[i] == col) return true;
    }
    return false;
  }
};

// Cheap test before the ordered sets are built: does a cell other than the
// two wings see both and hold z? Most wings fail here.
bool some_other_cell_sees_both(const State& s, const Bivalue& w1, const Bivalue& w2, int z) {
  return some_cell_sees_both(s, w1.r, w1.c, w2.r, w2.c, z,
                             [&](int r, int c) { return (r == w1.r && c == w1.c) || (r == w2.r && c == w2.c); });
}

// Step 1 of a move: the cells other than the wings (and the pivot) that see
// both wings (and the pivot) and hold z, in the order of W1's peers. Step 2:
// each of them loses z, marked so on the hint. None when the move is empty.
CellSet remove_where_seen(Move& move, const State& s, const Bivalue& w1, const Bivalue& w2, const Bivalue* pivot,
                          int z) {
  if (!some_other_cell_sees_both(s, w1, w2, z)) return {};
  CellSet removals = peers_holding(s, w1.r, w1.c, z);
  removals.remove(w1.r, w1.c);
  removals.remove(w2.r, w2.c);
  removals.intersect_with(peers_holding(s, w2.r, w2.c, z));
  if (pivot) {
    removals.remove(pivot->r, pivot->c);
    removals.intersect_with(peers_holding(s, pivot->r, pivot->c, z));
  }
  for (int i = 0; i < removals.count(); ++i) {
    move.remove(removals.row(i), removals.column(i), z);
    move.mark_digit(removals.row(i), removals.column(i), z, kMarkRemove);
  }
  return removals;
}

// The XY move: z leaves every cell that sees both wings. False when no such
// cell holds z.
bool xy_move(Move& move, int n, const State& s, const Chain& chain, const Bivalue& w1, const Bivalue& w2, int z) {
  // Steps 1 and 2. The cells that see both wings lose z.
  const CellSet removals = remove_where_seen(move, s, w1, w2, nullptr, z);
  if (removals.empty()) return false;
  // Step 3. The wings and the chain as the hint chain, W1 first.
  move.chain_append(w1.r, w1.c);
  for (int i = 0; i < chain.n; ++i) move.chain_append(chain.r[i], chain.c[i]);
  move.chain_append(w2.r, w2.c);
  Text explanation;
  explanation.add("Either cell ").cell_name(w1.r, w1.c).add(" or cell ").cell_name(w2.r, w2.c);
  explanation.add(" must be ").number(z);
  explanation.add(" because of the way they are locked with the other highlighted cells.\n\nTherefore, ");
  explanation.number(z).add(" cannot be a possibility in ");
  removal_cells(explanation, removals).add(".");
  move.describe(n, kTemplateLong, explanation.str(), value_phrase(z));
  return true;
}

// The wings of a chain of pair (x, y): W1 sees the first chain cell and
// shares one digit a with the pair; W2 sees the last and holds W1's other
// digit z with the pair digit b that W1 lacks. With an odd chain both ends
// take the same digit, so one of the wings is z.
bool wing_search(Move& move, int n, const State& s, const BivalueCells& cells, const Chain& chain, int x, int y) {
  const int first = 0, last = chain.n - 1;
  for (int i = 0; i < cells.n; ++i) {
    const Bivalue& w1 = cells.cell[i];
    if (!sees(w1.r, w1.c, chain.r[first], chain.c[first])) continue;
    // Step 1. Which digit W1 shares, tested in a fixed order; a W1 with the
    // chain's own pair is no wing.
    int z = 0, b = 0;
    if (w1.x == x) {
      if (w1.y == y) continue;
      z = w1.y, b = y;
    } else if (w1.x == y) {
      z = w1.y, b = x;
    } else if (w1.y == x) {
      z = w1.x, b = y;
    } else if (w1.y == y) {
      z = w1.x, b = x;
    } else {
      continue;
    }
    // Step 2. W2, then the move.
    for (int j = 0; j < cells.n; ++j) {
      const Bivalue& w2 = cells.cell[j];
      if (!sees(w2.r, w2.c, chain.r[last], chain.c[last]) || !has_pair(w2, z, b)) continue;
      if (xy_move(move, n, s, chain, w1, w2, z)) return true;
    }
  }
  return false;
}

// Extends a same-pair chain depth first: the next cell is, in row-major
// order, each cell with the pair (x, y) that is not in the chain and sees its
// last cell. This is the order of a scan that restarts from the first cell
// after every extension and, when it runs out, drops the last cell and goes
// on after it. Chains of odd length from 3 cells are the wings' middle.
bool extend_chain(Move& move, int n, const State& s, const BivalueCells& cells, const int same_pair[], int n_same,
                  Chain& chain, int x, int y) {
  const int last = chain.n - 1;
  for (int k = 0; k < n_same; ++k) {
    const Bivalue& next = cells.cell[same_pair[k]];
    if (chain.contains(next.r, next.c) || !sees(next.r, next.c, chain.r[last], chain.c[last])) continue;
    chain.r[chain.n] = next.r;
    chain.c[chain.n] = next.c;
    ++chain.n;
    if (chain.n % 2 == 1 && wing_search(move, n, s, cells, chain, x, y)) return true;
    if (extend_chain(move, n, s, cells, same_pair, n_same, chain, x, y)) return true;
    --chain.n;
  }
  return false;
}

// The XYZ move: z leaves every cell that sees both wings and the pivot.
bool xyz_move(Move& move, int n, const State& s, const Bivalue& w1, const Bivalue& pivot_cell, const Bivalue& w2,
              int z) {
  // Steps 1 and 2. The cells that see all three lose z.
  const CellSet removals = remove_where_seen(move, s, w1, w2, &pivot_cell, z);
  if (removals.empty()) return false;
  // Step 3. W1, the pivot and W2 as the hint chain.
  move.chain_append(w1.r, w1.c);
  move.chain_append(pivot_cell.r, pivot_cell.c);
  move.chain_append(w2.r, w2.c);
  Text explanation;
  explanation.add("Either cell ").cell_name(w1.r, w1.c).add(" is ").number(z);
  explanation.add(" or it is not ").number(z).add(". If it is not, then either cell ");
  explanation.cell_name(pivot_cell.r, pivot_cell.c).add(" or cell ").cell_name(w2.r, w2.c);
  explanation.add(" must be ").number(z).add(" because they form a naked pair. In all of these cases, ");
  explanation.number(z).add(" cannot be a possibility in ");
  removal_cells(explanation, removals).add(".");
  move.describe(n, kTemplateMedium, explanation.str(), value_phrase(z));
  return true;
}

}  // namespace

int find_xy_wing(BusyManager&, int n, const State& s, int, Move& move) {
  const BivalueCells cells(s);
  for (int i = 0; i < cells.n; ++i) {
    const Bivalue& pivot = cells.cell[i];
    Chain chain;
    chain.n = 1;
    chain.r[0] = pivot.r;
    chain.c[0] = pivot.c;
    if (wing_search(move, n, s, cells, chain, pivot.x, pivot.y)) return n;
  }
  return 0;
}

int find_xy_wing_chain(BusyManager&, int n, const State& s, int, Move& move) {
  const BivalueCells cells(s);
  for (int i = 0; i < cells.n; ++i) {
    // Step 1. Each bivalue cell in turn starts a chain with its pair.
    const Bivalue& start = cells.cell[i];
    int same_pair[81], n_same = 0;
    for (int j = 0; j < cells.n; ++j) {
      if (cells.cell[j].x == start.x && cells.cell[j].y == start.y) same_pair[n_same++] = j;
    }
    // Step 2. Every simple chain from it, depth first.
    Chain chain;
    chain.n = 1;
    chain.r[0] = start.r;
    chain.c[0] = start.c;
    if (extend_chain(move, n, s, cells, same_pair, n_same, chain, start.x, start.y)) return n;
  }
  return 0;
}

int find_xyz_wing(BusyManager&, int n, const State& s, int, Move& move) {
  const BivalueCells cells(s);
  for (int r = 0; r < 9; ++r) {
    for (int c = 0; c < 9; ++c) {
      int d[9];
      if (s.cell(r, c).list_possibilities(d) != 3) continue;
      const Bivalue pivot{r, c, 0, 0};
      // The three choices of z, the highest digit first: (z, x, y).
      const int choices[3][3] = {{d[2], d[0], d[1]}, {d[1], d[0], d[2]}, {d[0], d[1], d[2]}};
      for (const auto& [z, x, y] : choices) {
        for (int i = 0; i < cells.n; ++i) {
          // Step 1. W1 holds z with x (the other wing then holds y) or with y.
          const Bivalue& w1 = cells.cell[i];
          if (!sees(w1.r, w1.c, r, c)) continue;
          int other = 0;
          if (has_pair(w1, x, z)) {
            other = y;
          } else if (has_pair(w1, y, z)) {
            other = x;
          } else {
            continue;
          }
          // Step 2. W2 holds z with the other digit.
          for (int j = 0; j < cells.n; ++j) {
            const Bivalue& w2 = cells.cell[j];
            if (!sees(w2.r, w2.c, r, c) || !has_pair(w2, z, other)) continue;
            if (xyz_move(move, n, s, w1, pivot, w2, z)) return n;
          }
        }
      }
    }
  }
  return 0;
}

}  // namespace vantry
