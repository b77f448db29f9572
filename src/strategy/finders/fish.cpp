// Basic fish of size 2, 3 or 4 (X-wing, Swordfish, Jellyfish): a digit that in
// N base lines is possible only within the same N cover lines can go from
// every other line of those covers. Rows are base lines first, then columns.
//
//   X-wing on 5, base rows 2 and 6, cover columns 3 and 8:
//     row 2:  . . 5 . . . . 5 .
//     row 6:  . . 5 . . . . 5 .
//   any other row:  x in columns 3 and 8 (5 removed)
#include "model/combination.h"
#include "model/list.h"
#include "strategy/finders/finder_support.h"
#include "strategy/finders/finders.h"
#include "strategy/hint_templates.h"
#include "strategy/move.h"
#include "strategy/text_builder.h"

namespace vantry {

namespace {

// One pass of the fish search: rows as base lines (columns as covers), or the
// other way round. The places of the digit in each line are kept as a bit mask
// (bit p for position p): the subset tests below are then one instruction each.
struct FishPass {
  Move& move;
  const State& s;
  bool rows;  // base lines are rows
  int size;   // N

  const Cell& cell_at(int line, int p) const { return rows ? s.cell(line, p) : s.cell(p, line); }
  int r_of(int line, int p) const { return rows ? line : p; }
  int c_of(int line, int p) const { return rows ? p : line; }
};

unsigned places_of(FishPass& f, int line, int d) {
  unsigned mask = 0;
  for (int p = 0; p < 9; ++p) {
    if (f.cell_at(line, p).is_possible(d)) mask |= 1u << p;
  }
  return mask;
}

// The fish of digit d on the positions of cover, if it removes anything.
bool fish_on(FishPass& f, int n, int d, const unsigned places[9], const Combination& cover) {
  unsigned cover_mask = 0;
  for (int k = 0; k < cover.size(); ++k) cover_mask |= 1u << cover.get(k);

  // Step 1. The base lines: those whose places lie wholly inside the cover.
  List base;
  unsigned covered = 0;
  for (int line = 0; line < 9; ++line) {
    if (places[line] != 0 && (places[line] & ~cover_mask) == 0) {
      base.add(line);
      covered |= places[line];
    }
  }
  if (base.count() != f.size) return false;
  // Step 2. A cover line that no base line uses makes the fish degenerate.
  if (covered != cover_mask) return false;

  // Step 3. The digit leaves every other line where it crosses a cover line.
  int removable = 0;
  for (int line = 0; line < 9; ++line) {
    if (base.contains(line)) continue;
    for (int k = 0; k < cover.size(); ++k) {
      const int p = cover.get(k);
      if ((places[line] & (1u << p)) == 0) continue;
      ++removable;
      f.move.remove(f.r_of(line, p), f.c_of(line, p), d);
      f.move.mark_digit(f.r_of(line, p), f.c_of(line, p), d, kMarkRemove);
    }
  }
  if (removable == 0) return false;

  // Step 4. The base lines' cells on the covers are the pattern.
  const std::string_view word = f.rows ? "row" : "column";
  const std::string_view cover_word = f.rows ? "column" : "row";
  for (int line : base) {
    for (int k = 0; k < cover.size(); ++k) {
      const int p = cover.get(k);
      if (places[line] & (1u << p)) f.move.mark_cell(f.r_of(line, p), f.c_of(line, p), kMarkRemove);
    }
  }
  Text explanation;
  explanation.add("In ").unit_list(word, base).add(", the value ").number(d);
  explanation.add(" only appears in ").unit_list(cover_word, cover).add(".\n\n").number(d);
  explanation.add(" can be removed as a possibility in all other ").add(word);
  explanation.add("s of these ").add(cover_word).add("s.");
  f.move.describe(n, kTemplateMedium, explanation.str(), value_phrase(d));
  return true;
}

}  // namespace

int find_fish(BusyManager&, int n, const State& s, int argument, Move& move) {
  for (bool rows : {true, false}) {
    FishPass f{move, s, rows, argument};
    for (int d = 1; d <= 9; ++d) {
      unsigned places[9];
      for (int line = 0; line < 9; ++line) places[line] = places_of(f, line, d);
      // Every set of N positions in lexicographic order: {0,1}, {0,2}, ...
      Combination cover(argument, 8);
      cover.first(0);
      do {
        if (fish_on(f, n, d, places, cover)) return n;
      } while (cover.next());
    }
  }
  return 0;
}

}  // namespace vantry
