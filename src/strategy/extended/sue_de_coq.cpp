// Sue de Coq: two or three cells C where a box meets a line hold values V, at
// least two more than there are cells. Add cells L of the line's rest and B of
// the box's rest such that L and B share no value and all the cells together
// hold exactly as many values as there are cells. No value can be placed
// twice among them (C and L share the line, C and B the box, and L and B
// share no value), so each of those values is placed exactly once: the ones
// B lacks are in C or L, inside the line; the ones L lacks are in C or B,
// inside the box. They go from the rest of the line and of the box.
//
//   row 1:  C C .  L . .  . . .     C {1,2,3,4}, L {1,5}, B {3,4}: four cells,
//           B . .  x x x  x x x     four values; 1, 2 and 5 leave the row's x,
//           . . .                   2, 3 and 4 the box's other cells
//
// The search, per box and crossing line: every C, L and B as bit masks.
#include "model/busy_manager.h"
#include "model/list.h"
#include "strategy/extended/grid_bits.h"
#include "strategy/extended/pattern_finders.h"
#include "strategy/finders/finder_support.h"
#include "strategy/hint_templates.h"
#include "strategy/move.h"

namespace vantry {

namespace {

struct Part {
  int cells[9];
  int n = 0;
};

unsigned mask_of(const GridBits& g, const Part& part, unsigned subset, CellBits& cells) {
  unsigned mask = 0;
  cells.reset();
  for (int k = 0; k < part.n; ++k) {
    if (!(subset >> k & 1u)) continue;
    mask |= g.mask[part.cells[k]];
    cells.set(part.cells[k]);
  }
  return mask;
}

Text& values(Text& t, unsigned mask) {
  List digits;
  for (int d = 1; d <= 9; ++d) {
    if (mask >> (d - 1) & 1u) digits.add(d);
  }
  return t.digit_list(digits, "and");
}

Text& cells_phrase(Text& t, const CellBits& cells) {
  const CellSet set = to_cellset(cells);
  return t.add(set.count() > 1 ? "cells " : "cell ").cell_list(set, "and");
}

struct Pattern {
  int box, line;
  CellBits c, l, b;
  unsigned v, ml, mb;
};

void describe(const GridBits& g, Move& move, int n, const Pattern& p, const CellBits by_digit[10]) {
  auto mark = [&](const CellBits& cells, int colour) {
    for (int i = 0; i < 81; ++i) {
      if (!cells.test(i)) continue;
      move.mark_cell(row_of_cell(i), column_of_cell(i), kMarkShow);
      for (int d = 1; d <= 9; ++d) {
        if (g.has(i, d)) move.mark_digit(row_of_cell(i), column_of_cell(i), d, colour);
      }
    }
  };
  mark(p.c, kMarkColourC);
  mark(p.l, kMarkColourA);
  mark(p.b, kMarkColourB);
  const unsigned digits = remove_all(move, by_digit);
  Text t;
  t.add("Where ");
  unit_name(t, p.box).add(" meets ");
  unit_name(t, p.line).add(", ");
  cells_phrase(t, p.c).add(" hold the values ");
  values(t, p.v).add(". Together with ");
  cells_phrase(t, p.l).add(" of the ");
  t.add(p.line < 9 ? "row" : "column").add(" (values ");
  values(t, p.ml).add(") and ");
  cells_phrase(t, p.b).add(" of the box (values ");
  values(t, p.mb).add("), these cells hold exactly as many values as there are cells, so each of those values ");
  t.add("is in one of them.\n\nTherefore, remove ");
  removal_list(t, by_digit).add(".");
  move.describe(n, kTemplateLong, t.str(), digits_phrase(digits));
}

// Every L and B for one C; true when a move was described.
bool with_core(const GridBits& g, Move& move, int n, Pattern& p, const Part& line_rest, const Part& box_rest) {
  const int core = static_cast<int>(p.c.count());
  for (unsigned ls = 1; ls < (1u << line_rest.n); ++ls) {
    p.ml = mask_of(g, line_rest, ls, p.l);
    if ((p.ml & p.v) == 0) continue;
    for (unsigned bs = 1; bs < (1u << box_rest.n); ++bs) {
      p.mb = mask_of(g, box_rest, bs, p.b);
      if ((p.mb & p.v) == 0 || (p.mb & p.ml) != 0) continue;
      const unsigned all = p.v | p.ml | p.mb;
      if (digit_count(all) != core + static_cast<int>(p.l.count() + p.b.count())) continue;
      CellBits by_digit[10];
      bool any = false;
      for (int d = 1; d <= 9; ++d) {
        if (!(all >> (d - 1) & 1u)) continue;
        const unsigned bit = 1u << (d - 1);
        if (!(p.mb & bit)) {
          for (int k = 0; k < line_rest.n; ++k) {
            if (!p.l.test(line_rest.cells[k]) && g.has(line_rest.cells[k], d)) by_digit[d].set(line_rest.cells[k]);
          }
        }
        if (!(p.ml & bit)) {
          for (int k = 0; k < box_rest.n; ++k) {
            if (!p.b.test(box_rest.cells[k]) && g.has(box_rest.cells[k], d)) by_digit[d].set(box_rest.cells[k]);
          }
        }
        any = any || by_digit[d].any();
      }
      if (!any) continue;
      describe(g, move, n, p, by_digit);
      return true;
    }
  }
  return false;
}

}  // namespace

int find_sue_de_coq(BusyManager& busy, int n, const State& s, int /*argument*/, Move& move) {
  const GridBits g(s);
  for (int box = 18; box < kUnits; ++box) {
    const int b = box - 18;
    for (int k = 0; k < 6; ++k) {
      const int line = k < 3 ? b / 3 * 3 + k : 9 + b % 3 * 3 + (k - 3);
      Part core, line_rest, box_rest;
      for (int p = 0; p < 9; ++p) {
        const int i = unit_cell(line, p), j = unit_cell(box, p);
        if (g.mask[i] != 0) {
          Part& part = unit_bits(box).test(i) ? core : line_rest;
          part.cells[part.n++] = i;
        }
        if (g.mask[j] != 0 && !unit_bits(line).test(j)) box_rest.cells[box_rest.n++] = j;
      }
      if (core.n < 2 || line_rest.n == 0 || box_rest.n == 0) continue;
      for (unsigned cs = 1; cs < (1u << core.n); ++cs) {
        Pattern p{box, line, {}, {}, {}, 0, 0, 0};
        p.v = mask_of(g, core, cs, p.c);
        if (p.c.count() < 2 || digit_count(p.v) < static_cast<int>(p.c.count()) + 2) continue;
        if (with_core(g, move, n, p, line_rest, box_rest)) return n;
      }
    }
    if (busy.cancelled()) return 0;
  }
  return 0;
}

}  // namespace vantry
