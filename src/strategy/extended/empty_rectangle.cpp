// Empty rectangle on one digit d: inside a box, d is confined to one row r and
// one column c (the rest of the box, an "empty rectangle", holds no d). With
// a strong link on d in a column c2 outside the box, one end in row r and the
// other in row q: if cell (q, c) were d, the link's end in row r would be d,
// and together they would leave the box without d. So (q, c) loses d. The
// same holds with rows and columns exchanged.
//
//   box:  . d .     strong link in column c2:  (r, c2) = d  or  (q, c2) = d
//         d d d  <- row r                       target (q, c): d removed
//         . d .
//           ^ column c
#include "strategy/extended/grid_bits.h"
#include "strategy/extended/pattern_finders.h"
#include "strategy/finders/finder_support.h"
#include "strategy/hint_templates.h"
#include "strategy/move.h"

namespace vantry {

namespace {

// One orientation: the link lies in a column (transposed: in a row). Lines
// are addressed through rc(), so both orientations share the code.
struct ErSearch {
  const State& s;
  Move& move;
  int n;
  int d;
  bool transposed;

  int cell(int row, int col) const { return transposed ? cell_index(col, row) : cell_index(row, col); }
  bool holds(int row, int col) const {
    const int i = cell(row, col);
    return s.cell(row_of_cell(i), column_of_cell(i)).is_possible(d);
  }
};

// Box b (band br, stack bc in this orientation): its d only in row r and column c.
bool confined(const ErSearch& f, int br, int bc, int r, int c) {
  bool off_row = false, off_column = false;
  for (int row = br * 3; row < br * 3 + 3; ++row) {
    for (int col = bc * 3; col < bc * 3 + 3; ++col) {
      if (!f.holds(row, col)) continue;
      if (row != r && col != c) return false;
      off_row |= row != r;
      off_column |= col != c;
    }
  }
  // Both arms must hold d; a box with d on one line alone is a box/line case.
  return off_row && off_column;
}

bool er_move(ErSearch& f, int br, int bc, int r, int c, int c2, int q) {
  const int target = f.cell(q, c);
  const int tr = row_of_cell(target), tc = column_of_cell(target);
  f.move.remove(tr, tc, f.d);
  f.move.mark_digit(tr, tc, f.d, kMarkRemove);
  CellSet box;
  for (int row = br * 3; row < br * 3 + 3; ++row) {
    for (int col = bc * 3; col < bc * 3 + 3; ++col) {
      if (!f.holds(row, col)) continue;
      const int i = f.cell(row, col);
      box.add(row_of_cell(i), column_of_cell(i));
      f.move.mark_cell(row_of_cell(i), column_of_cell(i), kMarkRemove);
      f.move.mark_digit(row_of_cell(i), column_of_cell(i), f.d, kMarkShow);
    }
  }
  const int a = f.cell(r, c2), b = f.cell(q, c2);
  f.move.chain_append(row_of_cell(a), column_of_cell(a));
  f.move.chain_append(row_of_cell(b), column_of_cell(b));
  f.move.chain_append(tr, tc);
  f.move.mark_digit(row_of_cell(a), column_of_cell(a), f.d, kMarkShow);
  f.move.mark_digit(row_of_cell(b), column_of_cell(b), f.d, kMarkShow);
  const int box_number = f.transposed ? bc * 3 + br : br * 3 + bc;
  const std::string_view row_word = f.transposed ? "column" : "row";
  const std::string_view col_word = f.transposed ? "row" : "column";
  Text t;
  t.add("In box ").number(box_number + 1).add(", the value ").number(f.d).add(" only appears in ");
  t.unit(row_word, r).add(" and ").unit(col_word, c).add(". In ").unit(col_word, c2).add(", ").number(f.d);
  t.add(" must be in cell ").cell_name(row_of_cell(a), column_of_cell(a)).add(" or cell ");
  t.cell_name(row_of_cell(b), column_of_cell(b)).add(".\n\nIf cell ").cell_name(tr, tc).add(" were ").number(f.d);
  t.add(", cell ").cell_name(row_of_cell(a), column_of_cell(a)).add(" would be ").number(f.d);
  t.add(" too, and box ").number(box_number + 1).add(" would have no place left for ").number(f.d);
  t.add(". Therefore, ").number(f.d).add(" cannot be a possibility in cell ").cell_name(tr, tc).add(".");
  f.move.describe(f.n, kTemplateLong, t.str(), value_phrase(f.d));
  return true;
}

bool search(ErSearch& f) {
  for (int b = 0; b < 9; ++b) {
    const int br = b / 3, bc = b % 3;
    for (int r = br * 3; r < br * 3 + 3; ++r) {
      for (int c = bc * 3; c < bc * 3 + 3; ++c) {
        if (!confined(f, br, bc, r, c)) continue;
        // The strong link: a column c2 outside the box's stack where d has
        // exactly two places, one in row r and the other outside the band.
        for (int c2 = 0; c2 < 9; ++c2) {
          if (c2 / 3 == bc || !f.holds(r, c2)) continue;
          int other = -1, places = 0;
          for (int row = 0; row < 9; ++row) {
            if (!f.holds(row, c2)) continue;
            ++places;
            if (row != r) other = row;
          }
          if (places != 2 || other / 3 == br || !f.holds(other, c)) continue;
          return er_move(f, br, bc, r, c, c2, other);
        }
      }
    }
  }
  return false;
}

}  // namespace

int find_empty_rectangle(BusyManager&, int n, const State& s, int /*argument*/, Move& move) {
  for (int d = 1; d <= 9; ++d) {
    for (bool transposed : {false, true}) {
      ErSearch f{s, move, n, d, transposed};
      if (search(f)) return n;
    }
  }
  return 0;
}

}  // namespace vantry
