// Dynamic forcing chains, the last resort: assume a digit in a cell and follow
// singles, box/line and line/box eliminations until some cell or unit is left
// with no way out; the assumption is then false. When no single assumption
// fails that way, each is followed once more with nested assumptions: inside
// it, every possibility left is tried in the same way, and those that fail
// are removed before the outer chain goes on (a forcing net). Every puzzle
// with one solution gives way to the second pass on the corpus; measured, the
// second pass takes about a tenth of a second on the hardest of them.
#include <algorithm>
#include <bit>
#include <vector>

#include "model/busy_manager.h"
#include "model/cell.h"
#include "model/state.h"
#include "strategy/extended/forcing_chains.h"
#include "strategy/extended/forcing_net.h"
#include "strategy/extended/forcing_story.h"
#include "strategy/hint_templates.h"
#include "strategy/move.h"
#include "strategy/text_builder.h"

namespace vantry {

namespace {

// The move for an assumption that failed, told from its log.
int describe(Move& move, int n, int cell, int d, const NetLog& log) {
  const int r = cell / 9, c = cell % 9;
  move.remove(r, c, d);
  const std::vector<int> steps = placements_leading_to(log, log.bad_parents, cell);
  draw_branch(move, log, cell, steps, log.bad_cell, false);
  if (log.bad_cell >= 0) move.mark_cell(log.bad_cell / 9, log.bad_cell % 9, kMarkRemove);
  if (log.bad_unit >= 0) {
    for (int p = 0; p < 9; ++p) {
      const int x = net_unit_cell(log.bad_unit, p);
      move.mark_cell(x / 9, x % 9, 12);
    }
  }
  move.mark_cell(r, c, kMarkRemove);
  move.mark_digit(r, c, d, kMarkRemove);

  Text t;
  t.add("If cell ").cell_name(r, c).add(" is ").number(d).add(", then ");
  if (!steps.empty()) {
    tell_placements(t, log, steps);
    t.add(", and ");
  }
  tell_contradiction(t, log);
  // The rules beyond singles the told steps rest on, said once.
  bool box_line = false, nested = false;
  for (const int e : log.ancestors(log.bad_parents)) {
    box_line = box_line || log.events[e].rule == NetRule::BoxLine;
    nested = nested || log.events[e].rule == NetRule::Nested;
  }
  t.add(".");
  if (box_line && nested) {
    t.add(
        " (Besides singles, the chain uses box/line eliminations, and it removes possibilities that lead to a "
        "contradiction in the same way when assumed.)");
  } else if (box_line) {
    t.add(" (Besides singles, the chain uses box/line eliminations.)");
  } else if (nested) {
    t.add(
        " (Besides singles, the chain removes possibilities that lead to a contradiction in the same way when "
        "assumed.)");
  }
  t.add("\n\nTherefore, cell ").cell_name(r, c).add(" cannot be ").number(d).add(".");
  Text detail;
  detail.add("the value ").number(d).add(" in cell ").cell_name(r, c);
  move.describe(n, kTemplateLong, t.str(), detail.str());
  return n;
}

}  // namespace

int find_dynamic_forcing_chain(BusyManager& busy, int n, const State& s, int, Move& move) {
  const NetBoard start = NetBoard::from(s);
  // The cells with the fewest possibilities first: a failure there settles
  // the most, and their chains are the shortest to follow.
  std::vector<int> cells;
  for (int cell = 0; cell < 81; ++cell) {
    if (!start.placed[cell]) cells.push_back(cell);
  }
  std::stable_sort(cells.begin(), cells.end(),
                   [&](int x, int y) { return std::popcount(start.mask[x]) < std::popcount(start.mask[y]); });
  for (int depth = 0; depth <= 1; ++depth) {
    for (const int cell : cells) {
      if (busy.cancelled()) return 0;
      for (int d = 1; d <= 9; ++d) {
        if (!start.possible(cell, d)) continue;
        Net net(start, kRulesDynamic, depth, nullptr);
        if (net.assume(cell, d, true)) continue;
        // Told again with a log: the quiet run costs far less, and most
        // assumptions do not fail.
        NetLog log;
        Net told(start, kRulesDynamic, depth, &log);
        told.assume(cell, d, true);
        return describe(move, n, cell, d, log);
      }
    }
  }
  return 0;
}

}  // namespace vantry
