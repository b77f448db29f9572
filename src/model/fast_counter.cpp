// The fast solution counter: each digit's possible places as three 27-bit
// band words (layout in fast_counter_tables.h), propagation of what the rules
// force, and a guess on a cell with the fewest candidates when nothing is forced.
// A guess copies the small grid, so backtracking costs nothing.
#include "model/fast_counter.h"

#include <bit>
#include <cstdint>
#include <utility>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "classlib/contract.h"
#include "model/fast_counter_tables.h"

namespace vantry {

namespace {

using Word = std::uint32_t;
using fast_counter::kTables;

// The search asks its poll at the first guess and then every kPollEvery
// guesses. A guess with its propagation costs about half a microsecond on the
// hardest puzzles here (512 guesses measured at 0.26 ms), so the poll is asked
// about every 0.15 ms of work, under a millisecond even on a machine several
// times slower, and its cost (a clock read in the program's poll) is lost in
// the noise.
constexpr int kPollEvery = 256;

// After this many guesses the search adds the minirow rule to its
// propagation. The ordinary puzzles, even the hardest known ones, are counted
// before (about a millisecond of work); a search that goes on is most likely
// lost in a part of the grid that cannot be completed, which the rule tends
// to show at once, so the open branches then fail as soon as they are tried.
constexpr int kMinirowsAfter = 2048;

// After this many guesses the puzzle as given is looked at once more with the
// minirow rule: when its givens already force four digits into one minirow,
// that ends the count at once. Ordinary puzzles are mostly counted before,
// so they never pay for the look.
constexpr int kRootCheckAfter = 64;

constexpr Word kAllBand = (Word{1} << 27) - 1;
constexpr int kOtherBand[3][2] = {{1, 2}, {0, 2}, {0, 1}};
constexpr std::uint8_t kBandOf[27] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 2, 2, 2, 2, 2, 2, 2, 2, 2};

// The words are band-major, word k = 9 * band + digit, so the nine words of a
// band sit side by side for place(), and bit k of a 27-bit set names word k:
//
//   cand:  [band 0: digits 1-9][band 1: digits 1-9][band 2: digits 1-9]
//
// The search copies a Grid at each guess (128 bytes).
struct Grid {
  Word cand[27];    // the cells where the digit may still stand
  Word open[3];     // per band, the cells whose digit is not fixed yet
  Word dirty;       // bit k: word k changed since the band step last saw it
  Word stacks_due;  // bit digit: its words changed since the stack step looked
};

// Fixes digit d in cell i of band b: the cell loses every other digit, and d
// leaves the cell's row and box in the band and its column in the other bands.
// Only the words that changed are marked dirty: marking all nine words of the
// band, or every word touched, costs more in needless visits (and mispredicted
// branches) than telling them apart.
inline void place(Grid& g, Word& dirty, int d, int b, int i) {
  const Word bit = Word{1} << i;
  Word* words = g.cand + 9 * b;
#if defined(__SSE2__)
  // Digits 0-7 four at a time: which words hold the cell, then clear it.
  // Against the plain loop below this is 8% less work over a whole count.
  const __m128i cell = _mm_set1_epi32(static_cast<int>(bit));
  const __m128i low = _mm_loadu_si128(reinterpret_cast<const __m128i*>(words));
  const __m128i high = _mm_loadu_si128(reinterpret_cast<const __m128i*>(words + 4));
  Word had =
      static_cast<Word>(_mm_movemask_ps(_mm_castsi128_ps(_mm_cmpeq_epi32(_mm_and_si128(low, cell), cell))) |
                        _mm_movemask_ps(_mm_castsi128_ps(_mm_cmpeq_epi32(_mm_and_si128(high, cell), cell))) << 4);
  _mm_storeu_si128(reinterpret_cast<__m128i*>(words), _mm_andnot_si128(cell, low));
  _mm_storeu_si128(reinterpret_cast<__m128i*>(words + 4), _mm_andnot_si128(cell, high));
  had |= ((words[8] >> i) & 1) << 8;
  words[8] &= ~bit;
#else
  Word had = 0;
  for (int e = 0; e < 9; ++e) {
    had |= ((words[e] >> i) & 1) << e;
    words[e] &= ~bit;
  }
#endif
  g.cand[9 * b + d] = (g.cand[9 * b + d] & ~kTables.band_peers[i]) | bit;
  const Word column = kTables.column[i % 9];
  Word& w0 = g.cand[9 * kOtherBand[b][0] + d];
  Word& w1 = g.cand[9 * kOtherBand[b][1] + d];
  const Word hit0 = (w0 & column) != 0, hit1 = (w1 & column) != 0;
  w0 &= ~column;
  w1 &= ~column;
  g.open[b] &= ~bit;
  dirty |= had << (9 * b) | hit0 << (9 * kOtherBand[b][0] + d) | hit1 << (9 * kOtherBand[b][1] + d);
}

// One band's cells by how many digits they may hold: at least one, two, three, four.
struct Tally {
  Word one = 0, two = 0, three = 0, four = 0;
};

inline Tally tally(const Grid& g, int b) {
  Tally t;
  for (int d = 0; d < 9; ++d) {
    const Word m = g.cand[9 * b + d];
    t.four |= t.three & m;
    t.three |= t.two & m;
    t.two |= t.one & m;
    t.one |= m;
  }
  return t;
}

// Column presence of a band word: bit c set if the digit may stand in column c.
inline unsigned columns_of(Word m) { return (m | m >> 9 | m >> 18) & 0x1FFu; }

// The minirows of a band word where the digit may stand: bit 3 * row + box.
inline unsigned minirows_of(Word m) {
  return kTables.minirows_of_row[m & 0x1FF] | kTables.minirows_of_row[(m >> 9) & 0x1FF] << 3 |
         kTables.minirows_of_row[m >> 18] << 6;
}

// A minirow's three cells hold exactly three digits. sets[d] are the minirows
// of one band (or the minicolumns of one stack) where digit d may stand, each
// a union of permutations, so a minirow alone in its row is also alone in its
// box and the digit must stand there. A minirow where fewer than three digits
// may stand, or more than three must, ends the branch; where exactly three
// may, they must, and leave the rest of its row and box; where exactly three
// must, no other digit may. Without this, a puzzle whose contradiction is four
// digits forced into one minirow is found out only by trying every way to
// fill the rest of the grid: seconds to minutes on sparse puzzles.
// False means no solution; changed is set when a set was narrowed.
bool settle_minirows(unsigned (&sets)[9], bool& changed) {
  unsigned may1 = 0, may2 = 0, may3 = 0, may4 = 0, must1 = 0, must2 = 0, must3 = 0, must4 = 0;
  unsigned must[9];
  for (int d = 0; d < 9; ++d) {
    const unsigned m = sets[d], f = kTables.lone_minirows[m];
    must[d] = f;
    may4 |= may3 & m, may3 |= may2 & m, may2 |= may1 & m, may1 |= m;
    must4 |= must3 & f, must3 |= must2 & f, must2 |= must1 & f, must1 |= f;
  }
  if ((~may3 & 0x1FFu) | must4) return false;
  const unsigned three_may = may3 & ~may4;
  if ((three_may | must3) == 0) return true;
  for (int d = 0; d < 9; ++d) {
    unsigned m = sets[d] & ~(must3 & ~must[d]);
    for (unsigned held = m & three_may & ~must[d]; held; held &= held - 1) {
      m &= ~static_cast<unsigned>(kTables.minirow_peers[std::countr_zero(held)]);
    }
    m = kTables.permutations[m];
    if (m == 0) return false;
    if (m != sets[d]) sets[d] = m, changed = true;
  }
  return true;
}

// The minirow rule over every band and stack, for when the other steps are
// stuck. False means no solution; dirty gets the words it narrowed.
bool settle_all_minirows(Grid& g, Word& dirty) {
  for (int b = 0; b < 3; ++b) {
    unsigned sets[9];
    for (int d = 0; d < 9; ++d) sets[d] = minirows_of(g.cand[9 * b + d]);
    bool changed = false;
    if (!settle_minirows(sets, changed)) return false;
    if (!changed) continue;
    for (int d = 0; d < 9; ++d) {
      const Word kept = g.cand[9 * b + d] & kTables.band_keep[sets[d]];
      if (kept != g.cand[9 * b + d]) g.cand[9 * b + d] = kept, dirty |= Word{1} << (9 * b + d);
    }
  }
  // A stack's minicolumn set has bit 3 * band + column within the stack.
  unsigned columns[27];
  for (int k = 0; k < 27; ++k) columns[k] = columns_of(g.cand[k]);
  for (int s = 0; s < 9; s += 3) {
    unsigned sets[9];
    for (int d = 0; d < 9; ++d) {
      sets[d] = ((columns[d] >> s) & 7) | ((columns[9 + d] >> s) & 7) << 3 | ((columns[18 + d] >> s) & 7) << 6;
    }
    bool changed = false;
    if (!settle_minirows(sets, changed)) return false;
    if (!changed) continue;
    for (int d = 0; d < 9; ++d) {
      for (int b = 0; b < 3; ++b) {
        const unsigned gone = (((columns[9 * b + d] >> s) & 7) & ~(sets[d] >> (3 * b))) << s;
        if (gone) g.cand[9 * b + d] &= ~kTables.column_spread[gone], dirty |= Word{1} << (9 * b + d);
      }
    }
  }
  return true;
}

// Narrows the grid to what the rules force. False means no solution. The
// minirow rule (step 4) is left out while with_minirows is false: it costs
// about a third more per guess and saves no guesses on ordinary puzzles.
template <bool with_minirows>
bool propagate(Grid& g) {
  Word dirty = std::exchange(g.dirty, 0);
  for (;;) {
    // Step 1: band by band, keep the minirows that belong to a permutation
    // (this is locked candidates and hidden singles in boxes), and fix the
    // digit in any row of the band where it has a single place left. Only
    // the dirty words are looked at, until none is left.
    while (dirty) {
      const int k = std::countr_zero(dirty);
      dirty &= dirty - 1;
      Word m = g.cand[k];
      const int b = kBandOf[k], d = k - 9 * b;
      const unsigned minirows = kTables.minirows_of_row[m & 0x1FF] | kTables.minirows_of_row[(m >> 9) & 0x1FF] << 3 |
                                kTables.minirows_of_row[m >> 18] << 6;
      m &= kTables.band_keep[minirows];
      if (m == 0) return false;
      g.cand[k] = m;
      Word lone = kTables.lone_in_row[m & 0x1FF] | kTables.lone_in_row[(m >> 9) & 0x1FF] << 9 |
                  static_cast<Word>(kTables.lone_in_row[m >> 18]) << 18;
      lone &= g.open[b];
      for (; lone; lone &= lone - 1) place(g, dirty, d, b, std::countr_zero(lone));
      g.stacks_due |= 1u << d;
    }

    // Step 2: naked singles; an open cell without any digit ends the branch.
    bool placed = false;
    for (int b = 0; b < 3; ++b) {
      const Tally t = tally(g, b);
      if (g.open[b] & ~t.one) return false;
      for (Word singles = g.open[b] & ~t.two; singles; singles &= singles - 1) {
        const int i = std::countr_zero(singles);
        const Word bit = Word{1} << i;
        int d = 0;
        while (d < 9 && !(g.cand[9 * b + d] & bit)) ++d;
        if (d == 9) return false;  // an earlier single of this pass took its digit
        place(g, dirty, d, b, i);
        placed = true;
      }
    }
    if (placed) continue;

    // Step 3: stack by stack, the digit's columns must form a permutation of
    // the bands too (hidden singles in columns, locked candidates in boxes
    // seen from the columns). Only when the cheaper steps are stuck, and only
    // for the digits whose words changed since (a tenth less work on hard
    // puzzles than looking at all nine every time).
    bool narrowed = false;
    for (Word due = std::exchange(g.stacks_due, 0); due; due &= due - 1) {
      const int d = std::countr_zero(due);
      const unsigned columns[3] = {columns_of(g.cand[d]), columns_of(g.cand[9 + d]), columns_of(g.cand[18 + d])};
      unsigned keep[3] = {0, 0, 0};
      for (int s = 0; s < 9; s += 3) {
        const unsigned set = ((columns[0] >> s) & 7) | ((columns[1] >> s) & 7) << 3 | ((columns[2] >> s) & 7) << 6;
        const unsigned kept = kTables.permutations[set];
        if (kept == 0) return false;
        keep[0] |= (kept & 7) << s;
        keep[1] |= ((kept >> 3) & 7) << s;
        keep[2] |= ((kept >> 6) & 7) << s;
      }
      for (int b = 0; b < 3; ++b) {
        if (keep[b] != columns[b]) {
          g.cand[9 * b + d] &= kTables.column_spread[keep[b]];
          dirty |= 1u << (9 * b + d);
          narrowed = true;
        }
      }
    }
    if (narrowed) continue;
    if constexpr (!with_minirows) return true;

    // Step 4: three digits to a minirow, in bands and stacks, only when
    // everything else is stuck.
    if (!settle_all_minirows(g, dirty)) return false;
    if (!dirty) return true;
  }
}

// Bits set in a band word, without the library call that std::popcount
// becomes on plain x86-64.
inline int bits_in(Word x) {
  x = x - ((x >> 1) & 0x55555555u);
  x = (x & 0x33333333u) + ((x >> 2) & 0x33333333u);
  x = (x + (x >> 4)) & 0x0F0F0F0Fu;
  return static_cast<int>((x * 0x01010101u) >> 24);
}

// Where to guess: the cell with the fewest digits (two, else three, else any)
// that sees the most open cells in its row, box and column. Against taking the
// first cell with two digits this more than halves the guesses on the hardest
// puzzles (136 instead of 312 a puzzle on the forum's 2011 list, 40% less
// time) and costs nothing measurable on the easy ones.
struct Choice {
  int band;
  int cell;  // bit of the band word
};

// Of the given cells (per band), the one that sees the most open cells. The
// column's open cells of the two other bands are counted in one go: the
// second band's shifted one bit, so the two never overlap.
Choice most_seeing(const Grid& g, const Word (&cells)[3]) {
  Choice best{-1, 0};
  int most = -1;
  for (int b = 0; b < 3; ++b) {
    for (Word left = cells[b]; left; left &= left - 1) {
      const int i = std::countr_zero(left);
      const Word column = kTables.column[i % 9];
      const int seen = bits_in(g.open[b] & kTables.band_peers[i]) +
                       bits_in((g.open[kOtherBand[b][0]] & column) | (g.open[kOtherBand[b][1]] & column) << 1);
      if (seen > most) most = seen, best = {b, i};
    }
  }
  return best;
}

Choice choose_cell(const Grid& g) {
  const Tally t[3] = {tally(g, 0), tally(g, 1), tally(g, 2)};
  const Word pairs[3] = {g.open[0] & ~t[0].three, g.open[1] & ~t[1].three, g.open[2] & ~t[2].three};
  if (pairs[0] | pairs[1] | pairs[2]) return most_seeing(g, pairs);
  const Word triples[3] = {g.open[0] & ~t[0].four, g.open[1] & ~t[1].four, g.open[2] & ~t[2].four};
  if (triples[0] | triples[1] | triples[2]) return most_seeing(g, triples);
  return most_seeing(g, g.open);
}

class Counter {
 public:
  // root: the grid as the count starts, for the look at kRootCheckAfter.
  Counter(const Grid& root, char* solution, SearchPoll* poll) : my_root(root), my_solution(solution), my_poll(poll) {}

