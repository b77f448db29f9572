// Almost locked sets: N cells of one unit holding N + 1 values between them.
// Take one value away and the rest is a locked set. Two sets whose copies of
// a value x all see each other ("x is a restricted common") cannot both hold
// x, so one of them is locked without x; then every other value z they share
// is in one set or the other, and z goes from every cell that sees all the
// z's of both.
//
//   ALS-XZ:       A =x= B                 z leaves cells seeing z in A and B
//   ALS-XY-wing:  A =x= C =y= B, x != y   if neither A nor B held z, both would
//                                          hold their link value, leaving C two
//                                          values short: z leaves the same cells
//
// The search lists every almost locked set once (by its cells), smallest
// first, then tries pairs (and, for the wing, pairs of partners of a pivot).
#include <algorithm>
#include <vector>

#include "model/busy_manager.h"
#include "model/list.h"
#include "strategy/extended/grid_bits.h"
#include "strategy/extended/pattern_finders.h"
#include "strategy/finders/finder_support.h"
#include "strategy/hint_templates.h"
#include "strategy/move.h"

namespace vantry {

namespace {

struct Als {
  CellBits cells;
  unsigned mask;         // its values, bit d-1
  CellBits holding[10];  // its cells holding d
  CellBits seeing[10];   // cells that see all of holding[d], the set's own excluded
};

bool in_one_line(const CellBits& cells) {
  for (int line = 0; line < 18; ++line) {
    if ((cells & ~unit_bits(line)).none()) return true;
  }
  return false;
}

std::vector<Als> list_sets(const GridBits& g) {
  std::vector<Als> sets;
  for (int u = 0; u < kUnits; ++u) {
    int cells[9], k = 0;
    for (int p = 0; p < 9; ++p) {
      if (g.mask[unit_cell(u, p)] != 0) cells[k++] = unit_cell(u, p);
    }
    for (unsigned subset = 1; subset < (1u << k); ++subset) {
      Als a{};
      for (int p = 0; p < k; ++p) {
        if (!(subset >> p & 1u)) continue;
        a.cells.set(cells[p]);
        a.mask |= g.mask[cells[p]];
      }
      if (digit_count(a.mask) != static_cast<int>(a.cells.count()) + 1) continue;
      // A box's set inside one row or column was listed with that line.
      if (u >= 18 && in_one_line(a.cells)) continue;
      for (int d = 1; d <= 9; ++d) {
        if (!(a.mask >> (d - 1) & 1u)) continue;
        a.holding[d] = a.cells & g.holds[d];
        a.seeing[d] = common_peers(a.holding[d]) & ~a.cells;
      }
      sets.push_back(a);
    }
  }
  std::stable_sort(sets.begin(), sets.end(),
                   [](const Als& a, const Als& b) { return a.cells.count() < b.cells.count(); });
  return sets;
}

// The restricted commons of a and b (disjoint sets): values whose copies in
// a all see those in b.
unsigned restricted(const Als& a, const Als& b) {
  unsigned out = 0;
  const unsigned common = a.mask & b.mask;
  for (int d = 1; d <= 9; ++d) {
    if ((common >> (d - 1) & 1u) && (b.holding[d] & ~a.seeing[d]).none()) out |= 1u << (d - 1);
  }
  return out;
}

// The cells losing each shared value z other than the link values.
bool removals_of(const GridBits& g, const Als& a, const Als& b, unsigned link_values, CellBits by_digit[10]) {
  bool any = false;
  const unsigned shared = a.mask & b.mask & ~link_values;
  for (int z = 1; z <= 9; ++z) {
    by_digit[z].reset();
    if (!(shared >> (z - 1) & 1u)) continue;
    by_digit[z] = g.holds[z] & a.seeing[z] & b.seeing[z] & ~a.cells & ~b.cells;
    any = any || by_digit[z].any();
  }
  return any;
}

// "cells 1,2 and 1,5 (values 1, 4 and 7)"
Text& set_phrase(Text& t, const Als& a) {
  const CellSet cells = to_cellset(a.cells);
  t.add(cells.count() > 1 ? "cells " : "cell ").cell_list(cells, "and").add(" (values ");
  List digits;
  for (int d = 1; d <= 9; ++d) {
    if (a.mask >> (d - 1) & 1u) digits.add(d);
  }
  return t.digit_list(digits, "and").add(")");
}

void mark_set(Move& move, const Als& a, int colour) {
  for (int i = 0; i < 81; ++i) {
    if (!a.cells.test(i)) continue;
    move.mark_cell(row_of_cell(i), column_of_cell(i), kMarkShow);
    for (int d = 1; d <= 9; ++d) {
      if (a.holding[d].test(i)) move.mark_digit(row_of_cell(i), column_of_cell(i), d, colour);
    }
  }
}

void describe_xz(Move& move, int n, const Als& a, const Als& b, int x, const CellBits by_digit[10]) {
  mark_set(move, a, kMarkColourA);
  mark_set(move, b, kMarkColourB);
  const unsigned digits = remove_all(move, by_digit);
  Text t;
  t.add("The ");
  set_phrase(t, a).add(" and the ");
  set_phrase(t, b).add(" are almost locked sets: each has one value more than it has cells. Every ");
  t.number(x).add(" of the first sees every ").number(x).add(" of the second, so at most one of them is ");
  t.number(x).add(", and the other is a locked set. Either way, each other value the two share is in one of them.");
  t.add("\n\nTherefore, remove ");
  removal_list(t, by_digit).add(".");
  move.describe(n, kTemplateLong, t.str(), digits_phrase(digits));
}

void describe_wing(Move& move, int n, const Als& a, const Als& b, const Als& c, int x, int y,
                   const CellBits by_digit[10]) {
  mark_set(move, c, kMarkColourC);
  mark_set(move, a, kMarkColourA);
  mark_set(move, b, kMarkColourB);
  const unsigned digits = remove_all(move, by_digit);
  Text t;
  t.add("The ");
  set_phrase(t, a).add(", the ");
  set_phrase(t, b).add(" and the ");
  set_phrase(t, c).add(" are almost locked sets: each has one value more than it has cells. The first and the ");
  t.add("third cannot both be ").number(x).add(", nor the second and the third ").number(y);
  t.add(". If neither the first nor the second set held a value they share, the first would be ").number(x);
  t.add(" and the second ").number(y).add(", leaving the third two values short.\n\nTherefore, remove ");
  removal_list(t, by_digit).add(".");
  move.describe(n, kTemplateLong, t.str(), digits_phrase(digits));
}

}  // namespace

int find_als_xz(BusyManager& busy, int n, const State& s, int /*argument*/, Move& move) {
  const GridBits g(s);
  const std::vector<Als> sets = list_sets(g);
  // The pair with the fewest cells between them is the easiest to see.
  CellBits by_digit[10];
  std::size_t best_i = 0, best_j = 0, best_size = 99;
  int best_x = 0;
  for (std::size_t i = 0; i < sets.size(); ++i) {
    if (i % 128 == 127 && busy.cancelled()) return 0;
    const Als& a = sets[i];
    for (std::size_t j = i + 1; j < sets.size(); ++j) {
      const Als& b = sets[j];
      const std::size_t size = a.cells.count() + b.cells.count();
      if (size >= best_size) break;  // sets are sorted by size
      if (digit_count(a.mask & b.mask) < 2 || (a.cells & b.cells).any()) continue;
      const unsigned rcc = restricted(a, b);
      for (int x = 1; x <= 9; ++x) {
        if (!(rcc >> (x - 1) & 1u) || !removals_of(g, a, b, 1u << (x - 1), by_digit)) continue;
        best_i = i, best_j = j, best_size = size, best_x = x;
        break;
      }
    }
  }
  if (best_x == 0) return 0;
  removals_of(g, sets[best_i], sets[best_j], 1u << (best_x - 1), by_digit);
  describe_xz(move, n, sets[best_i], sets[best_j], best_x, by_digit);
  return n;
}

int find_als_xy_wing(BusyManager& busy, int n, const State& s, int /*argument*/, Move& move) {
  const GridBits g(s);
  const std::vector<Als> sets = list_sets(g);
  CellBits by_digit[10];
  // The wing with the fewest cells in its three sets is the easiest to see.
  struct Wing {
    int a = -1, b = -1, c = -1, x = 0, y = 0;
    std::size_t size = 99;
  } best;
  std::vector<std::pair<int, unsigned>> partners;  // set index and restricted commons with the pivot
  for (std::size_t k = 0; k < sets.size(); ++k) {
    if (k % 64 == 63 && busy.cancelled()) return 0;
    const Als& c = sets[k];
    if (c.cells.count() + 2 >= best.size) break;  // sets are sorted by size
    partners.clear();
    for (std::size_t i = 0; i < sets.size(); ++i) {
      if (i == k || (sets[i].cells & c.cells).any()) continue;
      if (const unsigned rcc = restricted(sets[i], c); rcc != 0) partners.push_back({static_cast<int>(i), rcc});
    }
    for (std::size_t p = 0; p < partners.size(); ++p) {
      for (std::size_t q = p + 1; q < partners.size(); ++q) {
        const Als& a = sets[partners[p].first];
        const Als& b = sets[partners[q].first];
        const std::size_t size = a.cells.count() + b.cells.count() + c.cells.count();
        if (size >= best.size || (a.cells & b.cells).any() || (a.mask & b.mask) == 0) continue;
        for (int x = 1; x <= 9; ++x) {
          if (!(partners[p].second >> (x - 1) & 1u)) continue;
          for (int y = 1; y <= 9 && size < best.size; ++y) {
            if (y == x || !(partners[q].second >> (y - 1) & 1u)) continue;
            if (!removals_of(g, a, b, (1u << (x - 1)) | (1u << (y - 1)), by_digit)) continue;
            best = {partners[p].first, partners[q].first, static_cast<int>(k), x, y, size};
          }
        }
      }
    }
  }
  if (best.c < 0) return 0;
  const Als& a = sets[best.a];
  const Als& b = sets[best.b];
  removals_of(g, a, b, (1u << (best.x - 1)) | (1u << (best.y - 1)), by_digit);
  describe_wing(move, n, a, b, sets[best.c], best.x, best.y, by_digit);
  return n;
}

}  // namespace vantry
