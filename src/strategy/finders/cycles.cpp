// Rectangle elimination and locked cell cycles, both built on strong links
// (a unit in which exactly two unsolved cells hold a digit). Rectangle
// elimination: a box whose candidates form a cross, emptied by a strong link
// outside it. Locked cell cycles: a closed chain of strong links that locks
// each of its cells to two digits (type 1) or forces its start cell (type 2).
#include <memory>

#include "model/busy_manager.h"
#include "model/cellset.h"
#include "model/coords.h"
#include "model/state.h"
#include "strategy/finders/finder_support.h"
#include "strategy/finders/finders.h"
#include "strategy/hint_templates.h"
#include "strategy/move.h"
#include "strategy/text_builder.h"

namespace vantry {

namespace {

// The hint chain holds 81 cells; a longer cycle is drawn cut short.
void append_to_chain(Move& move, int r, int c) {
  if (move.chain_length() < 81) move.chain_append(r, c);
}

int count_in_row(const State& s, int r, int d) { return s.row(r).places_of_digit(d); }
int count_in_column(const State& s, int c, int d) { return s.column(c).places_of_digit(d); }

// The other cell holding d in a line known to hold it twice.
int other_in_column(const State& s, int c, int d, int not_row) {
  for (int r = 0; r < 9; ++r) {
    if (r != not_row && s.cell(r, c).is_possible(d)) return r;
  }
  return -1;
}
int other_in_row(const State& s, int r, int d, int not_column) {
  for (int c = 0; c < 9; ++c) {
    if (c != not_column && s.cell(r, c).is_possible(d)) return c;
  }
  return -1;
}

struct RectangleMove {
  int tr, tc, fr, fc, nr, nc;
  bool both_ways;
};

// The move: d leaves T (and N when the link works both ways). The hint draws
// T, F, N as its chain and crosses out the box's candidates that T would
// empty.
int rectangle_move(Move& move, int n, const State& s, int d, int b, const RectangleMove& m) {
  move.remove(m.tr, m.tc, d);
  if (m.both_ways) move.remove(m.nr, m.nc, d);
  append_to_chain(move, m.tr, m.tc);
  append_to_chain(move, m.fr, m.fc);
  append_to_chain(move, m.nr, m.nc);
  for (int p = 0; p < 9; ++p) {
    if (s.cell(row_of(b, p), column_of(b, p)).is_possible(d)) {
      move.mark_digit(row_of(b, p), column_of(b, p), d, 11);
    }
  }
  move.mark_digit(m.tr, m.tc, d, kMarkRemove);
  if (m.both_ways) move.mark_digit(m.nr, m.nc, d, kMarkRemove);
  Text t;
  t.add("If cell ").cell_name(m.tr, m.tc).add(" were ").number(d).add(", then cell ").cell_name(m.nr, m.nc);
  t.add(" would also be ").number(d).add(" (because of the way they are locked with cell ");
  t.cell_name(m.fr, m.fc).add(")");
  if (m.both_ways) {
    t.add(". Also, if cell ").cell_name(m.nr, m.nc).add(" were ").number(d).add(", it would force cell ");
    t.cell_name(m.tr, m.tc).add(" to be ").number(d).add(" in the same manner.  In either case,");
  } else {
    t.add(", and");
  }
  t.add(" there would be no cells in box ").unit_number(b).add(" that could be ").number(d);
  t.add(", which is impossible.\n\nTherefore, ").number(d).add(" can be removed as a possibility from cell");
  t.add(m.both_ways ? "s " : " ").cell_name(m.tr, m.tc);
  if (m.both_ways) t.add(" and ").cell_name(m.nr, m.nc);
  t.add(".");
  move.describe(n, kTemplateLong, t.str(), value_phrase(d));
  return n;
}

// One cross (box row i, box column j) of box b: a strong link from the cross's
// row (or column) outside the box that would empty the box.
bool find_rectangle_in_cross(const State& s, int d, int b, int i, int j, int in_box_row, int in_box_column,
                             RectangleMove& m) {
  const int big_r = b / 3 * 3 + i, big_c = b % 3 * 3 + j;
  auto outside = [b](int r, int c) { return box_of(r, c) != b; };
  // Row side: N on row R outside the box, F its column partner, T level with
  // F on column C.
  if (count_in_row(s, big_r, d) > in_box_row) {
    for (int col = 0; col < 9; ++col) {
      if (!outside(big_r, col) || !s.cell(big_r, col).is_possible(d)) continue;
      if (count_in_column(s, col, d) != 2) continue;
      const int far_r = other_in_column(s, col, d, big_r);
      if (outside(far_r, big_c) && s.cell(far_r, big_c).is_possible(d)) {
        m = {far_r, big_c, far_r, col, big_r, col, count_in_row(s, far_r, d) == 2};
        return true;
      }
    }
  }
  // Column side, the same across.
  if (count_in_column(s, big_c, d) > in_box_column) {
    for (int row = 0; row < 9; ++row) {
      if (!outside(row, big_c) || !s.cell(row, big_c).is_possible(d)) continue;
      if (count_in_row(s, row, d) != 2) continue;
      const int far_c = other_in_row(s, row, d, big_c);
      if (outside(big_r, far_c) && s.cell(big_r, far_c).is_possible(d)) {
        m = {big_r, far_c, row, far_c, row, big_c, count_in_column(s, far_c, d) == 2};
        return true;
      }
    }
  }
  return false;
}

// ---------------------------------------------------------------------------
// Locked cell cycles.

// A cell's strong-link partners on one digit: the partner column in its row,
// the partner row in its column, the partner cell (as r * 9 + c) in its box;
// -1 for none. The box partner is left out when it repeats a line link: the
// same cell as the row or column partner. A box partner on the cell's row or
// column whose line holds the digit more often is a link of its own.
struct Partners {
  int row_partner = -1;
  int column_partner = -1;
  int box_partner = -1;
};

struct CycleSearch : SearchOn {
  using SearchOn::SearchOn;
  Partners links[9][9][10];
  // The chain: entry 0 is the start cell, written again at the end when the
  // cycle closes; digit[i] is the digit of the link into entry i.
  int row[82], column[82], digit[82], held[82];
  int limit = 6;
  bool limit_reached = false;
};

void build_links(CycleSearch& cs) {
  for (int r = 0; r < 9; ++r) {
    for (int c = 0; c < 9; ++c) {
      for (int d = 1; d <= 9; ++d) {
        Partners& p = cs.links[r][c][d];
        p = Partners();
        if (!cs.s.cell(r, c).is_possible(d)) continue;
        if (count_in_row(cs.s, r, d) == 2) p.row_partner = other_in_row(cs.s, r, d, c);
        if (count_in_column(cs.s, c, d) == 2) p.column_partner = other_in_column(cs.s, c, d, r);
        const int b = box_of(r, c);
        int places[9];
        if (cs.s.box(b).places_of_digit(d, places) != 2) continue;
        const int other = places[0] == position_in_box(r, c) ? places[1] : places[0];
        const int pr = row_of(b, other), pc = column_of(b, other);
        if ((pr == r && p.row_partner == pc) || (pc == c && p.column_partner == pr)) continue;
        p.box_partner = pr * 9 + pc;
      }
    }
  }
}

// Digit out of cycle cell i and into it (the start cell's way in is the
// closing link), for a cycle of m cells.
int out_digit(const CycleSearch& cs, int i) { return cs.digit[i + 1]; }
int in_digit(const CycleSearch& cs, int i, int m) { return i == 0 ? cs.digit[m] : cs.digit[i]; }

void mark_cycle(CycleSearch& cs, int m) {
  for (int i = 0; i < m; ++i) append_to_chain(cs.move, cs.row[i], cs.column[i]);
  append_to_chain(cs.move, cs.row[0], cs.column[0]);
  for (int i = 0; i < m; ++i) {
    const int d = cs.digit[i + 1];
    cs.move.mark_digit(cs.row[i], cs.column[i], d, 12);
    cs.move.mark_digit(cs.row[i + 1], cs.column[i + 1], d, 12);
  }
}

int type1_move(CycleSearch& cs, int m) {
  // Step 1. The excess cells: more than their two link digits.
  CellSet excess;
  for (int i = 0; i < m; ++i) {
    if (cs.held[i] > 2) excess.add(cs.row[i], cs.column[i]);
  }
  if (excess.empty()) return 0;
  mark_cycle(cs, m);
  // Step 2. Every other possibility of an excess cell goes.
  for (int i = 0; i < m; ++i) {
    if (cs.held[i] <= 2) continue;
    const int keep1 = out_digit(cs, i), keep2 = in_digit(cs, i, m);
    for (int d = 1; d <= 9; ++d) {
      if (d == keep1 || d == keep2 || !cs.s.cell(cs.row[i], cs.column[i]).is_possible(d)) continue;
      cs.move.remove(cs.row[i], cs.column[i], d);
      cs.move.mark_digit(cs.row[i], cs.column[i], d, kMarkRemove);
    }
  }
  Text t;
  CellSet cycle;
  for (int i = 0; i < m; ++i) cycle.add(cs.row[i], cs.column[i]);
  t.add("Cells ").cell_list(cycle, "and").add(" are all locked together in a cycle. ");
  t.add("The only possible values for these cells are ");
  for (int i = 0; i < m; ++i) t.add(i > 0 ? "-" : "").number(out_digit(cs, i));
  t.add(" or ");
  for (int i = 0; i < m; ++i) t.add(i > 0 ? "-" : "").number(in_digit(cs, i, m));
  t.add(".\n\nTherefore, the excess possibilities in cell").add(excess.count() > 1 ? "s" : "");
  for (int k = 0; k < excess.count(); ++k) {
    t.add(" ").cell_name(excess.row(k), excess.column(k));
    if (k < excess.count() - 2) t.add(";");
    if (k == excess.count() - 2) t.add(" and ");
  }
  t.add(" can be removed.");
  Text detail;
  detail.add("Cell ").cell_name(cs.row[0], cs.column[0]);
  cs.move.describe(cs.n, kTemplateLong, t.str(), detail.str());
  return cs.n;
}

// The start cell is entered and left on the same digit p: it must be p.
int type2_move(CycleSearch& cs, int m) {
  const int n = cs.n + 1;
  const int p = cs.digit[1];
  const int sr = cs.row[0], sc = cs.column[0];
  cs.move.place(sr, sc, p);
  mark_cycle(cs, m);
  cs.move.mark_digit(sr, sc, p, kMarkAnswer);
  Text t;
  t.add("Either cell ").cell_name(sr, sc).add(" must be ").number(p).add(", or cells ");
  t.cell_name(cs.row[1], cs.column[1]).add(" and ").cell_name(cs.row[m - 1], cs.column[m - 1]);
  t.add(" must both be ").number(p).add(" because they are strongly locked on that value. ");
  t.add("But if cell ").cell_name(cs.row[1], cs.column[1]).add(" is ").number(p);
  t.add(", then the rest of the chain prevents cell ").cell_name(cs.row[m - 1], cs.column[m - 1]);
  t.add(" from being ").number(p).add("\n\nThis is a contradiction, so cell ").cell_name(sr, sc);
  t.add(" must be ").number(p).add(".");
  Text detail;
  detail.add("Cell ").cell_name(sr, sc);
  cs.move.describe(n, kTemplateLong, t.str(), detail.str());
  return n;
}

bool in_chain(const CycleSearch& cs, int k, int r, int c) {
  for (int i = 1; i <= k; ++i) {
    if (cs.row[i] == r && cs.column[i] == c) return true;
  }
  return false;
}

int extend(CycleSearch& cs, int k);

// Follows the link on digit p from entry k to the cell (r, c).
int follow(CycleSearch& cs, int k, int p, int r, int c) {
  if (r == cs.row[0] && c == cs.column[0]) {
    // The cycle closes: type 1 when the start is left and entered on
    // different digits, type 2 when on the same one.
    cs.row[k + 1] = r;
    cs.column[k + 1] = c;
    cs.digit[k + 1] = p;
    return p != cs.digit[1] ? type1_move(cs, k + 1) : type2_move(cs, k + 1);
  }
  if (in_chain(cs, k, r, c)) return 0;
  if (k + 1 >= cs.limit) {
    cs.limit_reached = true;
    return 0;
  }
  cs.row[k + 1] = r;
  cs.column[k + 1] = c;
  cs.digit[k + 1] = p;
  return extend(cs, k + 1);
}

// Extends the chain from its last entry k by every strong link on a digit
// other than the one that led in: row partner, column partner, box partner.
int extend(CycleSearch& cs, int k) {
  if (cs.busy.cancelled()) return 0;
  const int r = cs.row[k], c = cs.column[k];
  int digits[9];
  cs.held[k] = cs.s.cell(r, c).list_possibilities(digits);
  for (int i = 0; i < cs.held[k]; ++i) {
    const int p = digits[i];
    if (p == cs.digit[k]) continue;
    const Partners& links = cs.links[r][c][p];
    int result = 0;
    if (links.row_partner >= 0) {
      result = follow(cs, k, p, r, links.row_partner);
      if (result != 0 || cs.busy.cancel_pressed()) return result;
    }
    if (links.column_partner >= 0) {
      result = follow(cs, k, p, links.column_partner, c);
      if (result != 0 || cs.busy.cancel_pressed()) return result;
    }
    if (links.box_partner >= 0) {
      result = follow(cs, k, p, links.box_partner / 9, links.box_partner % 9);
      if (result != 0 || cs.busy.cancel_pressed()) return result;
    }
  }
  return 0;
}

}  // namespace

int find_rectangle_elimination(BusyManager&, int n, const State& s, int /*argument*/, Move& move) {
  for (int d = 1; d <= 9; ++d) {
    for (int b = 0; b < 9; ++b) {
      // Step 1. The box's candidates span at least two box rows and columns.
      int places[9];
      const int k = s.box(b).places_of_digit(d, places);
      if (k < 2) continue;
      int per_row[3] = {}, per_column[3] = {};
      for (int i = 0; i < k; ++i) {
        ++per_row[places[i] / 3];
        ++per_column[places[i] % 3];
      }
      const int rows_used = (per_row[0] > 0) + (per_row[1] > 0) + (per_row[2] > 0);
      const int columns_used = (per_column[0] > 0) + (per_column[1] > 0) + (per_column[2] > 0);
      if (rows_used < 2 || columns_used < 2) continue;
      // Step 2. Every cross that holds all of them.
      for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
          bool fits = true;
          for (int q = 0; q < k && fits; ++q) fits = places[q] / 3 == i || places[q] % 3 == j;
          if (!fits) continue;
          RectangleMove m{};
          if (find_rectangle_in_cross(s, d, b, i, j, per_row[i], per_column[j], m)) {
            // Step 3. The move.
            return rectangle_move(move, n, s, d, b, m);
          }
        }
      }
    }
  }
  return 0;
}

int find_locked_cell_cycle(BusyManager& busy, int n, const State& s, int /*argument*/, Move& move) {
  // Step 1. The link table, once per call. It is too big for the stack.
  auto cs = std::make_unique<CycleSearch>(busy, move, s, n);
  build_links(*cs);
  // Step 2. Passes with growing length limits, as long as a chain was cut short.
  for (;;) {
    cs->limit_reached = false;
    for (int r = 0; r < 9; ++r) {
      for (int c = 0; c < 9; ++c) {
        if (s.cell(r, c).list_possibilities() < 2) continue;
        cs->row[0] = r;
        cs->column[0] = c;
        cs->digit[0] = 0;
        const int result = extend(*cs, 0);
        if (result != 0) return result;
        if (busy.cancel_pressed()) return 0;
      }
    }
    if (!cs->limit_reached) return 0;
    cs->limit += 8;
  }
}

}  // namespace vantry
