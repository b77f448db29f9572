// Avoidable rectangles: A and B solved by the player (not given) at two
// corners of a rectangle spanning two boxes. Were the other two corners C and
// D to take B's and A's answers, the four answers could swap diagonals and the
// puzzle would have two solutions; each type draws its move from that.
//
//   A (solved a) ---- B (solved b)
//        |                 |
//   C (b, or {b,x}) -- D (a, or {a,x})
//
// The search: 1. each A solved by the player, in row-major order, with B
// after it in its row, then below it in its column; 2. each line across for C
// and D, within two boxes; 3. type 1 (also with A and B exchanged), then
// types 2 and 3.
#include "model/cellset.h"
#include "model/coords.h"
#include "model/state.h"
#include "strategy/finders/finder_support.h"
#include "strategy/finders/finders.h"
#include "strategy/finders/peers.h"
#include "strategy/hint_templates.h"
#include "strategy/move.h"
#include "strategy/text_builder.h"

namespace vantry {

namespace {

// A pair of solved cells and their lines: C runs along A's line, D along B's.
struct Rectangle {
  Move& move;
  const State& s;
  int n;
  Place a, b;
  int va, vb;              // the answers of A and B
  bool lines_are_columns;  // C and D lie in A's and B's columns (A, B share a row)
  int shared;              // the row (or column) that A and B share

