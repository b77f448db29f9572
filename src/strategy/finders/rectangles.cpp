// Unique rectangles, types 1 to 6. Four cells at the corners of a rectangle
// over two rows, two columns and two boxes must not end up holding only the
// same two digits: the digits could then be swapped and the puzzle would have
// two solutions. Each type draws another conclusion from that.
//
//   A {x,y} ---- B {x,y}      the floor: two bivalue cells in one line
//      |            |
//   C {x,y,..} - D {x,y,..}   the roof: what C and D hold besides x and y
//                             decides the type
//
// The search: 1. each bivalue A in row-major order, with B after it in its
// row, then below it in its column; 2. every roof line whose C and D hold both
// digits; 3. types 1 to 4 in order. Types 5 and 6 take a bivalue diagonal
// A, D instead.
#include "model/cellset.h"
#include "strategy/finders/finder_support.h"
#include "strategy/finders/finders.h"
#include "strategy/finders/peers.h"
#include "strategy/hint_templates.h"
#include "strategy/move.h"
#include "strategy/text_builder.h"

namespace vantry {

namespace {

// The rows each type reports.
constexpr int kType1 = 28, kType2 = 29, kType3 = 30, kType4 = 31, kType5 = 32, kType6 = 33;

struct Corner {
  int r, c;
};

unsigned bit(int d) { return 1u << (d - 1); }
int count_of(unsigned mask) { return __builtin_popcount(mask); }

// The rectangle: A and B are the floor (two bivalue cells with the pair x, y
// in one row or column), C on A's side and D on B's side the roof.
struct Rectangle {
  Move& move;
  const State& s;
  Corner a, b, c, d;
  int x, y;
  bool floor_in_row;

