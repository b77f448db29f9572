// 3D Medusa: candidates joined by strong links (the two digits of a bivalue
// cell, the two places of a digit in a unit) fall into two colours, exactly
// one of which holds the answers. A colour that would break a rule is false
// everywhere; a candidate that is false whichever colour is true goes.
//
// Under "colour k is true" a candidate is false when it has the other colour,
// shares its cell with a k candidate, or sees a k candidate of its digit.
// Colour k itself is false when two k candidates share a cell, two k
// candidates of one digit see each other, or some cell has nothing left.
//
// The search, per cluster of linked candidates in order of their first cell:
// 1. colour the cluster; 2. a colour that breaks a rule; 3. candidates
// outside the cluster that both colours rule out.
#include "model/busy_manager.h"
#include "strategy/extended/grid_bits.h"
#include "strategy/extended/pattern_finders.h"
#include "strategy/finders/finder_support.h"
#include "strategy/hint_templates.h"
#include "strategy/move.h"

namespace vantry {

namespace {

struct Colouring {
  const GridBits& g;
  int colour[81][10];         // -1: not in the cluster; else 0 or 1
  CellBits by_colour[2][10];  // cells whose d has colour k

  explicit Colouring(const GridBits& grid) : g(grid) {
    for (auto& cell : colour) {
      for (int& k : cell) k = -1;
    }
  }
};

// Colours the cluster of candidate (i, d) breadth first over strong links.
void colour_cluster(Colouring& col, int start_cell, int start_digit) {
  const GridBits& g = col.g;
  int queue_cell[729], queue_digit[729], head = 0, tail = 0;
  auto visit = [&](int i, int d, int k) {
    if (col.colour[i][d] >= 0) return;
    col.colour[i][d] = k;
    col.by_colour[k][d].set(i);
    queue_cell[tail] = i;
    queue_digit[tail++] = d;
  };
  visit(start_cell, start_digit, 0);
  while (head < tail) {
    const int i = queue_cell[head], d = queue_digit[head++];
    const int k = 1 - col.colour[i][d];
    if (digit_count(g.mask[i]) == 2) visit(i, first_digit(g.mask[i] & ~(1u << (d - 1))), k);
    for (int u : {row_of_cell(i), 9 + column_of_cell(i), 18 + box_of_cell(i)}) {
      const CellBits places = g.holds[d] & unit_bits(u);
      if (places.count() != 2) continue;
      for (int j = 0; j < 81; ++j) {
        if (j != i && places.test(j)) visit(j, d, k);
      }
    }
  }
}

// Is candidate (i, d) false when colour k is true?
bool false_under(const Colouring& col, int i, int d, int k) {
  if (col.colour[i][d] == 1 - k) return true;
  for (int e = 1; e <= 9; ++e) {
    if (e != d && col.colour[i][e] == k) return true;
  }
  return (col.by_colour[k][d] & peer_bits(i)).any();
}

// Why colour k cannot be true, as the sentence's end; empty when it can. The
// plainest reason is named: a value twice, then a cell left empty.
std::string contradiction(const Colouring& col, int k) {
  const GridBits& g = col.g;
  for (int i = 0; i < 81; ++i) {
    int n_k = 0, first = 0;
    for (int d = 1; d <= 9; ++d) {
      if (col.colour[i][d] != k) continue;
      if (n_k++ > 0) {
        Text t;
        t.add("cell ").cell_name(row_of_cell(i), column_of_cell(i)).add(" would be both ").number(first);
        return t.add(" and ").number(d).str();
      }
      first = d;
      const CellBits seen = col.by_colour[k][d] & peer_bits(i);
      if (seen.none()) continue;
      int j = 0;
      while (!seen.test(j)) ++j;
      Text t;
      t.add("cells ").cell_name(row_of_cell(i), column_of_cell(i)).add(" and ");
      return t.cell_name(row_of_cell(j), column_of_cell(j)).add(" would both be ").number(d).str();
    }
  }
  for (int i = 0; i < 81; ++i) {
    if (g.mask[i] == 0) continue;
    bool all_false = true;
    for (int d = 1; d <= 9 && all_false; ++d) {
      if (g.has(i, d)) all_false = false_under(col, i, d, k);
    }
    if (!all_false) continue;
    Text t;
    t.add("cell ").cell_name(row_of_cell(i), column_of_cell(i)).add(" would have no possibility left");
    return t.str();
  }
  return {};
}

void mark_cluster(const Colouring& col, Move& move) {
  for (int i = 0; i < 81; ++i) {
    for (int d = 1; d <= 9; ++d) {
      if (col.colour[i][d] < 0) continue;
      move.mark_digit(row_of_cell(i), column_of_cell(i), d, col.colour[i][d] == 0 ? kMarkColourA : kMarkColourB);
      move.mark_cell(row_of_cell(i), column_of_cell(i), kMarkShow);
    }
  }
}

constexpr std::string_view kIntroduction =
    "The highlighted candidates are joined in pairs of which exactly one is true: the two values of a cell "
    "with only two, or the only two places for a value in a row, column or box. So they fall into two "
    "colours, and one colour holds the answers.\n\n";

bool cluster_move(const Colouring& col, Move& move, int n) {
  const GridBits& g = col.g;
  // Step 2. A colour that breaks a rule is false: its candidates go.
  for (int k = 0; k < 2; ++k) {
    const std::string why = contradiction(col, k);
    if (why.empty()) continue;
    mark_cluster(col, move);
    const unsigned digits = remove_all(move, col.by_colour[k]);
    Text t;
    // The colour is named by its first candidate in reading order.
    int i = 0, d = 1;
    while (i < 80 && col.colour[i][d] != k) {
      if (++d > 9) d = 1, ++i;
    }
    t.add(kIntroduction)
        .add("If the colour of ")
        .number(d)
        .add(" in cell ")
        .cell_name(row_of_cell(i), column_of_cell(i));
    t.add(" were true, ").add(why).add(". So every candidate of that colour is false: ");
    removal_list(t, col.by_colour[k]).add(".");
    move.describe(n, kTemplateLong, t.str(), digits_phrase(digits));
    return true;
  }
  // Step 3. Candidates outside the cluster ruled out by both colours.
  CellBits removals[10];
  bool any = false;
  for (int i = 0; i < 81; ++i) {
    for (int d = 1; d <= 9; ++d) {
      if (!g.has(i, d) || col.colour[i][d] >= 0) continue;
      if (false_under(col, i, d, 0) && false_under(col, i, d, 1)) {
        removals[d].set(i);
        any = true;
      }
    }
  }
  if (!any) return false;
  mark_cluster(col, move);
  const unsigned digits = remove_all(move, removals);
  Text t;
  t.add(kIntroduction).add("Whichever colour is true, these candidates are false, so remove ");
  removal_list(t, removals).add(".");
  move.describe(n, kTemplateLong, t.str(), digits_phrase(digits));
  return true;
}

}  // namespace

int find_medusa(BusyManager& busy, int n, const State& s, int /*argument*/, Move& move) {
  const GridBits g(s);
  bool seen[81][10] = {};
  for (int i = 0; i < 81; ++i) {
    for (int d = 1; d <= 9; ++d) {
      if (!g.has(i, d) || seen[i][d]) continue;
      // Step 1. The cluster of (i, d); a lone candidate has no partner.
      Colouring col(g);
      colour_cluster(col, i, d);
      int size = 0;
      for (int j = 0; j < 81; ++j) {
        for (int e = 1; e <= 9; ++e) {
          if (col.colour[j][e] < 0) continue;
          seen[j][e] = true;
          ++size;
        }
      }
      if (size >= 2 && cluster_move(col, move, n)) return n;
    }
    if (i % 27 == 26 && busy.cancelled()) return 0;
  }
  return 0;
}

}  // namespace vantry
