// Cell and unit forcing chains: every possibility of one cell (or every place
// of one digit in one unit) is assumed in turn and followed through naked and
// hidden singles. One of them is true, so whatever all of them force is true:
// a digit every branch places in a cell, or removes from it. A branch that
// ends in a contradiction is left to the dynamic forcing chains.
#include <algorithm>
#include <bit>
#include <vector>

#include "model/busy_manager.h"
#include "model/cell.h"
#include "model/state.h"
#include "strategy/extended/forcing_chains.h"
#include "strategy/extended/forcing_net.h"
#include "strategy/extended/forcing_story.h"
#include "strategy/finders/finder_support.h"
#include "strategy/hint_templates.h"
#include "strategy/move.h"
#include "strategy/text_builder.h"

namespace vantry {

namespace {

// One assumption: the cell and the digit placed there.
struct Branch {
  int cell, d;
};

struct Conclusion {
  int cell, d;
  bool place;
};

// The end boards of the branches, each run once per search: cell and unit
// sources share most of their branches.
struct BranchCache {
  const NetBoard& start;
  std::vector<NetBoard> ends = std::vector<NetBoard>(81 * 10);
  std::vector<signed char> state = std::vector<signed char>(81 * 10, 0);  // 0 unknown, 1 ok, -1 failed

