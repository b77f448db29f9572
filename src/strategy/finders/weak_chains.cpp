// Weak singles chain: assume a start cell S0 is not d and follow, on working
// copies of the board, the cells forced to d. A cell that loses d both when
// S0 is d and when it is not cannot be d (the chain move); two forced cells
// that see each other prove S0 is d (the contradiction).
#include "classlib/contract.h"
#include "model/busy_manager.h"
#include "model/cellset.h"
#include "model/coords.h"
#include "model/state.h"
#include "strategy/finders/finder_support.h"
#include "strategy/finders/finders.h"
#include "strategy/finders/peers.h"
#include "strategy/finders/state_stack.h"
#include "strategy/hint_templates.h"
#include "strategy/move.h"
#include "strategy/text_builder.h"

namespace vantry {

namespace {

bool same(Place a, Place b) { return a.r == b.r && a.c == b.c; }

// One forced cell of a chain step: the weak cell whose unit forced it.
struct Forced {
  Place weak, forced;
};

inline constexpr int kChainRoom = 24;

struct WeakSearch : SearchOn {
  using SearchOn::SearchOn;
  int d = 0;
  Place s0{};
  CellSet p;  // the cells that lose d when S0 is d
  // Even positions assumed not d, odd positions assumed d. Each step places d
  // on a new cell of its copy, so a chain has at most 2 + 2 * 9 cells.
  Place chain[kChainRoom] = {};
  StateStack copies;  // copy k is the board of chain step k

