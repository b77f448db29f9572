// W-wings: two bivalue cells A and B with the same pair that share no unit.
// Each type finds its own reason why one of them must take the second digit
// of the pair (the removed digit); that digit then leaves every cell that sees
// both. The four types share the pair search and the move ending.
//
//   type 1:   A {x,y} . . . P(x) ==== Q(x) . . . B {x,y}
//             A sees P, B sees Q, and P-Q is a strong link on x: one of A
//             and B is y, so y leaves every cell that sees both.
//
// The search: 1. A in row-major order, B after it with the same pair and in
// no common unit; 2. the type's own test (a link, a box, a line); 3. the
// covered cells that still hold the removed digit.
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

bool holds(const State& s, Place p, int d) { return s.cell(p.r, p.c).is_possible(d); }
bool same_cell(Place a, Place b) { return a.r == b.r && a.c == b.c; }
bool sees(Place a, Place b) { return vantry::sees(a.r, a.c, b.r, b.c); }

// The pair being tested and what every type needs to end with a move.
struct Wing {
  Move& move;
  const State& s;
  int n;
  Place a, b;
  int p0, p1;  // the pair, ascending
};

// Up to six cells that see both x and y (which share no unit), unsolved and
// holding d, in the order the explanations name them.
struct Covered {
  int count = 0;
  Place cells[6];
};

Covered covered_by_both(const State& s, Place x, Place y, int d) {
  Covered out;
  auto consider = [&](int r, int c) {
    if (s.cell(r, c).is_possible(d)) out.cells[out.count++] = {r, c};
  };
  if (x.r / 3 == y.r / 3) {
    // Same band: y's row inside x's box, then x's row inside y's box.
    for (int k = 0; k < 3; ++k) consider(y.r, x.c / 3 * 3 + k);
    for (int k = 0; k < 3; ++k) consider(x.r, y.c / 3 * 3 + k);
  } else if (x.c / 3 == y.c / 3) {
    for (int k = 0; k < 3; ++k) consider(x.r / 3 * 3 + k, y.c);
    for (int k = 0; k < 3; ++k) consider(y.r / 3 * 3 + k, x.c);
  } else {
    consider(y.r, x.c);
    consider(x.r, y.c);
  }
  return out;
}

// The common ending: d leaves the covered cells. The caller has already
// marked the pattern's own cells.
void make_move(Wing& w, const Covered& cells, int d, const Text& explanation, int template_id) {
  for (int k = 0; k < cells.count; ++k) {
    w.move.remove(cells.cells[k].r, cells.cells[k].c, d);
    w.move.mark_digit(cells.cells[k].r, cells.cells[k].c, d, kMarkRemove);
  }
  w.move.describe(w.n, template_id, explanation.str(), value_phrase(d));
}

void mark_cell(Move& move, Place p, int mark) { move.mark_cell(p.r, p.c, mark); }
void mark_digit(Move& move, Place p, int d, int mark) { move.mark_digit(p.r, p.c, d, mark); }

// The other unsolved cell holding d in a unit that holds d in exactly two
// cells, one of them p; {-1, -1} when the unit is no strong link.
Place partner(const State& s, UnitKind kind, Place p, int d) {
  const int index = kind == UnitKind::Row ? p.r : kind == UnitKind::Column ? p.c : box_of(p.r, p.c);
  int places[9];
  if (s.unit(kind, index).places_of_digit(d, places) != 2) return {-1, -1};
  for (int k = 0; k < 2; ++k) {
    Place q{};
    cell_of(kind, index, places[k], q.r, q.c);
    if (!same_cell(p, q)) return q;
  }
  return {-1, -1};
}

// Type 1: a strong link on x from P (seeing A) to Q (seeing B).
bool try_link(Wing& w, Place p, Place q, int x, int y) {
  if (q.r < 0 || same_cell(q, w.a) || same_cell(q, w.b) || !sees(q, w.b)) return false;
  const Covered cells = covered_by_both(w.s, w.a, w.b, y);
  if (cells.count == 0) return false;
  Text explanation;
  mark_cell(w.move, w.a, kMarkRemove);
  mark_cell(w.move, w.b, kMarkRemove);
  mark_cell(w.move, p, kMarkShow);
  mark_cell(w.move, q, kMarkShow);
  mark_digit(w.move, p, x, kMarkShow);
  mark_digit(w.move, q, x, kMarkShow);
  explanation.add("Either cell ").cell_name(p.r, p.c).add(" or ").cell_name(q.r, q.c);
  explanation.add(" must be ").number(x).add(". If cell ").cell_name(p.r, p.c).add(" was ").number(x);
  explanation.add(", then cell ").cell_name(w.a.r, w.a.c).add(" would have to be ").number(y);
  explanation.add(". But if cell ").cell_name(q.r, q.c).add(" was ").number(x).add(", then cell ");
  explanation.cell_name(w.b.r, w.b.c).add(" would have to be ").number(y).add(". So ").number(y);
  explanation.add(" can be removed from all cells that are covered by cells ").cell_name(w.a.r, w.a.c);
  explanation.add(" and ").cell_name(w.b.r, w.b.c).add(".");
  make_move(w, cells, y, explanation, kTemplateMedium);
  return true;
}

