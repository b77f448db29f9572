// BUG: every unsolved cell has two possibilities except one cell T with
// three. Were T to lose the right digit, every cell would be bivalue and the
// puzzle would have two solutions, so T takes that digit: the one its row
// holds an odd number of times.
#include "model/state.h"
#include "strategy/finders/finders.h"
#include "strategy/hint_templates.h"
#include "strategy/finders/finder_support.h"
#include "strategy/move.h"
#include "strategy/text_builder.h"

namespace vantry {

int find_bug(BusyManager&, int n, const State& s, int /*argument*/, Move& move) {
  // Step 1. Every unsolved cell bivalue but one trivalue cell T; any other
  // count ends the search at once.
  int tr = -1, tc = -1;
  for (int r = 0; r < 9; ++r) {
    for (int c = 0; c < 9; ++c) {
      const int held = s.cell(r, c).list_possibilities();
      if (held > 3 || held == 1) return 0;
      if (held == 3) {
        if (tr >= 0) return 0;
        tr = r;
        tc = c;
      }
    }
  }
  if (tr < 0) return 0;

  // Step 2. The first of T's digits that its row holds an odd number of times.
  int digits[9];
  s.cell(tr, tc).list_possibilities(digits);
  int d = 0;
  for (int k = 0; k < 3 && d == 0; ++k) {
    if (s.row(tr).places_of_digit(digits[k]) % 2 == 1) d = digits[k];
  }
  if (d == 0) return 0;

  // Step 3. The move: d becomes T's answer.
  move.place(tr, tc, d);
  move.mark_cell(tr, tc, kMarkRemove);
  move.mark_digit(tr, tc, d, kMarkAnswer);
  Text explanation;
  explanation.add("If ").number(d).add(" were removed as a possibility in cell ").cell_name(tr, tc);
  explanation.add(", all of the remaining unsolved cells would have exactly two possibilities, ");
  explanation.add("meaning the puzzle would have two solutions. As this is not possible, cell ");
  explanation.cell_name(tr, tc).add(" must be ").number(d).add(".");
  move.describe(n, kTemplateMedium, explanation.str(), value_phrase(d));
  return n;
}

}  // namespace vantry
