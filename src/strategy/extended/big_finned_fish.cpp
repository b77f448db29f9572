// Finned (and sashimi) swordfish and jellyfish on one digit d: in N base lines
// d lies within N cover lines, apart from fins that all share one box. Either
// a fin is d, or the fish holds and d leaves the cover lines elsewhere; cells
// of the fins' box on a cover line lose d both ways. A sashimi fish is the
// same pattern with a corner missing, so one search finds both.
//
//   base rows 1, 4, 8 of a finned swordfish on columns 2, 5, 8:
//     row 1:  . d . . d . . . .
//     row 4:  . . . . d . . d .
//     row 8:  . d . . . . . d f      fin f in box 9
//     row 7:  . . . . . . . x .      x: column 8 inside box 9 loses d
//
// The search, per digit and orientation: 1. every set of N base lines and N
// cover lines; 2. the fins, all in one box; 3. the removal cells.
#include <bit>

#include "model/busy_manager.h"
#include "model/list.h"
#include "strategy/extended/grid_bits.h"
#include "strategy/extended/pattern_finders.h"
#include "strategy/finders/finder_support.h"
#include "strategy/hint_templates.h"
#include "strategy/move.h"

namespace vantry {

namespace {

struct FishSearch {
  const State& s;
  Move& move;
  int n;
  int d;
  bool rows;           // base lines are rows
  unsigned places[9];  // where d may go in each line, bit p for position p

  int r_of(int line, int p) const { return rows ? line : p; }
  int c_of(int line, int p) const { return rows ? p : line; }
};

// The fish on base lines base_mask and cover positions cover_mask, if its fins
// share a box and some cell loses d.
bool fish_on(FishSearch& f, unsigned base_mask, unsigned cover_mask) {
  // Step 2. The fins: base candidates off the covers, in one band and stack.
  int fin_band = -1, fin_stack = -1, n_fins = 0;
  unsigned covered = 0;
  for (int line = 0; line < 9; ++line) {
    if (!(base_mask >> line & 1u)) continue;
    covered |= f.places[line] & cover_mask;
    const unsigned fins = f.places[line] & ~cover_mask;
    for (int p = 0; p < 9; ++p) {
      if (!(fins >> p & 1u)) continue;
      if (n_fins == 0) {
        fin_band = line / 3;
        fin_stack = p / 3;
      } else if (line / 3 != fin_band || p / 3 != fin_stack) {
        return false;
      }
      ++n_fins;
    }
  }
  // No fins is a plain fish; an unused cover line makes a smaller fish.
  if (n_fins == 0 || covered != cover_mask) return false;

  // Step 3. The cover lines inside the fin box, off the base lines.
  CellSet removals;
  for (int line = fin_band * 3; line < fin_band * 3 + 3; ++line) {
    if (base_mask >> line & 1u) continue;
    for (int p = fin_stack * 3; p < fin_stack * 3 + 3; ++p) {
      if ((cover_mask >> p & 1u) && (f.places[line] >> p & 1u)) removals.add(f.r_of(line, p), f.c_of(line, p));
    }
  }
  if (removals.empty()) return false;

  // Step 4. The move: the base cells framed, the fins shown, the removals red.
  List base, cover;
  CellSet fins;
  for (int line = 0; line < 9; ++line) {
    if (base_mask >> line & 1u) base.add(line);
    if (cover_mask >> line & 1u) cover.add(line);
  }
  for (int line : base) {
    for (int p = 0; p < 9; ++p) {
      if (!(f.places[line] >> p & 1u)) continue;
      f.move.mark_cell(f.r_of(line, p), f.c_of(line, p), kMarkRemove);
      f.move.mark_digit(f.r_of(line, p), f.c_of(line, p), f.d, kMarkShow);
      if (!(cover_mask >> p & 1u)) fins.add(f.r_of(line, p), f.c_of(line, p));
    }
  }
  for (int i = 0; i < removals.count(); ++i) {
    f.move.remove(removals.row(i), removals.column(i), f.d);
    f.move.mark_digit(removals.row(i), removals.column(i), f.d, kMarkRemove);
  }
  const std::string_view word = f.rows ? "row" : "column";
  const std::string_view cover_word = f.rows ? "column" : "row";
  Text t;
  t.add("In ").unit_list(word, base).add(", the value ").number(f.d).add(" only appears in ");
  t.unit_list(cover_word, cover).add(", apart from the fin").add(fins.count() > 1 ? "s in cells " : " in cell ");
  t.cell_list(fins, "and").add(".\n\nEither a fin is ").number(f.d).add(", or ").number(f.d);
  t.add(" takes one place in each of these ").add(cover_word).add("s. In both cases, ").number(f.d);
  t.add(" cannot be a possibility in ");
  removal_cells(t, removals).add(", which see").add(removals.count() > 1 ? "" : "s");
  t.add(" every fin and lie").add(removals.count() > 1 ? "" : "s").add(" in one of these ").add(cover_word).add("s.");
  f.move.describe(f.n, kTemplateLong, t.str(), value_phrase(f.d));
  return true;
}

int finned_fish(BusyManager& busy, int n, const State& s, int size, Move& move) {
  // The sets of `size` lines as 9-bit masks, in ascending order.
  unsigned combos[126];
  int n_combos = 0;
  for (unsigned m = 0; m < 512; ++m) {
    if (std::popcount(m) == size) combos[n_combos++] = m;
  }
  for (bool rows : {true, false}) {
    for (int d = 1; d <= 9; ++d) {
      FishSearch f{s, move, n, d, rows, {}};
      for (int line = 0; line < 9; ++line) {
        for (int p = 0; p < 9; ++p) {
          if (s.cell(f.r_of(line, p), f.c_of(line, p)).is_possible(d)) f.places[line] |= 1u << p;
        }
      }
      // Step 1. Base lines must hold d, with at most `size` + 3 places (the
      // covers and one box's worth of fins).
      for (int b = 0; b < n_combos; ++b) {
        const unsigned base_mask = combos[b];
        unsigned all = 0;
        bool usable = true;
        for (int line = 0; line < 9 && usable; ++line) {
          if (!(base_mask >> line & 1u)) continue;
          usable = f.places[line] != 0 && std::popcount(f.places[line]) <= size + 3;
          all |= f.places[line];
        }
        if (!usable || std::popcount(all) <= size) continue;
        for (int k = 0; k < n_combos; ++k) {
          if ((combos[k] & all) == combos[k] && fish_on(f, base_mask, combos[k])) return n;
        }
      }
      if (busy.cancelled()) return 0;
    }
  }
  return 0;
}

}  // namespace

int find_finned_swordfish(BusyManager& busy, int n, const State& s, int /*argument*/, Move& move) {
  return finned_fish(busy, n, s, 3, move);
}

int find_finned_jellyfish(BusyManager& busy, int n, const State& s, int /*argument*/, Move& move) {
  return finned_fish(busy, n, s, 4, move);
}

}  // namespace vantry
