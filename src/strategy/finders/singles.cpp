// The four cheapest strategies: naked and hidden singles place an answer,
// box/line and line/box eliminations remove one digit from the cells a box
// and a line share. The singles are also counted, for telling Easy puzzles
// from Medium ones.
#include "model/list.h"
#include "strategy/finders/finder_support.h"
#include "strategy/finders/finders.h"
#include "strategy/hint_templates.h"
#include "strategy/move.h"
#include "strategy/text_builder.h"

namespace vantry {

// Naked single: the first empty cell, in row-major order, with exactly one
// possibility left. That possibility is its answer.
int find_naked_single(BusyManager&, int n, const State& s, int, Move& move) {
  for (int r = 0; r < 9; ++r) {
    for (int c = 0; c < 9; ++c) {
      const Cell& cell = s.cell(r, c);
      int digits[9];
      if (cell.answer != 0 || cell.list_possibilities(digits) != 1) continue;
      const int d = digits[0];
      move.place(r, c, d);
      move.mark_cell(r, c, kMarkRemove);
      move.mark_digit(r, c, d, kMarkAnswer);
      Text explanation;
      explanation.add("Cell ").cell_name(r, c).add(" has only one possibility.");
      move.describe(n, kTemplateOneLine, explanation.str(), value_phrase(d));
      return n;
    }
  }
  return 0;
}

// Hidden single: a digit possible in only one cell of a unit. Boxes are
// searched first, then rows, then columns; in each unit the digits 1 to 9.
int find_hidden_single(BusyManager&, int n, const State& s, int, Move& move) {
  for (UnitKind kind : kUnitPasses) {
    for (int i = 0; i < 9; ++i) {
      const Unit& unit = s.unit(kind, i);
      for (int d = 1; d <= 9; ++d) {
        int places[9];
        if (unit.places_of_digit(d, places) != 1) continue;
        int r = 0, c = 0;
        cell_of(kind, i, places[0], r, c);
        move.place(r, c, d);
        move.mark_cell(r, c, kMarkRemove);
        move.mark_digit(r, c, d, kMarkAnswer);
        Text explanation;
        explanation.add("The value ").number(d).add(" is only possible in one cell of ");
        explanation.unit(unit_word(kind), i).add(".");
        move.describe(n, kTemplateOneLine, explanation.str(), value_phrase(d));
        return n;
      }
    }
  }
  return 0;
}

int singles_available(const State& s) {
  // Step 1. Every naked single, row by row.
  int count = 0;
  for (int r = 0; r < 9; ++r) {
    for (int c = 0; c < 9; ++c) {
      if (s.cell(r, c).answer == 0 && s.cell(r, c).list_possibilities() == 1) ++count;
    }
  }
  // Step 2. Every hidden single of every unit; a cell that is a single twice
  // counts twice.
  for (UnitKind kind : kUnitPasses) {
    for (int i = 0; i < 9; ++i) {
      for (int d = 1; d <= 9; ++d) {
        if (s.unit(kind, i).places_of_digit(d) == 1) ++count;
      }
    }
  }
  return count;
}

// Box/line elimination: within a box, a digit confined to one box-row (or
// box-column) must be in that line inside the box, so it leaves the rest of
// the line.
//
//   box 0        row 1 outside the box
//   . . .   |   . . .   . . .
//   d d .   |   x x x   x x x      x: d removed
//   . . .   |   . . .   . . .
int find_box_line(BusyManager&, int n, const State& s, int, Move& move) {
  for (int b = 0; b < 9; ++b) {
    const Unit& box = s.box(b);
    for (int d = 1; d <= 9; ++d) {
      // Step 1. Do the box's cells holding d share a box-row or a box-column?
      int count = 0, box_row = 0, box_column = 0;
      bool row_shared = true, column_shared = true;
      for (int p = 0; p < 9; ++p) {
        if (!box.is_possible(p, d)) continue;
        if (++count == 1) {
          box_row = p / 3;
          box_column = p % 3;
        } else {
          if (p / 3 != box_row) row_shared = false;
          if (p % 3 != box_column) column_shared = false;
        }
      }
      // Step 2. No cell, or a single one (a hidden single), is no pattern.
      if (count == 0 || (row_shared && column_shared)) continue;
      if (!row_shared && !column_shared) continue;

      // Step 3. The targets: the line's cells outside the box that hold d.
      const bool row_case = row_shared;
      const int line = row_case ? 3 * (b / 3) + box_row : 3 * (b % 3) + box_column;
      int target_r[6], target_c[6], targets = 0;
      for (int j = 0; j < 9; ++j) {
        const int r = row_case ? line : j;
        const int c = row_case ? j : line;
        if (box_of(r, c) == b || !s.cell(r, c).is_possible(d)) continue;
        target_r[targets] = r;
        target_c[targets] = c;
        ++targets;
      }
      if (targets == 0) continue;

      // Step 4. The move: the targets lose d; the box's three cells on the
      // line are the pattern.
      for (int t = 0; t < targets; ++t) {
        move.remove(target_r[t], target_c[t], d);
        move.mark_digit(target_r[t], target_c[t], d, kMarkRemove);
      }
      for (int k = 0; k < 3; ++k) {
        const int p = row_case ? 3 * box_row + k : 3 * k + box_column;
        move.mark_cell(row_of(b, p), column_of(b, p), kMarkRemove);
      }
      const std::string_view word = row_case ? "row" : "column";
      Text explanation;
      explanation.add("In ").unit("box", b).add(", the value ").number(d).add(" only appears in ");
      explanation.unit(word, row_case ? box_row : box_column).add(" of the box.\n\n");
      explanation.add("This value can be removed from all cells of ").unit(word, line);
      explanation.add(" outside of ").unit("box", b).add(".");
      move.describe(n, kTemplateMedium, explanation.str(), value_phrase(d));
      return n;
    }
  }
  return 0;
}

// Line/box elimination: a digit that in a row (or column) is possible only
// inside one box must be in that line, so it leaves the box's other cells.
//
//   row 1:  . d d | . . . | . . .     box 0:  x x x
//                                             . d d
//                                             x x x      x: d removed
int find_line_box(BusyManager&, int n, const State& s, int, Move& move) {
  for (UnitKind kind : {UnitKind::Row, UnitKind::Column}) {
    for (int line = 0; line < 9; ++line) {
      const Unit& unit = s.unit(kind, line);
      for (int d = 1; d <= 9; ++d) {
        // Step 1. All the line's cells holding d in one box?
        int places[9];
        const int count = unit.places_of_digit(d, places);
        if (count == 0) continue;
        int r = 0, c = 0;
        cell_of(kind, line, places[0], r, c);
        const int b = box_of(r, c);
        bool one_box = true;
        for (int k = 1; k < count && one_box; ++k) {
          cell_of(kind, line, places[k], r, c);
          one_box = box_of(r, c) == b;
        }
        if (!one_box) continue;

        // Step 2. The targets: the box's cells off the line that hold d.
        auto on_line = [&](int p) { return kind == UnitKind::Row ? row_of(b, p) == line : column_of(b, p) == line; };
        const Unit& box = s.box(b);
        int targets[6], n_targets = 0;
        for (int p = 0; p < 9; ++p) {
          if (!on_line(p) && box.is_possible(p, d)) targets[n_targets++] = p;
        }
        if (n_targets == 0) continue;

        // Step 3. The move: the targets lose d; the line's three cells in the
        // box are the pattern.
        for (int t = 0; t < n_targets; ++t) {
          const int tr = row_of(b, targets[t]);
          const int tc = column_of(b, targets[t]);
          move.remove(tr, tc, d);
          move.mark_digit(tr, tc, d, kMarkRemove);
        }
        for (int p = 0; p < 9; ++p) {
          if (on_line(p)) move.mark_cell(row_of(b, p), column_of(b, p), kMarkRemove);
        }
        Text explanation;
        explanation.add("In ").unit(unit_word(kind), line).add(", the value ").number(d);
        explanation.add(" only appears in ").unit("box", b).add(".\n\n");
        explanation.add("This value can be removed from all other cells of ").unit("box", b).add(".");
        move.describe(n, kTemplateMedium, explanation.str(), value_phrase(d));
        return n;
      }
    }
  }
  return 0;
}

}  // namespace vantry
