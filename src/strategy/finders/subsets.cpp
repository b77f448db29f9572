// Naked and hidden subsets of size 2, 3 or 4 (pairs, triples, quads). A naked
// subset is N cells of a unit holding only N digits between them; a hidden
// subset is N digits of a unit possible in only N cells. Units are searched
// boxes first, then rows, then columns; the first move ends the finder.
#include "model/combination.h"
#include "model/list.h"
#include "strategy/finders/finder_support.h"
#include "strategy/finders/finders.h"
#include "strategy/hint_templates.h"
#include "strategy/move_offer.h"
#include "strategy/text_builder.h"

namespace vantry {

namespace {

// One unit being searched: its cells' possibilities listed once.
struct UnitSearch {
  Strategy& engine;
  State& s;
  UnitKind kind;
  int index;
  int size;  // N
  List possibilities[9];

  Unit& unit() { return s.unit(kind, index); }
  void delete_at(int p, int d) {
    int r = 0, c = 0;
    cell_of(kind, index, p, r, c);
    delete_possibility(s, r, c, d);
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
// cell of the unit (apply mode), or are marked there (Big hint); then the
// move is offered in a hint mode.
void make_naked_move(UnitSearch& u, const List& digits, const int chosen[], int n) {
  const bool apply = u.engine.mode() == kApplyMode;
  const bool big = u.engine.is_big_hint();
  for (int q = 0; q < 9; ++q) {
    if (is_chosen(u, chosen, q)) {
      if (big) u.unit().cell(q).cellMark = kMarkRemove;
      continue;
    }
    for (int d : digits) {
      if (!u.unit().is_possible(q, d)) continue;
      if (apply) {
        u.delete_at(q, d);
      } else if (big) {
        u.unit().cell(q).digitMark[d] = kMarkRemove;
      }
    }
  }
  if (apply) return;
  const std::string_view word = unit_word(u.kind);
  Text explanation;
  if (big) {
    explanation.add("In ").unit(word, u.index).add(", there are only ").number(u.size);
    explanation.add(" cells whose possibilities include ").digit_list(digits, "and");
    explanation.add(".\n\nThese possibilities can be removed from all other cells of the ");
    explanation.add(word).add(".");
  }
  Text detail;
  detail.add("the values ").digit_list(digits, "and");
  offer_move(u.engine, kTemplateMedium, explanation.str(), detail.str(), n);
}

// Depth-first choice of candidate cells in increasing position order, the
// union of their possibilities never past N. True when a choice gave a move.
bool choose_naked_cells(UnitSearch& u, int depth, int start, const List& so_far, int chosen[],
                        int n) {
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
  const bool apply = u.engine.mode() == kApplyMode;
  const bool big = u.engine.is_big_hint();
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
        if (apply) {
          u.delete_at(cells[j], e);
        } else if (big) {
          u.unit().cell(cells[j]).digitMark[e] = kMarkRemove;
        }
      }
    }
    if (removable == 0) continue;
    // Step 5. The move.
    if (apply) return true;
    Text explanation;
    if (big) {
      for (int j = 0; j < n_cells; ++j) u.unit().cell(cells[j]).cellMark = kMarkRemove;
      explanation.add("In ").unit(unit_word(u.kind), u.index).add(", the values ");
      explanation.digit_list(v, "and").add(" are possible in only ").number(u.size);
      explanation.add(" cells.\n\nAll other possibilities can be removed from these cells.");
    }
    Text detail;
    detail.add("the values ").digit_list(v, "and");
    offer_move(u.engine, kTemplateMedium, explanation.str(), detail.str(), n);
    return true;
  } while (v.next());
  return false;
}

template <bool (*unit_search)(UnitSearch&, int)>
int find_subset(Strategy& engine, int n, State& s, int size) {
  for (UnitKind kind : kUnitPasses) {
    for (int i = 0; i < 9; ++i) {
      UnitSearch u{engine, s, kind, i, size, {}};
      if (unit_search(u, n)) return n;
    }
  }
  return 0;
}

}  // namespace

int find_naked_subset(Strategy& engine, int n, State& s, int argument) {
  return find_subset<naked_subset_in_unit>(engine, n, s, argument);
}

int find_hidden_subset(Strategy& engine, int n, State& s, int argument) {
  return find_subset<hidden_subset_in_unit>(engine, n, s, argument);
}

}  // namespace vantry
