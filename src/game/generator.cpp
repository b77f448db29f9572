#include "game/generator.h"

#include <utility>

#include "classlib/contract.h"
#include "model/n_solutions.h"
#include "model/state.h"

namespace vantry {

namespace {

// One cell of the random fill and, through recursion, all cells after it.
bool fill_from(State& s, Random& random, int r, int c) {
  const int next_r = c == 8 ? r + 1 : r;
  const int next_c = c == 8 ? 0 : c + 1;
  if (s.cell(r, c).answer != 0) return r == 8 && c == 8 ? true : fill_from(s, random, next_r, next_c);

  // Step 1. The possibilities in ascending order; none means a dead end.
  int candidates[9];
  const int count = s.cell(r, c).list_possibilities(candidates);
  if (count == 0) return false;

  // Step 2. Shuffle with exactly count - 1 swaps of two different positions.
  for (int swap = 0; swap < count - 1; ++swap) {
    const int i = random.next(count);
    int j = random.next(count);
    while (j == i) j = random.next(count);
    std::swap(candidates[i], candidates[j]);
  }

  // Step 3. Each candidate in turn, and the rest of the grid after it; a
  // candidate that leads nowhere is taken out again and the peers'
  // possibilities recomputed.
  for (int k = 0; k < count; ++k) {
    s.set_answer_and_solution(r, c, candidates[k]);
    if (r == 8 && c == 8) return true;
    if (fill_from(s, random, next_r, next_c)) return true;
    s.set_answer(r, c, 0);
    s.recompute_possibilities();
  }
  // Step 4. Every candidate failed.
  return false;
}

}  // namespace

bool fill_random_grid(State& s, Random& random) { return fill_from(s, random, 0, 0); }

bool try_to_remove(State& s, SolutionCounter& counter, int r, int c, bool symmetric) {
  const int pr = partner_row(r), pc = partner_column(c);
  s.set_answer(r, c, 0);
  if (symmetric) s.set_answer(pr, pc, 0);
  s.recompute_possibilities();
  if (counter.n_solutions(s) == 1) return true;
  s.set_answer(r, c, s.cell(r, c).solution);
  if (symmetric) s.set_answer(pr, pc, s.cell(pr, pc).solution);
  return false;
}

int removal_attempts(Difficulty target, bool symmetric) {
  if (target == Difficulty::Easy) return symmetric ? kEasySymmetricAttempts : kEasyAsymmetricAttempts;
  return symmetric ? kSymmetricCandidates : kAsymmetricCandidates;
}

Removals remove_givens(State& s, SolutionCounter& counter, Random& random, bool symmetric, int attempts) {
  const int n = symmetric ? kSymmetricCandidates : kAsymmetricCandidates;
  VANTRY_ASSERT(attempts >= 0 && attempts <= n);
  int candidates[kAsymmetricCandidates];
  for (int i = 0; i < n; ++i) candidates[i] = i;
  int left = n;

  Removals removals;
  for (; attempts > 0 && !counter.abort_requested(); --attempts) {
    // The chosen candidate leaves the list; the last one takes its place.
    const int i = random.next(left);
    const int cell = candidates[i];
    candidates[i] = candidates[--left];
    if (try_to_remove(s, counter, cell / 9, cell % 9, symmetric)) {
      removals.cells[removals.count++] = cell;
    }
  }
  return removals;
}

void put_back(State& s, const Removals& removals, int how_many, bool symmetric) {
  for (int k = removals.count - 1; k >= 0 && k >= removals.count - how_many; --k) {
    const int r = removals.cells[k] / 9, c = removals.cells[k] % 9;
    s.set_answer(r, c, s.cell(r, c).solution);
    if (symmetric) s.set_answer(partner_row(r), partner_column(c), s.cell(partner_row(r), partner_column(c)).solution);
  }
}

}  // namespace vantry