bool test_type1(Wing& w) {
  for (int k = 0; k < 2; ++k) {
    const int x = k == 0 ? w.p0 : w.p1, y = k == 0 ? w.p1 : w.p0;
    // Step 1. Link cells in A's box; each tries its row, then its column.
    const int box = box_of(w.a.r, w.a.c);
    for (int pos = 0; pos < 9; ++pos) {
      const Place p{row_of(box, pos), column_of(box, pos)};
      if (same_cell(p, w.a) || !holds(w.s, p, x)) continue;
      if (try_link(w, p, partner(w.s, UnitKind::Row, p, x), x, y)) return true;
      if (try_link(w, p, partner(w.s, UnitKind::Column, p, x), x, y)) return true;
    }
    // Step 2. Link cells in A's row; each tries its box, then its column.
    for (int c = 0; c < 9; ++c) {
      const Place p{w.a.r, c};
      if (c == w.a.c || !holds(w.s, p, x)) continue;
      if (try_link(w, p, partner(w.s, UnitKind::Box, p, x), x, y)) return true;
      if (try_link(w, p, partner(w.s, UnitKind::Column, p, x), x, y)) return true;
    }
    // Step 3. Link cells in A's column; each tries its box, then its row.
    for (int r = 0; r < 9; ++r) {
      const Place p{r, w.a.c};
      if (r == w.a.r || !holds(w.s, p, x)) continue;
      if (try_link(w, p, partner(w.s, UnitKind::Box, p, x), x, y)) return true;
      if (try_link(w, p, partner(w.s, UnitKind::Row, p, x), x, y)) return true;
    }
  }
  return false;
}

// Type 3: in the third box of the band (stack) of A and B, the link digit z
// lies only in A's and B's rows (columns), in both of them.
bool test_type3(Wing& w) {
  const bool band = w.a.r / 3 == w.b.r / 3;
  const bool stack = w.a.c / 3 == w.b.c / 3;
  if (!band && !stack) return false;
  // The third box and, inside it, the line that is neither A's nor B's.
  const int box_a = box_of(w.a.r, w.a.c), box_b = box_of(w.b.r, w.b.c);
  int third_box = 0;
  for (int k = 0; k < 3; ++k) {
    const int box = band ? box_a / 3 * 3 + k : box_a % 3 + 3 * k;
    if (box != box_a && box != box_b) third_box = box;
  }
  const int line_a = band ? w.a.r : w.a.c, line_b = band ? w.b.r : w.b.c;
  const int third_line = (line_a / 3 * 3) * 3 + 3 - line_a - line_b;
  // The cell of the third box on a line at offset k along it.
  auto at = [&](int line, int k) {
    return band ? Place{line, third_box % 3 * 3 + k} : Place{third_box / 3 * 3 + k, line};
  };
  for (int t = 0; t < 2; ++t) {
    const int z = t == 0 ? w.p0 : w.p1, rm = t == 0 ? w.p1 : w.p0;
    bool in_a = false, in_b = false, in_third = false;
    for (int k = 0; k < 3; ++k) {
      in_a = in_a || holds(w.s, at(line_a, k), z);
      in_b = in_b || holds(w.s, at(line_b, k), z);
      in_third = in_third || holds(w.s, at(third_line, k), z);
    }
    if (!in_a || !in_b || in_third) continue;
    const Covered cells = covered_by_both(w.s, w.a, w.b, rm);
    if (cells.count == 0) continue;
    Text explanation;
    for (int k = 0; k < 3; ++k) {
      for (const Place p : {at(line_a, k), at(line_b, k)}) {
        mark_cell(w.move, p, kMarkShow);
        if (holds(w.s, p, z)) mark_digit(w.move, p, z, kMarkShow);
      }
    }
    mark_cell(w.move, w.a, kMarkRemove);
    mark_cell(w.move, w.b, kMarkRemove);
    explanation.add("In box ").unit_number(third_box).add(", the value ").number(z);
    explanation.add(" must appear in either ").add(band ? "row " : "column ").unit_number(line_a);
    explanation.add(" or ").unit_number(line_b).add(". Therefore, either cell ").cell_name(w.a.r, w.a.c);
    explanation.add(" or cell ").cell_name(w.b.r, w.b.c).add(" must be ").number(rm).add(". So ");
    explanation.number(rm).add(" can be removed from all cells that are covered by both cell ");
    explanation.cell_name(w.a.r, w.a.c).add(" and cell ").cell_name(w.b.r, w.b.c).add(".");
    make_move(w, cells, rm, explanation, kTemplateMedium);
    return true;
  }
  return false;
}