  Place c_at(int i) const { return lines_are_columns ? Place{i, a.c} : Place{a.r, i}; }
  Place d_at(int i) const { return lines_are_columns ? Place{i, b.c} : Place{b.r, i}; }
  const Cell& cell(Place p) const { return s.cell(p.r, p.c); }
  bool two_boxes(Place c) const { return box_of(a.r, a.c) == box_of(b.r, b.c) || box_of(a.r, a.c) == box_of(c.r, c.c); }
};

bool solved_by_player(const Cell& cell) { return cell.answer != 0 && !cell.given; }

// Cells in `first, second, and last` form: ", " between, ", and " before the
// last of two or more.
Text& comma_list(Text& t, const CellSet& cells) {
  for (int i = 0; i < cells.count(); ++i) {
    t.add(i == 0 ? " " : i == cells.count() - 1 ? ", and " : ", ").cell_name(cells.row(i), cells.column(i));
  }
  return t;
}

void mark_corners(const Rectangle& q, Place c, Place d) {
  for (const Place p : {q.a, q.b, c, d}) q.move.mark_cell(p.r, p.c, kMarkRemove);
}

int describe(const Rectangle& q, const Text& explanation, int n) {
  q.move.describe(n, kTemplateLong, explanation.str(), values_phrase(q.va, q.vb));
  return n;
}

// Type 1: C solved by the player as B's answer; D must not take A's.
int type1(const Rectangle& q) {
  for (int i = 0; i < 9; ++i) {
    if (i == q.shared) continue;
    const Place c = q.c_at(i), d = q.d_at(i);
    if (!q.two_boxes(c)) continue;
    if (!solved_by_player(q.cell(c)) || q.cell(c).answer != q.vb || !q.cell(d).is_possible(q.va)) continue;
    q.move.remove(d.r, d.c, q.va);
    mark_corners(q, c, d);
    q.move.mark_digit(d.r, d.c, q.va, kMarkRemove);
    Text t;
    t.add("Cells ").cell_name(q.a.r, q.a.c).add(", ").cell_name(q.b.r, q.b.c).add(", and ").cell_name(c.r, c.c);
    t.add(" were all solved by you. If cell ").cell_name(d.r, d.c).add(" were ").number(q.va);
    t.add(
        ", these four cells would form an avoidable pattern, and the puzzle would have two valid "
        "solutions.\n\nThis cannot happen in a Sudoku with only one solution, so cell ");
    t.cell_name(d.r, d.c).add(" cannot be ").number(q.va).add(".");
    return describe(q, t, q.n);
  }
  return 0;
}

// Type 2: C = {b, x} and D = {a, x}: one of them is x, which leaves every
// cell that sees both.
int type2(const Rectangle& q) {
  for (int i = 0; i < 9; ++i) {
    if (i == q.shared) continue;
    const Place c = q.c_at(i), d = q.d_at(i);
    if (!q.two_boxes(c)) continue;
    int dc[9], dd[9];
    if (q.cell(c).list_possibilities(dc) != 2 || q.cell(d).list_possibilities(dd) != 2) continue;
    if (!q.cell(c).is_possible(q.vb) || !q.cell(d).is_possible(q.va)) continue;
    const int x = dc[0] == q.vb ? dc[1] : dc[0];
    if ((dd[0] == q.va ? dd[1] : dd[0]) != x || x == q.vb || x == q.va) continue;
    CellSet removals = peers_holding(q.s, c.r, c.c, x);
    removals.intersect_with(peers_holding(q.s, d.r, d.c, x));
    removals.remove(c.r, c.c);
    removals.remove(d.r, d.c);
    if (removals.empty()) continue;
    for (int k = 0; k < removals.count(); ++k) q.move.remove(removals.row(k), removals.column(k), x);
    mark_corners(q, c, d);
    for (int k = 0; k < removals.count(); ++k) q.move.mark_digit(removals.row(k), removals.column(k), x, kMarkRemove);
    Text t;
    t.add("Cells ").cell_name(q.a.r, q.a.c).add(" and ").cell_name(q.b.r, q.b.c);
    t.add(" were both solved by you.  If cell ").cell_name(c.r, c.c).add(" were ").number(q.vb);
    t.add(" and cell ").cell_name(d.r, d.c).add(" were ").number(q.va);
    t.add(
        ", then these four cells would form an avoidable pattern, and the puzzle would have two "
        "equally good solutions. \nThis cannot happen in a Sudoku with only one solution so one of "
        "these two cells must be ");
    t.number(x).add(", which can therefore be deleted as a possibility from cell");
    comma_list(t.add(removals.count() > 1 ? "s" : ""), removals).add(".");
    return describe(q, t, q.n + 1);
  }
  return 0;
}

// Type 3: C's and D's other digits are two, x1 and x2; with a partner cell E
// = {x1, x2} that sees both, they act as a naked pair.
int type3(const Rectangle& q) {
  for (int i = 0; i < 9; ++i) {
    if (i == q.shared) continue;
    const Place c = q.c_at(i), d = q.d_at(i);
    if (!q.two_boxes(c)) continue;
    // Step 1. Two or three digits each, C holding B's answer and D A's.
    int dc[9], dd[9];
    const int nc = q.cell(c).list_possibilities(dc), nd = q.cell(d).list_possibilities(dd);
    if (nc < 2 || nc > 3 || nd < 2 || nd > 3) continue;
    if (!q.cell(c).is_possible(q.vb) || !q.cell(d).is_possible(q.va)) continue;
    int extra[6], n_extra = 0;
    auto collect = [&](const int* digits, int count, int skip) {
      for (int k = 0; k < count; ++k) {
        bool seen = digits[k] == skip;
        for (int j = 0; j < n_extra && !seen; ++j) seen = extra[j] == digits[k];
        if (!seen) extra[n_extra++] = digits[k];
      }
    };
    collect(dc, nc, q.vb);
    collect(dd, nd, q.va);
    if (n_extra != 2) continue;
    const int x1 = extra[0], x2 = extra[1];
    // Step 2. Cells seeing C and D that hold both; a bivalue one is a partner.
    const unsigned both = (1u << (x1 - 1)) | (1u << (x2 - 1));
    CellSet partners = peers_holding(q.s, c.r, c.c, x1);
    partners.intersect_with(peers_holding(q.s, d.r, d.c, x1));
    partners.intersect_with(peers_holding(q.s, c.r, c.c, x2));
    partners.intersect_with(peers_holding(q.s, d.r, d.c, x2));
    partners.remove(c.r, c.c);
    partners.remove(d.r, d.c);
    for (int k = 0; k < partners.count(); ++k) {
      const Place e{partners.row(k), partners.column(k)};
      if (possibility_mask(q.cell(e)) != both) continue;
      // Step 3. Cells that see E, C and D and hold x1, then x2.
      CellSet removals = peers_holding(q.s, e.r, e.c, x1);
      removals.intersect_with(peers_holding(q.s, c.r, c.c, x1));
      removals.intersect_with(peers_holding(q.s, d.r, d.c, x1));
      CellSet second = peers_holding(q.s, e.r, e.c, x2);
      second.intersect_with(peers_holding(q.s, c.r, c.c, x2));
      second.intersect_with(peers_holding(q.s, d.r, d.c, x2));
      removals.union_with(second);
      for (const Place p : {c, d, e}) removals.remove(p.r, p.c);
      if (removals.empty()) continue;
      // Step 4. The move.
      for (int j = 0; j < removals.count(); ++j) {
        for (const int x : {x1, x2}) {
          if (!q.s.cell(removals.row(j), removals.column(j)).is_possible(x)) continue;
          q.move.remove(removals.row(j), removals.column(j), x);
          q.move.mark_digit(removals.row(j), removals.column(j), x, kMarkRemove);
        }
      }
      mark_corners(q, c, d);
      q.move.mark_cell(e.r, e.c, kMarkShow);
      Text t;
      t.add("Cells ").cell_name(q.a.r, q.a.c).add(" and ").cell_name(q.b.r, q.b.c);
      t.add(" were both solved by you.  If cell ").cell_name(c.r, c.c).add(" were ").number(q.vb);
      t.add(" and cell ").cell_name(d.r, d.c).add(" were ").number(q.va);
      t.add(
          ", then these four cells would form an avoidable pattern. \n\nTherefore, one of these two "
          "cells must be ");
      t.number(x1).add(" or ").number(x2).add(", which forces cell ").cell_name(e.r, e.c);
      t.add(" to be the other value.  ").number(x1).add(" and ").number(x2);
      t.add(" can therefore be deleted as possibilities from cell");
      comma_list(t.add(removals.count() > 1 ? "s" : ""), removals).add(".");
      return describe(q, t, q.n + 2);
    }
  }
  return 0;
}

int test_pair(Move& move, int n, const State& s, Place a, Place b, bool lines_are_columns) {
  const int va = s.cell(a.r, a.c).answer, vb = s.cell(b.r, b.c).answer;
  const int shared = lines_are_columns ? a.r : a.c;
  const Rectangle ab{move, s, n, a, b, va, vb, lines_are_columns, shared};
  const Rectangle ba{move, s, n, b, a, vb, va, lines_are_columns, shared};
  if (const int r = type1(ab)) return r;
  if (const int r = type1(ba)) return r;
  if (const int r = type2(ab)) return r;
  return type3(ab);
}

}  // namespace

int find_avoidable_rectangle(BusyManager&, int n, const State& s, int /*argument*/, Move& move) {
  for (int r = 0; r < 9; ++r) {
    for (int c = 0; c < 9; ++c) {
      if (!solved_by_player(s.cell(r, c))) continue;
      // Step 1. B to the right in A's row: C and D lie in the two columns.
      for (int c2 = c + 1; c2 < 9; ++c2) {
        if (!solved_by_player(s.cell(r, c2))) continue;
        if (const int result = test_pair(move, n, s, {r, c}, {r, c2}, true)) return result;
      }
      // Step 2. B below in A's column: C and D lie in the two rows.
      for (int r2 = r + 1; r2 < 9; ++r2) {
        if (!solved_by_player(s.cell(r2, c))) continue;
        if (const int result = test_pair(move, n, s, {r, c}, {r2, c}, false)) return result;
      }
    }
  }
  return 0;
}

}  // namespace vantry