  // True when the search is over: a second solution, or the poll said stop.
  bool search(Grid& g);

  int result() const { return my_stopped ? kCountStopped : my_rootFails ? 0 : my_count; }

 private:
  void record(const Grid& g);

  Grid my_root;
  char* my_solution;
  SearchPoll* my_poll;
  int my_count = 0;
  int my_untilPoll = 1;
  int my_guesses = 0;
  bool my_stopped = false;
  bool my_rootFails = false;
};

void Counter::record(const Grid& g) {
  if (!my_solution) return;
  for (int d = 0; d < 9; ++d) {
    for (int b = 0; b < 3; ++b) {
      for (Word m = g.cand[9 * b + d]; m; m &= m - 1) {
        const int i = std::countr_zero(m);
        my_solution[(3 * b + i / 9) * 9 + i % 9] = static_cast<char>('1' + d);
      }
    }
  }
}

bool Counter::search(Grid& g) {
  for (;;) {
    // Step 1: propagate; a contradiction ends this branch, a full grid is a solution.
    if (!(my_guesses < kMinirowsAfter ? propagate<false>(g) : propagate<true>(g))) return false;
    if ((g.open[0] | g.open[1] | g.open[2]) == 0) {
      record(g);
      return ++my_count >= 2;
    }

    // Step 2: a guess is needed; now and then let the caller stop us.
    if (my_poll && --my_untilPoll == 0) {
      my_untilPoll = kPollEvery;
      if (my_poll->should_stop()) {
        my_stopped = true;
        return true;
      }
    }

    // Step 3: where to guess.
    if (my_guesses < kMinirowsAfter) ++my_guesses;
    if (my_guesses == kRootCheckAfter && !propagate<true>(my_root)) {
      my_rootFails = true;
      return true;
    }
    const auto [band, i] = choose_cell(g);
    const Word bit = Word{1} << i;

    // Step 4: every digit but the last in a copy; the last in this grid.
    unsigned digits = 0;
    for (int d = 0; d < 9; ++d) {
      if (g.cand[9 * band + d] & bit) digits |= 1u << d;
    }
    for (; digits & (digits - 1); digits &= digits - 1) {
      const int d = std::countr_zero(digits);
      Grid child = g;
      place(child, child.dirty, d, band, i);
      if (search(child)) return true;
      g.cand[9 * band + d] &= ~bit;
      g.dirty |= 1u << (9 * band + d);
    }
    place(g, g.dirty, std::countr_zero(digits), band, i);
  }
}

}  // namespace