  bool cancelled() { return busy.cancel_pressed(); }
};

void append_chain(WeakSearch& w, int k) {
  for (int i = 0; i <= k; ++i) {
    if (w.move.chain_length() < 81) w.move.chain_append(w.chain[i].r, w.chain[i].c);
  }
}

// The cells that see x and hold d on c, x left out: row, column, then box.
CellSet seen_holding(const State& c, Place x, int d) {
  CellSet q;
  for (int col = 0; col < 9; ++col) {
    if (col != x.c && c.cell(x.r, col).is_possible(d)) q.add(x.r, col);
  }
  for (int row = 0; row < 9; ++row) {
    if (row != x.r && c.cell(row, x.c).is_possible(d)) q.add(row, x.c);
  }
  const int b = box_of(x.r, x.c);
  for (int pos = 0; pos < 9; ++pos) {
    const int r = row_of(b, pos), col = column_of(b, pos);
    if ((r != x.r || col != x.c) && c.cell(r, col).is_possible(d)) q.add(r, col);
  }
  return q;
}

int chain_move(WeakSearch& w, int k, const CellSet& removals) {
  for (int i = 0; i < removals.count(); ++i) w.move.remove(removals.row(i), removals.column(i), w.d);
  const Place x = w.chain[k];
  append_chain(w, k);
  for (int i = 0; i < removals.count(); ++i) {
    w.move.mark_digit(removals.row(i), removals.column(i), w.d, kMarkRemove);
  }
  Text t;
  t.add("Cell ").cell_name(w.s0.r, w.s0.c).add(" either is ").number(w.d).add(" or it is not ").number(w.d);
  t.add(". If it is not ").number(w.d).add(", then cell ").cell_name(x.r, x.c).add(" must be ").number(w.d);
  t.add(" because of the way their ").number(w.d).add("'s are locked with the ").number(w.d);
  t.add("'s in the other highlighted cells. So either cell ").cell_name(w.s0.r, w.s0.c).add(" or cell ");
  t.cell_name(x.r, x.c).add(" must be ").number(w.d).add("\n\nTherefore, ").number(w.d);
  t.add(" cannot be a possibility in cell").add(removals.count() > 1 ? "s " : " ").cell_list(removals, "and");
  t.add(".");
  w.move.describe(w.n, kTemplateLong, t.str(), value_phrase(w.d));
  return w.n;
}

int contradiction_move(WeakSearch& w, int k, const State& c, const Forced& one, const Forced& other) {
  const int n = w.n + 1;
  w.move.place(w.s0.r, w.s0.c, w.d);
  const Place x = w.chain[k];
  append_chain(w, k);
  for (const Place p : {one.forced, other.forced, one.weak, other.weak}) w.move.mark_cell(p.r, p.c, kMarkRemove);
  w.move.mark_digit(one.weak.r, one.weak.c, w.d, 11);
  w.move.mark_digit(other.weak.r, other.weak.c, w.d, 11);
  w.move.mark_digit(w.s0.r, w.s0.c, w.d, kMarkAnswer);
  // What the assumption crossed out on its way to X.
  for (int r = 0; r < 9; ++r) {
    for (int col = 0; col < 9; ++col) {
      if (r == w.s0.r && col == w.s0.c) continue;
      const Cell& real = w.s.cell(r, col);
      const Cell& copy = c.cell(r, col);
      for (int digit = 1; digit <= 9; ++digit) {
        if (!real.is_possible(digit) || w.move.digit_mark(r, col, digit) != 0 || copy.is_possible(digit)) continue;
        if (digit == w.d && copy.answer == w.d) continue;
        w.move.mark_digit(r, col, digit, 11);
      }
    }
  }
  Text t;
  t.add("If cell ").cell_name(w.s0.r, w.s0.c).add(" is not ").number(w.d).add(", then cell ").cell_name(x.r, x.c);
  t.add(" must be ").number(w.d).add(" because of the way their ").number(w.d).add("'s are locked with the ");
  t.number(w.d).add("'s in the other highlighted cells. But then cells ").cell_name(one.weak.r, one.weak.c);
  t.add(" and ").cell_name(other.weak.r, other.weak.c).add(" cannot be ").number(w.d);
  t.add(", which forces cells ").cell_name(one.forced.r, one.forced.c).add(" and ");
  t.cell_name(other.forced.r, other.forced.c).add(" to both be ").number(w.d);
  t.add(", which is impossible.\n\nTherefore, cell ").cell_name(w.s0.r, w.s0.c).add(" must be ").number(w.d).add(".");
  w.move.describe(n, kTemplateLong, t.str(), value_phrase(w.d));
  return n;
}

// A chain step: X, at chain position k, is assumed d on copy k.
int chain_step(WeakSearch& w, int k) {
  // Step 1. Poll; a cell already in the chain ends this branch.
  if (w.busy.cancelled()) return 0;
  const Place x = w.chain[k];
  for (int i = 0; i < k; ++i) {
    if (same(w.chain[i], x)) return 0;
  }
  const State& c = w.copies.at(k);
  // Step 2. The cells that lose d when X is d.
  CellSet q = seen_holding(c, x, w.d);
  // Step 3. Any of them also lost when S0 is d: the chain move.
  for (int i = 0; i < q.count(); ++i) {
    if (w.p.contains(q.row(i), q.column(i))) {
      q.intersect_with(w.p);
      return chain_move(w, k, q);
    }
  }
  // Step 4. Place d in X on the next copy; every unit of a cell that lost d
  // with one place left forces that place, which extends the chain.
  VANTRY_ASSERT(k + 2 < kChainRoom);
  State& c2 = w.copies.at(k + 2);
  c2 = c;
  c2.set_answer(x.r, x.c, w.d);
  Forced forced[81];
  int n_forced = 0;
  constexpr UnitKind kUnits[3] = {UnitKind::Row, UnitKind::Column, UnitKind::Box};
  for (int i = 0; i < q.count(); ++i) {
    const Place weak{q.row(i), q.column(i)};
    for (const UnitKind kind : kUnits) {
      const int index = kind == UnitKind::Row ? weak.r : kind == UnitKind::Column ? weak.c : box_of(weak.r, weak.c);
      int places[9];
      if (c2.unit(kind, index).places_of_digit(w.d, places) != 1) continue;
      Place f{};
      cell_of(kind, index, places[0], f.r, f.c);
      w.chain[k + 1] = weak;
      w.chain[k + 2] = f;
      if (const int result = chain_step(w, k + 2)) return result;
      if (w.cancelled()) return 0;
      // Contradiction test: a new forced cell that sees an earlier one.
      bool known = false;
      for (int j = 0; j < n_forced && !known; ++j) known = same(forced[j].forced, f);
      if (known) continue;
      forced[n_forced++] = {weak, f};
      for (int j = 0; j < n_forced - 1; ++j) {
        const Place g = forced[j].forced;
        if (g.r == f.r || g.c == f.c || box_of(g.r, g.c) == box_of(f.r, f.c)) {
          return contradiction_move(w, k, c, forced[n_forced - 1], forced[j]);
        }
      }
    }
  }
  return 0;
}

// The start step: S0 loses d on copy 1; each cell conjugate with S0 on d (in
// its box, row, then column) is assumed d.
int start_step(WeakSearch& w) {
  State& copy = w.copies.at(1);
  copy = w.s;
  copy.delete_possibility(w.s0.r, w.s0.c, w.d);
  if (w.busy.cancelled()) return 0;
  constexpr UnitKind kUnits[3] = {UnitKind::Box, UnitKind::Row, UnitKind::Column};
  for (const UnitKind kind : kUnits) {
    const int index = kind == UnitKind::Row ? w.s0.r : kind == UnitKind::Column ? w.s0.c : box_of(w.s0.r, w.s0.c);
    int places[9];
    if (w.s.unit(kind, index).places_of_digit(w.d, places) != 2) continue;
    for (int k = 0; k < 2; ++k) {
      Place partner{};
      cell_of(kind, index, places[k], partner.r, partner.c);
      if (same(partner, w.s0)) continue;
      w.chain[0] = w.s0;
      w.chain[1] = partner;
      if (const int result = chain_step(w, 1)) return result;
      if (w.cancelled()) return 0;
    }
  }
  return 0;
}

}  // namespace

int find_weak_singles_chain(BusyManager& busy, int n, const State& s, int /*argument*/, Move& move) {
  WeakSearch w(busy, move, s, n);
  for (int r = 0; r < 9; ++r) {
    for (int c = 0; c < 9; ++c) {
      int digits[9];
      const int held = s.cell(r, c).list_possibilities(digits);
      for (int i = 0; i < held; ++i) {
        w.s0 = {r, c};
        w.d = digits[i];
        w.p = peers_holding(s, r, c, w.d);
        w.p.remove(r, c);
        if (w.p.empty()) continue;
        if (const int result = start_step(w)) return result;
        if (w.cancelled()) return 0;
      }
    }
  }
  return 0;
}

}  // namespace vantry
