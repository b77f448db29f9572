#include "game/grid_symmetry.h"

#include <utility>

#include "game/generator.h"
#include "model/state.h"

namespace vantry {

namespace {

void shuffle(int* values, int n, Random& random) {
  for (int i = n - 1; i > 0; --i) std::swap(values[i], values[random.next(i + 1)]);
}

// A permutation of 0-8 that keeps every band (three consecutive lines) whole:
// the bands shuffled, then the lines inside each.
void band_permutation(int* out, Random& random) {
  int bands[3] = {0, 1, 2};
  shuffle(bands, 3, random);
  for (int b = 0; b < 3; ++b) {
    int lines[3] = {0, 1, 2};
    shuffle(lines, 3, random);
    for (int i = 0; i < 3; ++i) out[3 * b + i] = 3 * bands[b] + lines[i];
  }
}

}  // namespace

GridSymmetry GridSymmetry::random(Random& random) {
  GridSymmetry g;
  shuffle(g.digit + 1, 9, random);
  band_permutation(g.row, random);
  band_permutation(g.column, random);
  g.transpose = random.next(2) == 1;
  return g;
}

State GridSymmetry::apply(const State& s) const {
  State out;
  const auto place = [&](int r, int c, int& nr, int& nc) {
    const int tr = transpose ? c : r;
    const int tc = transpose ? r : c;
    nr = row[tr];
    nc = column[tc];
  };
  // Givens first, so that marking them leaves the other answers unmarked.
  for (int pass = 0; pass < 2; ++pass) {
    for (int r = 0; r < 9; ++r) {
      for (int c = 0; c < 9; ++c) {
        const Cell& cell = s.cell(r, c);
        if (cell.answer == 0 || cell.given != (pass == 0)) continue;
        int nr = 0, nc = 0;
        place(r, c, nr, nc);
        out.set_answer(nr, nc, digit[cell.answer]);
      }
    }
    if (pass == 0) out.mark_givens();
  }
  for (int r = 0; r < 9; ++r) {
    for (int c = 0; c < 9; ++c) {
      const Cell& cell = s.cell(r, c);
      int nr = 0, nc = 0;
      place(r, c, nr, nc);
      if (cell.solution != 0) out.set_solution(nr, nc, digit[cell.solution]);
      if (cell.answer != 0) continue;
      for (int d = 1; d <= 9; ++d) {
        if (cell.deleted[d]) out.delete_possibility(nr, nc, digit[d]);
      }
    }
  }
  return out;
}

}  // namespace vantry