int fast_count(const CountInput& in, char* solution, SearchPoll* poll) {
  // Step 1: for each digit, the rows, columns and boxes whose answers hold it
  // (a digit twice in one unit means no solution) and the cells where it is
  // the answer; per band, the empty cells and the digits the player deleted.
  unsigned rows_with[9] = {}, columns_with[9] = {}, boxes_with[9] = {};
  Grid g{};
  Word given[9][3] = {}, deleted[9][3] = {};
  for (int r = 0, i = 0; r < 9; ++r) {
    const int b = r / 3;
    for (int c = 0; c < 9; ++c, ++i) {
      const Word bit = Word{1} << (r % 3 * 9 + c);
      const int a = in.answer[i];
      VANTRY_ASSERT(a <= 9);
      if (a == 0) {
        g.open[b] |= bit;
        for (unsigned gone = ~in.candidates[i] & 0x1FFu; gone; gone &= gone - 1)
          deleted[std::countr_zero(gone)][b] |= bit;
        continue;
      }
      const int d = a - 1, x = b * 3 + c / 3;
      if (((rows_with[d] >> r) | (columns_with[d] >> c) | (boxes_with[d] >> x)) & 1) return 0;
      rows_with[d] |= 1u << r;
      columns_with[d] |= 1u << c;
      boxes_with[d] |= 1u << x;
      given[d][b] |= bit;
    }
  }

  // Step 2: an answered cell holds its digit; an empty cell may hold the
  // digits the player left possible that no answer of its units holds.
  for (int d = 0; d < 9; ++d) {
    const Word columns = kTables.column_spread[columns_with[d]];
    for (int b = 0; b < 3; ++b) {
      const Word taken = columns | kTables.rows_spread[(rows_with[d] >> (3 * b)) & 7] |
                         kTables.boxes_spread[(boxes_with[d] >> (3 * b)) & 7] | deleted[d][b];
      g.cand[9 * b + d] = (g.open[b] & ~taken) | given[d][b];
    }
  }
  // The first pass of the band step looks at every word.
  g.dirty = kAllBand;
  g.stacks_due = 0x1FF;

  // Step 3: search.
  Counter counter(g, solution, poll);
  counter.search(g);
  return counter.result();
}

}  // namespace vantry
