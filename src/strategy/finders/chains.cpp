// Singles chains and pairs chains, each with its contradiction. A singles
// chain follows one digit through conjugate cells (the only two places of the
// digit in a unit); a pairs chain follows bivalue cells, each forcing the next.
// Both enumerate simple chains depth first, so they let waiting messages
// through and honour Cancel at every step.
#include "model/busy_manager.h"
#include "model/cellset.h"
#include "strategy/finders/finder_support.h"
#include "strategy/finders/finders.h"
#include "strategy/finders/peers.h"
#include "strategy/hint_templates.h"
#include "strategy/move.h"
#include "strategy/text_builder.h"

namespace vantry {

namespace {

// What a step of a chain search ends with besides a table number.
constexpr int kNothing = 0;
constexpr int kCancelled = -1;
// The rows the two finders report besides their own.
constexpr int kSinglesChainContradiction = 39;
constexpr int kPairsChainContradiction = 40;

// A chain of distinct cells, each cell an index into the search's cell list.
struct Chain {
  int n = 0;
  int cell[81];
  bool in_chain[81] = {};

  void push(int i) {
    cell[n++] = i;
    in_chain[i] = true;
  }
  void pop() { in_chain[cell[--n]] = false; }
};

// Does any cell outside the chain see both (r1, c1) and (r2, c2) and hold d?

// ---------------------------------------------------------------------------
// Singles chain

// The cells that hold the digit v (row-major), how often each unit holds it,
// and each cell's conjugate partners in row-major order (at most one per unit).
struct SinglesSearch {
  SinglesSearch(BusyManager& b, Move& m, const State& state, int number, int digit)
      : busy(b), move(m), s(state), table_number(number), v(digit) {}

  BusyManager& busy;
  Move& move;
  const State& s;
  int table_number;
  int v;
  int n = 0;
  int r[81], c[81];
  int in_row[9] = {}, in_column[9] = {}, in_box[9] = {};
  int n_links[81] = {};
  int link[81][3];
  Chain chain;