// The two cells that see both C1 and C2 (different bands and stacks): the
// first corner (row of C1, column of C2), the second (row of C2, column of C1),
// each kept only when it holds d.
Covered corners(const State& s, Place c1, Place c2, int d) {
  Covered out;
  for (const Place p : {Place{c1.r, c2.c}, Place{c2.r, c1.c}}) {
    if (holds(s, p, d)) out.cells[out.count++] = p;
  }
  return out;
}

// Type 2 line check. In C1's box, z lies (besides C1) in exactly one line
// across C1's band or stack, and along that line outside the box only in the
// cell level with C2. The line found, or -1. by_column: the lines are columns.
int line_check(const State& s, Place c1, Place c2, int z, bool by_column) {
  const int own = by_column ? c1.c : c1.r;
  const int far = by_column ? c2.r : c2.c;  // C2's place along the line
  const int box = box_of(c1.r, c1.c);
  int found = -1, counted = 0;
  for (int k = 0; k < 3; ++k) {
    const int line = own / 3 * 3 + k;
    // Does the line hold z inside C1's box (C1 excluded)?
    bool in_box = false;
    for (int j = 0; j < 3; ++j) {
      const int along = (by_column ? c1.r : c1.c) / 3 * 3 + j;
      const Place p = by_column ? Place{along, line} : Place{line, along};
      if (same_cell(p, c1) || box_of(p.r, p.c) != box) continue;
      if (holds(s, p, z)) in_box = true;
    }
    if (!in_box) continue;
    if (line == own) return -1;
    // Outside C1's box: in C2's band (stack) only level with C2, in the
    // remaining band (stack) nowhere.
    for (int along = 0; along < 9; ++along) {
      if (along / 3 == (by_column ? c1.r : c1.c) / 3) continue;
      const Place p = by_column ? Place{along, line} : Place{line, along};
      const bool held = holds(s, p, z);
      if (along / 3 == far / 3) {
        if (held != (along == far)) return -1;
      } else if (held) {
        return -1;
      }
    }
    found = line;
    ++counted;
  }
  return counted == 1 ? found : -1;
}

bool test_type2(Wing& w) {
  if (w.a.r / 3 == w.b.r / 3 || w.a.c / 3 == w.b.c / 3) return false;
  for (int t = 0; t < 2; ++t) {
    const int z = t == 0 ? w.p0 : w.p1, rm = t == 0 ? w.p1 : w.p0;
    // Column check (A, B), else (B, A); then the row check likewise.
    for (int check = 0; check < 2; ++check) {
      const bool by_column = check == 0;
      Place c1 = w.a, c2 = w.b;
      int line = line_check(w.s, c1, c2, z, by_column);
      if (line < 0) {
        c1 = w.b;
        c2 = w.a;
        line = line_check(w.s, c1, c2, z, by_column);
      }
      if (line < 0) continue;
      const Covered cells = corners(w.s, c1, c2, rm);
      if (cells.count == 0) continue;  // nothing to remove: the next check
      const Place level = by_column ? Place{c2.r, line} : Place{line, c2.c};
      Text explanation;
      const int box = box_of(c1.r, c1.c);
      for (int j = 0; j < 3; ++j) {
        const Place p = by_column ? Place{box / 3 * 3 + j, line} : Place{line, box % 3 * 3 + j};
        mark_cell(w.move, p, kMarkShow);
        if (holds(w.s, p, z)) mark_digit(w.move, p, z, kMarkShow);
      }
      mark_cell(w.move, level, kMarkShow);
      mark_digit(w.move, level, z, kMarkShow);
      mark_cell(w.move, c1, kMarkRemove);
      mark_cell(w.move, c2, kMarkRemove);
      explanation.add("In ").add(by_column ? "column " : "row ").unit_number(line);
      explanation.add(", the value ").number(z).add(" appears only in cell ").cell_name(level.r, level.c);
      explanation.add(" and box ").unit_number(box_of(c1.r, c1.c));
      explanation.add(", so we know that either cell ").cell_name(c1.r, c1.c).add(" or cell ");
      explanation.cell_name(c2.r, c2.c).add(" must be ").number(rm).add(". Therefore, we can eliminate ");
      explanation.number(rm).add(" as a possibility in cell ");
      for (int k = 0; k < cells.count; ++k) {
        if (k > 0) explanation.add(" and cell ");
        explanation.cell_name(cells.cells[k].r, cells.cells[k].c);
      }
      explanation.add(".");
      make_move(w, cells, rm, explanation, kTemplateMedium);
      return true;
    }
  }
  return false;
}