  explicit BranchCache(const NetBoard& s) : start(s) {}
  // The end board of a branch, or null when it ends in a contradiction.
  const NetBoard* end(const Branch& b) {
    const int k = b.cell * 10 + b.d;
    if (state[k] == 0) {
      Net net(start, kRulesSingles, 0, nullptr);
      state[k] = net.assume(b.cell, b.d, true) ? 1 : -1;
      ends[k] = net.board();
    }
    return state[k] == 1 ? &ends[k] : nullptr;
  }
};

// What every branch forces beyond the start board; empty when some branch
// fails (then nothing is common, as far as these chains go).
std::vector<Conclusion> common_conclusions(BranchCache& cache, const std::vector<Branch>& branches) {
  std::vector<const NetBoard*> ends;
  for (const Branch& b : branches) {
    const NetBoard* end = cache.end(b);
    if (end == nullptr) return {};
    ends.push_back(end);
  }
  std::vector<Conclusion> out;
  const NetBoard& start = cache.start;
  for (int cell = 0; cell < 81; ++cell) {
    if (start.placed[cell]) continue;
    std::uint16_t kept = start.mask[cell];
    bool placed_everywhere = true;
    for (const NetBoard* end : ends) {
      kept &= end->mask[cell];
      placed_everywhere = placed_everywhere && end->placed[cell];
    }
    if (placed_everywhere && kept != 0) {
      out.push_back({cell, std::countr_zero(kept), true});
      continue;
    }
    for (int d = 1; d <= 9; ++d) {
      if (!start.possible(cell, d)) continue;
      bool gone = true;
      for (const NetBoard* end : ends) gone = gone && !end->possible(cell, d);
      if (gone) out.push_back({cell, d, false});
    }
  }
  return out;
}

// One branch again, with its log, and the placements the conclusion follows from.
struct ToldBranch {
  NetLog log;
  std::vector<int> steps;
};

std::vector<ToldBranch> tell_branches(const NetBoard& start, const std::vector<Branch>& branches, const Conclusion& c) {
  std::vector<ToldBranch> told(branches.size());
  for (std::size_t i = 0; i < branches.size(); ++i) {
    Net net(start, kRulesSingles, 0, &told[i].log);
    net.assume(branches[i].cell, branches[i].d, true);
    const NetLog& log = told[i].log;
    const int root = c.place ? log.placed_by[c.cell] : log.removed_by[c.cell][c.d];
    told[i].steps = placements_leading_to(log, {root}, branches[i].cell);
    // A placement is the conclusion itself, told at the end.
    if (c.place) std::erase(told[i].steps, root);
  }
  return told;
}

std::size_t story_length(const std::vector<ToldBranch>& told) {
  std::size_t n = 0;
  for (const ToldBranch& t : told) n += t.steps.size();
  return n;
}

// Of the conclusions, the one told in the fewest steps; a placement before a
// removal at equal length.
Conclusion shortest(const NetBoard& start, const std::vector<Branch>& branches, const std::vector<Conclusion>& all,
                    std::vector<ToldBranch>& told) {
  Conclusion best = all.front();
  std::size_t best_length = 0;
  bool first = true;
  for (const Conclusion& c : all) {
    std::vector<ToldBranch> t = tell_branches(start, branches, c);
    const std::size_t length = story_length(t);
    if (first || length < best_length || (length == best_length && c.place && !best.place)) {
      best = c;
      best_length = length;
      told = std::move(t);
      first = false;
    }
  }
  return best;
}

Text& tell_conclusion(Text& text, const Conclusion& c) {
  text.add("cell ").cell_name(c.cell / 9, c.cell % 9);
  return c.place ? text.add(" is ").number(c.d) : text.add(" cannot be ").number(c.d);
}

// The move: the conclusion, its marks, the branches drawn one after another
// (alternately towards the source and away from it, so the line never
// jumps) and the explanation with one line a branch.
int describe(Move& move, int n, const std::vector<Branch>& branches, const Conclusion& c,
             const std::vector<ToldBranch>& told, Text explanation, const std::string& detail, bool unit) {
  if (c.place) {
    move.place(c.cell / 9, c.cell % 9, c.d);
  } else {
    move.remove(c.cell / 9, c.cell % 9, c.d);
  }
  for (std::size_t i = 0; i < branches.size(); ++i) {
    draw_branch(move, told[i].log, branches[i].cell, told[i].steps, c.cell, i % 2 == 0);
  }
  for (const Branch& b : branches) {
    move.mark_cell(b.cell / 9, b.cell % 9, kMarkRemove);
    move.mark_digit(b.cell / 9, b.cell % 9, b.d, 12);
  }
  move.mark_digit(c.cell / 9, c.cell % 9, c.d, c.place ? kMarkAnswer : kMarkRemove);
  for (std::size_t i = 0; i < branches.size(); ++i) {
    explanation.add("\n");
    if (unit) {
      explanation.add("If it goes in cell ").cell_name(branches[i].cell / 9, branches[i].cell % 9).add(", ");
    } else {
      explanation.add("If it is ").number(branches[i].d).add(", ");
    }
    if (!told[i].steps.empty()) {
      explanation.add("then ");
      tell_placements(explanation, told[i].log, told[i].steps);
      explanation.add(", so ");
    }
    tell_conclusion(explanation, c).add(".");
  }
  explanation.add("\n\nTherefore, ");
  if (c.place) {
    explanation.add("cell ").cell_name(c.cell / 9, c.cell % 9).add(" must be ").number(c.d).add(".");
  } else {
    explanation.number(c.d).add(" cannot be a possibility in cell ").cell_name(c.cell / 9, c.cell % 9).add(".");
  }
  move.describe(n, kTemplateLong, explanation.str(), detail);
  return n;
}

// The unsolved cells, those with the fewest possibilities first.
std::vector<int> cells_by_size(const NetBoard& b) {
  std::vector<int> cells;
  for (int cell = 0; cell < 81; ++cell) {
    if (!b.placed[cell]) cells.push_back(cell);
  }
  std::stable_sort(cells.begin(), cells.end(),
                   [&](int x, int y) { return std::popcount(b.mask[x]) < std::popcount(b.mask[y]); });
  return cells;
}

}  // namespace

int find_cell_forcing_chain(BusyManager& busy, int n, const State& s, int, Move& move) {
  const NetBoard start = NetBoard::from(s);
  BranchCache cache(start);
  for (const int cell : cells_by_size(start)) {
    if (busy.cancelled()) return 0;
    std::vector<Branch> branches;
    for (int d = 1; d <= 9; ++d) {
      if (start.possible(cell, d)) branches.push_back({cell, d});
    }
    if (branches.size() < 2) continue;
    const std::vector<Conclusion> all = common_conclusions(cache, branches);
    if (all.empty()) continue;
    std::vector<ToldBranch> told;
    const Conclusion c = shortest(start, branches, all, told);
    Text t;
    t.add("Cell ").cell_name(cell / 9, cell % 9).add(" must be ");
    for (std::size_t i = 0; i < branches.size(); ++i) {
      if (i > 0) t.add(i + 1 == branches.size() ? " or " : ", ");
      t.number(branches[i].d);
    }
    t.add(". Follow each possibility through the singles it leaves:");
    Text detail;
    detail.add("the possibilities of cell ").cell_name(cell / 9, cell % 9);
    return describe(move, n, branches, c, told, t, detail.str(), false);
  }
  return 0;
}

int find_unit_forcing_chain(BusyManager& busy, int n, const State& s, int, Move& move) {
  const NetBoard start = NetBoard::from(s);
  BranchCache cache(start);
  static constexpr const char* kWords[] = {"row", "column", "box"};
  // The digits with the fewest places first, over rows, columns and boxes.
  for (int places = 2; places <= 9; ++places) {
    for (int unit = 0; unit < kUnitCount; ++unit) {
      if (busy.cancelled()) return 0;
      for (int d = 1; d <= 9; ++d) {
        std::vector<Branch> branches;
        bool solved = false;
        for (int p = 0; p < 9; ++p) {
          const int cell = net_unit_cell(unit, p);
          if (!start.possible(cell, d)) continue;
          solved = solved || start.placed[cell];
          branches.push_back({cell, d});
        }
        if (solved || static_cast<int>(branches.size()) != places) continue;
        const std::vector<Conclusion> all = common_conclusions(cache, branches);
        if (all.empty()) continue;
        std::vector<ToldBranch> told;
        const Conclusion c = shortest(start, branches, all, told);
        CellSet cells;
        for (const Branch& b : branches) cells.add(b.cell / 9, b.cell % 9);
        Text t;
        t.add("In ").unit(kWords[unit / 9], unit % 9).add(", the value ").number(d);
        t.add(" must go in cell ").cell_list(cells, "or");
        t.add(". Follow each place through the singles it leaves:");
        Text detail;
        detail.add("the value ").number(d).add(" in ").unit(kWords[unit / 9], unit % 9);
        return describe(move, n, branches, c, told, t, detail.str(), true);
      }
    }
  }
  return 0;
}

}  // namespace vantry
