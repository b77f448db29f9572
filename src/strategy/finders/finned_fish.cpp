// Finned and sashimi X-wings on one digit d: an X-wing whose second line has
// extra candidates (fins) in one box. Either a fin is d, or the X-wing holds;
// both rule out d in the cells of the fin box on the corner's cover line. In
// the sashimi form the corner beside the fins is missing altogether.
//
//   base line:    . d . . . . . d .        d in two places only
//   second line:  . d . . . . f d f        the corners, and fins f in one box
//   removals:     x in the fin box's other lines, on the fin corner's cover
//
// The search, per digit and orientation: 1. list each line's candidates;
// 2. a base line with two, a second line in another band holding the corners;
// 3. the fins; 4. the removal cells, and the move when there are any.
#include <initializer_list>

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

// One digit in one orientation. Lines are columns in the column form, rows
// in the row form; a position is a cell's place along its line.
struct Fish {
  Move& move;
  const State& s;
  int n;
  int d;
  bool columns;
  int count[9];  // candidates per line; 0 for a line that cannot take part
  int places[9][9];

  int row(int line, int pos) const { return columns ? pos : line; }
  int col(int line, int pos) const { return columns ? line : pos; }
  bool holds(int line, int pos) const { return s.cell(row(line, pos), col(line, pos)).is_possible(d); }
  void add(CellSet& set, int line, int pos) const { set.add(row(line, pos), col(line, pos)); }
  Text& name(Text& t, int line, int pos) const { return t.cell_name(row(line, pos), col(line, pos)); }
};

// The candidate lists: more than four candidates, or two in one box, and the
// line takes no part.
void list_lines(Fish& f) {
  for (int line = 0; line < 9; ++line) {
    int k = 0;
    for (int pos = 0; pos < 9; ++pos) {
      if (f.holds(line, pos)) f.places[line][k++] = pos;
    }
    if (k > 4 || (k == 2 && f.places[line][0] / 3 == f.places[line][1] / 3)) k = 0;
    f.count[line] = k;
  }
}

// The cells along position pos in the other lines of second's stack (band),
// that is the cover line of pos inside the fin box, that hold d.
CellSet removal_cells(const Fish& f, int second, int pos) {
  CellSet out;
  for (int k = 0; k < 3; ++k) {
    const int line = second / 3 * 3 + k;
    if (line != second && f.holds(line, pos)) f.add(out, line, pos);
  }
  return out;
}

// The pattern's cells (the corners, given as line and position, and the
// fins) and their d are shown; the marked removals are those the hint shows,
// which may be more than the move's own. The explanation starts with the
// fins: "The value d appears either in cell F" or "in cells F<or> G".
struct Corner {
  int line, pos;
};
void show_pattern(const Fish& f, std::initializer_list<Corner> corners, const CellSet& fins, const CellSet& removals,
                  Text& t, const char* or_fin) {
  CellSet pattern;
  for (const Corner& corner : corners) f.add(pattern, corner.line, corner.pos);
  for (int i = 0; i < fins.count(); ++i) pattern.add(fins.row(i), fins.column(i));
  for (int i = 0; i < pattern.count(); ++i) {
    f.move.mark_cell(pattern.row(i), pattern.column(i), kMarkRemove);
    f.move.mark_digit(pattern.row(i), pattern.column(i), f.d, kMarkShow);
  }
  for (int i = 0; i < removals.count(); ++i) {
    f.move.mark_digit(removals.row(i), removals.column(i), f.d, kMarkRemove);
  }
  t.add("The value ").number(f.d).add(" appears either in cell").add(fins.count() > 1 ? "s " : " ");
  t.cell_name(fins.row(0), fins.column(0));
  if (fins.count() > 1) t.add(or_fin).cell_name(fins.row(1), fins.column(1));
}

void remove_all(Fish& f, const CellSet& removals) {
  for (int i = 0; i < removals.count(); ++i) f.move.remove(removals.row(i), removals.column(i), f.d);
}

