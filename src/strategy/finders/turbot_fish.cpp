// Turbot fish: three links on one digit d, strong Y-X, weak X-E, strong E-O.
// Either Y holds d, or X does and so E does not and O does: one of the two
// ends is d, and d leaves every cell that sees both ends.
//
//   Y ==== X          ====  strong link (the unit's only two places of d)
//          |          |     weak link (X and E share a unit)
//          E ==== O   one of Y and O is d
//
// The search, per digit: 1. gather the strong links; 2. rows, then columns,
// then boxes: each link's ends take turns as X; 3. a weak link from X to the
// end E of another strong link; 4. the cells that see Y and O and hold d.
#include <utility>

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

// The strong links of one digit: per unit kind (row, column, box) and index,
// whether exactly two unsolved cells hold d, and their positions ascending.
struct Links {
  bool has[3][9] = {};
  int pos[3][9][2] = {};
};

constexpr int kRow = 0, kColumn = 1, kBox = 2;

Place cell_at(int kind, int index, int pos) {
  if (kind == kRow) return {index, pos};
  if (kind == kColumn) return {pos, index};
  return {row_of(index, pos), column_of(index, pos)};
}

Links gather_links(const State& s, int d) {
  Links links;
  constexpr UnitKind kinds[3] = {UnitKind::Row, UnitKind::Column, UnitKind::Box};
  for (int kind = 0; kind < 3; ++kind) {
    for (int i = 0; i < 9; ++i) {
      int places[9];
      if (s.unit(kinds[kind], i).places_of_digit(d, places) != 2) continue;
      links.has[kind][i] = true;
      links.pos[kind][i][0] = places[0];
      links.pos[kind][i][1] = places[1];
    }
  }
  return links;
}

struct Turbot {
  Move& move;
  const State& s;
  int n;
  int d;
  Links links;
};

// The cells that see both Y and O, by the first rule that fits their places.
CellSet removal_cells(const Turbot& t, Place y, Place x, Place e, Place o) {
  CellSet out;
  auto consider = [&](int r, int c) {
    if (t.s.cell(r, c).is_possible(t.d)) out.add(r, c);
  };
  const int box_y = box_of(y.r, y.c), box_o = box_of(o.r, o.c);
  if (box_y == box_o) {
    // 1. One box: its cells off the two ends' columns (or rows).
    if (y.c == x.c) {
      for (int c = box_y % 3 * 3; c < box_y % 3 * 3 + 3; ++c) {
        for (int r = box_y / 3 * 3; r < box_y / 3 * 3 + 3; ++r) {
          if (c != y.c && c != o.c) consider(r, c);
        }
      }
    } else {
      for (int r = box_y / 3 * 3; r < box_y / 3 * 3 + 3; ++r) {
        for (int c = box_y % 3 * 3; c < box_y % 3 * 3 + 3; ++c) {
          if (r != y.r && r != o.r) consider(r, c);
        }
      }
    }
  } else if (y.c == o.c) {
    // 2. and 3. One line: the rest of it.
    for (int r = 0; r < 9; ++r) {
      if (r != y.r && r != o.r) consider(r, y.c);
    }
  } else if (y.r == o.r) {
    for (int c = 0; c < 9; ++c) {
      if (c != y.c && c != o.c) consider(y.r, c);
    }
  } else if (box_y / 3 == box_o / 3) {
    // 4. One band: each end's row inside the other's box, the upper row
    // first, X and E left out.
    const Place first = y.r < o.r ? y : o, second = y.r < o.r ? o : y;
    for (const auto& [row_of_end, box_end] : {std::pair{first, second}, std::pair{second, first}}) {
      const int start = box_end.c / 3 * 3;
      for (int c = start; c < start + 3; ++c) {
        const bool is_x = row_of_end.r == x.r && c == x.c, is_e = row_of_end.r == e.r && c == e.c;
        if (!is_x && !is_e) consider(row_of_end.r, c);
      }
    }
  } else if (box_y % 3 == box_o % 3) {
    // 5. One stack: each end's column inside the other's box, the left column first.
    const Place first = y.c < o.c ? y : o, second = y.c < o.c ? o : y;
    for (const auto& [column_of_end, box_end] : {std::pair{first, second}, std::pair{second, first}}) {
      const int start = box_end.r / 3 * 3;
      for (int r = start; r < start + 3; ++r) consider(r, column_of_end.c);
    }
  } else {
    // 6. The two crossing cells.
    consider(o.r, y.c);
    consider(y.r, o.c);
  }
  return out;
}

