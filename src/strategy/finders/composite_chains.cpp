// Composite chain: assume a bivalue cell S takes one of its digits, e, and
// follow naked and hidden singles on working copies of the board. A chain
// cell forced to S's other digit d removes d from the cells that see it and
// S (the chain move); a cell left with no possibility removes e from S (the
// contradiction). The search is exhaustive and deep: its working copies live
// on the heap (StateStack) so that the recursion itself stays small, and the
// positions it has already explored without result are remembered.
#include <array>
#include <cstdint>
#include <unordered_set>

#include "classlib/contract.h"
#include "model/busy_manager.h"
#include "model/cellset.h"
#include "model/coords.h"
#include "model/state.h"
#include "strategy/finders/finder_support.h"
#include "strategy/finders/finders.h"
#include "strategy/finders/peers.h"
#include "strategy/finders/state_stack.h"
#include "strategy/hint_templates.h"
#include "strategy/move.h"
#include "strategy/text_builder.h"

namespace vantry {

namespace {

// A chain entry: a cell and the digit it is forced to take, or 0 for a cell
// that only lost the previous entry's digit (a weak entry). At most 81
// entries carry a digit, each perhaps after one weak entry.
struct Entry {
  int r, c, v;
};
inline constexpr int kChainRoom = 2 * 81 + 2;

// What extending the chain from an entry depends on: the working board's
// possibilities and the entry's cell and digit. (The earlier digit entries
// are answered on the board, so they never hold a digit again.) Different
// orders of the same forcing steps reach the same board, and the search
// would explore it again each time: an exhausted key is remembered instead.
// 81 masks of 9 bits, then the cell and the digit, packed into 12 words.
using ExploredKey = std::array<std::uint64_t, 12>;

struct ExploredKeyHash {
  std::size_t operator()(const ExploredKey& key) const {
    std::uint64_t h = 0x9e3779b97f4a7c15ull;
    for (const std::uint64_t w : key) h = (h ^ w) * 0xff51afd7ed558ccdull;
    return static_cast<std::size_t>(h ^ (h >> 32));
  }
};

// Measured on the hardest corpus puzzles: without the memory one search
// took 6.8 s; the positions explored per start stay far below this cap,
// which only bounds memory (about 20 MB) on boards nobody plays.
inline constexpr std::size_t kExploredCap = 150000;

struct CompositeSearch : SearchOn {
  using SearchOn::SearchOn;
  int d = 0, e = 0;  // S may lose d; S is assumed e
  CellSet covered;   // the cells that see S and hold d
  Entry ch[kChainRoom] = {};
  StateStack boards;                                          // boards.at(k): the working board of recursion level k
  std::unordered_set<ExploredKey, ExploredKeyHash> explored;  // per start