bool finned(Fish& f) {
  list_lines(f);
  for (int base = 0; base < 9; ++base) {
    if (f.count[base] != 2) continue;
    const int p0 = f.places[base][0], p1 = f.places[base][1];
    for (int second = 0; second < 9; ++second) {
      if (second / 3 == base / 3 || f.count[second] < 3) continue;
      // Step 1. Both corners on the second line.
      if (!f.holds(second, p0) || !f.holds(second, p1)) continue;
      // Step 2. Nothing in the third band; one corner alone in its band, the
      // other with the fins.
      int per_band[3] = {};
      for (int k = 0; k < f.count[second]; ++k) ++per_band[f.places[second][k] / 3];
      if (per_band[3 - p0 / 3 - p1 / 3] != 0) continue;
      int fin_corner = 0, other_corner = 0;
      if (per_band[p0 / 3] == 1 && per_band[p1 / 3] > 1) {
        fin_corner = p1;
        other_corner = p0;
      } else if (per_band[p1 / 3] == 1 && per_band[p0 / 3] > 1) {
        fin_corner = p0;
        other_corner = p1;
      } else {
        continue;
      }
      // Step 3. The fins, and the cells they share a box with on the corner's line.
      CellSet fins;
      for (int k = 0; k < f.count[second]; ++k) {
        const int pos = f.places[second][k];
        if (pos / 3 == fin_corner / 3 && pos != p0 && pos != p1) f.add(fins, second, pos);
      }
      const CellSet removals = removal_cells(f, second, fin_corner);
      if (removals.empty()) continue;
      // Step 4. The move.
      remove_all(f, removals);
      Text t;
      show_pattern(f, {{base, p0}, {base, p1}, {second, p0}, {second, p1}}, fins, removals, t, " or ");
      t.add("; or in cells ");
      f.name(t, base, fin_corner).add(" and ");
      f.name(t, second, other_corner).add("; or cells ");
      f.name(t, second, fin_corner).add(" and ");
      f.name(t, base, other_corner).add(". In all cases, cell").add(removals.count() > 1 ? "s " : " ");
      t.cell_name(removals.row(0), removals.column(0));
      if (removals.count() > 1) t.add(" and ").cell_name(removals.row(1), removals.column(1));
      t.add(" cannot be ").number(f.d).add(".");
      f.move.describe(f.n, kTemplateMedium, t.str(), value_phrase(f.d));
      return true;
    }
  }
  return false;
}

bool sashimi(Fish& f) {
  list_lines(f);
  for (int base = 0; base < 9; ++base) {
    if (f.count[base] != 2) continue;
    const int p0 = f.places[base][0], p1 = f.places[base][1];
    for (int second = 0; second < 9; ++second) {
      if (second / 3 == base / 3 || f.count[second] < 2 || f.count[second] > 3) continue;
      // Step 1. Exactly one corner on the second line; the fins go with the missing one.
      if (f.holds(second, p0) == f.holds(second, p1)) continue;
      const int present = f.holds(second, p0) ? p0 : p1;
      const int missing = present == p0 ? p1 : p0;
      const int fin_band = missing / 3;
      // Step 2. One empty band, and either a single candidate in the present
      // corner's band with two or three in the fin band, or one in each.
      int per_band[3] = {};
      for (int k = 0; k < f.count[second]; ++k) ++per_band[f.places[second][k] / 3];
      int empty = 0, ones = 0, more = 0;
      bool rejected = false;
      for (int band = 0; band < 3; ++band) {
        if (per_band[band] == 0) {
          ++empty;
        } else if (per_band[band] == 1) {
          ++ones;
        } else if (band == fin_band) {
          ++more;
        } else {
          rejected = true;
        }
      }
      if (rejected || empty != 1 || !((ones == 1 && more == 1) || ones == 2)) continue;
      // Step 3. The fins, then the removal cells on the missing corner's line.
      CellSet fins;
      for (int k = 0; k < f.count[second]; ++k) {
        const int pos = f.places[second][k];
        if (pos / 3 == fin_band && pos != missing) f.add(fins, second, pos);
      }
      if (fins.empty()) continue;
      CellSet removals = removal_cells(f, second, missing);
      if (removals.empty()) continue;
      // Step 4. The move. With one fin the Big hint shows more: the cells on
      // the fin's line in the base corner's box see the fin and that corner.
      remove_all(f, removals);
      Text t;
      if (fins.count() == 1) {
        const int fin_pos = f.columns ? fins.row(0) : fins.column(0);
        for (int k = 0; k < 3; ++k) {
          const int line = base / 3 * 3 + k;
          if (f.holds(line, fin_pos)) f.add(removals, line, fin_pos);
        }
      }
      show_pattern(f, {{base, p0}, {base, p1}, {second, present}}, fins, removals, t, " or cell ");
      t.add(", or cells ");
      f.name(t, second, present).add(" and ");
      f.name(t, base, missing).add(". In both cases, cell").add(removals.count() > 1 ? "s " : " ");
      t.cell_list(removals, "and").add(" cannot be ").number(f.d).add(".");
      f.move.describe(f.n, kTemplateMedium, t.str(), value_phrase(f.d));
      return true;
    }
  }
  return false;
}

int fish_search(Move& move, int n, const State& s, bool (*form)(Fish&), bool columns_first) {
  for (int d = 1; d <= 9; ++d) {
    for (int k = 0; k < 2; ++k) {
      Fish f{move, s, n, d, (k == 0) == columns_first, {}, {}};
      if (form(f)) return n;
    }
  }
  return 0;
}

}  // namespace

int find_finned_x_wing(BusyManager&, int n, const State& s, int /*argument*/, Move& move) {
  return fish_search(move, n, s, finned, true);
}

int find_sashimi_x_wing(BusyManager&, int n, const State& s, int /*argument*/, Move& move) {
  return fish_search(move, n, s, sashimi, false);
}

}  // namespace vantry