  // X is linked to L when they are the only two holders of v in their row,
  // else in their column, else in their box.
  bool conjugate(int lr, int lc, int xr, int xc) const {
    if (lr == xr && in_row[lr] == 2) return true;
    if (lc == xc && in_column[lc] == 2) return true;
    return box_of(lr, lc) == box_of(xr, xc) && in_box[box_of(lr, lc)] == 2;
  }
  int row_of_link(int k) const { return r[chain.cell[k]]; }
  int column_of_link(int k) const { return c[chain.cell[k]]; }
};

void list_holders(SinglesSearch& f) {
  for (int row = 0; row < 9; ++row) {
    for (int col = 0; col < 9; ++col) {
      if (!f.s.cell(row, col).is_possible(f.v)) continue;
      f.r[f.n] = row;
      f.c[f.n] = col;
      ++f.n;
      ++f.in_row[row];
      ++f.in_column[col];
      ++f.in_box[box_of(row, col)];
    }
  }
  for (int i = 0; i < f.n; ++i) {
    for (int j = 0; j < f.n; ++j) {
      if (j != i && f.conjugate(f.r[i], f.c[i], f.r[j], f.c[j])) f.link[i][f.n_links[i]++] = j;
    }
  }
}

bool in_singles_chain(const void* context, int r, int c) {
  const SinglesSearch& f = *static_cast<const SinglesSearch*>(context);
  for (int k = 0; k < f.chain.n; ++k) {
    if (f.row_of_link(k) == r && f.column_of_link(k) == c) return true;
  }
  return false;
}

// The chain's cells of one parity (0 even, 1 odd) from index first on, as a
// cell list in chain order.
CellSet chain_cells(const SinglesSearch& f, int first) {
  CellSet cells;
  for (int k = first; k < f.chain.n; k += 2) cells.add(f.row_of_link(k), f.column_of_link(k));
  return cells;
}

// The first cell X of S that is conjugate with the last chain cell: with c[0]
// as v, X would be v beside it, so c[0] and X are not v, the odd chain cells
// are v and the even ones are not.
int singles_contradiction(SinglesSearch& f, const CellSet& removals) {
  const int last = f.chain.n - 1;
  const int lr = f.row_of_link(last), lc = f.column_of_link(last);
  for (int i = 0; i < removals.count(); ++i) {
    const int xr = removals.row(i), xc = removals.column(i);
    if (!f.conjugate(lr, lc, xr, xc)) continue;
    Move& move = f.move;
    const int v = f.v;
    // The even cells lose v, the odd ones take it, then X loses it.
    for (int k = 0; k < f.chain.n; ++k) {
      if (k % 2 == 0) {
        move.remove(f.row_of_link(k), f.column_of_link(k), v);
      } else {
        move.place(f.row_of_link(k), f.column_of_link(k), v);
      }
    }
    move.remove(xr, xc, v);
    Text explanation;
    const int r0 = f.row_of_link(0), c0 = f.column_of_link(0);
    move.chain_append(xr, xc);
    move.mark_digit(r0, c0, v, kMarkRemove);
    move.mark_digit(xr, xc, v, kMarkRemove);
    for (int k = 1; k < f.chain.n; ++k) {
      move.mark_digit(f.row_of_link(k), f.column_of_link(k), v, k % 2 == 1 ? kMarkAnswer : kMarkRemove);
    }
    const std::string_view unit = xr == r0 ? "row" : xc == c0 ? "column" : "box";
    explanation.add("Cell ").cell_name(r0, c0).add(" and cell ").cell_name(xr, xc);
    explanation.add(" are in the same ").add(unit).add(" so they cannot have the same value. ");
    explanation.add("However, if either cell were ").number(v).add(", then both must be ").number(v);
    explanation.add(" because of the way they are locked with the other highlighted cells.");
    explanation.add("\n\nThis is impossible, so neither cell can be ").number(v).add(".  Furthermore, ");
    if (f.chain.n == 2) {
      // No further even cells to name: only the partner of c[0] is left.
      explanation.add("cell ").cell_name(f.row_of_link(1), f.column_of_link(1));
    } else {
      explanation.add("cells ").cell_list(chain_cells(f, 2), "and").add(" also cannot be ").number(v);
      explanation.add(", and cells ").cell_list(chain_cells(f, 1), "and");
    }
    explanation.add(" must be ").number(v).add(".");
    move.describe(kSinglesChainContradiction, kTemplateLong, explanation.str(), value_phrase(v));
    return kSinglesChainContradiction;
  }
  return kNothing;
}

// An even chain: one of its ends is v, so v leaves every cell that sees both.
int singles_chain_move(SinglesSearch& f) {
  const State& s = f.s;
  Move& move = f.move;
  const int v = f.v;
  const int last = f.chain.n - 1;
  const int r0 = f.row_of_link(0), c0 = f.column_of_link(0);
  const int rn = f.row_of_link(last), cn = f.column_of_link(last);
  // Step 1. The cells outside the chain that see both ends, in c[0]'s peer order.
  if (!some_cell_sees_both(s, r0, c0, rn, cn, v, [&f](int r, int c) { return in_singles_chain(&f, r, c); }))
    return kNothing;
  CellSet removals = peers_holding(s, r0, c0, v);
  for (int k = 0; k < f.chain.n; ++k) removals.remove(f.row_of_link(k), f.column_of_link(k));
  removals.intersect_with(peers_holding(s, rn, cn, v));
  if (removals.empty()) return kNothing;

  // Step 2. The chain is drawn whichever move it makes.
  for (int k = 0; k < f.chain.n; ++k) move.chain_append(f.row_of_link(k), f.column_of_link(k));
  // Step 3. A removal cell conjugate with the chain's end makes a contradiction.
  if (const int r = singles_contradiction(f, removals); r != kNothing) return r;

  // Step 4. v leaves the cells that see both ends.
  for (int i = 0; i < removals.count(); ++i) {
    move.remove(removals.row(i), removals.column(i), v);
    move.mark_digit(removals.row(i), removals.column(i), v, kMarkRemove);
  }
  // Step 5. The explanation.
  Text explanation;
  explanation.add("Either cell ").cell_name(r0, c0).add(" or cell ").cell_name(rn, cn).add(" must be ");
  explanation.number(v).add(" because of the way their ").number(v).add("'s are locked with the ");
  explanation.number(v).add("'s in the other highlighted cells.\n\nTherefore, ").number(v);
  explanation.add(" cannot be a possibility in ");
  removal_cells(explanation, removals).add(".");
  move.describe(f.table_number, kTemplateLong, explanation.str(), value_phrase(v));
  return f.table_number;
}

// Extends the chain depth first with the last cell's partners in row-major
// order: the order of a scan that restarts from the first cell after every
// extension and, when it runs out, drops the last cell and goes on after it.
int extend_singles_chain(SinglesSearch& f) {
  BusyManager& busy = f.busy;
  const int last = f.chain.cell[f.chain.n - 1];
  for (int k = 0; k < f.n_links[last]; ++k) {
    const int next = f.link[last][k];
    if (f.chain.in_chain[next]) continue;
    f.chain.push(next);
    if (f.chain.n % 2 == 0) {
      if (const int r = singles_chain_move(f); r != kNothing) return r;
      if (busy.cancel_pressed()) return kCancelled;
    }
    // The scan starts again: the player may cancel here.
    if (busy.cancelled()) return kCancelled;
    if (const int r = extend_singles_chain(f); r != kNothing) return r;
    f.chain.pop();
  }
  return kNothing;
}

// ---------------------------------------------------------------------------
// Pairs chain

// The bivalue cells (row-major) with their digits as masks, and for each the
// bivalue cells it sees, in row-major order. val[k] is the digit chain cell k
// takes if the first cell is not the start digit.
struct PairsSearch {
  PairsSearch(BusyManager& b, Move& m, const State& state, int number)
      : busy(b), move(m), s(state), table_number(number) {}