  bool cancelled() { return busy.cancel_pressed(); }
  bool poll() { return busy.cancelled(); }
};

// Entry t's cell is among entries 0..last that carry a digit.
bool has_digit_entry(const CompositeSearch& cs, int last, int r, int c) {
  for (int i = 0; i <= last; ++i) {
    if (cs.ch[i].v != 0 && cs.ch[i].r == r && cs.ch[i].c == c) return true;
  }
  return false;
}

// Big hint: the chain up to entry last, its digits and the possibilities the
// assumption crossed out on board b.
void mark_chain(CompositeSearch& cs, int last, const State& b) {
  for (int i = 0; i <= last; ++i) {
    const Entry& entry = cs.ch[i];
    if (cs.move.chain_length() < 81) cs.move.chain_append(entry.r, entry.c);
    if (entry.v != 0) {
      cs.move.mark_digit(entry.r, entry.c, entry.v, kMarkShow);
    } else if (i > 0) {
      cs.move.mark_digit(entry.r, entry.c, cs.ch[i - 1].v, 11);
    }
  }
  for (int r = 0; r < 9; ++r) {
    for (int c = 0; c < 9; ++c) {
      if (r == cs.ch[0].r && c == cs.ch[0].c) continue;
      const Cell& real = cs.s.cell(r, c);
      for (int digit = 1; digit <= 9; ++digit) {
        if (real.is_possible(digit) && cs.move.digit_mark(r, c, digit) == 0 && !b.cell(r, c).is_possible(digit)) {
          cs.move.mark_digit(r, c, digit, 11);
        }
      }
    }
  }
}

// Goal test for entry j on board b: forced to d, it clears d from the cells
// it sees that also see S. Returns the table number of the move, or 0.
int goal_test(CompositeSearch& cs, int j, const State& b) {
  const Entry& x = cs.ch[j];
  if (x.v != cs.d) return 0;
  CellSet removals = peers_holding(b, x.r, x.c, cs.d);
  removals.remove(x.r, x.c);
  removals.intersect_with(cs.covered);
  if (removals.empty()) return 0;
  for (int i = 0; i < removals.count(); ++i) cs.move.remove(removals.row(i), removals.column(i), cs.d);
  const Entry& s0 = cs.ch[0];
  mark_chain(cs, j, b);
  for (int i = 0; i < removals.count(); ++i) {
    cs.move.mark_digit(removals.row(i), removals.column(i), cs.d, kMarkRemove);
  }
  Text t;
  t.add("Either cell ").cell_name(s0.r, s0.c).add(" or cell ").cell_name(x.r, x.c).add(" must be ").number(cs.d);
  t.add(" because of the way they are locked with the other highlighted cells. ");
  t.add("(To follow the chain, assume that cell ").cell_name(s0.r, s0.c).add(" is not ").number(cs.d);
  t.add(" and keep track of the possibilities that are eliminated along the way.)\n\nTherefore, ");
  t.number(cs.d).add(" cannot be a possibility in cell").add(removals.count() > 1 ? "s " : " ");
  t.cell_list(removals, "or").add(".");
  cs.move.describe(cs.n, kTemplateLong, t.str(), value_phrase(cs.d));
  return cs.n;
}

// Entry last (weak) has no possibility left on board b: S cannot be e.
int contradiction(CompositeSearch& cs, int last, const State& b) {
  const int n = cs.n + 1;
  const Entry& s0 = cs.ch[0];
  cs.move.remove(s0.r, s0.c, cs.e);
  const Entry& z = cs.ch[last];
  mark_chain(cs, last, b);
  cs.move.mark_digit(s0.r, s0.c, cs.e, kMarkRemove);
  Text t;
  t.add("If cell ").cell_name(s0.r, s0.c).add(" is ").number(cs.e).add(", then cell ").cell_name(z.r, z.c);
  t.add(" has no possible value because of the way it is locked with the other highlighted cells. ");
  t.add("(To follow the chain, assume that cell ").cell_name(s0.r, s0.c).add(" is ").number(cs.e);
  t.add(", and keep track of the possibilities that are eliminated along the way.)\n\nTherefore, cell ");
  t.cell_name(s0.r, s0.c).add(" cannot be ").number(cs.e).add(".");
  Text detail;
  detail.add("beginning with the value ").number(cs.d);
  cs.move.describe(n, kTemplateLong, t.str(), detail.str());
  return n;
}

int extend(CompositeSearch& cs, int t, const State& b, int level);

ExploredKey explored_key(const State& b, const Entry& x) {
  ExploredKey key{};
  int bit = 0;
  for (int r = 0; r < 9; ++r) {
    for (int c = 0; c < 9; ++c, bit += 9) {
      const std::uint64_t mask = possibility_mask(b.cell(r, c));
      key[bit / 64] |= mask << (bit % 64);
      if (bit % 64 > 55) key[bit / 64 + 1] |= mask >> (64 - bit % 64);
    }
  }
  key[11] |= static_cast<std::uint64_t>(x.r * 9 + x.c) << 32 | static_cast<std::uint64_t>(x.v) << 40;
  return key;
}

int unit_index(UnitKind kind, int r, int c) {
  return kind == UnitKind::Row ? r : kind == UnitKind::Column ? c : box_of(r, c);
}

// Hidden-single step: on b2, digit v has one place Y left in unit V.
int hidden_single_step(CompositeSearch& cs, int t, const State& b2, int level, UnitKind kind, int index, int v) {
  if (cs.poll()) return 0;
  int places[9];
  if (b2.unit(kind, index).places_of_digit(v, places) != 1) return 0;
  int yr = 0, yc = 0;
  cell_of(kind, index, places[0], yr, yc);
  cs.ch[t + 2] = {yr, yc, v};
  if (has_digit_entry(cs, t + 1, yr, yc)) return 0;
  if (const int result = goal_test(cs, t + 2, b2)) return result;
  if (cs.cancelled()) return 0;
  return extend(cs, t + 2, b2, level);
}

// Unit step: entry t's digit placed on a copy of b; every other cell of the
// unit that held it either has one possibility left (a naked single, which
// extends the chain), none (a contradiction), or more (a weak entry whose
// units may leave the digit a single place).
int unit_step(CompositeSearch& cs, int t, const State& b, int level, UnitKind kind) {
  // Step 1. The copy, with entry t's digit placed; none is needed when no
  // other cell of the unit holds the digit.
  const Entry x = cs.ch[t];
  const int index = unit_index(kind, x.r, x.c);
  bool any = false;
  for (int pos = 0; pos < 9 && !any; ++pos) {
    int zr = 0, zc = 0;
    cell_of(kind, index, pos, zr, zc);
    any = (zr != x.r || zc != x.c) && b.cell(zr, zc).is_possible(x.v);
  }
  if (!any) return 0;
  State& b2 = cs.boards.at(level);
  b2 = b;
  if (cs.poll()) return 0;
  VANTRY_ASSERT(x.v > 0);
  b2.set_answer(x.r, x.c, x.v);
  // Step 2. The unit's other cells that held the digit before.
  for (int pos = 0; pos < 9; ++pos) {
    int zr = 0, zc = 0;
    cell_of(kind, index, pos, zr, zc);
    if ((zr == x.r && zc == x.c) || !b.cell(zr, zc).is_possible(x.v)) continue;
    if (has_digit_entry(cs, t, zr, zc)) continue;
    int left[9];
    const int held = b2.cell(zr, zc).list_possibilities(left);
    VANTRY_ASSERT(t + 2 < kChainRoom);
    if (held == 0) {
      cs.ch[t + 1] = {zr, zc, 0};
      return contradiction(cs, t + 1, b2);
    }
    if (held == 1) {
      cs.ch[t + 1] = {zr, zc, left[0]};
      if (const int result = goal_test(cs, t + 1, b2)) return result;
      if (cs.cancelled()) return 0;
      if (const int result = extend(cs, t + 1, b2, level + 1)) return result;
      if (cs.cancelled()) return 0;
      continue;
    }
    cs.ch[t + 1] = {zr, zc, 0};
    for (const UnitKind around : {UnitKind::Row, UnitKind::Column, UnitKind::Box}) {
      if (const int result = hidden_single_step(cs, t, b2, level + 1, around, unit_index(around, zr, zc), x.v)) {
        return result;
      }
      if (cs.cancelled()) return 0;
    }
  }
  return 0;
}

// Extends the chain from entry t on board b: its row, column, then box. A
// position already explored in full from the same entry is not explored again.
int extend(CompositeSearch& cs, int t, const State& b, int level) {
  const ExploredKey key = explored_key(b, cs.ch[t]);
  if (cs.explored.contains(key)) return 0;
  for (const UnitKind kind : {UnitKind::Row, UnitKind::Column, UnitKind::Box}) {
    if (const int result = unit_step(cs, t, b, level, kind)) return result;
    if (cs.cancelled()) return 0;
  }
  if (cs.explored.size() < kExploredCap) cs.explored.insert(key);
  return 0;
}

}  // namespace

int find_composite_chain(BusyManager& busy, int n, const State& s, int /*argument*/, Move& move) {
  CompositeSearch cs(busy, move, s, n);
  for (int r = 0; r < 9; ++r) {
    for (int c = 0; c < 9; ++c) {
      int pair[9];
      if (s.cell(r, c).list_possibilities(pair) != 2) continue;
      // The lower digit first as the one S may lose.
      for (int k = 0; k < 2; ++k) {
        cs.d = pair[k];
        cs.e = pair[1 - k];
        // Step 1. The cells that lose d when S is d.
        cs.covered = peers_holding(s, r, c, cs.d);
        VANTRY_ASSERT(cs.covered.count() >= 2);
        cs.covered.remove(r, c);
        // Step 2. S assumed e; the chain grows from it on the real board.
        cs.ch[0] = {r, c, cs.e};
        cs.explored.clear();
        if (const int result = extend(cs, 0, s, 0)) return result;
        if (cs.cancelled()) return 0;
      }
    }
  }
  return 0;
}

}  // namespace vantry