bool try_chain(Turbot& t, Place y, Place x, Place e, Place o) {
  const CellSet removals = removal_cells(t, y, x, e, o);
  if (removals.empty()) return false;
  for (int i = 0; i < removals.count(); ++i) t.move.remove(removals.row(i), removals.column(i), t.d);
  // The chain's four cells show d; its two ends are the pattern.
  for (const Place p : {y, x, e, o}) {
    const bool end = (p.r == y.r && p.c == y.c) || (p.r == o.r && p.c == o.c);
    t.move.mark_cell(p.r, p.c, end ? kMarkRemove : kMarkShow);
    t.move.mark_digit(p.r, p.c, t.d, kMarkShow);
  }
  for (int i = 0; i < removals.count(); ++i) {
    t.move.mark_digit(removals.row(i), removals.column(i), t.d, kMarkRemove);
  }
  Text explanation;
  explanation.add("Cell ").cell_name(y.r, y.c).add(" is either ").number(t.d).add(" or it isn't ");
  explanation.number(t.d).add(". If it isn't, then cell ").cell_name(o.r, o.c).add(" must be ");
  explanation.number(t.d).add(". In either case, cell").add(removals.count() > 1 ? "s" : "");
  for (int i = 0; i < removals.count(); ++i) {
    explanation.add(i == 0 ? " " : i == removals.count() - 1 ? " and " : ", ");
    explanation.cell_name(removals.row(i), removals.column(i));
  }
  explanation.add(" cannot be ").number(t.d).add(".");
  t.move.describe(t.n, kTemplateMedium, explanation.str(), value_phrase(t.d));
  return true;
}

// Each end of a strong link that passes `near` becomes E, the other end O.
template <typename Near>
bool third_links(Turbot& t, Place y, Place x, int kind, int index, Near near) {
  if (!t.links.has[kind][index]) return false;
  for (int k = 0; k < 2; ++k) {
    const Place e = cell_at(kind, index, t.links.pos[kind][index][k]);
    if (!near(e)) continue;
    const Place o = cell_at(kind, index, t.links.pos[kind][index][1 - k]);
    if (try_chain(t, y, x, e, o)) return true;
  }
  return false;
}

bool from_row(Turbot& t, Place y, Place x) {
  const int stack = x.c / 3, band = x.r / 3;
  for (int k = 0; k < 3; ++k) {
    const int b = stack + 3 * k;
    if (b != box_of(x.r, x.c) && third_links(t, y, x, kBox, b, [&](Place e) { return e.c == x.c; })) return true;
  }
  for (int k = 0; k < 3; ++k) {
    const int c = stack * 3 + k;
    if (c != x.c && third_links(t, y, x, kColumn, c, [&](Place e) { return e.r / 3 == band; })) return true;
  }
  for (int r = 0; r < 9; ++r) {
    if (r != x.r && third_links(t, y, x, kRow, r, [&](Place e) { return e.c == x.c; })) return true;
  }
  return false;
}

bool from_column(Turbot& t, Place y, Place x) {
  const int stack = x.c / 3, band = x.r / 3;
  for (int k = 0; k < 3; ++k) {
    const int b = band * 3 + k;
    if (b != box_of(x.r, x.c) && third_links(t, y, x, kBox, b, [&](Place e) { return e.r == x.r; })) return true;
  }
  for (int k = 0; k < 3; ++k) {
    const int r = band * 3 + k;
    if (r != x.r && third_links(t, y, x, kRow, r, [&](Place e) { return e.c / 3 == stack; })) return true;
  }
  for (int c = 0; c < 9; ++c) {
    if (c != x.c && third_links(t, y, x, kColumn, c, [&](Place e) { return e.r == x.r; })) return true;
  }
  return false;
}

bool from_box(Turbot& t, Place y, Place x) {
  for (int r = 0; r < 9; ++r) {
    if (r != y.r && r != x.r && third_links(t, y, x, kRow, r, [&](Place e) { return e.c == x.c; })) return true;
  }
  for (int c = 0; c < 9; ++c) {
    if (c != y.c && c != x.c && third_links(t, y, x, kColumn, c, [&](Place e) { return e.r == x.r; })) return true;
  }
  return false;
}

}  // namespace

int find_turbot_fish(BusyManager&, int n, const State& s, int /*argument*/, Move& move) {
  using From = bool (*)(Turbot&, Place, Place);
  constexpr From kFrom[3] = {from_row, from_column, from_box};
  for (int d = 1; d <= 9; ++d) {
    Turbot t{move, s, n, d, gather_links(s, d)};
    // Rows, then columns, then boxes; both ends of each link take a turn as X.
    for (int kind = 0; kind < 3; ++kind) {
      for (int i = 0; i < 9; ++i) {
        if (!t.links.has[kind][i]) continue;
        for (int k = 0; k < 2; ++k) {
          const Place x = cell_at(kind, i, t.links.pos[kind][i][k]);
          const Place y = cell_at(kind, i, t.links.pos[kind][i][1 - k]);
          if (kFrom[kind](t, y, x)) return n;
        }
      }
    }
  }
  return 0;
}

}  // namespace vantry
