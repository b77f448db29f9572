#include "strategy/extended/forcing_net.h"

#include <algorithm>
#include <bit>

#include "classlib/contract.h"
#include "model/state.h"

namespace vantry {

namespace {

struct Geometry {
  int unit_cells[kUnitCount][9];
  int cell_units[81][3];
  int peers[81][20];

  Geometry() {
    for (int i = 0; i < 9; ++i) {
      for (int p = 0; p < 9; ++p) {
        unit_cells[i][p] = i * 9 + p;
        unit_cells[9 + i][p] = p * 9 + i;
        unit_cells[18 + i][p] = (i / 3 * 3 + p / 3) * 9 + i % 3 * 3 + p % 3;
      }
    }
    for (int cell = 0; cell < 81; ++cell) {
      const int r = cell / 9, c = cell % 9;
      cell_units[cell][0] = r;
      cell_units[cell][1] = 9 + c;
      cell_units[cell][2] = 18 + r / 3 * 3 + c / 3;
      int k = 0;
      for (int other = 0; other < 81; ++other) {
        const int r2 = other / 9, c2 = other % 9;
        const bool seen = r2 == r || c2 == c || (r2 / 3 == r / 3 && c2 / 3 == c / 3);
        if (seen && other != cell) peers[cell][k++] = other;
      }
      VANTRY_ASSERT(k == 20);
    }
  }
};

const Geometry& geometry() {
  static const Geometry g;
  return g;
}

}  // namespace

int net_unit_cell(int unit, int position) { return geometry().unit_cells[unit][position]; }
int net_cell_unit(int cell, int kind) { return geometry().cell_units[cell][kind]; }

NetBoard NetBoard::from(const State& s) {
  NetBoard b{};
  for (int cell = 0; cell < 81; ++cell) {
    const Cell& x = s.cell(cell / 9, cell % 9);
    b.placed[cell] = x.answer != 0;
    if (x.answer != 0) {
      b.mask[cell] = static_cast<std::uint16_t>(1u << x.answer);
      continue;
    }
    for (int d = 1; d <= 9; ++d) {
      if (x.possible[d]) b.mask[cell] |= static_cast<std::uint16_t>(1u << d);
    }
  }
  return b;
}

NetLog::NetLog() {
  std::fill(&removed_by[0][0], &removed_by[0][0] + 81 * 10, -1);
  std::fill(placed_by, placed_by + 81, -1);
}

std::vector<int> NetLog::ancestors(const std::vector<int>& roots) const {
  std::vector<bool> seen(events.size(), false);
  std::vector<int> stack(roots.begin(), roots.end());
  while (!stack.empty()) {
    const int e = stack.back();
    stack.pop_back();
    if (e < 0 || seen[e]) continue;
    seen[e] = true;
    const NetEvent& ev = events[e];
    for (int i = 0; i < ev.parents; ++i) stack.push_back(parent_pool[ev.first_parent + i]);
  }
  std::vector<int> out;
  for (int e = 0; e < static_cast<int>(events.size()); ++e) {
    if (seen[e]) out.push_back(e);
  }
  return out;
}

Net::Net(const NetBoard& start, int rules, int depth, NetLog* log)
    : my_board(start), my_rules(rules), my_depth(depth), my_log(log) {}

int Net::add_event(int cell, int d, bool place, const int* parents, int n_parents) {
  if (my_log == nullptr) return -1;
  const int first = static_cast<int>(my_log->parent_pool.size());
  my_log->parent_pool.insert(my_log->parent_pool.end(), parents, parents + n_parents);
  my_log->events.push_back({cell, d, place, place ? NetRule::Single : my_rule, first, n_parents});
  return static_cast<int>(my_log->events.size()) - 1;
}

bool Net::fail_cell(int cell) {
  my_failed = true;
  if (my_log != nullptr) {
    my_log->bad_cell = cell;
    for (int d = 1; d <= 9; ++d) {
      if (my_log->removed_by[cell][d] >= 0) my_log->bad_parents.push_back(my_log->removed_by[cell][d]);
    }
  }
  return false;
}

bool Net::fail_unit(int unit, int d) {
  my_failed = true;
  if (my_log != nullptr) {
    my_log->bad_unit = unit;
    my_log->bad_digit = d;
    for (int p = 0; p < 9; ++p) {
      const int e = my_log->removed_by[net_unit_cell(unit, p)][d];
      if (e >= 0) my_log->bad_parents.push_back(e);
    }
  }
  return false;
}

// A placement: the other digits leave the cell and d leaves its peers. Any
// naked or hidden single this leaves behind is queued, not followed at once,
// so the log grows in the order a person would find the steps.
bool Net::place(int cell, int d, const int* parents, int n_parents) {
  if (my_board.placed[cell]) return true;
  if (!my_board.possible(cell, d)) return fail_cell(cell);
  const int e = add_event(cell, d, true, parents, n_parents);
  if (my_log != nullptr) my_log->placed_by[cell] = e;
  my_board.placed[cell] = true;
  for (int other = 1; other <= 9; ++other) {
    if (other != d && my_board.possible(cell, other) && !remove(cell, other, &e, my_log ? 1 : 0)) return false;
  }
  for (const int peer : geometry().peers[cell]) {
    if (my_board.possible(peer, d) && !remove(peer, d, &e, my_log ? 1 : 0)) return false;
  }
  return true;
}

bool Net::remove(int cell, int d, const int* parents, int n_parents) {
  if (!my_board.possible(cell, d)) return true;
  my_board.mask[cell] = static_cast<std::uint16_t>(my_board.mask[cell] & ~(1u << d));
  const int e = add_event(cell, d, false, parents, n_parents);
  if (my_log != nullptr) my_log->removed_by[cell][d] = e;
  const std::uint16_t left = my_board.mask[cell];
  if (left == 0) return fail_cell(cell);
  if (!my_board.placed[cell] && std::has_single_bit(left)) {
    // A naked single: it follows from the removals of the cell's other digits.
    Pending p{cell, std::countr_zero(left), 0, 0};
    if (my_log != nullptr) {
      p.first_parent = static_cast<int>(my_log->parent_pool.size());
      for (int other = 1; other <= 9; ++other) {
        if (my_log->removed_by[cell][other] >= 0) {
          my_log->parent_pool.push_back(my_log->removed_by[cell][other]);
          ++p.parents;
        }
      }
    }
    my_queue.push_back(p);
  }
  for (int kind = 0; kind < 3; ++kind) {
    if (!check_unit(geometry().cell_units[cell][kind], d)) return false;
  }
  return true;
}

// After d left a cell of the unit: no place left is a contradiction, one
// place left (not yet placed) a hidden single.
bool Net::check_unit(int unit, int d) {
  int count = 0, last = -1;
  for (const int cell : geometry().unit_cells[unit]) {
    if (my_board.possible(cell, d)) {
      ++count;
      last = cell;
    }
  }
  if (count == 0) return fail_unit(unit, d);
  if (count == 1 && !my_board.placed[last]) {
    Pending p{last, d, 0, 0};
    if (my_log != nullptr) {
      p.first_parent = static_cast<int>(my_log->parent_pool.size());
      for (const int cell : geometry().unit_cells[unit]) {
        if (my_log->removed_by[cell][d] >= 0) {
          my_log->parent_pool.push_back(my_log->removed_by[cell][d]);
          ++p.parents;
        }
      }
    }
    my_queue.push_back(p);
  }
  return true;
}

bool Net::drain() {
  for (std::size_t i = 0; i < my_queue.size(); ++i) {
    const Pending p = my_queue[i];
    if (my_board.placed[p.cell]) {
      if (!my_board.possible(p.cell, p.d)) return fail_cell(p.cell);
      continue;
    }
    // The parents sit in the pool; copy them out, as placing grows the pool.
    my_scratch.clear();
    if (my_log != nullptr) {
      my_scratch.assign(my_log->parent_pool.begin() + p.first_parent,
                        my_log->parent_pool.begin() + p.first_parent + p.parents);
    }
    if (!place(p.cell, p.d, my_scratch.data(), static_cast<int>(my_scratch.size()))) return false;
  }
  my_queue.clear();
  return true;
}

// Box/line and line/box: a digit whose places in one unit all lie in a second
// unit leaves the rest of the second unit.
bool Net::locked_candidates(bool& changed) {
  const Geometry& g = geometry();
  for (int box = 18; box < kUnitCount; ++box) {
    for (int line = 0; line < 18; ++line) {
      // The line must cross the box.
      const int first = g.unit_cells[box][0];
      const bool crosses = line < 9 ? (line / 3 == first / 9 / 3) : ((line - 9) / 3 == first % 9 / 3);
      if (!crosses) continue;
      for (int d = 1; d <= 9; ++d) {
        for (int pass = 0; pass < 2; ++pass) {
          // pass 0: d's places in the box all lie on the line; pass 1: the reverse.
          const int from = pass == 0 ? box : line;
          const int to = pass == 0 ? line : box;
          bool inside = false, outside = false;
          for (const int cell : g.unit_cells[from]) {
            if (!my_board.possible(cell, d) || my_board.placed[cell]) {
              if (my_board.placed[cell] && my_board.possible(cell, d)) outside = inside = true;
              continue;
            }
            const bool in_to =
                net_cell_unit(cell, 0) == to || net_cell_unit(cell, 1) == to || net_cell_unit(cell, 2) == to;
            (in_to ? inside : outside) = true;
          }
          if (!inside || outside) continue;
          // The removal follows from d leaving the rest of the first unit.
          my_scratch.clear();
          if (my_log != nullptr) {
            for (const int cell : g.unit_cells[from]) {
              if (my_log->removed_by[cell][d] >= 0) my_scratch.push_back(my_log->removed_by[cell][d]);
            }
          }
          const std::vector<int> parents = my_scratch;
          for (const int cell : g.unit_cells[to]) {
            const bool in_from =
                net_cell_unit(cell, 0) == from || net_cell_unit(cell, 1) == from || net_cell_unit(cell, 2) == from;
            if (in_from || !my_board.possible(cell, d)) continue;
            changed = true;
            my_rule = NetRule::BoxLine;
            const bool ok = remove(cell, d, parents.data(), static_cast<int>(parents.size()));
            my_rule = NetRule::Single;
            if (!ok) return false;
          }
          if (changed) return true;
        }
      }
    }
  }
  return true;
}

// Each possibility left is assumed in turn on a copy, with the same rules but
// no nesting; one that leads to a contradiction is removed here, and its
// consequences followed at once, before the pass goes on. The removal follows
// from everything placed so far.
bool Net::nested(bool& changed) {
  for (int cell = 0; cell < 81; ++cell) {
    for (int d = 1; d <= 9; ++d) {
      if (my_board.placed[cell] || !my_board.possible(cell, d)) continue;
      Net inner(my_board, my_rules, 0, nullptr);
      if (inner.assume(cell, d, true)) continue;
      my_scratch.clear();
      if (my_log != nullptr) {
        for (int e = 0; e < static_cast<int>(my_log->events.size()); ++e) {
          if (my_log->events[e].place) my_scratch.push_back(e);
        }
      }
      const std::vector<int> parents = my_scratch;
      changed = true;
      my_rule = NetRule::Nested;
      const bool ok = remove(cell, d, parents.data(), static_cast<int>(parents.size()));
      my_rule = NetRule::Single;
      if (!ok || !drain()) return false;
    }
  }
  return true;
}

bool Net::run() {
  // Step 1. Singles to a fixpoint; then the stronger rules, each change
  // followed by singles again, the cheap rules always first.
  for (;;) {
    if (!drain()) return false;
    if (my_rules != kRulesDynamic) return true;
    bool changed = false;
    if (!locked_candidates(changed)) return false;
    if (changed) continue;
    if (my_depth > 0 && !nested(changed)) return false;
    if (!changed) return true;
  }
}

bool Net::assume(int cell, int d, bool place_it) {
  VANTRY_ASSERT(cell >= 0 && cell < 81 && d >= 1 && d <= 9);
  if (place_it) {
    if (!place(cell, d, nullptr, 0)) return false;
  } else if (!remove(cell, d, nullptr, 0)) {
    return false;
  }
  return run();
}

}  // namespace vantry
