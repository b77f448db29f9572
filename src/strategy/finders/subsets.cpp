// Naked and hidden subsets of size 2, 3 or 4 (pairs, triples, quads). A naked
// subset is N cells of a unit holding only N digits between them; a hidden
// subset is N digits of a unit possible in only N cells. Units are searched
// boxes first, then rows, then columns; the first move ends the finder.
//
//   naked pair in a row:   {1,7} {1,7} {1,3,7} {2,9} ...   1 and 7 leave the rest
//   hidden pair in a row:  only two cells hold 4 or 8: their other digits go
#include "model/combination.h"
#include "model/list.h"
#include "strategy/finders/finder_support.h"
#include "strategy/finders/finders.h"
#include "strategy/hint_templates.h"
#include "strategy/move.h"
#include "strategy/text_builder.h"

namespace vantry {

namespace {

// One unit being searched: its cells' possibilities listed once.
struct UnitSearch {
  Move& move;
  const State& s;
  UnitKind kind;
  int index;
  int size;  // N
  List possibilities[9];

  const Unit& unit() const { return s.unit(kind, index); }
  // The move's removal of d at position p, marked for the Big hint.
  void remove_at(int p, int d) {
    int r = 0, c = 0;
    cell_of(kind, index, p, r, c);
    move.remove(r, c, d);
    move.mark_digit(r, c, d, kMarkRemove);
  }
  void mark_cell_at(int p) {
    int r = 0, c = 0;
    cell_of(kind, index, p, r, c);
    move.mark_cell(r, c, kMarkRemove);
  }
};

void list_possibilities(UnitSearch& u) {
  for (int p = 0; p < 9; ++p) u.unit().possibilities_of_cell(p, u.possibilities[p]);
}

bool is_chosen(const UnitSearch& u, const int chosen[], int p) {
  for (int k = 0; k < u.size; ++k) {
    if (chosen[k] == p) return true;
  }
  return false;
}

// The naked subset's move: the digits of the chosen cells leave every other
// cell of the unit; the chosen cells are the pattern.
void make_naked_move(UnitSearch& u, const List& digits, const int chosen[], int n) {
  for (int q = 0; q < 9; ++q) {
    if (is_chosen(u, chosen, q)) {
      u.mark_cell_at(q);
      continue;
    }
    for (int d : digits) {
      if (u.unit().is_possible(q, d)) u.remove_at(q, d);
    }
  }
  const std::string_view word = unit_word(u.kind);
  Text explanation;
  explanation.add("In ").unit(word, u.index).add(", there are only ").number(u.size);
  explanation.add(" cells whose possibilities include ").digit_list(digits, "and");
  explanation.add(".\n\nThese possibilities can be removed from all other cells of the ");
  explanation.add(word).add(".");
  Text detail;
  detail.add("the values ").digit_list(digits, "and");
  u.move.describe(n, kTemplateMedium, explanation.str(), detail.str());
}

// Depth-first choice of candidate cells in increasing position order, the
// union of their possibilities never past N. True when a choice gave a move.
bool choose_naked_cells(UnitSearch& u, int depth, int start, const List& so_far, int chosen[], int n) {
  for (int p = start; p < 9; ++p) {
    // Step 1. Candidates hold 2 to N digits: a cell with one is a naked single.
    const int held = u.possibilities[p].count();
    if (held < 2 || held > u.size) continue;
    // Step 2. A cell that takes the union past N digits is skipped.
    List digits = so_far;
    digits.merge(u.possibilities[p]);
    if (digits.count() > u.size) continue;
    chosen[depth] = p;
    if (depth + 1 < u.size) {
      if (choose_naked_cells(u, depth + 1, p + 1, digits, chosen, n)) return true;
      continue;
    }
    // Step 3. N cells chosen: a subset only if they hold exactly N digits, and
    // a move only if another cell of the unit holds one of them. A subset that
    // was used already must not end the search: a later one may be useful.
    if (digits.count() != u.size) continue;
    bool useful = false;
    for (int q = 0; q < 9 && !useful; ++q) {
      if (!is_chosen(u, chosen, q)) useful = u.possibilities[q].intersects(digits);
    }
    if (!useful) continue;
    // Step 4. The move.
    make_naked_move(u, digits, chosen, n);
    return true;
  }
  return false;
}

bool naked_subset_in_unit(UnitSearch& u, int n) {
  list_possibilities(u);
  int chosen[4] = {};
  return choose_naked_cells(u, 0, 0, List(), chosen, n);
}

bool hidden_subset_in_unit(UnitSearch& u, int n) {
  list_possibilities(u);
  // Step 1. Every set V of N digits, in lexicographic order.
  Combination v(u.size, 9);
  v.first(1);
  do {
    // Step 2. The cells holding any digit of V: exactly N of them.
    int cells[9], n_cells = 0;
    for (int p = 0; p < 9; ++p) {
      if (u.possibilities[p].intersects(v)) cells[n_cells++] = p;
    }
    if (n_cells != u.size) continue;
    // Step 3. Each digit of V must still have a place among them.
    bool all_held = true;
    for (int k = 0; k < u.size && all_held; ++k) {
      bool held = false;
      for (int j = 0; j < n_cells && !held; ++j) held = u.possibilities[cells[j]].contains(v.get(k));
      all_held = held;
    }
    if (!all_held) continue;
    // Step 4. Every other digit of those cells goes.
    int removable = 0;
    for (int j = 0; j < n_cells; ++j) {
      for (int e : u.possibilities[cells[j]]) {
        if (v.contains(e)) continue;
        ++removable;
        u.remove_at(cells[j], e);
      }
    }
    if (removable == 0) continue;
    // Step 5. The move: the N cells are the pattern.
    for (int j = 0; j < n_cells; ++j) u.mark_cell_at(cells[j]);
    Text explanation;
    explanation.add("In ").unit(unit_word(u.kind), u.index).add(", the values ");
    explanation.digit_list(v, "and").add(" are possible in only ").number(u.size);
    explanation.add(" cells.\n\nAll other possibilities can be removed from these cells.");
    Text detail;
    detail.add("the values ").digit_list(v, "and");
    u.move.describe(n, kTemplateMedium, explanation.str(), detail.str());
    return true;
  } while (v.next());
  return false;
}

template <bool (*unit_search)(UnitSearch&, int)>
int find_subset(Move& move, int n, const State& s, int size) {
  for (UnitKind kind : kUnitPasses) {
    for (int i = 0; i < 9; ++i) {
      UnitSearch u{move, s, kind, i, size, {}};
      if (unit_search(u, n)) return n;
    }
  }
  return 0;
}

}  // namespace

int find_naked_subset(BusyManager&, int n, const State& s, int argument, Move& move) {
  return find_subset<naked_subset_in_unit>(move, n, s, argument);
}

int find_hidden_subset(BusyManager&, int n, const State& s, int argument, Move& move) {
  return find_subset<hidden_subset_in_unit>(move, n, s, argument);
}

}  // namespace vantry