  unsigned held(const Corner& k) const { return possibility_mask(s.cell(k.r, k.c)); }
  void mark_corners() {
    for (const Corner& k : {a, b, c, d}) move.mark_cell(k.r, k.c, kMarkRemove);
  }
};

// Two corners on one side share a box, the corners across do not: the
// rectangle lies in exactly two boxes. (All four corners in one box would be
// no deadly pattern at all: such a box would need x and y twice.)
bool in_two_boxes(const Corner& a, const Corner& b, const Corner& c) {
  return (box_of(a.r, a.c) == box_of(b.r, b.c)) != (box_of(a.r, a.c) == box_of(c.r, c.c));
}

void delete_all(Move& move, const CellSet& cells, int d) {
  for (int i = 0; i < cells.count(); ++i) move.remove(cells.row(i), cells.column(i), d);
}
// Only where the cell holds d: a type 3 removal cell may hold just one of its
// two digits, and a mark on the other would remove (and count) a digit that
// is not there.
void mark_all(Move& move, const State& s, const CellSet& cells, int d, int mark) {
  for (int i = 0; i < cells.count(); ++i) {
    if (s.cell(cells.row(i), cells.column(i)).is_possible(d)) move.mark_digit(cells.row(i), cells.column(i), d, mark);
  }
}

Text& cell(Text& text, const Corner& k) { return text.cell_name(k.r, k.c); }
Text& plural_cells(Text& text, const CellSet& cells) {
  text.add("cell");
  if (cells.count() > 1) text.add("s");
  return text;
}

// Type 1: three corners hold only x and y; the fourth cannot be x or y.
bool type_1(Rectangle& rect) {
  const bool c_pair = count_of(rect.held(rect.c)) == 2, d_pair = count_of(rect.held(rect.d)) == 2;
  if (c_pair == d_pair) return false;
  const Corner e = d_pair ? rect.c : rect.d;
  rect.move.remove(e.r, e.c, rect.x);
  rect.move.remove(e.r, e.c, rect.y);
  rect.mark_corners();
  rect.move.mark_digit(e.r, e.c, rect.x, kMarkRemove);
  rect.move.mark_digit(e.r, e.c, rect.y, kMarkRemove);
  Text explanation;
  cell(explanation.add("If cell "), e).add(" were ").number(rect.x).add(" or ").number(rect.y);
  explanation.add(", then the highlighted cells would have two legitimate solutions.  ");
  explanation.add("This is impossible in a Sudoku with only one solution.\n\nTherefore, cell ");
  cell(explanation, e).add(" cannot be ").number(rect.x).add(" or ").number(rect.y).add(".");
  rect.move.describe(kType1, kTemplateLong, explanation.str(), values_phrase(rect.x, rect.y));
  return true;
}

// Type 2: C and D hold the same third digit o; one of them must be o.
bool type_2(Rectangle& rect) {
  const unsigned extra = rect.held(rect.c) & ~(bit(rect.x) | bit(rect.y));
  VANTRY_ASSERT(extra != 0);  // the oddball
  const int o = __builtin_ctz(extra) + 1;
  CellSet removals = peers_holding(rect.s, rect.c.r, rect.c.c, o);
  removals.intersect_with(peers_holding(rect.s, rect.d.r, rect.d.c, o));
  removals.remove(rect.c.r, rect.c.c);
  removals.remove(rect.d.r, rect.d.c);
  if (removals.empty()) return false;
  delete_all(rect.move, removals, o);
  rect.mark_corners();
  mark_all(rect.move, rect.s, removals, o, kMarkRemove);
  Text explanation;
  cell(explanation.add("If neither cell "), rect.c).add(" nor cell ");
  cell(explanation, rect.d).add(" were ").number(o);
  explanation.add(", then the highlighted cells would have two possible solutions. ");
  explanation.add("This is impossible in a Sudoku with only one solution, so either cell ");
  cell(explanation, rect.c).add(" or cell ");
  cell(explanation, rect.d).add(" must be ").number(o).add(".\n\nTherefore, ").number(o);
  plural_cells(explanation.add(" can be removed as a possibility from "), removals).add(" ");
  explanation.cell_list(removals, "and").add(".");
  rect.move.describe(kType2, kTemplateLong, explanation.str(), value_phrase(o));
  return true;
}

// Type 3: the extra digits p and q of C and D act as one cell that, with a
// partner cell E holding just p and q, uses both digits up.
bool type_3(Rectangle& rect) {
  // Step 1. The digits of C, then D's new ones: four, of which two are extra.
  int p = 0, q = 0;
  const unsigned all = rect.held(rect.c) | rect.held(rect.d);
  if (count_of(all) != 4) return false;
  const unsigned extra = all & ~(bit(rect.x) | bit(rect.y));
  VANTRY_ASSERT(count_of(extra) == 2);  // the two oddballs
  // C's own digits come first, in ascending order; then D's.
  for (unsigned from : {rect.held(rect.c) & extra, rect.held(rect.d) & extra & ~rect.held(rect.c)}) {
    for (int k = 1; k <= 9; ++k) {
      if ((from & bit(k)) == 0) continue;
      if (p == 0) {
        p = k;
      } else {
        q = k;
      }
    }
  }
  const unsigned pq = bit(p) | bit(q);
  // Step 2. The partner: the first cell that sees C and D and holds just p and q.
  CellSet partners = peers_holding_all(rect.s, rect.c.r, rect.c.c, pq);
  partners.intersect_with(peers_holding_all(rect.s, rect.d.r, rect.d.c, pq));
  partners.remove(rect.c.r, rect.c.c);
  partners.remove(rect.d.r, rect.d.c);
  int e = -1;
  for (int i = 0; i < partners.count() && e < 0; ++i) {
    if (count_of(possibility_mask(rect.s.cell(partners.row(i), partners.column(i)))) == 2) e = i;
  }
  if (e < 0) return false;
  const Corner partner{partners.row(e), partners.column(e)};
  // Step 3. p and q leave every cell that sees C, D and E.
  CellSet removals = peers_holding_any(rect.s, rect.c.r, rect.c.c, pq);
  removals.intersect_with(peers_holding_any(rect.s, rect.d.r, rect.d.c, pq));
  removals.intersect_with(peers_holding_any(rect.s, partner.r, partner.c, pq));
  removals.remove(rect.c.r, rect.c.c);
  removals.remove(rect.d.r, rect.d.c);
  removals.remove(partner.r, partner.c);
  if (removals.empty()) return false;
  // Step 4. p and q leave the removal cells.
  delete_all(rect.move, removals, p);
  delete_all(rect.move, removals, q);
  // Step 5. The hint shows the corners and the partner's p and q.
  rect.mark_corners();
  for (const Corner& k : {rect.c, rect.d, partner}) {
    for (int digit : {p, q}) {
      if (rect.held(k) & bit(digit)) rect.move.mark_digit(k.r, k.c, digit, kMarkShow);
    }
  }
  mark_all(rect.move, rect.s, removals, p, kMarkRemove);
  mark_all(rect.move, rect.s, removals, q, kMarkRemove);
  Text explanation;
  const bool c_holds_p = (rect.held(rect.c) & bit(p)) != 0;
  cell(explanation.add("Either cell "), rect.c).add(" must be ").number(c_holds_p ? p : q);
  cell(explanation.add(" or cell "), rect.d).add(" must be ").number(c_holds_p ? q : p);
  explanation.add(" (otherwise the highlighted cells would have two possible solutions, which ");
  explanation.add("is impossible in a Sudoku with only one solution). This forces cell ");
  cell(explanation, partner).add(" to be the other value.\n\n").number(p).add(" and ").number(q);
  plural_cells(explanation.add(" will both be used, therefore they can be removed as possibilities from "), removals);
  explanation.add(" ").cell_list(removals, "and").add(".");
  rect.move.describe(kType3, kTemplateLong, explanation.str(), values_phrase(p, q));
  return true;
}

// Type 4: one of x, y is confined to C and D in a unit they share, so one of
// them is that digit and neither may be the other.
bool type_4(Rectangle& rect) {
  // Step 1. Which of x and y the other cells of a unit hold.
  auto flags_of = [&](UnitKind kind, int index) {
    unsigned flags = 0;
    for (int p = 0; p < 9; ++p) {
      int r = 0, c = 0;
      cell_of(kind, index, p, r, c);
      if ((r == rect.c.r && c == rect.c.c) || (r == rect.d.r && c == rect.d.c)) continue;
      flags |= possibility_mask(rect.s.cell(r, c)) & (bit(rect.x) | bit(rect.y));
    }
    return flags;
  };
  // Step 2. The roof's box when C and D share one, else (or when that box
  // settles nothing) the roof's line.
  UnitKind kind = UnitKind::Box;
  int index = box_of(rect.c.r, rect.c.c);
  unsigned flags = 0;
  if (box_of(rect.c.r, rect.c.c) == box_of(rect.d.r, rect.d.c)) flags = flags_of(kind, index);
  if (count_of(flags) != 1) {
    kind = rect.floor_in_row ? UnitKind::Row : UnitKind::Column;
    index = rect.floor_in_row ? rect.c.r : rect.c.c;
    flags = flags_of(kind, index);
    if (count_of(flags) != 1) return false;
  }
  // Step 3. k is confined to C and D; r goes from both.
  const int removed = flags == bit(rect.x) ? rect.x : rect.y;
  const int confined = removed == rect.x ? rect.y : rect.x;
  rect.move.remove(rect.c.r, rect.c.c, removed);
  rect.move.remove(rect.d.r, rect.d.c, removed);
  rect.mark_corners();
  rect.move.mark_digit(rect.c.r, rect.c.c, removed, kMarkRemove);
  rect.move.mark_digit(rect.d.r, rect.d.c, removed, kMarkRemove);
  Text explanation;
  explanation.add("In");
  switch (kind) {
    case UnitKind::Box: explanation.add(" box ").unit_number(index); break;
    case UnitKind::Row: explanation.add(" row ").unit_number(rect.c.r); break;
    case UnitKind::Column: explanation.add(" col ").unit_number(rect.c.c); break;
  }
  cell(explanation.add(", either cell "), rect.c).add(" or cell ");
  cell(explanation, rect.d).add(" must be ").number(confined);
  explanation.add(". However, if the other cell is ").number(removed);
  explanation.add(", then the highlighted cells would have two possible solutions. ");
  explanation.add("This is impossible in a Sudoku with only one solution.\n\nTherefore, ").number(removed);
  cell(explanation.add(" can be removed as a possibility from cells "), rect.c).add(" and ");
  cell(explanation, rect.d).add(".");
  rect.move.describe(kType4, kTemplateLong, explanation.str(), value_phrase(removed));
  return true;
}

// Types 1 to 4 on one rectangle, in that order; the row number of the move or 0.
int test_rectangle(Rectangle& rect) {
  if (!in_two_boxes(rect.a, rect.b, rect.c)) return 0;
  if (type_1(rect)) return kType1;
  const int in_c = count_of(rect.held(rect.c)), in_d = count_of(rect.held(rect.d));
  if (in_c >= 3 && in_c <= 4 && in_d >= 3 && in_d <= 4) {
    if (in_c == 3 && rect.held(rect.c) == rect.held(rect.d)) {
      // Two identical triples: type 2 or nothing; type 3 is not tried.
      if (type_2(rect)) return kType2;
    } else if (type_3(rect)) {
      return kType3;
    }
  }
  return type_4(rect) ? kType4 : 0;
}

// ---------------------------------------------------------------------------
// Types 5 and 6: a bivalue diagonal A, D with B and C holding more.

// Type 5: B and C hold the same triple; one of them is its third digit z.
bool type_5(Move& move, const State& s, Corner a, Corner b, Corner c, Corner d, int x, int y) {
  const unsigned triple = possibility_mask(s.cell(b.r, b.c));
  const int z = __builtin_ctz(triple & ~(bit(x) | bit(y))) + 1;
  CellSet removals = peers_holding(s, b.r, b.c, z);
  removals.intersect_with(peers_holding(s, c.r, c.c, z));
  if (removals.empty()) return false;
  delete_all(move, removals, z);
  for (const Corner& k : {a, b, d, c}) move.mark_cell(k.r, k.c, kMarkRemove);
  mark_all(move, s, removals, z, kMarkRemove);
  Text explanation;
  cell(explanation.add("Either cell "), b).add(" or cell ");
  cell(explanation, c).add(" must be ").number(z);
  explanation.add(", otherwise the puzzle would have two valid solutions, which ");
  explanation.add("is impossible in a Sudoku with only one solution.\n\nTherefore, ").number(z);
  plural_cells(explanation.add(" can be removed as a possibility from "), removals);
  // This list reads "a, b, and c".
  for (int i = 0; i < removals.count(); ++i) {
    explanation.add(i == 0 ? " " : i == removals.count() - 1 ? ", and " : ", ");
    explanation.cell_name(removals.row(i), removals.column(i));
  }
  explanation.add(".");
  move.describe(kType5, kTemplateLong, explanation.str(), values_phrase(x, y));
  return true;
}

// Type 6: where a digit of the pair is confined to two corners of a row or
// column, the corner of the other diagonal that would complete the deadly
// pattern cannot take it.
bool type_6(Move& move, const State& s, Corner a, Corner b, Corner c, Corner d, int x, int y) {
  auto holders = [&](UnitKind kind, int index, int v) { return s.unit(kind, index).places_of_digit(v); };
  struct Record {
    int digit;
    Corner cell;
  };
  Record records[4];
  int n = 0;
  for (int v : {x, y}) {
    if (holders(UnitKind::Row, c.r, v) == 2 || holders(UnitKind::Column, a.c, v) == 2) records[n++] = {v, b};
    if (holders(UnitKind::Column, b.c, v) == 2 || holders(UnitKind::Row, a.r, v) == 2) records[n++] = {v, c};
  }
  if (n == 0) return false;
  for (int i = 0; i < n; ++i) move.remove(records[i].cell.r, records[i].cell.c, records[i].digit);
  for (const Corner& k : {a, c, d, b}) move.mark_cell(k.r, k.c, kMarkRemove);
  for (int i = 0; i < n; ++i) move.mark_digit(records[i].cell.r, records[i].cell.c, records[i].digit, kMarkRemove);
  Text explanation;
  explanation.add("If cell ");
  for (int i = 0; i < n; ++i) {
    if (i > 0) explanation.add(", or cell ");
    cell(explanation, records[i].cell).add(" were ").number(records[i].digit);
  }
  explanation.add(n == 1 ? ", it" : ", they").add(" would force the cell").add(n == 1 ? "" : "s");
  explanation.add(" in the opposite corner to be the same value, which would produce one of two ");
  explanation.add("equally good solutions to the deadly pattern.\n\n");
  explanation.add("This cannot happen in a puzzle with only one solution, so we can remove ");
  for (int i = 0; i < n; ++i) {
    if (i > 0) explanation.add(i == n - 1 ? "; and " : "; ");
    cell(explanation.number(records[i].digit).add(" from cell "), records[i].cell);
  }
  explanation.add(".");
  Text detail;
  detail.add(n == 1 ? "the value " : "the values ");
  for (int i = 0; i < n; ++i) {
    if (i > 0) detail.add(i == n - 1 ? ", and " : ", ");
    detail.number(records[i].digit);
  }
  move.describe(kType6, kTemplateLong, explanation.str(), detail.str());
  return true;
}

}  // namespace

int find_unique_rectangle(BusyManager&, int, const State& s, int, Move& move) {
  for (int r = 0; r < 9; ++r) {
    for (int c = 0; c < 9; ++c) {
      const unsigned pair = possibility_mask(s.cell(r, c));
      if (count_of(pair) != 2) continue;
      const int x = __builtin_ctz(pair) + 1, y = 31 - __builtin_clz(pair) + 1;
      auto holds_pair = [&](int row, int col) { return (possibility_mask(s.cell(row, col)) & pair) == pair; };
      // Step 1. Floor pair in A's row, the roof in every other row.
      for (int c2 = c + 1; c2 < 9; ++c2) {
        if (possibility_mask(s.cell(r, c2)) != pair) continue;
        for (int r2 = 0; r2 < 9; ++r2) {
          if (r2 == r || !holds_pair(r2, c) || !holds_pair(r2, c2)) continue;
          Rectangle rect{move, s, {r, c}, {r, c2}, {r2, c}, {r2, c2}, x, y, true};
          if (const int found = test_rectangle(rect); found != 0) return found;
        }
      }
      // Step 2. Floor pair in A's column, the roof in every other column.
      for (int r2 = r + 1; r2 < 9; ++r2) {
        if (possibility_mask(s.cell(r2, c)) != pair) continue;
        for (int c2 = 0; c2 < 9; ++c2) {
          if (c2 == c || !holds_pair(r, c2) || !holds_pair(r2, c2)) continue;
          Rectangle rect{move, s, {r, c}, {r2, c}, {r, c2}, {r2, c2}, x, y, false};
          if (const int found = test_rectangle(rect); found != 0) return found;
        }
      }
    }
  }
  return 0;
}

int find_unique_rectangle_5_6(BusyManager&, int, const State& s, int, Move& move) {
  // Row 8 is never the first row: the second row is always below.
  for (int r = 0; r < 8; ++r) {
    unsigned held[9];
    for (int c = 0; c < 9; ++c) held[c] = possibility_mask(s.cell(r, c));
    for (int c1 = 0; c1 < 9; ++c1) {
      if (count_of(held[c1]) != 2) continue;
      const unsigned pair = held[c1];
      const int x = __builtin_ctz(pair) + 1, y = 31 - __builtin_clz(pair) + 1;
      for (int c2 = 0; c2 < 9; ++c2) {
        if (c2 == c1 || count_of(held[c2]) <= 2 || (held[c2] & pair) != pair) continue;
        const Corner a{r, c1}, b{r, c2};
        // Type 5: B is a triple; C below A has the same triple, D below B the pair.
        if (count_of(held[c2]) == 3) {
          for (int r2 = r + 1; r2 < 9; ++r2) {
            const Corner c{r2, c1}, d{r2, c2};
            if (possibility_mask(s.cell(c.r, c.c)) != held[c2] || possibility_mask(s.cell(d.r, d.c)) != pair) continue;
            if (!in_two_boxes(a, b, c)) continue;
            if (type_5(move, s, a, b, c, d, x, y)) return kType5;
          }
        }
        // Type 6: D is the pair, C holds the pair and more.
        for (int r2 = r + 1; r2 < 9; ++r2) {
          const Corner c{r2, c1}, d{r2, c2};
          const unsigned in_c = possibility_mask(s.cell(c.r, c.c));
          if (possibility_mask(s.cell(d.r, d.c)) != pair || count_of(in_c) < 3 || (in_c & pair) != pair) continue;
          if (!in_two_boxes(a, b, c)) continue;
          if (type_6(move, s, a, b, c, d, x, y)) return kType6;
        }
      }
    }
  }
  return 0;
}

}  // namespace vantry