// Type 4: the box in C1's band and C2's stack holds z only on C1's row and
// C2's column; whichever holds it, C1 or C2 must be the other digit.
bool test_type4(Wing& w) {
  if (w.a.r / 3 == w.b.r / 3 || w.a.c / 3 == w.b.c / 3) return false;
  for (int o = 0; o < 2; ++o) {
    const Place c1 = o == 0 ? w.a : w.b, c2 = o == 0 ? w.b : w.a;
    const int box = box_of(c1.r, c2.c);
    for (int t = 0; t < 2; ++t) {
      const int z = t == 0 ? w.p0 : w.p1, rm = t == 0 ? w.p1 : w.p0;
      bool any = false, outside = false;
      for (int pos = 0; pos < 9; ++pos) {
        const Place p{row_of(box, pos), column_of(box, pos)};
        if (!holds(w.s, p, z)) continue;
        any = true;
        if (p.r != c1.r && p.c != c2.c) outside = true;
      }
      if (!any || outside) continue;
      // The first value that fits decides this orientation.
      const Covered cells = corners(w.s, c1, c2, rm);
      if (cells.count == 0) break;
      Text explanation;
      for (int pos = 0; pos < 9; ++pos) {
        const Place p{row_of(box, pos), column_of(box, pos)};
        if (p.r == c1.r || p.c == c2.c) mark_cell(w.move, p, kMarkShow);
        if (holds(w.s, p, z)) mark_digit(w.move, p, z, kMarkShow);
      }
      mark_cell(w.move, c1, kMarkRemove);
      mark_cell(w.move, c2, kMarkRemove);
      explanation.add("The value ").number(z).add(" only appears in box ").unit_number(box);
      explanation.add(" in the same row as cell ").cell_name(c1.r, c1.c);
      explanation.add(" or in the same column as cell ").cell_name(c2.r, c2.c);
      explanation.add(". There must be a ").number(z).add(" somewhere in box ").unit_number(box);
      explanation.add(". If it is in row ").unit_number(c1.r).add(", then cell ").cell_name(c1.r, c1.c);
      explanation.add(" must be ").number(rm).add(". If it is in column ").unit_number(c2.c);
      explanation.add(", then cell ").cell_name(c2.r, c2.c).add(" must be ").number(rm);
      explanation.add(". One or the other of these two cells must be ").number(rm);
      explanation.add(" so we can remove ").number(rm);
      explanation.add(" from all cells that are covered by both ").cell_name(c1.r, c1.c).add(" and ");
      explanation.cell_name(c2.r, c2.c).add(".");
      make_move(w, cells, rm, explanation, kTemplateLong);
      return true;
    }
  }
  return false;
}

// The pair search shared by the four types: A in row-major order, B after it,
// both bivalue with the same pair and in no common unit.
int w_wing_search(Move& move, int n, const State& s, bool (*test)(Wing&)) {
  for (int a = 0; a < 81; ++a) {
    int pair[9];
    const Cell& cell_a = s.cell(a / 9, a % 9);
    if (cell_a.list_possibilities(pair) != 2) continue;
    const unsigned mask = possibility_mask(cell_a);
    for (int b = a + 1; b < 81; ++b) {
      const Place pa{a / 9, a % 9}, pb{b / 9, b % 9};
      const Cell& cell_b = s.cell(pb.r, pb.c);
      if (cell_b.list_possibilities() != 2 || possibility_mask(cell_b) != mask) continue;
      if (sees(pa, pb)) continue;
      Wing w{move, s, n, pa, pb, pair[0], pair[1]};
      if (test(w)) return n;
    }
  }
  return 0;
}

}  // namespace

int find_w_wing_type1(BusyManager&, int n, const State& s, int /*argument*/, Move& move) {
  return w_wing_search(move, n, s, test_type1);
}
int find_w_wing_type3(BusyManager&, int n, const State& s, int /*argument*/, Move& move) {
  return w_wing_search(move, n, s, test_type3);
}
int find_w_wing_type2(BusyManager&, int n, const State& s, int /*argument*/, Move& move) {
  return w_wing_search(move, n, s, test_type2);
}
int find_w_wing_type4(BusyManager&, int n, const State& s, int /*argument*/, Move& move) {
  return w_wing_search(move, n, s, test_type4);
}

}  // namespace vantry