  BusyManager& busy;
  Move& move;
  const State& s;
  int table_number;
  int n = 0;
  int r[81], c[81];
  unsigned mask[81];
  int n_seen[81] = {};
  int seen[81][81];
  int v = 0;
  int limit = 4;
  bool limit_hit = false;
  Chain chain;
  int val[81];

  int row_at(int k) const { return r[chain.cell[k]]; }
  int column_at(int k) const { return c[chain.cell[k]]; }
  // The digit of bivalue cell i other than d.
  int other_digit(int i, int d) const {
    const unsigned rest = mask[i] & ~(1u << (d - 1));
    return __builtin_ctz(rest) + 1;
  }
};

void list_bivalue(PairsSearch& f) {
  for (int row = 0; row < 9; ++row) {
    for (int col = 0; col < 9; ++col) {
      const unsigned m = possibility_mask(f.s.cell(row, col));
      if (__builtin_popcount(m) != 2) continue;
      f.r[f.n] = row;
      f.c[f.n] = col;
      f.mask[f.n] = m;
      ++f.n;
    }
  }
  for (int i = 0; i < f.n; ++i) {
    for (int j = 0; j < f.n; ++j) {
      if (j != i && sees(f.r[i], f.c[i], f.r[j], f.c[j])) f.seen[i][f.n_seen[i]++] = j;
    }
  }
}

void append_chain_to_hint(PairsSearch& f) {
  for (int k = 0; k < f.chain.n; ++k) f.move.chain_append(f.row_at(k), f.column_at(k));
}

// Under the assumption that c[0] is not v, an earlier chain cell that sees the
// new last one would take the same digit: so c[0] is v.
int pairs_contradiction(PairsSearch& f) {
  const int last = f.chain.n - 1;
  for (int i = 0; i < last; ++i) {
    if (f.val[i] != f.val[last] || !sees(f.row_at(i), f.column_at(i), f.row_at(last), f.column_at(last))) {
      continue;
    }
    const int r0 = f.row_at(0), c0 = f.column_at(0);
    f.move.remove(r0, c0, f.val[0]);
    append_chain_to_hint(f);
    f.move.mark_digit(r0, c0, f.val[0], kMarkRemove);
    Text explanation;
    explanation.add("If cell ").cell_name(r0, c0).add(" is ").number(f.val[0]).add(", then cell ");
    explanation.cell_name(f.row_at(last), f.column_at(last)).add(" must be ").number(f.val[last]);
    explanation.add(" because of the way they are locked with the other highlighted cell(s). ");
    explanation.add("This is impossible because cell ").cell_name(f.row_at(i), f.column_at(i));
    explanation.add(" must also be ").number(f.val[i]).add(".\n\nTherefore, cell ").cell_name(r0, c0);
    explanation.add(" cannot be ").number(f.val[0]).add(".");
    f.move.describe(kPairsChainContradiction, kTemplateLong, explanation.str(), value_phrase(f.val[0]));
    return kPairsChainContradiction;
  }
  return kNothing;
}

bool is_pairs_chain_end(const void* context, int r, int c) {
  const PairsSearch& f = *static_cast<const PairsSearch*>(context);
  const int last = f.chain.n - 1;
  return (r == f.row_at(0) && c == f.column_at(0)) || (r == f.row_at(last) && c == f.column_at(last));
}

// The chain came back to v: one of its ends is v, so v leaves every cell
// that sees both ends (inner chain cells included).
int pairs_chain_move(PairsSearch& f) {
  const State& s = f.s;
  const int v = f.v;
  const int last = f.chain.n - 1;
  const int r0 = f.row_at(0), c0 = f.column_at(0);
  const int rn = f.row_at(last), cn = f.column_at(last);
  // Step 1. The removal cells, in c[0]'s peer order.
  if (!some_cell_sees_both(s, r0, c0, rn, cn, v, [&f](int r, int c) { return is_pairs_chain_end(&f, r, c); }))
    return kNothing;
  CellSet removals = peers_holding(s, r0, c0, v);
  removals.remove(r0, c0);
  removals.remove(rn, cn);
  removals.intersect_with(peers_holding(s, rn, cn, v));
  if (removals.empty()) return kNothing;
  // Step 2. v leaves them; the chain is drawn.
  for (int i = 0; i < removals.count(); ++i) f.move.remove(removals.row(i), removals.column(i), v);
  append_chain_to_hint(f);
  for (int i = 0; i < removals.count(); ++i) {
    f.move.mark_digit(removals.row(i), removals.column(i), v, kMarkRemove);
  }
  // Step 3. The explanation.
  Text explanation;
  explanation.add("Either cell ").cell_name(r0, c0).add(" or cell ").cell_name(rn, cn).add(" must be ");
  explanation.number(v).add(" because of the way they are locked with the other highlighted cells.");
  explanation.add("\n\nTherefore, ").number(v).add(" cannot be a possibility in ");
  removal_cells(explanation, removals).add(".");
  f.move.describe(f.table_number, kTemplateLong, explanation.str(), value_phrase(v));
  return f.table_number;
}

// Extends the chain depth first with the bivalue cells that see its last cell
// and hold the digit the last cell does not take, in row-major order. A chain
// at the limit does not grow; that it wanted to is remembered.
int extend_pairs_chain(PairsSearch& f) {
  BusyManager& busy = f.busy;
  const int last = f.chain.cell[f.chain.n - 1];
  const unsigned wanted = 1u << (f.val[f.chain.n - 1] - 1);
  for (int k = 0; k < f.n_seen[last]; ++k) {
    const int next = f.seen[last][k];
    if (f.chain.in_chain[next] || (f.mask[next] & wanted) == 0) continue;
    if (f.chain.n == f.limit) {
      // Every further cell of this scan would only set the flag again.
      f.limit_hit = true;
      return kNothing;
    }
    f.val[f.chain.n] = f.other_digit(next, f.val[f.chain.n - 1]);
    f.chain.push(next);
    // Step a. A contradiction.
    if (const int r = pairs_contradiction(f); r != kNothing) return r;
    if (busy.cancel_pressed()) return kCancelled;
    // Step b. Back at the start digit.
    if (f.val[f.chain.n - 1] == f.v) {
      if (const int r = pairs_chain_move(f); r != kNothing) return r;
      if (busy.cancel_pressed()) return kCancelled;
    }
    // Step c. The scan starts again: the player may cancel here.
    if (busy.cancelled()) return kCancelled;
    if (const int r = extend_pairs_chain(f); r != kNothing) return r;
    f.chain.pop();
  }
  return kNothing;
}

}  // namespace

int find_singles_chain(BusyManager& busy, int n, const State& s, int, Move& move) {
  for (int v = 1; v <= 9; ++v) {
    SinglesSearch f(busy, move, s, n, v);
    list_holders(f);
    if (busy.cancelled()) return 0;
    // Every cell holding v starts chains in turn, in row-major order.
    for (int start = 0; start < f.n; ++start) {
      f.chain.push(start);
      if (busy.cancelled()) return 0;
      const int r = extend_singles_chain(f);
      if (r == kCancelled) return 0;
      if (r != kNothing) return r;
      f.chain.pop();
    }
  }
  return 0;
}

int find_pairs_chain(BusyManager& busy, int n, const State& s, int, Move& move) {
  // One search object (about 27 KB, mostly the seen lists) serves every pass
  // and digit of the call.
  PairsSearch f(busy, move, s, n);
  list_bivalue(f);
  // Iterative deepening: limits 4, 8, 12, ... while a pass was cut short.
  for (f.limit = 4;; f.limit += 4) {
    f.limit_hit = false;
    for (int v = 1; v <= 9; ++v) {
      f.v = v;
      if (busy.cancelled()) return 0;
      const unsigned bit = 1u << (v - 1);
      for (int start = 0; start < f.n; ++start) {
        if ((f.mask[start] & bit) == 0) continue;
        f.val[0] = f.other_digit(start, v);
        f.chain.push(start);
        if (busy.cancelled()) return 0;
        const int r = extend_pairs_chain(f);
        if (r == kCancelled) return 0;
        if (r != kNothing) return r;
        f.chain.pop();
      }
    }
    if (!f.limit_hit) return 0;
  }
}

}  // namespace vantry
